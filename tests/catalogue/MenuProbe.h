#pragma once

#include "catalogue/MenuItem.h"

#include <QApplication>
#include <QMenu>
#include <QStringList>

// Opens a menu as the user would (its about-to-show handlers run, then it is
// laid out and shown) and reads what it shows.
inline void OpenMenu(QMenu* menu)
{
    menu->popup(QPoint(0, 0));
    QApplication::processEvents();
}

inline void CloseMenu(QMenu* menu)
{
    menu->hide();
    QApplication::processEvents();
}

// The captions the open menu shows, "-" for a visible separator line: the
// separators a menu hides (first, last, doubled) are left out.
inline QStringList Shown(QMenu* menu)
{
    QStringList shown;
    for (QAction* action : menu->actions())
        if (action->isVisible() && !menu->actionGeometry(action).isEmpty())
            shown.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return shown;
}

// Opens the menu, reads what it shows and closes it again.
inline QStringList OpenAndRead(QMenu* menu)
{
    OpenMenu(menu);
    const QStringList shown = Shown(menu);
    CloseMenu(menu);
    return shown;
}

// The entry of the menu captioned text.
inline QAction* Entry(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

inline QMenu* Section(QMenu* menu, const QString& text)
{
    QAction* entry = Entry(menu, text);
    return entry != nullptr ? entry->menu<QMenu*>() : nullptr;
}
