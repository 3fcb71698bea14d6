#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace bitloom {

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

bool HandleButtonsOnlyKey(QWidget& dialog, QKeyEvent& event)
{
    if (event.key() == Qt::Key_Escape)
        return true;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(dialog.focusWidget()))
            button->click();
        return true;
    }
    return false;
}

} // namespace bitloom
