#include "catalogue/uChange2.h"

#include "catalogue/EditorOperations.h"
#include "catalogue/PictureDescription.h"
#include "platform/WindowPlacement.h"
#include "platform/Error.h"
#include "platform/IntConv.h"
#include "platform/Messages.h"
#include "platform/Services.h"
#include "ui_uChange2.h"
#include "viewer/ViewState.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

using namespace bitloom;

namespace {

constexpr int RowHeight = 16;
constexpr int IconLeft = 2;
constexpr int IconWidth = 16;
constexpr int TextGap = 6;

QString Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

// ListBox1 draws its rows itself, all of one height.
class ListBox1Rows final : public QStyledItemDelegate {
public:
    ListBox1Rows(TfChange2& form, QObject* parent) : QStyledItemDelegate(parent), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        form_.ListBox1DrawItem(*painter, index.row(), option.rect, option.state.testFlag(QStyle::State_Selected));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), RowHeight};
    }

private:
    TfChange2& form_;
};

} // namespace

TfChange2::TfChange2(MainWindow mainWindow, Services& services, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ui(std::make_unique<Ui::TfChange2>()),
      main_(std::move(mainWindow)), services_(services), collation_(Collation::ForUserLocale()), timer1_(this)
{
    ui->setupUi(this);
    setWindowTitle(QString());
    setFixedSize(525, 289);
    ui->Panel1->setBackgroundRole(QPalette::Base);
    ui->ListBox1->setItemDelegate(new ListBox1Rows(*this, ui->ListBox1));
    ui->ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->edBpp->hide();

    connect(ui->Button1, &QPushButton::clicked, this, [this] { Run(&TfChange2::Button1Click); });
    connect(ui->Button2, &QPushButton::clicked, this, [this] { Run(&TfChange2::Button2Click); });
    connect(ui->Button3, &QPushButton::clicked, this, [this] { Run(&TfChange2::Button3Click); });
    connect(ui->ButtonSave, &QPushButton::clicked, this, [this] { Run(&TfChange2::ButtonSaveClick); });
    connect(ui->ButtonDelete, &QPushButton::clicked, this, [this] { Run(&TfChange2::ButtonDeleteClick); });
    connect(ui->Button4, &QPushButton::clicked, this, [this] { Run(&TfChange2::Button4Click); });
    connect(ui->Button5, &QPushButton::clicked, this, [this] { Run(&TfChange2::Button5Click); });
    for (QLineEdit* box : {ui->edName, ui->edHint, ui->edOffset, ui->edBpp, ui->edWidth, ui->edWidth1, ui->edHeight})
        connect(box, &QLineEdit::textChanged, this, [this] { edNameChange(); });
    connect(ui->CBbpp, &QComboBox::currentIndexChanged, this, [this] { edNameChange(); });

    // The refresh runs for the whole run, also while the editor is hidden.
    timer1_.SetOnTimer([this] { Run(&TfChange2::Timer1Timer); });
    timer1_.SetInterval(50);
    timer1_.SetEnabled(true);
}

TfChange2::~TfChange2() = default;

void TfChange2::Run(void (TfChange2::*handler)())
{
    RunCommand(services_.errors, [this, handler] { (this->*handler)(); });
}

// ---- Listing -----------------------------------------------------------------

void TfChange2::FormActivate()
{
    table_ = RowTable();
    shownRow_.reset();
    ShowRows();
    ListFolders(folderPath_);
    ListPictures(folderPath_);
    // The boxes are out of date now: whatever row gets selected is shown at the next tick.
    if (table_.rows.size() >= 2)
        shownRow_ = 1;
    SelectRow(table_.rows.empty() ? std::nullopt : std::optional<std::size_t>(0));
    ui->ListBox1->setFocus();
    ui->ButtonDelete->setEnabled(!table_.rows.empty());
}

void TfChange2::ListFolders(const std::filesystem::path& path)
{
    bitloom::ListFolders(table_, path, collation_);
    ShowRows();
}

void TfChange2::ListPictures(const std::filesystem::path& path)
{
    bitloom::ListPictures(table_, path, collation_);
    ShowRows();
}

void TfChange2::ShowRows()
{
    QListWidget* list = ui->ListBox1;
    list->clear();
    for (const EditorRow& row : table_.rows)
        list->addItem(Text(row.text));
}

std::optional<std::size_t> TfChange2::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = ui->ListBox1->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(ui->ListBox1->row(selected.constFirst()));
}

void TfChange2::SelectRow(std::optional<std::size_t> row)
{
    if (row && *row < table_.rows.size())
        ui->ListBox1->setCurrentRow(static_cast<int>(*row));
    else
        ui->ListBox1->setCurrentRow(-1);
}

void TfChange2::SelectAfterRelist(std::optional<std::size_t> row)
{
    const std::size_t number = row.value_or(table_.rows.size());
    SelectRow(row);
    // Another row than the selected one counts as shown, so the next tick
    // writes the selected row's values afresh.
    if (number != 0)
        shownRow_ = number - 1;
}

void TfChange2::SelectEntry(const std::string& name, RowKind kind)
{
    SelectAfterRelist(FindRow(table_, name, kind));
}

void TfChange2::ListBox1DrawItem(QPainter& canvas, int index, const QRect& rect, bool selected)
{
    const QPalette& palette = ui->ListBox1->palette();
    canvas.fillRect(rect, selected ? palette.highlight() : palette.base());
    if (index < 0 || static_cast<std::size_t>(index) >= table_.rows.size())
        return;
    const EditorRow& row = table_.rows[static_cast<std::size_t>(index)];
    const int image = row.kind == RowKind::Folder ? 0 : 1;
    if (image < main_.ImageList1.size())
        canvas.drawPixmap(rect.left() + IconLeft, rect.top(), main_.ImageList1[image].pixmap(IconWidth, RowHeight));
    canvas.setPen(selected ? palette.highlightedText().color() : palette.text().color());
    const QRect textRect(rect.left() + IconWidth + TextGap, rect.top(), rect.width() - (IconWidth + TextGap),
                         rect.height());
    canvas.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Text(row.text));
}

// ---- Fields ------------------------------------------------------------------

void TfChange2::Timer1Timer()
{
    const std::optional<std::size_t> selected = SelectedRow();
    std::optional<std::string> bppError;
    if (selected != shownRow_) {
        shownRow_ = selected;
        if (selected) {
            const EditorRow& row = table_.rows[*selected];
            const bool folder = row.kind == RowKind::Folder;
            ui->edName->setText(Text(NameBoxText(row)));
            ui->edHint->setText(Text(row.text));
            ui->edOffset->setText(Text(row.offset));
            ui->edBpp->setText(Text(row.bpp));
            if (folder) {
                ui->CBbpp->hide();
                ui->edBpp->show();
            } else {
                ui->edBpp->hide();
                ui->CBbpp->show();
                int item = -1;
                if (row.bpp != NotAvailable) {
                    // Every other box still gets this row's values; the box of
                    // the colour chooses nothing.
                    if (const std::optional<std::int32_t> bpp = TryStrToInt(row.bpp)) {
                        if (*bpp >= 1 && *bpp <= 3)
                            item = *bpp - 1;
                    } else {
                        bppError = msg::NotAnInteger(row.bpp);
                    }
                }
                ui->CBbpp->setCurrentIndex(item);
            }
            ui->edWidth->setText(Text(row.width));
            ui->edWidth1->setText(Text(row.width1));
            ui->edHeight->setText(Text(row.height));
            ui->edName->setEnabled(true);
            for (QLineEdit* box : {ui->edHint, ui->edOffset, ui->edBpp, ui->edWidth, ui->edWidth1, ui->edHeight})
                box->setEnabled(!folder);
        }
        ui->ButtonSave->setEnabled(false);
    }
    if (!selected && ui->edName->text() != Text(NotAvailable)) {
        for (QLineEdit* box :
             {ui->edName, ui->edHint, ui->edOffset, ui->edBpp, ui->edWidth, ui->edWidth1, ui->edHeight}) {
            box->setText(Text(NotAvailable));
            box->setEnabled(false);
        }
        ui->CBbpp->hide();
        ui->edBpp->show();
        ui->ButtonSave->setEnabled(false);
    }
    if (bppError)
        throw Error(*bppError);
}

void TfChange2::edNameChange()
{
    ui->ButtonSave->setEnabled(true);
}

void TfChange2::Button5Click()
{
    reject();
}

// ---- Operations --------------------------------------------------------------

void TfChange2::EndFolderPathWithSeparator()
{
    folderPath_ /= std::filesystem::path();
}

void TfChange2::Button1Click()
{
    EndFolderPathWithSeparator();
    const std::filesystem::path created = CreateNewFolder(folderPath_);
    FormActivate();
    SelectEntry(created.filename().string(), RowKind::Folder);
}

void TfChange2::Button2Click()
{
    EndFolderPathWithSeparator();
    const std::filesystem::path created = CreatePictureFile(folderPath_, NewPictureValues(main_.state.ColorMode));
    FormActivate();
    SelectEntry(created.filename().string(), RowKind::Picture);
}

void TfChange2::Button3Click()
{
    EndFolderPathWithSeparator();
    const std::filesystem::path created =
        CreatePictureFile(folderPath_, CurrentPictureValues(main_.state, Utf8(main_.Label2Text())));
    FormActivate();
    SelectEntry(created.filename().string(), RowKind::Picture);
}

void TfChange2::ButtonSaveClick()
{
    const std::optional<std::size_t> selected = SelectedRow();
    if (!selected)
        return;
    EndFolderPathWithSeparator();
    const EditorRow row = table_.rows[*selected];
    const std::string name = SavedName(row, Utf8(ui->edName->text()));
    std::string saved;
    if (row.kind == RowKind::Folder) {
        saved = RenameFolderRow(folderPath_, row, name);
    } else {
        const int item = ui->CBbpp->currentIndex();
        const DescriptionTexts values{Utf8(ui->edHint->text()),   Utf8(ui->edWidth->text()),
                                      Utf8(ui->edWidth1->text()), Utf8(ui->edHeight->text()),
                                      Utf8(ui->edOffset->text()), std::to_string(item < 0 ? 0 : item + 1)};
        saved = WriteEntry(folderPath_, row, name, values);
    }
    FormActivate();
    SelectEntry(saved, row.kind);
}

void TfChange2::ButtonDeleteClick()
{
    const std::optional<std::size_t> selected = SelectedRow();
    if (!selected)
        return;
    const EditorRow row = table_.rows[*selected];
    if (!services_.confirmer.Confirm(Text(DeleteQuestion(row.text))))
        return;
    EndFolderPathWithSeparator();
    DeleteRowEntry(folderPath_, row);
    FormActivate();
    if (table_.rows.empty())
        SelectAfterRelist(std::nullopt);
    else
        SelectAfterRelist(std::min(*selected, table_.rows.size() - 1));
}

void TfChange2::Button4Click()
{
    if (main_.SetQuickFolder)
        main_.SetQuickFolder(folderPath_);
    accept();
}

// ---- Window ------------------------------------------------------------------

void TfChange2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    bitloom::CentreOnScreen(*this);
    Run(&TfChange2::FormActivate);
}

void TfChange2::keyPressEvent(QKeyEvent* event)
{
    if (bitloom::HandleButtonsOnlyKey(*this, *event))
        return;
    QDialog::keyPressEvent(event);
}
