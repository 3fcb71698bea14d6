#pragma once

#include <QAction>
#include <QMenu>

#include <filesystem>

// A menu entry as the catalogue menus use one: a caption ("-" makes it a
// separator line), a hint that holds a path and is never shown, a tag telling
// the kind of entry, an image index, and, when it holds entries of its own, a
// sub-menu. The entry is a QAction; an entry with a sub-menu is the QMenu's
// menuAction(). TMenuItem is a plain handle: copying it copies no entry.
class TMenuItem final {
public:
    TMenuItem() = default;
    explicit TMenuItem(QAction* action) : action_(action) {}
    static TMenuItem Of(QMenu* menu) { return TMenuItem(menu != nullptr ? menu->menuAction() : nullptr); }

    explicit operator bool() const { return action_ != nullptr; }
    bool operator==(const TMenuItem&) const = default;

    QAction* Action() const { return action_; }
    // The entries this item holds, or none.
    QMenu* SubMenu() const;

    QString Caption() const;
    void SetCaption(const QString& caption);

    // The path in the file system's own encoding, so that names in any
    // encoding survive the trip through the menu.
    std::filesystem::path Hint() const;
    void SetHint(const std::filesystem::path& hint);

    int Tag() const;
    void SetTag(int tag);

    int ImageIndex() const;
    void SetImage(int index, const QIcon& icon);

    // All of the above at once, as a new entry is made.
    void Set(const QString& caption, const std::filesystem::path& hint, int tag, int imageIndex, const QIcon& icon);

    int Count() const;
    TMenuItem Items(int index) const;

private:
    QAction* action_ = nullptr;
};
