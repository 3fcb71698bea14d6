#include "catalogue/FavoritesMenu.h"

#include "catalogue/CatalogueLevel.h"

using bitloom::LevelEntry;

namespace {

// Kinds of entry, kept in the entry's tag.
constexpr int KindSpecial = 0;
constexpr int KindFolder = 1;
constexpr int KindPicture = 2;

const QString Placeholder = QStringLiteral("-");

// The entries of one rebuild, other than sections, belong to one holder
// object, so that a level of thousands goes at once when it is rebuilt: an
// object removed by itself would search its parent's list of children.
const QString LevelHolder = QStringLiteral("FavoritesMenuLevel");

bool IsLevelHolderOf(const QObject* holder, const QMenu* menu)
{
    return holder != nullptr && holder->parent() == menu && holder->objectName() == LevelHolder;
}

// Takes the entries out of the menu for good, sections with their sub-menus.
void RemoveEntries(QMenu* menu, const QList<QAction*>& entries)
{
    QList<QObject*> holders;
    for (qsizetype i = entries.size() - 1; i >= 0; --i) {
        QAction* entry = entries[i];
        if (QMenu* sub = entry->menu<QMenu*>(); sub != nullptr && sub->parent() == menu) {
            delete sub; // its menuAction() goes with it
        } else if (IsLevelHolderOf(entry->parent(), menu)) {
            if (!holders.contains(entry->parent()))
                holders.append(entry->parent());
        } else if (entry->parent() == menu) {
            delete entry;
        } else {
            menu->removeAction(entry);
        }
    }
    qDeleteAll(holders);
}

} // namespace

TFavoritesMenu::TFavoritesMenu(QObject* owner) : QObject(owner), collation_(bitloom::Collation::ForUserLocale()) {}

void TFavoritesMenu::SetMenuItem(TMenuItem item)
{
    disconnect(menuItemWatch_);
    menuItem_ = item;
    if (QAction* action = item.Action())
        menuItemWatch_ = connect(action, &QObject::destroyed, this,
                                 [this](QObject* gone) { Notification(gone, TOperation::opRemove); });
}

void TFavoritesMenu::Notification(QObject* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component == menuItem_.Action()) {
        disconnect(menuItemWatch_);
        menuItem_ = TMenuItem();
    }
}

void TFavoritesMenu::RebuildMenu()
{
    QMenu* menu = menuItem_.SubMenu();
    if (menu == nullptr || menu->actions().isEmpty())
        return; // nothing to keep the entries in: never asked for by the program
    QList<QAction*> old = menu->actions();
    QAction* placeholder = old.takeLast();
    RemoveEntries(menu, old);

    const std::vector<LevelEntry> level = bitloom::BuildLevel(initialDir_, simple_, collation_);
    if (level.empty())
        return;
    auto* holder = new QObject(menu);
    holder->setObjectName(LevelHolder);
    QList<QAction*> made;
    made.reserve(static_cast<qsizetype>(level.size()));
    for (const LevelEntry& entry : level)
        made.append(MakeEntry(menu, holder, entry));
    menu->insertActions(placeholder, made);
}

QIcon TFavoritesMenu::Image(int index) const
{
    return index >= 0 && index < images_.size() ? images_[index] : QIcon();
}

QAction* TFavoritesMenu::MakeAction(QObject* owner, const QString& caption, const std::filesystem::path& path,
                                    int tag, int image)
{
    auto* action = new QAction(owner);
    TMenuItem(action).Set(caption, path, tag, image, Image(image));
    return action;
}

QAction* TFavoritesMenu::MakeEntry(QMenu* menu, QObject* holder, const LevelEntry& entry)
{
    const QString caption = QString::fromStdString(entry.caption);
    switch (entry.role) {
    case LevelEntry::Role::Quick:
    case LevelEntry::Role::Edit: {
        const int image = entry.role == LevelEntry::Role::Quick ? ImageQuick : imageAdd_;
        QAction* action = MakeAction(holder, caption, entry.path, KindSpecial, image);
        connect(action, &QAction::triggered, this, [this, action] { RaiseUrlClickQuick(action); });
        return action;
    }
    case LevelEntry::Role::Separator:
        return MakeAction(holder, Placeholder, {}, KindSpecial, imageUrl_);
    case LevelEntry::Role::Folder: {
        auto* sub = new QMenu(menu);
        TMenuItem::Of(sub).Set(caption, entry.path, KindFolder, imageFolder_, Image(imageFolder_));
        sub->addAction(MakeAction(sub, Placeholder, {}, KindSpecial, imageUrl_));
        // The handler is the one set now; a section made without one stays as it is.
        if (onRefresh_)
            connect(sub, &QMenu::aboutToShow, this, [handler = onRefresh_, sub] { handler(TMenuItem::Of(sub)); });
        return sub->menuAction();
    }
    case LevelEntry::Role::Picture: {
        QAction* action = MakeAction(holder, caption, entry.path, KindPicture, imageUrl_);
        connect(action, &QAction::triggered, this, [this, action] { RaiseUrlClick(action); });
        return action;
    }
    }
    return nullptr;
}

void TFavoritesMenu::RaiseUrlClick(QAction* entry)
{
    if (onUrlClick_)
        onUrlClick_(TMenuItem(entry), TMenuItem(entry).Hint());
}

void TFavoritesMenu::RaiseUrlClickQuick(QAction* entry)
{
    if (onUrlClickQuick_)
        onUrlClickQuick_(TMenuItem(entry), TMenuItem(entry).Hint());
}
