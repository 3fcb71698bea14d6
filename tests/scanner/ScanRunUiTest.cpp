#include "scanner/ScanDialogFixture.h"
#include "scanner/ScanRun.h"

#include <QMenu>

using bitloom::ScanSettings;

namespace {

// A 1 bpp picture of width 8 and the run's height 185 reads 8 x 185 bytes.
constexpr std::size_t Width8Window = 8 * 185;

} // namespace

class ScanRunTest : public ScanTest {
protected:
    void OpenCountingDump(std::size_t size)
    {
        WriteBytes(dir / "ff.bin", CountingBytes(size));
        OpenDump(dir / "ff.bin");
        ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join('|').toStdString();
    }

    std::int32_t Shown() { return bitloom::ScanAddressFromLabel(ui().Label2->text().toStdString()); }

    void Start() { form().N6().trigger(); }

    // One tick of the running timer, as Qt would deliver it.
    void Tick()
    {
        ASSERT_TRUE(form().Timer1().Enabled()) << "a stopped timer does not tick";
        form().Timer1().Tick();
    }

    struct Run {
        std::vector<std::int32_t> shown; // the start's picture, then each step's
        int ticks = 0;
    };

    // Ticks until the run ends by itself.
    Run RunToTheEnd()
    {
        Run run{{Shown()}, 0};
        while (form().Timer1().Enabled() && run.ticks < 1000) {
            const QString before = ui().Label2->text();
            Tick();
            ++run.ticks;
            if (ui().Label2->text() != before)
                run.shown.push_back(Shown());
        }
        return run;
    }

    // The three states of a run and their captions; anything else is named as it is.
    std::string RunState()
    {
        const bool timer = form().Timer1().Enabled();
        const bool pause = form().N5aa().isEnabled();
        const QString pauseText = form().N5aa().text();
        const QString startText = form().N6().text();
        if (!timer && !pause && pauseText == "Пауза" && startText == "Старт")
            return "Stopped";
        if (timer && pause && pauseText == "Пауза" && startText == "Стоп")
            return "Running";
        if (!timer && pause && pauseText == "Дальше" && startText == "Стоп")
            return "Paused";
        return "timer " + std::to_string(timer) + ", " + pauseText.toStdString() + (pause ? " enabled, " : " disabled, ") +
               startText.toStdString();
    }
};

TEST_F(ScanRunTest, ThePopUpMenuIsAttachedOnOpenAndStartsStopped)
{
    const QList<QAction*> actions = form().PopupMenu1().actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0], &form().N5aa());
    EXPECT_EQ(actions[1], &form().N6());
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[3]->text(), "Настройки");
    EXPECT_EQ(RunState(), "Stopped");
    EXPECT_NE(ui().Image1->contextMenuPolicy(), Qt::CustomContextMenu);
    OpenCountingDump(16);
    EXPECT_EQ(ui().Image1->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(ui().Panel2->contextMenuPolicy(), Qt::CustomContextMenu);
}

namespace {

struct RunCase {
    const char* what;
    ScanSettings settings;
    std::int32_t baseBefore;
    std::vector<std::int32_t> shown;
    int ticks;
};

void PrintTo(const RunCase& c, std::ostream* os)
{
    *os << c.what;
}

} // namespace

class ScanRuns : public ScanRunTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(ScanRuns, ShowTheRangeAndEndByThemselves)
{
    const RunCase& c = GetParam();
    OpenCountingDump(8192);
    scan() = c.settings;
    state().BaseOffset = c.baseBefore;
    state().StepOffset = 3;
    Start();
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join('|').toStdString();
    EXPECT_EQ(RunState(), "Running");
    EXPECT_EQ(state().StepOffset, 0);
    const Run run = RunToTheEnd();
    EXPECT_EQ(run.shown, c.shown) << c.what;
    EXPECT_EQ(run.ticks, c.ticks) << c.what;
    EXPECT_EQ(RunState(), "Stopped");
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ScanRuns,
    ::testing::Values(
        RunCase{"forward by 8 bits", {0, 16, "008", 1, 0, 100, 3}, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 17},
        RunCase{"forward by the width, past the stop", {0, 10, "024", 1, 0, 100, 2}, 0, {0, 3, 6, 9, 12}, 5},
        RunCase{"start equal to stop", {5, 5, "008", 1, 0, 100, 3}, 0, {5}, 1},
        RunCase{"backward by 8 bits", {0, 6, "008", 1, 1, 100, 3}, 0, {6, 5, 4, 3, 2, 1, 0}, 7},
        RunCase{"backward by a picture", {2500, 3000, "008", 1, 1, 100, 1}, 0, {3000, 2815, 2630, 2445}, 4},
        RunCase{"forward by two pictures", {100, 3000, "008", 1, 0, 100, 0}, 0, {100, 470, 840, 1210, 1580, 1950, 2320, 2690, 3060}, 9},
        RunCase{"no direction keeps the offset", {0, 16, "008", 1, -1, 100, 3}, 7, {7}, 1}));

TEST_F(ScanRunTest, StartingAppliesTheRunsGeometryAndColourMode)
{
    OpenCountingDump(20000);
    ui().CheckBox1->setChecked(true);
    ui().Panel4->setText("Logo");
    scan() = ScanSettings{0, 100, "024", 2, 0, 250, 2};
    Start();
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join('|').toStdString();
    EXPECT_EQ(ui().Edit1->text(), "024");
    EXPECT_EQ(ui().Edit3->text(), "024") << "the picture width follows when the box is ticked";
    EXPECT_EQ(ui().Edit2->text(), "185");
    EXPECT_EQ(state().ColorMode, 2);
    EXPECT_TRUE(ui().SpeedButton2->isChecked());
    EXPECT_FALSE(ui().SpeedButton1->isChecked());
    EXPECT_EQ(state().RowBits, 48);
    EXPECT_EQ(state().RowCount, 185);
    EXPECT_EQ(form().Timer1().Interval(), 250);
    EXPECT_EQ(ui().Panel4->text(), "Logo") << "only the first step clears the name";
    Tick();
    EXPECT_EQ(Shown(), 6);
    EXPECT_EQ(ui().Panel4->text(), "");
}

TEST_F(ScanRunTest, AColourModeOutsideTheButtonsReleasesThemAll)
{
    OpenCountingDump(8192);
    scan() = ScanSettings{0, 16, "008", 4, 0, 100, 3};
    Start();
    EXPECT_EQ(RunState(), "Running");
    EXPECT_EQ(state().ColorMode, 4);
    EXPECT_FALSE(ui().SpeedButton1->isChecked() || ui().SpeedButton2->isChecked() || ui().SpeedButton3->isChecked());
    EXPECT_TRUE(rec.errors.isEmpty());
}

TEST_F(ScanRunTest, AnUnknownMethodNeverMovesAndRunsUntilStopped)
{
    OpenCountingDump(8192);
    scan() = ScanSettings{0, 16, "008", 1, 0, 100, 7};
    Start();
    for (int i = 0; i < 5; ++i)
        Tick();
    EXPECT_EQ(Shown(), 0);
    EXPECT_EQ(RunState(), "Running");
    form().N6().trigger();
    EXPECT_EQ(RunState(), "Stopped");
}

TEST_F(ScanRunTest, IntervalZeroNeverTicks)
{
    OpenCountingDump(8192);
    scan() = ScanSettings{0, 16, "008", 1, 0, 0, 3};
    Start();
    EXPECT_EQ(RunState(), "Running");
    EXPECT_EQ(form().Timer1().Interval(), 0);
    QTest::qWait(100);
    EXPECT_EQ(Shown(), 0);
    EXPECT_EQ(RunState(), "Running");
    form().N6().trigger();
    EXPECT_EQ(RunState(), "Stopped");
}

TEST_F(ScanRunTest, PauseContinueAndStop)
{
    OpenCountingDump(8192);
    scan() = ScanSettings{0, 16, "008", 1, 0, 100, 3};
    Start();
    form().N5aa().trigger();
    EXPECT_EQ(RunState(), "Paused");
    form().N5aa().trigger();
    EXPECT_EQ(RunState(), "Running");
    EXPECT_EQ(form().Timer1().Interval(), 100);
    Tick();
    EXPECT_EQ(Shown(), 1);
    form().N5aa().trigger();
    form().N6().trigger();
    EXPECT_EQ(RunState(), "Stopped");
    EXPECT_EQ(Shown(), 1) << "stopping leaves the picture on show";
    EXPECT_EQ(ui().Edit1->text(), "008");
}

TEST_F(ScanRunTest, AWidthOfLettersFailsTheStartWithTheMenuOfferingStopAndPause)
{
    OpenCountingDump(8192);
    scan() = ScanSettings{5, 16, "abc", 1, 0, 100, 3};
    Start();
    EXPECT_EQ(rec.errors, QStringList{"'abc' is not a valid integer value."});
    EXPECT_EQ(RunState(), "timer 0, Пауза enabled, Стоп");
    EXPECT_EQ(state().BaseOffset, 5);
    EXPECT_EQ(ui().Edit1->text(), "abc");
    // "Пауза" starts the timer with the interval it had before any run.
    form().N5aa().trigger();
    EXPECT_EQ(RunState(), "Running");
    EXPECT_EQ(form().Timer1().Interval(), 1000);
    form().N6().trigger();
    EXPECT_EQ(RunState(), "Stopped");
}

TEST_F(ScanRunTest, AFailedFirstReadLeavesTheRunWithoutItsTimer)
{
    OpenCountingDump(Width8Window - 1);
    scan() = ScanSettings{0, 16, "008", 1, 0, 100, 3};
    Start();
    EXPECT_EQ(rec.errors, QStringList{"Read beyond end of file."});
    EXPECT_EQ(RunState(), "timer 0, Пауза enabled, Стоп");
    form().N6().trigger();
    EXPECT_EQ(RunState(), "Stopped");
}

TEST_F(ScanRunTest, TheFirstFailedStepEndsTheRunSoItsErrorIsShownOnce)
{
    OpenCountingDump(Width8Window + 3);
    scan() = ScanSettings{0, 10, "008", 1, 0, 100, 3};
    Start();
    const Run run = RunToTheEnd();
    EXPECT_EQ(run.shown, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(run.ticks, 4);
    EXPECT_EQ(rec.errors, QStringList{"Read beyond end of file."});
    EXPECT_EQ(RunState(), "Stopped");
}

TEST_F(ScanRunTest, TheNextTickGoesOnFromWhereAHandStepLeftTheOffset)
{
    OpenCountingDump(8192);
    scan() = ScanSettings{0, 100, "008", 1, 0, 100, 3};
    Start();
    Tick();
    ui().Button5->click(); // "X +": one row of 8 bits further
    EXPECT_EQ(Shown(), 2);
    Tick();
    EXPECT_EQ(Shown(), 3);
}

TEST_F(ScanRunTest, SettingsAppliedDuringARunTakeEffectAsTheyAreReadAgain)
{
    OpenCountingDump(8192);
    WriteIni("[setup]\r\nWidth=008\r\nStopAddress=0x40\r\n[actions]\r\nspeed=100\r\nmethod=3\r\n");
    WithDialog([&] { dlg().Button2->click(); });
    Start();
    Tick();
    EXPECT_EQ(Shown(), 1);
    // Method, range and direction count from the next tick; width, colour and speed from the next start.
    WithDialog([&] {
        dlg().RadioButton2->click();
        Type(dlg().edEnAddr, "0x2000");
        Type(dlg().edWidth, "016");
        Type(dlg().edSpeed, "20");
        dlg().Button2->click();
    });
    Tick();
    EXPECT_EQ(Shown(), 1 + 185);
    EXPECT_EQ(ui().Edit1->text(), "008");
    EXPECT_EQ(form().Timer1().Interval(), 100);
    WithDialog([&] {
        dlg().cbDir->setCurrentIndex(1);
        Type(dlg().edStAddr, "0x100");
        dlg().Button2->click();
    });
    Tick();
    EXPECT_EQ(RunState(), "Stopped") << "backward, and already below the new start";
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join('|').toStdString();
}

TEST_F(ScanRunTest, ARunKeepsSteppingWhileAModalDialogIsOpen)
{
    OpenCountingDump(8192);
    // The dialog reloads FFscan.ini when it opens, so the run's settings live there.
    WriteIni("[setup]\r\nWidth=008\r\nStopAddress=0x400\r\n[actions]\r\nspeed=5\r\nmethod=3\r\n");
    WithDialog([&] { dlg().Button2->click(); });
    Start();
    ASSERT_EQ(RunState(), "Running");
    std::int32_t whenOpened = -1;
    WithDialog([&] {
        whenOpened = Shown();
        EXPECT_TRUE(QTest::qWaitFor([&] { return Shown() >= whenOpened + 3; }, 5000))
            << "the timer's own ticks reach the main window behind the dialog";
    });
    EXPECT_GE(Shown(), whenOpened + 3);
    EXPECT_EQ(RunState(), "Running");
    form().N6().trigger();
}
