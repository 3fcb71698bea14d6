#include "info/FakeBrowser.h"
#include "info/Href.h"
#include "info/uAbout.h"
#include "info/uHelp.h"
#include "info/uHistory.h"
#include "ui_uAbout.h"
#include "ui_uHelp.h"
#include "ui_uHistory.h"
#include "viewer/MainWindowFixture.h"
#include "viewer/uMainGlyphs.h"

#include <QClipboard>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

using namespace bitloom;

namespace {

const QColor Margin(0xFF, 0xAC, 0x84);

class InfoMenuTest : public MainWindowTest {};

TEST_F(InfoMenuTest, EachEntryShowsItsWindowModallyWithTheSameTextEveryTime)
{
    struct Case {
        QAction* entry;
        QDialog* window;
        QTextEdit* text;
    };
    const Case cases[] = {
        {ui().MenuItem245, &program->Form3(), program->Form3().Form().RichEdit1},
        {ui().N105, &program->FHelp(), program->FHelp().Form().RichEdit1},
        {ui().MenuItem246, &program->Form4(), program->Form4().Form().RichEdit1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window->windowTitle().toStdString());
        const QString text = c.text->toPlainText();
        EXPECT_FALSE(text.isEmpty());
        for (int showing = 0; showing < 2; ++showing) {
            QWidget* shown = nullptr;
            QTimer::singleShot(0, [&] {
                shown = QApplication::activeModalWidget();
                if (shown != nullptr)
                    shown->close();
            });
            c.entry->trigger();
            EXPECT_EQ(shown, c.window);
            EXPECT_FALSE(c.window->isVisible());
            EXPECT_EQ(c.text->toPlainText(), text);
        }
    }
    EXPECT_TRUE(rec.errors.isEmpty());
}

// The three windows on their own, as the program makes them.
class InfoWindowsTest : public ::testing::Test {
protected:
    RecordingServices rec;
    FakeBrowser browser{rec};
    TForm3 history;
    TfHelp help;
    TForm4 about{rec, browser};
};

TEST_F(InfoWindowsTest, ShowTheirTextsReadOnlyOnTheMarginOrange)
{
    struct Case {
        QDialog* window;
        QTextEdit* box;
        QString caption;
        QSize client;
        QRect boxPlace;
        QString firstLine;
    };
    const Case cases[] = {
        {&history, history.Form().RichEdit1, "История изменений", {370, 250}, {0, 0, 369, 249}, "v 4.02"},
        {&help, help.Form().RichEdit1, "Помощь", {441, 249}, {0, 0, 441, 249}, "v 4.02"},
        {&about, about.Form().RichEdit1, "About", {371, 361}, {0, 96, 369, 233}, "1. "},
    };
    QClipboard* clipboard = QApplication::clipboard();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        EXPECT_EQ(c.window->windowTitle(), c.caption);
        EXPECT_EQ(c.window->size(), c.client);
        EXPECT_EQ(c.window->minimumSize(), c.window->maximumSize()) << "fixed size";
        EXPECT_TRUE(c.window->windowFlags().testFlag(Qt::Tool));
        EXPECT_TRUE(c.window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(c.window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_EQ(c.box->objectName(), "RichEdit1");
        EXPECT_EQ(c.box->geometry(), c.boxPlace);
        EXPECT_EQ(c.box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(c.box->palette().color(QPalette::Base), Margin);
        EXPECT_TRUE(c.box->isReadOnly());
        const QString text = c.box->toPlainText();
        EXPECT_TRUE(text.startsWith(c.firstLine)) << text.left(40).toStdString();

        c.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window));
        c.box->setFocus();
        clipboard->setText("pasted");
        QTest::keyClicks(c.box, "typed");
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete})
            QTest::keyClick(c.box, key);
        QTest::keyClick(c.box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(c.box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(c.box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(c.box, Qt::Key_Delete);
        EXPECT_EQ(c.box->toPlainText(), text);

        // Selected and copied, though not changed.
        QTest::keyClick(c.box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(c.box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard->text(), text);
        c.window->hide();
    }
}

TEST_F(InfoWindowsTest, HistoryListsTheVersionsNewestFirstEachWithItsChanges)
{
    const QStringList lines = history.Form().RichEdit1->toPlainText().split('\n');
    const QRegularExpression heading(QStringLiteral("^v (\\d)\\.(\\d\\d)$"));
    QStringList versions;
    int changesOfLast = 1;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        const auto match = heading.match(line);
        if (match.hasMatch()) {
            EXPECT_GT(changesOfLast, 0) << "a version without changes before " << line.toStdString();
            if (!versions.isEmpty()) {
                EXPECT_LT(line.mid(2).toDouble(), versions.back().mid(2).toDouble()) << line.toStdString();
            }
            versions.append(line);
            changesOfLast = 0;
        } else {
            EXPECT_TRUE(line.startsWith("- ")) << line.toStdString();
            ++changesOfLast;
        }
    }
    EXPECT_GT(changesOfLast, 0);
    ASSERT_GE(versions.size(), 4);
    EXPECT_EQ(versions.mid(0, 3), (QStringList{"v 4.02", "v 4.01", "v 2.00"}));
}

TEST_F(InfoWindowsTest, HelpLinesFitTheBoxUnwrappedAndItsPointsAreNumberedInOrder)
{
    QTextEdit& box = *help.Form().RichEdit1;
    EXPECT_EQ(box.lineWrapMode(), QTextEdit::NoWrap);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    const int room = box.viewport()->width() - 2 * static_cast<int>(box.document()->documentMargin());
    const QStringList lines = box.toPlainText().split('\n');
    EXPECT_EQ(lines.front(), "v 4.02");
    int point = 0;
    const QRegularExpression numbered(QStringLiteral("^(\\d+)\\. "));
    for (const QString& line : lines) {
        EXPECT_LE(box.fontMetrics().horizontalAdvance(line), room) << line.toStdString();
        if (const auto match = numbered.match(line); match.hasMatch()) {
            EXPECT_EQ(match.captured(1).toInt(), ++point) << line.toStdString();
        }
    }
    EXPECT_GE(point, 8);
    EXPECT_EQ(box.horizontalScrollBar()->maximum(), 0) << "nothing hidden to the right";
}

TEST_F(InfoWindowsTest, AboutShowsIconNameSentenceCreditAndLinkInTheirPlaces)
{
    Ui::TForm4& ui = about.Form();
    EXPECT_EQ(ui.Image1->geometry(), QRect(8, 8, 33, 33));
    EXPECT_EQ(ui.Image1->pixmap().toImage(), ProgramIcon().pixmap(32, 32).toImage());

    EXPECT_EQ(ui.Label1->geometry(), QRect(48, 16, 153, 19));
    EXPECT_EQ(ui.Label1->text(), "Bitloom v4.02");
    EXPECT_TRUE(ui.Label1->font().bold());
    EXPECT_EQ(QFontInfo(ui.Label1->font()).pixelSize(), 16);
    EXPECT_FALSE(ui.Label1->autoFillBackground());

    EXPECT_EQ(ui.Label2->geometry(), QRect(8, 48, 361, 41));
    EXPECT_TRUE(ui.Label2->wordWrap());
    EXPECT_EQ(ui.Label2->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_LE(ui.Label2->heightForWidth(361), 41) << "the whole sentence shows";

    THref& link = about.Href1();
    EXPECT_EQ(ui.Label3->geometry(), QRect(272, 331, 96, 13));
    EXPECT_EQ(link.geometry(), QRect(272, 344, 96, 13));
    for (QLabel* label : {ui.Label3, static_cast<QLabel*>(&link)}) {
        EXPECT_FALSE(label->text().isEmpty());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
    }

    EXPECT_EQ(link.objectName(), "Href1");
    EXPECT_EQ(link.LinkStyle(), TLinkStyle::lsHref);
    EXPECT_EQ(link.Link(), TForm4::MakersPage);
    EXPECT_EQ(link.text(), "http://" + TForm4::MakersPage);
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.alignment() & Qt::AlignVertical_Mask, Qt::AlignVCenter);
    EXPECT_EQ(link.FontNormal().colour, QColor(0, 0, 255));
    EXPECT_EQ(link.FontActive().colour, QColor(0, 0, 255));
    EXPECT_FALSE(link.FontNormal().face.underline());
    EXPECT_TRUE(link.FontActive().face.underline());
    EXPECT_EQ(link.StatusBar(), nullptr);
}

// Rows of the link that are mostly blue from end to end: the underline.
int UnderlineRows(const QImage& image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        int blue = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (p.blue() > 150 && p.red() < 120 && p.green() < 120)
                ++blue;
        }
        if (blue > image.width() / 2)
            ++rows;
    }
    return rows;
}

TEST_F(InfoWindowsTest, TheAboutLinkUnderlinesUnderThePointerAndAClickOpensTheMakersPage)
{
    browser.registered = R"("/usr/bin/web" --new-tab "%1")";
    TForm4 window(rec, browser);
    THref& link = window.Href1();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(link.DefaultBrowserPath(), R"("/usr/bin/web")");
    EXPECT_EQ(UnderlineRows(link.grab().toImage()), 0);

    const QPoint middle = link.rect().center();
    QTest::mouseMove(&link, middle);
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.Activate(); }));
    EXPECT_GT(UnderlineRows(link.grab().toImage()), 0);

    QTest::mouseClick(&link, Qt::LeftButton, {}, middle);
    EXPECT_EQ(rec.opened, QStringList{"http://bitloom.test"});
    EXPECT_EQ(browser.started, std::vector<std::string>{R"("/usr/bin/web")"});

    QTest::mouseMove(window.Form().RichEdit1, QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !link.Activate(); }));
    EXPECT_EQ(UnderlineRows(link.grab().toImage()), 0);
}

} // namespace
