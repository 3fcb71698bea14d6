#include "info/uHelp.h"

#include "info/InfoWindow.h"
#include "ui_uHelp.h"

TfHelp::TfHelp(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TfHelp>())
{
    ui->setupUi(this);
    UseDesignFont(*this);
    setFixedSize(441, 249);
    ShowInfoText(*ui->RichEdit1, QStringLiteral(":/info/help.txt"));
}

TfHelp::~TfHelp() = default;
