#include "viewer/uMain.h"

#include "catalogue/uChange2.h"
#include "info/uAbout.h"
#include "info/uHelp.h"
#include "info/uHistory.h"
#include "platform/AddressFormat.h"
#include "platform/FlashFile.h"
#include "platform/FormFont.h"
#include "platform/IntConv.h"
#include "platform/LengthLimit.h"
#include "platform/PathText.h"
#include "scanner/uScan.h"
#include "ui_uMain.h"
#include "viewer/FlashWindow.h"
#include "viewer/Geometry.h"
#include "viewer/PreviewImage.h"
#include "viewer/uAddr.h"
#include "viewer/uMainGlyphs.h"

#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>

using namespace bitloom;

namespace {

const QString FileFilter = QStringLiteral("Binary full flash (*.bin);;Binary I-file (*.bif)");
const QString NoFileTitle = QStringLiteral("Bitloom v4.02 - [no file]");

} // namespace

TForm1::TForm1(Services& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm1>()), services_(services), timer1_(this)
{
    ui->setupUi(this);
    setFont(FormFont());
    setWindowTitle(NoFileTitle);
    setWindowIcon(ProgramIcon());
    centralWidget()->setFixedSize(724, 563);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    QFont fixed(QStringLiteral("DejaVu Sans Mono"), 12);
    fixed.setStyleHint(QFont::Monospace);
    fixed.setBold(true);
    ui->Label2->setFont(fixed);
    ui->Label2->setAttribute(Qt::WA_TranslucentBackground);

    // Labels take the size of their text, as the layout places only their corner.
    for (QLabel* label : {ui->Label1, ui->Label8, ui->Label7, ui->Label6, ui->Label10, ui->Label9, ui->Label4,
                          ui->Label11, ui->Label5})
        label->adjustSize();

    ui->Image1->SetStretch(true);
    ui->SpeedButton1->setIcon(ColourModeGlyph(1));
    ui->SpeedButton2->setIcon(ColourModeGlyph(2));
    ui->SpeedButton3->setIcon(ColourModeGlyph(3));
    ui->Image3->setPixmap(BentArrowPicture());
    for (QLineEdit* edit : {ui->Edit1, ui->Edit3, ui->Edit2})
        edit->setValidator(new LengthLimit(3, edit));

    Connect(ui->MenuItem2, &TForm1::N11Click);
    Connect(ui->N3, &TForm1::N3aClick);
    Connect(ui->N2, &TForm1::N2aClick);
    Connect(ui->MenuItem7, &TForm1::MenuItem7Click);
    Connect(ui->MenuItem238, &TForm1::N00000001Click);
    Connect(ui->MenuItem240, &TForm1::N13Click);
    Connect(ui->MenuItem245, &TForm1::N102Click);
    Connect(ui->N105, &TForm1::N105Click);
    Connect(ui->MenuItem246, &TForm1::About1Click);
    ConnectButton(ui->Button1, &TForm1::Button1Click);
    ConnectButton(ui->Button2, &TForm1::Button2Click);
    ConnectButton(ui->Button3, &TForm1::Button3Click);
    ConnectButton(ui->Button4, &TForm1::Button4Click);
    ConnectButton(ui->Button5, &TForm1::Button5Click);
    ConnectButton(ui->Button6, &TForm1::Button6Click);
    ConnectButton(ui->Button7, &TForm1::Button7Click);
    ConnectButton(ui->Button10, &TForm1::Button10Click);
    ConnectButton(ui->Button11, &TForm1::Button11Click);
    ConnectButton(ui->Button8, &TForm1::Button8Click);
    ConnectButton(ui->Button9, &TForm1::Button9Click);
    ConnectButton(ui->SpeedButton1, &TForm1::SpeedButton1Click);
    ConnectButton(ui->SpeedButton2, &TForm1::SpeedButton2Click);
    ConnectButton(ui->SpeedButton3, &TForm1::SpeedButton3Click);
    connect(ui->Edit1, &QLineEdit::textChanged, this, [this] { Run(&TForm1::Edit1Change); });

    for (QMenu* menu : {ui->N8, ui->NLast, ui->N13})
        menu->menuAction()->setEnabled(false);

    CreatePopupMenu();
    CreateFavoritesMenus();
    timer1_.SetOnTimer([this] { Run(&TForm1::Timer1Timer); });

    FormCreate();
    RedrawPreview();
}

TForm1::~TForm1() = default;

void TForm1::Run(void (TForm1::*handler)())
{
    RunCommand(services_.errors, [this, handler] { (this->*handler)(); });
}

void TForm1::Connect(QAction* action, void (TForm1::*handler)())
{
    connect(action, &QAction::triggered, this, [this, handler] { Run(handler); });
}

void TForm1::ConnectButton(QAbstractButton* button, void (TForm1::*handler)())
{
    connect(button, &QAbstractButton::clicked, this, [this, handler] { Run(handler); });
}

void TForm1::CreatePopupMenu()
{
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    n5aa_ = popupMenu1_->addAction(QStringLiteral("Пауза"));
    n5aa_->setObjectName(QStringLiteral("N5aa"));
    n5aa_->setEnabled(false);
    n6_ = popupMenu1_->addAction(QStringLiteral("Старт"));
    n6_->setObjectName(QStringLiteral("N6"));
    popupMenu1_->addSeparator()->setObjectName(QStringLiteral("N1"));
    n4_ = popupMenu1_->addAction(QStringLiteral("Настройки"));
    n4_->setObjectName(QStringLiteral("N4"));
    Connect(n5aa_, &TForm1::N5aaClick);
    Connect(n6_, &TForm1::N6Click);
    Connect(n4_, &TForm1::N4Click);
}

void TForm1::AttachPopupMenu()
{
    for (QWidget* target : {static_cast<QWidget*>(ui->Image1), static_cast<QWidget*>(ui->Panel2)}) {
        if (target->contextMenuPolicy() == Qt::CustomContextMenu)
            continue;
        target->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(target, &QWidget::customContextMenuRequested, this,
                [this, target](const QPoint& at) { popupMenu1_->popup(target->mapToGlobal(at)); });
    }
}

bool TForm1::event(QEvent* e)
{
    // Activation runs once, at the first display; dialogs and message boxes
    // hand the focus back without running it again.
    if (e->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        const bool handled = QMainWindow::event(e);
        Run(&TForm1::FormActivate);
        return handled;
    }
    return QMainWindow::event(e);
}

// ---- Start and file access -------------------------------------------------

void TForm1::FormCreate()
{
    state_.ColorMode = 1;
    state_.StepOffset = 0;
    openDialogFolder_ = QDir::currentPath();
}

void TForm1::FormActivate()
{
    state_.StartDir = std::filesystem::current_path();
    LoadScanSettings();
    ShowColorMode();
    ApplySizes();
}

void TForm1::LoadScanSettings()
{
    if (windows_.scan != nullptr)
        windows_.scan->FormActivate();
}

void TForm1::UpdateTitle()
{
    char size[24];
    std::snprintf(size, sizeof size, "%06llX", static_cast<unsigned long long>(state_.FlashSize));
    setWindowTitle(QStringLiteral("Bitloom v4.02 - [%1  size=%2h]")
                       .arg(QFileInfo(ToQString(state_.FlashPath)).fileName(), QString::fromLatin1(size)));
}

void TForm1::N11Click()
{
    const auto chosen =
        services_.dialogs.OpenFileName(this, {QString(), openDialogFolder_, FileFilter, QStringLiteral("bin")});
    if (!chosen)
        return;
    AttachPopupMenu();
    // The earlier dump stays the open one until the new one has opened.
    const std::filesystem::path path = ToPath(*chosen);
    const std::int64_t size = MeasureFlash(path);
    state_.FlashPath = path;
    state_.FlashSize = size;
    UpdateTitle();

    for (QAction* action : {ui->N3, ui->N2, ui->N8->menuAction(), ui->N13->menuAction()})
        action->setEnabled(true);
    for (QWidget* button : {ui->Button10, ui->Button11, ui->Button2, ui->Button3, ui->Button4, ui->Button5,
                            ui->Button6, ui->Button7})
        button->setEnabled(true);

    state_.BaseOffset = 0;
    ui->Panel4->clear();
    ui->Edit1->setText(QStringLiteral("000"));
    ui->Edit2->setText(QStringLiteral("000"));
    ui->Edit3->setText(QStringLiteral("000"));
    state_.ColorMode = 1;
    ShowColorMode();
    ApplySizes();
    state_.StepOffset = 0;
    LoadWindow(0);
}

void TForm1::LoadWindow(std::int32_t offset)
{
    CheckedWindowBytes(state_);
    ui->Label2->setText(QString::fromStdString(FormatAddress(WindowAddress(state_, offset))));
    ReadWindow(state_, offset);
    RedrawPreview();
}

void TForm1::N3aClick()
{
    WriteWindow(state_);
}

void TForm1::N2aClick()
{
    const auto chosen = services_.dialogs.SaveFileName(this, {QString(), QDir::currentPath(), FileFilter,
                                                              QStringLiteral("bin")});
    if (!chosen)
        return;
    const std::filesystem::path target = ToPath(*chosen);
    // Copying a file onto itself would empty it first: that is a plain Save.
    if (!SameFile(target, state_.FlashPath)) {
        CopyFlashFile(state_.FlashPath, target);
        state_.FlashPath = target;
        UpdateTitle();
    }
    N3aClick();
}

// ---- Geometry and drawing --------------------------------------------------

void TForm1::Button1Click()
{
    ApplySizes();
}

void TForm1::ApplySizes()
{
    const std::string width = ui->Edit1->text().toStdString();
    const std::string pictureWidth = ui->Edit3->text().toStdString();
    const std::string height = ui->Edit2->text().toStdString();
    ApplySizesTo(state_, {width, pictureWidth, height});
    ui->Image2->resize(std::max(0, state_.RowBits), std::max(0, state_.RowCount));
    RedrawPreview();
}

void TForm1::RedrawPreview()
{
    const ColourValue background = FromQRgb(palette().color(QPalette::Button).rgb());
    DecodePreview({state_.ColorMode, state_.RowBits, state_.PictureBits, state_.RowCount, state_.WindowBuffer},
                  background, preview_);
    const QImage image = ToImage(preview_);
    ui->PaintBox1->SetPicture(image);
    ui->Image1->SetPicture(image);
    ui->Image1->resize(3 * PreviewWidth, 3 * PreviewHeight);
}

// ---- Navigation ------------------------------------------------------------

void TForm1::ShowColorMode()
{
    ui->SpeedButton1->setChecked(state_.ColorMode == 1);
    ui->SpeedButton2->setChecked(state_.ColorMode == 2);
    ui->SpeedButton3->setChecked(state_.ColorMode == 3);
}

void TForm1::SyncPictureWidth()
{
    if (ui->CheckBox1->isChecked() && ui->Edit3->text() != ui->Edit1->text()) {
        ui->Edit3->setText(ui->Edit1->text());
        ApplySizes();
    }
}

void TForm1::Step(std::int64_t amount)
{
    ui->Panel4->clear();
    state_.StepOffset = Wrap32(state_.StepOffset + amount);
    LoadWindow(state_.StepOffset);
    SyncPictureWidth();
}

namespace {

// The step amounts: 32-bit products, division truncating toward zero.
std::int32_t PictureBytes(const ViewState& s, int times)
{
    return Wrap32(static_cast<std::int64_t>(Wrap32(static_cast<std::int64_t>(s.RowBits) * s.RowCount)) * times) / 8;
}

} // namespace

void TForm1::Button11Click() { Step(PictureBytes(state_, 2)); }
void TForm1::Button10Click() { Step(-static_cast<std::int64_t>(PictureBytes(state_, 2))); }
void TForm1::Button3Click() { Step(PictureBytes(state_, 1)); }
void TForm1::Button2Click() { Step(-static_cast<std::int64_t>(PictureBytes(state_, 1))); }
void TForm1::Button5Click() { Step(state_.RowBits / 8); }
void TForm1::Button4Click() { Step(-static_cast<std::int64_t>(state_.RowBits / 8)); }
void TForm1::Button7Click() { Step(1); }
void TForm1::Button6Click() { Step(-1); }

void TForm1::N00000001Click()
{
    ui->Panel4->clear();
    state_.BaseOffset = StrToInt("000000");
    state_.StepOffset = 0;
    LoadWindow(0);
    SyncPictureWidth();
}

void TForm1::N13Click()
{
    ui->Panel4->clear();
    TForm2& dialog = *windows_.addr;
    dialog.setWindowTitle(TForm2::RequestCaption);
    if (dialog.EntryText().isEmpty())
        dialog.SetEntryText(QStringLiteral("000000"));
    dialog.exec();
    if (dialog.windowTitle() == TForm2::AcceptedCaption) {
        state_.StepOffset = 0;
        LoadWindow(0);
        SyncPictureWidth();
    }
}

void TForm1::SetColorMode(std::int32_t mode)
{
    state_.ColorMode = mode;
    ShowColorMode();
    ApplySizes();
}

void TForm1::SpeedButton1Click() { SetColorMode(1); }
void TForm1::SpeedButton2Click() { SetColorMode(2); }
void TForm1::SpeedButton3Click() { SetColorMode(3); }

void TForm1::Edit1Change()
{
    if (ui->CheckBox1->isChecked())
        ui->Edit3->setText(ui->Edit1->text());
}

void TForm1::ShowModal(QDialog* dialog)
{
    if (dialog != nullptr)
        dialog->exec();
}

void TForm1::N102Click() { ShowModal(windows_.history); }
void TForm1::N105Click() { ShowModal(windows_.help); }
void TForm1::About1Click() { ShowModal(windows_.about); }

void TForm1::MenuItem7Click()
{
    close();
}
