#pragma once

#include "catalogue/Collation.h"
#include "catalogue/EditorRows.h"
#include "platform/Timer.h"

#include <QDialog>
#include <QIcon>
#include <QList>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QPainter;

namespace Ui {
class TfChange2;
}

namespace bitloom {
struct Services;
struct ViewState;
} // namespace bitloom

// The catalogue editor: one folder of the catalogue as a list of its
// sub-folders and pictures, the selected entry's values in a column of boxes,
// and the buttons that add, change and delete entries. A shell over the row
// table and the catalogue operations of the core.
class TfChange2 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfChange2)

public:
    // What the editor takes from the main window, which is made before it.
    struct MainWindow {
        const bitloom::ViewState& state;     // the picture on show, the start folder
        std::function<QString()> Label2Text; // the address label: the offset of the picture on show
        // Makes a folder the quick menu's, as ">> В Быстрое" does.
        std::function<void(const std::filesystem::path&)> SetQuickFolder;
        const QList<QIcon>& ImageList1; // the catalogue menus' icons: 0 folder, 1 picture
    };

    TfChange2(MainWindow mainWindow, bitloom::Services& services, QWidget* parent = nullptr);
    ~TfChange2() override;

    Ui::TfChange2& Form() { return *ui; }
    bitloom::Timer& Timer1() { return timer1_; }
    const bitloom::RowTable& Rows() const { return table_; }
    // The row whose values the boxes show, or none.
    std::optional<std::size_t> ShownRow() const { return shownRow_; }

    // The catalogue folder the editor works on.
    const std::filesystem::path& FolderPath() const { return folderPath_; }
    void SetFolderPath(const std::filesystem::path& folder) { folderPath_ = folder; }

    // Listing and fields.
    void FormActivate();
    void ListFolders(const std::filesystem::path& path);
    void ListPictures(const std::filesystem::path& path);
    void SelectEntry(const std::string& name, bitloom::RowKind kind);
    void ListBox1DrawItem(QPainter& canvas, int index, const QRect& rect, bool selected);
    void Timer1Timer();
    void edNameChange();
    void Button5Click();

    // The operations.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void ButtonSaveClick();
    void ButtonDeleteClick();
    void Button4Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Run(void (TfChange2::*handler)());
    void ShowRows();
    std::optional<std::size_t> SelectedRow() const;
    void SelectRow(std::optional<std::size_t> row);
    void SelectAfterRelist(std::optional<std::size_t> row);
    void EndFolderPathWithSeparator();

    std::unique_ptr<Ui::TfChange2> ui;
    MainWindow main_;
    bitloom::Services& services_;
    bitloom::Collation collation_;
    bitloom::Timer timer1_;
    std::filesystem::path folderPath_;
    bitloom::RowTable table_;
    std::optional<std::size_t> shownRow_;
};
