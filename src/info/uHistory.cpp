#include "info/uHistory.h"

#include "info/InfoWindow.h"
#include "ui_uHistory.h"

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm3>())
{
    ui->setupUi(this);
    UseDesignFont(*this);
    setFixedSize(370, 250);
    ShowInfoText(*ui->RichEdit1, QStringLiteral(":/info/history.txt"));
}

TForm3::~TForm3() = default;
