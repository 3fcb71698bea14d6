#include "info/Href.h"

#include "info/FakeBrowser.h"
#include "info/PanelStatusBar.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace bitloom;

namespace {

const QColor Navy(0, 0, 128);

// One link on a hidden window; the pointer is moved by sending the events a
// window system would deliver.
class HrefTest : public ::testing::Test {
protected:
    std::unique_ptr<THref> Make()
    {
        auto href = std::make_unique<THref>(rec, browser, &window);
        href->SetCaption(QStringLiteral("bitloom"));
        QObject::connect(href.get(), &THref::OnMouseUp, [this](Qt::MouseButton button) { mouseUps.push_back(button); });
        return href;
    }

    static void Enter(THref& href)
    {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), href.mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(&href, &event);
    }
    static void Leave(THref& href)
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&href, &event);
    }
    static void Mouse(THref& href, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        QMouseEvent event(type, QPointF(at), href.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&href, &event);
    }
    static void Click(THref& href, Qt::MouseButton button)
    {
        Mouse(href, QEvent::MouseButtonPress, button, button, QPoint(2, 2));
        Mouse(href, QEvent::MouseButtonRelease, button, Qt::NoButton, QPoint(2, 2));
    }

    QWidget window;
    RecordingServices rec;
    FakeBrowser browser{rec};
    std::vector<Qt::MouseButton> mouseUps;
};

TEST_F(HrefTest, StartsAsAPlainNavyLinkOfNoKind)
{
    const auto href = Make();
    EXPECT_FALSE(href->Activate());
    EXPECT_EQ(href->LinkStyle(), TLinkStyle::lsNone);
    EXPECT_TRUE(href->Link().isEmpty());
    EXPECT_TRUE(href->StatusText().isEmpty());
    EXPECT_EQ(href->FontNormal().colour, Navy);
    EXPECT_FALSE(href->FontNormal().face.underline());
    EXPECT_EQ(href->FontActive().colour, Navy);
    EXPECT_TRUE(href->FontActive().face.underline());
    EXPECT_EQ(href->StatusBar(), nullptr);
    EXPECT_EQ(href->StatusPanelNo(), 0);
    EXPECT_TRUE(href->AutoSize());
    EXPECT_EQ(href->size(), href->sizeHint());
    EXPECT_TRUE(href->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(href->cursor().shape(), Qt::ArrowCursor);

    // The style it starts with is not assigned, so assigning it changes nothing.
    href->SetLinkStyle(TLinkStyle::lsNone);
    EXPECT_TRUE(href->testAttribute(Qt::WA_SetCursor));
}

TEST_F(HrefTest, LooksUpTheDefaultBrowserWhenMade)
{
    EXPECT_EQ(Make()->DefaultBrowserPath(), "unknown");
    browser.registered = "";
    EXPECT_EQ(Make()->DefaultBrowserPath(), "");
    browser.registered = R"("/opt/web browser/run" --new-tab %u)";
    EXPECT_EQ(Make()->DefaultBrowserPath(), R"("/opt/web browser/run")");
}

TEST_F(HrefTest, EachStyleColoursBothFontsAndSetsItsCursor)
{
    struct Case {
        TLinkStyle style;
        QColor colour;
        bool hand;
    };
    const Case cases[] = {{TLinkStyle::lsHref, QColor(0, 0, 0), true},
                          {TLinkStyle::lsMail, QColor(0, 0, 255), true},
                          {TLinkStyle::lsIcq, QColor(128, 0, 0), true},
                          {TLinkStyle::lsMsn, QColor(0, 128, 128), true},
                          {TLinkStyle::lsNone, Navy, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        const auto href = Make();
        href->SetLinkStyle(c.style == TLinkStyle::lsHref ? TLinkStyle::lsMail : TLinkStyle::lsHref);
        href->SetLinkStyle(c.style);
        EXPECT_EQ(href->LinkStyle(), c.style);
        EXPECT_EQ(href->FontNormal().colour, c.colour);
        EXPECT_EQ(href->FontActive().colour, c.colour);
        if (c.hand)
            EXPECT_EQ(href->cursor().shape(), Qt::PointingHandCursor);
        else
            EXPECT_FALSE(href->testAttribute(Qt::WA_SetCursor)) << "the default cursor";
    }
}

TEST_F(HrefTest, OnlyAChangedStyleRecoloursTheFonts)
{
    const auto href = Make();
    QFont bold = href->font();
    bold.setBold(true);
    const QColor green(0, 128, 0);
    href->SetFontNormal({bold, green});
    href->SetFontActive({bold, green});

    href->SetLinkStyle(TLinkStyle::lsMail);
    EXPECT_EQ(href->FontNormal(), (LinkFont{bold, QColor(0, 0, 255)}));
    EXPECT_EQ(href->FontActive(), (LinkFont{bold, QColor(0, 0, 255)}));

    href->SetFontNormal({bold, green});
    href->SetFontActive({bold, Qt::red});
    href->SetLinkStyle(TLinkStyle::lsMail);
    EXPECT_EQ(href->FontNormal().colour, green);
    EXPECT_EQ(href->FontActive().colour, QColor(Qt::red));
}

TEST_F(HrefTest, PointingShowsTheStatusTextInItsPanelAndLeavingClearsIt)
{
    struct Case {
        TLinkStyle style;
        QString link;
        QString statusText;
        QString shown;
    };
    const Case cases[] = {
        {TLinkStyle::lsMail, "me@bitloom.test", "", "mailto:me@bitloom.test"},
        {TLinkStyle::lsMsn, "me@bitloom.test", "", "mailto:me@bitloom.test"},
        {TLinkStyle::lsHref, "bitloom.test", "", "http://bitloom.test"},
        {TLinkStyle::lsIcq, "123456", "", "icqto:123456"},
        {TLinkStyle::lsNone, "bitloom.test", "", "noactive:bitloom.test"},
        {TLinkStyle::lsMail, "", "", "mailto:"},
        {TLinkStyle::lsMail, "me@bitloom.test", "Написать нам", "Написать нам"},
    };
    PanelStatusBar bar(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        bar.SetPanelText(0, "left");
        bar.SetPanelText(2, "right");
        const auto href = Make();
        href->SetLinkStyle(c.style);
        href->SetLink(c.link);
        href->SetStatusText(c.statusText);
        href->SetStatusBar(&bar);
        href->SetStatusPanelNo(1);

        Enter(*href);
        EXPECT_TRUE(href->Activate());
        EXPECT_EQ(bar.PanelText(1), c.shown);
        Leave(*href);
        EXPECT_FALSE(href->Activate());
        EXPECT_EQ(bar.PanelText(1), "");
        EXPECT_EQ(bar.PanelText(0), "left");
        EXPECT_EQ(bar.PanelText(2), "right");
    }
}

TEST_F(HrefTest, PointingWithoutAUsableStatusBarOnlyActivates)
{
    const auto href = Make();
    href->SetLink("bitloom.test");
    Enter(*href);
    EXPECT_TRUE(href->Activate());
    Leave(*href);

    auto bar = std::make_unique<PanelStatusBar>(1);
    href->SetStatusBar(bar.get());
    href->SetStatusPanelNo(4);
    Enter(*href);
    EXPECT_EQ(bar->PanelText(0), "");
    Leave(*href);

    bar.reset();
    EXPECT_EQ(href->StatusBar(), nullptr);
    Enter(*href);
    EXPECT_TRUE(href->Activate());
}

// Pixels of the link's own painting close to a colour.
int PixelsLike(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) < 60 && std::abs(p.green() - colour.green()) < 60 &&
                std::abs(p.blue() - colour.blue()) < 60)
                ++count;
        }
    return count;
}

TEST_F(HrefTest, PaintsWithTheActiveFontOnlyUnderThePointer)
{
    const auto href = Make();
    QPalette white = href->palette();
    white.setColor(QPalette::Window, Qt::white);
    href->setPalette(white);
    href->setAutoFillBackground(true);
    QFont big = href->font();
    big.setPixelSize(24);
    big.setBold(true);
    href->setFont(big);
    href->SetFontNormal({big, QColor(255, 0, 0)});
    big.setUnderline(true);
    href->SetFontActive({big, QColor(0, 0, 255)});

    const QImage normal = href->grab().toImage();
    EXPECT_GT(PixelsLike(normal, Qt::red), 20);
    EXPECT_EQ(PixelsLike(normal, Qt::blue), 0);
    Enter(*href);
    const QImage active = href->grab().toImage();
    EXPECT_EQ(PixelsLike(active, Qt::red), 0);
    EXPECT_GT(PixelsLike(active, Qt::blue), PixelsLike(normal, Qt::red)) << "the underline adds pixels";
    Leave(*href);
    EXPECT_EQ(href->grab().toImage(), normal);
}

TEST_F(HrefTest, ALeftClickOpensTheLinkOfItsStyle)
{
    const char* const browserCommand = R"("/opt/web browser/run" --new-tab %u)";
    struct Case {
        TLinkStyle style;
        QString link;
        std::optional<std::string> registered;
        Qt::MouseButton button;
        QStringList opened;
        std::vector<std::string> started;
    };
    const Case cases[] = {
        {TLinkStyle::lsHref, "bitloom.test", browserCommand, Qt::LeftButton, {"http://bitloom.test"},
         {R"("/opt/web browser/run")"}},
        {TLinkStyle::lsHref, "bitloom.test", std::nullopt, Qt::LeftButton, {"http://bitloom.test"}, {}},
        {TLinkStyle::lsMail, "me@bitloom.test", browserCommand, Qt::LeftButton, {"mailto:me@bitloom.test"}, {}},
        {TLinkStyle::lsMsn, "me@bitloom.test", browserCommand, Qt::LeftButton, {"mailto:me@bitloom.test"}, {}},
        {TLinkStyle::lsIcq, "123456", browserCommand, Qt::LeftButton,
         {"http://im.bitloom.test/scripts/contact.dll?msgto=123456"}, {}},
        {TLinkStyle::lsNone, "bitloom.test", browserCommand, Qt::LeftButton, {}, {}},
        {TLinkStyle::lsHref, "", browserCommand, Qt::LeftButton, {}, {}},
        {TLinkStyle::lsMail, "", browserCommand, Qt::LeftButton, {}, {}},
        {TLinkStyle::lsHref, "bitloom.test", browserCommand, Qt::RightButton, {}, {}},
        {TLinkStyle::lsMail, "me@bitloom.test", browserCommand, Qt::MiddleButton, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.style) << " " << c.link.toStdString() << " "
                                          << c.button);
        rec.opened.clear();
        browser.started.clear();
        browser.openedBeforeStart.clear();
        mouseUps.clear();
        browser.registered = c.registered;
        const auto href = Make();
        href->SetLinkStyle(c.style);
        href->SetLink(c.link);

        Enter(*href);
        Click(*href, c.button);
        EXPECT_EQ(mouseUps, std::vector<Qt::MouseButton>{c.button});
        EXPECT_EQ(rec.opened, c.opened);
        EXPECT_EQ(browser.started, c.started);
        if (!c.started.empty()) {
            EXPECT_EQ(browser.openedBeforeStart, std::vector<qsizetype>{0}) << "the browser starts first";
        }
    }
}

TEST_F(HrefTest, OpensNothingUnlessThePointerIsStillOverItAtTheRelease)
{
    const auto href = Make();
    href->SetLinkStyle(TLinkStyle::lsMail);
    href->SetLink("me@bitloom.test");
    PanelStatusBar bar(1);
    href->SetStatusBar(&bar);
    const QPoint inside(2, 2);
    const QPoint outside(href->width() + 10, 2);

    // Never pointed at.
    Click(*href, Qt::LeftButton);
    // Pressed, dragged off, released outside.
    Enter(*href);
    Mouse(*href, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, inside);
    Mouse(*href, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, outside);
    EXPECT_FALSE(href->Activate());
    EXPECT_EQ(bar.PanelText(0), "");
    Mouse(*href, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, outside);
    // Released outside with no move reported on the way.
    Enter(*href);
    Mouse(*href, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, inside);
    Mouse(*href, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, outside);
    EXPECT_FALSE(href->Activate());
    EXPECT_TRUE(rec.opened.isEmpty());
    EXPECT_EQ(mouseUps.size(), 3u);

    // Dragged off and back again: the pointer is over it, so it opens.
    Enter(*href);
    Mouse(*href, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, inside);
    Mouse(*href, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, outside);
    Mouse(*href, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, inside);
    EXPECT_EQ(bar.PanelText(0), "mailto:me@bitloom.test");
    Mouse(*href, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, inside);
    EXPECT_EQ(rec.opened, QStringList{"mailto:me@bitloom.test"});
}

} // namespace
