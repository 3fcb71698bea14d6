#include "info/Href.h"

#include "info/BrowserCommand.h"
#include "info/BrowserProgram.h"
#include "info/PanelStatusBar.h"
#include "platform/Services.h"
#include "viewer/PreviewImage.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

using namespace bitloom;

namespace {

QColor ColourOf(TLinkStyle style)
{
    return QColor(ToQRgb(LookOf(style).colour));
}

} // namespace

THref::THref(UrlLauncher& launcher, BrowserProgram& browser, QWidget* parent)
    : QLabel(parent), launcher_(launcher), browser_(browser)
{
    // A label's defaults: text at the top left, drawn as written.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    QFont underlined = font();
    underlined.setUnderline(true);
    fontActive_ = {underlined, ColourOf(TLinkStyle::lsNone)};
    fontNormal_ = {font(), ColourOf(TLinkStyle::lsNone)};
    FindDefaultBrowser();
    setCursor(Qt::ArrowCursor);
}

THref::~THref() = default;

void THref::SetCaption(const QString& caption)
{
    setText(caption);
    FitToCaption();
}

void THref::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitToCaption();
}

void THref::FitToCaption()
{
    if (autoSize_)
        adjustSize();
}

void THref::SetLinkStyle(TLinkStyle style)
{
    // Only a change recolours the fonts, so fonts set after the style keep their colour.
    if (style == linkStyle_)
        return;
    linkStyle_ = style;
    if (LookOf(style).handCursor)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    fontNormal_.colour = ColourOf(style);
    fontActive_.colour = ColourOf(style);
    update();
}

void THref::SetLink(const QString& link)
{
    if (link == link_)
        return;
    link_ = link;
    update();
}

void THref::SetFontActive(const LinkFont& font)
{
    fontActive_ = font;
    update();
}

void THref::SetFontNormal(const LinkFont& font)
{
    fontNormal_ = font;
    update();
}

void THref::FindDefaultBrowser()
{
    defaultBrowserPath_ = QString::fromStdString(DefaultBrowserPathFrom(browser_.RegisteredCommand()));
}

void THref::PointerEnters()
{
    activate_ = true;
    update();
    if (statusBar_ != nullptr) {
        const std::string text = LinkStatusText(linkStyle_, statusText_.toStdString(), link_.toStdString());
        statusBar_->SetPanelText(statusPanelNo_, QString::fromStdString(text));
    }
}

void THref::PointerLeaves()
{
    activate_ = false;
    update();
    if (statusBar_ != nullptr)
        statusBar_->SetPanelText(statusPanelNo_, QString());
}

void THref::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // Automatic sizing measures the caption with the label's own font, as the
    // fonts of the two states are for painting only.
    if (event->type() == QEvent::FontChange)
        FitToCaption();
}

void THref::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    PointerEnters();
}

void THref::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    PointerLeaves();
}

void THref::paintEvent(QPaintEvent*)
{
    const LinkFont& font = activate_ ? fontActive_ : fontNormal_;
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(font.face);
    painter.setPen(font.colour);
    int flags = static_cast<int>(alignment()) | Qt::TextExpandTabs;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    painter.drawText(contentsRect(), flags, text());
}

void THref::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    // The press is the link's own: a desktop style that drags windows by
    // their empty places must not take it for the window behind.
    event->accept();
}

void THref::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    // While a button is held Qt keeps enter and leave back until the release;
    // the pointer's way off the link and back is followed here instead.
    if (event->buttons() == Qt::NoButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (!inside && activate_)
        PointerLeaves();
    else if (inside && !activate_)
        PointerEnters();
}

void THref::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    emit OnMouseUp(event->button(), event->modifiers(), event->position().toPoint());

    repaint();
    const QPointer<THref> alive(this);
    QCoreApplication::processEvents();
    if (alive == nullptr)
        return;
    // The leave that Qt holds back until after the release belongs before the decision.
    if (activate_ && !rect().contains(event->position().toPoint()))
        PointerLeaves();

    if (!activate_ || link_.isEmpty() || event->button() != Qt::LeftButton)
        return;
    const auto click = ClickOf(linkStyle_, link_.toStdString());
    if (!click)
        return;
    if (click->startBrowser && defaultBrowserPath_.toStdString() != UnknownBrowser)
        browser_.Start(defaultBrowserPath_.toStdString());
    launcher_.Open(QString::fromStdString(click->address));
}
