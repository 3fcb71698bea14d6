#include "viewer/uAddr.h"

#include "ui_uAddr.h"
#include "viewer/HexToDec.h"
#include "viewer/ViewState.h"

#include <QKeyEvent>
#include <QScreen>

TForm2::TForm2(bitloom::ViewState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ui(std::make_unique<Ui::TForm2>()),
      state_(state)
{
    ui->setupUi(this);
    setFixedSize(153, 66);
    move(244, 131);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    ui->Edit1->installEventFilter(this);
}

TForm2::~TForm2() = default;

QString TForm2::EntryText() const
{
    return ui->Edit1->text();
}

void TForm2::SetEntryText(const QString& text)
{
    ui->Edit1->setText(text);
}

void TForm2::Button1Click()
{
    const std::string answer = bitloom::HexToDecText(ui->Edit1->text().toStdString());
    if (answer != "error" && windowTitle() == RequestCaption) {
        setWindowTitle(AcceptedCaption);
        state_.BaseOffset = static_cast<std::int32_t>(std::stol(answer));
    }
    reject();
}

void TForm2::Button2Click()
{
    reject();
}

void TForm2::FormActivate()
{
    ui->Edit1->setFocus();
    ui->Button1->setDefault(true);
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    move(244, 131);
    FormActivate();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Edit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Button1Click();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Button2Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels only from the edit box; on a button it does nothing.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
