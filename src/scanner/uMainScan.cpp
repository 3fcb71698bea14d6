#include "viewer/uMain.h"

#include "scanner/ScanRun.h"
#include "scanner/uScan.h"
#include "ui_uMain.h"

#include <QAction>

// The scan run: the main window's pop-up menu and timer. A run has no state
// of its own; it is whether Timer1 runs and whether "Пауза" is offered.

using namespace bitloom;

namespace {

const QString PauseCaption = QStringLiteral("Пауза");
const QString ContinueCaption = QStringLiteral("Дальше");
const QString StartCaption = QStringLiteral("Старт");
const QString StopCaption = QStringLiteral("Стоп");

void StopRun(TForm1& form)
{
    form.N5aa().setText(PauseCaption);
    form.N5aa().setEnabled(false);
    form.N6().setText(StartCaption);
    form.Timer1().SetEnabled(false);
}

void StartRun(TForm1& form)
{
    Ui::TForm1& ui = form.Form();
    ViewState& state = form.State();
    const ScanSettings& scan = form.Scan();

    form.N5aa().setEnabled(true);
    form.N5aa().setText(PauseCaption);
    form.N6().setText(StopCaption);
    if (const auto base = ScanStartOffset(scan))
        state.BaseOffset = *base;
    state.StepOffset = 0;
    // Setting the same text again would not signal a change; the picture
    // width follows the run's width either way.
    const QString width = QString::fromStdString(scan.ScanWidthText);
    if (ui.Edit1->text() == width)
        form.Edit1Change();
    else
        ui.Edit1->setText(width);
    ui.Edit2->setText(QStringLiteral("185"));
    form.ApplySizes();
    state.ColorMode = scan.ScanColorMode;
    form.ShowColorMode();
    form.ApplySizes();
    form.LoadWindow(0);
    form.Timer1().SetInterval(scan.ScanInterval);
    form.Timer1().SetEnabled(true);
}

} // namespace

void TForm1::N6Click()
{
    if (timer1_.Enabled() || n5aa_->isEnabled())
        StopRun(*this);
    else
        StartRun(*this);
}

void TForm1::N5aaClick()
{
    if (timer1_.Enabled()) {
        n5aa_->setText(ContinueCaption);
        timer1_.SetEnabled(false);
    } else {
        n5aa_->setText(PauseCaption);
        timer1_.SetEnabled(true);
    }
}

void TForm1::N4Click()
{
    ShowModal(windows_.scan);
}

void TForm1::Timer1Timer()
{
    try {
        if (ScanMayContinue()) {
            switch (ScanStepFor(scan_.ScanDirection, scan_.ScanMethod)) {
            case ScanStep::PicturePairForward: Button11Click(); break;
            case ScanStep::PicturePairBackward: Button10Click(); break;
            case ScanStep::PictureForward: Button3Click(); break;
            case ScanStep::PictureBackward: Button2Click(); break;
            case ScanStep::RowForward: Button5Click(); break;
            case ScanStep::RowBackward: Button4Click(); break;
            case ScanStep::ByteForward: Button7Click(); break;
            case ScanStep::ByteBackward: Button6Click(); break;
            case ScanStep::None: break;
            }
        } else {
            N6Click();
        }
    } catch (...) {
        // A failed step would fail again at every tick, each time with its own
        // error box: the run ends here and the error is shown once.
        StopRun(*this);
        throw;
    }
}

bool TForm1::ScanMayContinue() const
{
    const std::int32_t scanAddress = ScanAddressFromLabel(ui->Label2->text().toStdString());
    return bitloom::ScanMayContinue(scanAddress, scan_);
}
