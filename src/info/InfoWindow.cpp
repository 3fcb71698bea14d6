#include "info/InfoWindow.h"

#include "viewer/Palette.h"
#include "viewer/PreviewImage.h"

#include <QFile>
#include <QTextEdit>
#include <QWidget>

// The texts live in a static library, whose resource data the linker keeps
// only when something names it. Qt's macro must be used outside any namespace.
static void LoadInfoResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(info);
        return true;
    }();
    (void)loaded;
}

void UseDesignFont(QWidget& window)
{
    QFont font = window.font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica")});
    window.setFont(font);
}

void ShowInfoText(QTextEdit& box, const QString& resource)
{
    LoadInfoResources();
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, QColor(bitloom::ToQRgb(bitloom::MarginColour)));
    box.setPalette(palette);
    QFile file(resource);
    if (file.open(QIODevice::ReadOnly))
        box.setPlainText(QString::fromUtf8(file.readAll()));
}
