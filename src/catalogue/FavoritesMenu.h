#pragma once

#include "catalogue/Collation.h"
#include "catalogue/MenuItem.h"

#include <QIcon>
#include <QList>
#include <QObject>

#include <filesystem>
#include <functional>

namespace bitloom {
struct LevelEntry;
}

// Turns one folder of the catalogue into the entries of one menu item: the
// special entry on top (">> В Быстрое", or "Изменить" when Simple), a
// separator, a sub-menu per section, an entry per picture. Sections are filled
// only when they open, by the same component through OnRefresh, so a
// catalogue of any depth costs one folder listing per opening. A click does
// nothing by itself: the entry and its path go to the owner's handlers.
class TFavoritesMenu final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFavoritesMenu)

public:
    using TUrlNotifyEvent = std::function<void(TMenuItem Sender, const std::filesystem::path& Url)>;
    using TNotifyEvent = std::function<void(TMenuItem Sender)>;
    enum class TOperation { opInsert, opRemove };

    // The image of the ">> В Быстрое" entry; the others are properties.
    static constexpr int ImageQuick = 3;

    explicit TFavoritesMenu(QObject* owner);

    // The item whose entries RebuildMenu makes; its last entry stays as a placeholder.
    TMenuItem MenuItem() const { return menuItem_; }
    void SetMenuItem(TMenuItem item);
    const std::filesystem::path& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::filesystem::path& folder) { initialDir_ = folder; }
    bool Simple() const { return simple_; }
    void SetSimple(bool simple) { simple_ = simple; }
    int ImageFolder() const { return imageFolder_; }
    void SetImageFolder(int index) { imageFolder_ = index; }
    int ImageUrl() const { return imageUrl_; }
    void SetImageUrl(int index) { imageUrl_ = index; }
    int ImageAdd() const { return imageAdd_; }
    void SetImageAdd(int index) { imageAdd_ = index; }

    // The image list the indexes refer to: the host menu's.
    void SetImages(const QList<QIcon>& images) { images_ = images; }

    void SetOnUrlClick(TUrlNotifyEvent handler) { onUrlClick_ = std::move(handler); }
    void SetOnUrlClickQuick(TUrlNotifyEvent handler) { onUrlClickQuick_ = std::move(handler); }
    // Becomes the opening handler of every section entry made from now on.
    void SetOnRefresh(TNotifyEvent handler) { onRefresh_ = std::move(handler); }

    // Removes every entry of MenuItem but the last, then lists InitialDir into it.
    void RebuildMenu();

    // Told when a component goes away: a MenuItem that is removed is forgotten.
    void Notification(QObject* component, TOperation operation);

private:
    QAction* MakeEntry(QMenu* menu, QObject* holder, const bitloom::LevelEntry& entry);
    QAction* MakeAction(QObject* owner, const QString& caption, const std::filesystem::path& path, int tag,
                        int image);
    QIcon Image(int index) const;
    void RaiseUrlClick(QAction* entry);
    void RaiseUrlClickQuick(QAction* entry);

    TMenuItem menuItem_;
    QMetaObject::Connection menuItemWatch_;
    std::filesystem::path initialDir_;
    bool simple_ = false;
    int imageFolder_ = 0;
    int imageUrl_ = 1;
    int imageAdd_ = 2;
    QList<QIcon> images_;
    TUrlNotifyEvent onUrlClick_;
    TUrlNotifyEvent onUrlClickQuick_;
    TNotifyEvent onRefresh_;
    // The user's locale is fixed for the run: one collator serves every level.
    bitloom::Collation collation_;
};
