#include "scanner/uScan.h"

TForm5::TForm5(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Настройки сканирования"));
    setFixedSize(313, 252);
}

void TForm5::FormActivate()
{
}
