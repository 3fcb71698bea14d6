#include "viewer/MainWindowFixture.h"

#include "platform/AddressFormat.h"
#include "viewer/uAddr.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace bitloom;

namespace {

struct StepCase {
    const char* width;
    const char* height;
    int mode;
    const char* button;
    std::int32_t move;
};

} // namespace

class StepAmounts : public MainWindowTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepAmounts, EachButtonMovesByItsShareOfThePicture)
{
    const StepCase& c = GetParam();
    WriteBytes(dir / "d.bin", CountingBytes(4096));
    OpenDump(dir / "d.bin");
    SetSizes(c.width, c.width, c.height);
    if (c.mode == 2)
        ui().SpeedButton2->click();
    else
        ui().Button1->click();
    // Start in the middle so that steps both ways stay inside the file.
    state().BaseOffset = 1024;
    auto* button = form().findChild<QPushButton*>(c.button);
    ASSERT_NE(button, nullptr);
    ui().Panel4->setText("named picture");
    button->click();
    EXPECT_EQ(state().StepOffset, c.move) << c.button;
    EXPECT_EQ(ui().Label2->text(), QString::fromStdString(FormatAddress(1024 + c.move)));
    EXPECT_TRUE(ui().Panel4->text().isEmpty());
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepAmounts,
    ::testing::Values(StepCase{"16", "16", 1, "Button3", 32}, StepCase{"16", "16", 1, "Button11", 64},
                      StepCase{"16", "16", 1, "Button2", -32}, StepCase{"16", "16", 1, "Button10", -64},
                      StepCase{"16", "16", 2, "Button3", 64}, StepCase{"16", "16", 2, "Button11", 128},
                      StepCase{"12", "1", 1, "Button5", 1}, StepCase{"12", "1", 1, "Button4", -1},
                      StepCase{"4", "1", 1, "Button5", 0}, StepCase{"4", "1", 1, "Button4", 0},
                      StepCase{"4", "3", 1, "Button3", 1}, StepCase{"3", "3", 1, "Button11", 2},
                      StepCase{"3", "3", 1, "Button10", -2}, StepCase{"8", "8", 1, "Button7", 1},
                      StepCase{"8", "8", 1, "Button6", -1}, StepCase{"-12", "1", 1, "Button5", -1}));

TEST_F(MainWindowTest, StepsUseTheAppliedGeometryNotTheTypedOne)
{
    WriteBytes(dir / "d.bin", CountingBytes(4096));
    OpenDump(dir / "d.bin");
    SetSizes("16", "16", "1");
    ui().Button1->click();
    ui().Edit1->setText("64"); // typed, not applied
    ui().Button5->click();
    EXPECT_EQ(state().StepOffset, 2);
}

TEST_F(MainWindowTest, GoToStartResetsBothOffsets)
{
    WriteBytes(dir / "d.bin", CountingBytes(4096));
    OpenDump(dir / "d.bin");
    state().BaseOffset = 100;
    ui().Button7->click();
    ui().Panel4->setText("x");
    ui().MenuItem238->trigger();
    EXPECT_EQ(state().BaseOffset, 0);
    EXPECT_EQ(state().StepOffset, 0);
    EXPECT_EQ(ui().Label2->text(), "000000");
    EXPECT_TRUE(ui().Panel4->text().isEmpty());
    EXPECT_EQ(ui().MenuItem238->text(), QString::fromUtf8("В начало (0\u0445""00000)"));
}

TEST_F(MainWindowTest, StepsPastTheEndFailButTheOppositeStepReturns)
{
    WriteBytes(dir / "d.bin", CountingBytes(16));
    OpenDump(dir / "d.bin");
    SetSizes("8", "8", "1"); // 8-byte window
    ui().Button1->click();
    for (int i = 0; i < 8; ++i)
        ui().Button7->click();
    ASSERT_TRUE(rec.errors.isEmpty());
    ui().Button7->click();
    EXPECT_EQ(rec.errors, QStringList{"Read beyond end of file."});
    EXPECT_EQ(state().StepOffset, 9);
    rec.errors.clear();
    ui().Button6->click();
    EXPECT_TRUE(rec.errors.isEmpty());
    EXPECT_EQ(ui().Label2->text(), "000008");
}

TEST_F(MainWindowTest, ColourButtonsLatchAndReapplyOnASecondClick)
{
    WriteBytes(dir / "d.bin", CountingBytes(4096));
    OpenDump(dir / "d.bin");
    SetSizes("8", "8", "8");
    ui().SpeedButton2->click();
    EXPECT_EQ(state().ColorMode, 2);
    EXPECT_FALSE(ui().SpeedButton1->isChecked());
    EXPECT_TRUE(ui().SpeedButton2->isChecked());
    ui().Edit1->setText("4");
    ui().SpeedButton2->click();
    EXPECT_TRUE(ui().SpeedButton2->isChecked());
    EXPECT_EQ(state().RowBits, 8); // applied again
    ui().SpeedButton3->click();
    EXPECT_FALSE(ui().SpeedButton2->isChecked());
    EXPECT_TRUE(ui().SpeedButton3->isChecked());
}

TEST_F(MainWindowTest, DuplicateWidthCopiesWhileTypingAndSyncsAfterASteps)
{
    WriteBytes(dir / "d.bin", CountingBytes(4096));
    OpenDump(dir / "d.bin");
    ui().CheckBox1->setChecked(true);
    ui().Edit1->clear();
    QTest::keyClicks(ui().Edit1, "1");
    EXPECT_EQ(ui().Edit3->text(), "1");
    QTest::keyClicks(ui().Edit1, "2");
    EXPECT_EQ(ui().Edit3->text(), "12");
    EXPECT_EQ(state().RowBits, 0); // nothing applied yet

    // A difference from while the box was unticked is caught up by the next step,
    // comparing texts: "024" differs from "24".
    ui().CheckBox1->setChecked(false);
    SetSizes("24", "024", "2");
    ui().Button1->click();
    ui().CheckBox1->setChecked(true);
    ui().Button7->click();
    EXPECT_EQ(ui().Edit3->text(), "24");
    EXPECT_EQ(state().PictureBits, 24);
}

TEST_F(MainWindowTest, SizeBoxesLimitTypingToThreeCharacters)
{
    ui().Edit2->clear();
    QTest::keyClicks(ui().Edit2, "12345");
    EXPECT_EQ(ui().Edit2->text(), "123");
    ui().Edit2->setText("1234"); // the program may put longer text there
    EXPECT_EQ(ui().Edit2->text(), "1234");
}

TEST_F(MainWindowTest, ABadSizeDuringSyncShowsTheConversionError)
{
    WriteBytes(dir / "d.bin", CountingBytes(4096));
    OpenDump(dir / "d.bin");
    SetSizes("ab", "8", "8");
    ui().CheckBox1->setChecked(true); // no sync by ticking alone
    ui().Button7->click();
    EXPECT_EQ(rec.errors, QStringList{"'ab' is not a valid integer value."});
    EXPECT_EQ(ui().Edit3->text(), "ab");
}

TEST_F(MainWindowTest, LayoutPlacesTheControlsWhereTheDesignerPutThem)
{
    EXPECT_EQ(ui().GroupBox1->geometry(), QRect(2, 0, 327, 313));
    EXPECT_EQ(ui().GroupBox2->geometry(), QRect(2, 320, 327, 241));
    EXPECT_EQ(ui().Panel2->geometry(), QRect(336, 4, 386, 557));
    EXPECT_EQ(ui().PaintBox1->size(), QSize(128, 185));
    EXPECT_EQ(ui().Button10->toolTip(), QString::fromUtf8("Назад на X*Y*2 бит"));
    EXPECT_EQ(ui().SpeedButton3->toolTip(), "2bpp, (gray scale)");
    EXPECT_EQ(ui().Button9->focusPolicy() & Qt::TabFocus, 0);
    EXPECT_FALSE(form().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form().size(), form().minimumSize());
    EXPECT_EQ(form().size(), form().maximumSize());

}

TEST_F(MainWindowTest, TabWalksTheStepButtonsThenTheSizeBoxes)
{
    WriteBytes(dir / "d.bin", CountingBytes(64));
    OpenDump(dir / "d.bin");
    const std::vector<QWidget*> order{ui().Button10, ui().Button11, ui().Button2, ui().Button3, ui().Button4,
                                      ui().Button5,  ui().Button6,  ui().Button7, ui().Edit1,   ui().Edit3,
                                      ui().Edit2,    ui().Button1,  ui().CheckBox1, ui().Button10};
    order.front()->setFocus();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << order[i]->objectName().toStdString();
    }
}

// ---- The address dialog -----------------------------------------------------

class AddressDialogTest : public MainWindowTest {
protected:
    TForm2& dialog() { return program->Form2(); }

    // Opens "По конкретному адресу" and, once the dialog is up, runs act on it.
    void GoToAddress(const std::function<void(TForm2&)>& act)
    {
        QTimer::singleShot(0, [this, act] {
            ASSERT_TRUE(dialog().isVisible());
            act(dialog());
        });
        ui().MenuItem240->trigger();
    }

    void TypeAndPress(const QString& text, Qt::Key key)
    {
        GoToAddress([&](TForm2& d) {
            auto* edit = d.findChild<QLineEdit*>("Edit1");
            edit->clear();
            QTest::keyClicks(edit, text);
            QTest::keyClick(edit, key);
        });
    }

    void SetUp() override
    {
        WriteBytes(dir / "d.bin", CountingBytes(64));
        OpenDump(dir / "d.bin");
        SetSizes("8", "8", "1");
        ui().Button1->click();
        state().StepOffset = 5;
    }
};

TEST_F(AddressDialogTest, AcceptedEntriesSetTheBaseOffsetAndReadThere)
{
    const std::pair<const char*, std::int32_t> cases[] = {{"1F", 31}, {"1f", 31}, {"001F", 31}, {"", 0}};
    for (const auto& [text, offset] : cases) {
        state().StepOffset = 5;
        TypeAndPress(text, Qt::Key_Return);
        EXPECT_EQ(state().BaseOffset, offset) << text;
        EXPECT_EQ(state().StepOffset, 0);
        EXPECT_EQ(ui().Label2->text(), QString::fromStdString(FormatAddress(offset)));
        EXPECT_EQ(dialog().windowTitle(), "Goto address ... go!");
    }
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(AddressDialogTest, RejectedEntriesCloseQuietlyAndAreShownAgain)
{
    state().BaseOffset = 7;
    for (const char* text : {"0x1F", "$1F", "-1", " 1F", "1F ", "12345678G"}) {
        ui().Panel4->setText("named");
        TypeAndPress(text, Qt::Key_Return);
        EXPECT_EQ(state().BaseOffset, 7) << text;
        EXPECT_EQ(state().StepOffset, 5);
        EXPECT_TRUE(ui().Panel4->text().isEmpty());
        EXPECT_EQ(dialog().EntryText(), text);
        EXPECT_EQ(dialog().windowTitle(), "Goto address...");
    }
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(AddressDialogTest, NineDigitsKeepTheLowEightAndHighValuesAreNegative)
{
    TypeAndPress("123456789", Qt::Key_Return);
    EXPECT_EQ(state().BaseOffset, 0x23456789);
    EXPECT_EQ(rec.errors, QStringList{"Read beyond end of file."});
    rec.errors.clear();
    TypeAndPress("FFFFFFFF", Qt::Key_Return);
    EXPECT_EQ(state().BaseOffset, -1);
    EXPECT_EQ(ui().Label2->text(), "FFFFFFFF");
}

TEST_F(AddressDialogTest, EscapeAndCancelLeaveTheOffsetAlone)
{
    state().BaseOffset = 3;
    TypeAndPress("10", Qt::Key_Escape);
    EXPECT_EQ(state().BaseOffset, 3);
    GoToAddress([](TForm2& d) { d.findChild<QPushButton*>("Button2")->click(); });
    EXPECT_EQ(state().BaseOffset, 3);
    EXPECT_EQ(state().StepOffset, 5);
}

TEST_F(AddressDialogTest, AnEmptyBoxStartsWithSixZerosThenKeepsTheLastText)
{
    GoToAddress([](TForm2& d) {
        EXPECT_EQ(d.EntryText(), "000000");
        EXPECT_EQ(d.windowTitle(), "Goto address...");
        d.SetEntryText("20");
        d.findChild<QPushButton*>("Button1")->click();
    });
    EXPECT_EQ(state().BaseOffset, 0x20);
    GoToAddress([](TForm2& d) {
        EXPECT_EQ(d.EntryText(), "20");
        d.reject();
    });
}

TEST_F(MainWindowTest, InfoEntriesShowTheirWindowsModally)
{
    for (QAction* entry : {ui().MenuItem245, ui().N105, ui().MenuItem246}) {
        QWidget* shown = nullptr;
        QTimer::singleShot(0, [&] {
            shown = QApplication::activeModalWidget();
            if (shown != nullptr)
                shown->close();
        });
        entry->trigger();
        ASSERT_NE(shown, nullptr) << entry->text().toStdString();
    }
    EXPECT_EQ(program->Form1().State().StartDir, std::filesystem::current_path()); // no second activation
}
