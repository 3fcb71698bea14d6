#include "info/uHelp.h"

TfHelp::TfHelp(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TfHelp"));
    setWindowTitle(QStringLiteral("Помощь"));
    setFixedSize(441, 249);
}

