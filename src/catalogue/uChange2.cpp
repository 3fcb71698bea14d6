#include "catalogue/uChange2.h"

TfChange2::TfChange2(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfChange2"));
    setWindowTitle(QStringLiteral(""));
    setFixedSize(525, 289);
}

