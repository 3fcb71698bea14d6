#include "scanner/uScan.h"

#include "platform/WindowPlacement.h"
#include "platform/Services.h"
#include "scanner/ScanSettingsFile.h"
#include "ui_uScan.h"
#include "viewer/ViewState.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

using namespace bitloom;

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

// The list's item for a stored number; a number outside the list selects none.
int ItemIndex(std::int64_t number, int count)
{
    return number >= 0 && number < count ? static_cast<int>(number) : -1;
}

} // namespace

TForm5::TForm5(ScanSettings& settings, const ViewState& state, Services& services, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm5>()), settings_(settings), state_(state), errors_(services.errors)
{
    ui->setupUi(this);
    setFixedSize(313, 252);
    ui->Panel1->setBackgroundRole(QPalette::Base);
    connect(ui->Button1, &QPushButton::clicked, this, [this] { Run(&TForm5::Button1Click); });
    connect(ui->Button2, &QPushButton::clicked, this, [this] { Run(&TForm5::Button2Click); });
}

TForm5::~TForm5() = default;

void TForm5::Run(void (TForm5::*handler)())
{
    RunCommand(errors_, [this, handler] { (this->*handler)(); });
}

std::filesystem::path TForm5::IniPath() const
{
    return ScanSettingsPath(state_.StartDir);
}

void TForm5::FormActivate()
{
    const ScanFileValues values = ReadScanFile(IniPath());
    ui->edStAddr->setText(FromUtf8(values.StartAddress));
    ui->edEnAddr->setText(FromUtf8(values.StopAddress));
    ui->edWidth->setText(FromUtf8(values.Width));
    ui->cbBpp->setCurrentIndex(ItemIndex(static_cast<std::int64_t>(values.Bppc) - 1, ui->cbBpp->count()));
    ui->cbDir->setCurrentIndex(ItemIndex(values.Direction, ui->cbDir->count()));
    ui->edSpeed->setText(QString::number(values.Speed));
    // The settings take the file's values as read, also those the controls
    // cannot show. A bad address ends the load here, before the radio buttons.
    TakeScanFileValues(settings_, values);
    QRadioButton* const methods[] = {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4};
    if (values.Method >= 0 && values.Method <= 3)
        methods[values.Method]->setChecked(true);
}

void TForm5::CollectScanSettings()
{
    ScanDialogValues values;
    values.bppIndex = ui->cbBpp->currentIndex();
    values.speedText = ToUtf8(ui->edSpeed->text());
    values.startText = ToUtf8(ui->edStAddr->text());
    values.stopText = ToUtf8(ui->edEnAddr->text());
    const QRadioButton* const methods[] = {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4};
    for (std::int32_t i = 0; i < 4; ++i)
        if (methods[i]->isChecked())
            values.method = i;
    values.directionIndex = ui->cbDir->currentIndex();
    values.widthText = ToUtf8(ui->edWidth->text());
    bitloom::CollectScanSettings(settings_, values);
}

void TForm5::Button1Click()
{
    CollectScanSettings();
    WriteScanFile(IniPath(), settings_);
    accept();
}

void TForm5::Button2Click()
{
    CollectScanSettings();
    accept();
}

void TForm5::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    bitloom::CentreOnScreen(*this);
    Run(&TForm5::FormActivate);
}

void TForm5::keyPressEvent(QKeyEvent* event)
{
    if (bitloom::HandleButtonsOnlyKey(*this, *event))
        return;
    QDialog::keyPressEvent(event);
}
