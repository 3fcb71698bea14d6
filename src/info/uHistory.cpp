#include "info/uHistory.h"

TForm3::TForm3(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("История изменений"));
    setFixedSize(370, 250);
}

