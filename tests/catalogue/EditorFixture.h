#pragma once

#include "catalogue/CatalogueFiles.h"
#include "catalogue/uChange2.h"
#include "platform/Cp1251.h"
#include "ui_uChange2.h"
#include "viewer/MainWindowFixture.h"

#include <QApplication>
#include <QTest>

#include <string>
#include <string_view>

// The whole program with its catalogue "menu" in the start folder and the
// editor at hand. The editor is opened on a folder as "Изменить" opens it,
// but without blocking (QDialog::open, modal all the same), so that a test
// can drive it step by step; each field refresh is one explicit tick.
class EditorTest : public MainWindowTest {
protected:
    EditorTest() { std::filesystem::create_directory(Menu()); }
    ~EditorTest() override
    {
        if (editor().isVisible())
            editor().reject();
    }

    std::filesystem::path Menu() const { return dir.Path() / "menu"; }
    TfChange2& editor() { return program->FChange2(); }
    Ui::TfChange2& ed() { return program->FChange2().Form(); }

    void Folder(const std::string& relative) { std::filesystem::create_directories(Menu() / relative); }
    void Picture(const std::string& relative, std::initializer_list<std::string_view> lines)
    {
        std::filesystem::create_directories((Menu() / relative).parent_path());
        WriteDescriptionLines(Menu() / relative, lines);
    }

    // Shows the editor on folder and lets the first refresh run.
    void Open(const std::filesystem::path& folder)
    {
        editor().SetFolderPath(folder);
        editor().open();
        QApplication::processEvents();
        Tick();
    }

    void Tick() { editor().Timer1().Tick(); }

    // A mouse click on the button, then one refresh.
    void Click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        Tick();
    }

    // Clicks the row in ListBox1, then one refresh shows it.
    void ChooseRow(int row)
    {
        QListWidget* list = ed().ListBox1;
        ASSERT_LT(row, list->count());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        Tick();
    }

    // Replaces a box's text key by key, as the user types it, any letters included.
    static void Type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // What ListBox1 shows, row by row.
    QStringList Rows()
    {
        QStringList rows;
        for (int i = 0; i < ed().ListBox1->count(); ++i)
            rows.append(ed().ListBox1->item(i)->text());
        return rows;
    }

    int SelectedRow()
    {
        const auto selected = ed().ListBox1->selectedItems();
        return selected.isEmpty() ? -1 : ed().ListBox1->row(selected.constFirst());
    }

    // The seven boxes in their order on the form: name, hint, offset, bpp (the
    // chosen item of CBbpp when it is shown, else edBpp), width, picture width, height.
    QStringList Fields()
    {
        const QString bpp =
            ed().CBbpp->isVisibleTo(&editor()) ? "#" + QString::number(ed().CBbpp->currentIndex()) : ed().edBpp->text();
        return {ed().edName->text(),  ed().edHint->text(),   ed().edOffset->text(), bpp,
                ed().edWidth->text(), ed().edWidth1->text(), ed().edHeight->text()};
    }

    // Which of the seven boxes accept input, in the order of Fields.
    std::vector<bool> Enabled()
    {
        return {ed().edName->isEnabled(),  ed().edHint->isEnabled(),  ed().edOffset->isEnabled(),
                ed().edBpp->isEnabled(),   ed().edWidth->isEnabled(), ed().edWidth1->isEnabled(),
                ed().edHeight->isEnabled()};
    }

    QString Errors() { return rec.errors.join('|'); }
};

// The bytes of a description file in the template order the program writes.
inline std::string DescriptionBytes(std::string_view hint, std::string_view width, std::string_view widthImage,
                                    std::string_view height, std::string_view offs, std::string_view bppc)
{
    std::string text = "[values]\r\nHint=" + std::string(hint) + "\r\nWidth=" + std::string(width) +
                       "\r\nWidthImage=" + std::string(widthImage) + "\r\nHeight=" + std::string(height) +
                       "\r\nOffs=" + std::string(offs) + "\r\nBppc=" + std::string(bppc) + "\r\n";
    return bitloom::Utf8ToCp1251(text);
}
