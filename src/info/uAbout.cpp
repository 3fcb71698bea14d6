#include "info/uAbout.h"

TForm4::TForm4(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(371, 361);
}

