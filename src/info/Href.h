#pragma once

#include "info/LinkStyle.h"
#include "info/PanelStatusBar.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPointer>

namespace bitloom {
class BrowserProgram;
class UrlLauncher;
} // namespace bitloom

// A font as the link label keeps it: the face and its colour together.
struct LinkFont {
    QFont face;
    QColor colour;

    friend bool operator==(const LinkFont&, const LinkFont&) = default;
};

// A label that acts as a link: under the pointer it paints its caption with a
// second font and can put a status text into a status bar panel; a left click
// opens a web page, a mail address or a messenger contact page.
class THref final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THref)

public:
    THref(bitloom::UrlLauncher& launcher, bitloom::BrowserProgram& browser, QWidget* parent = nullptr);
    ~THref() override;

    // The label's own settings under the names the forms use for them.
    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    const QString& DefaultBrowserPath() const { return defaultBrowserPath_; }
    bool Activate() const { return activate_; }

    bitloom::TLinkStyle LinkStyle() const { return linkStyle_; }
    void SetLinkStyle(bitloom::TLinkStyle style);

    const QString& Link() const { return link_; }
    void SetLink(const QString& link);

    const QString& StatusText() const { return statusText_; }
    void SetStatusText(const QString& text) { statusText_ = text; }

    const LinkFont& FontActive() const { return fontActive_; }
    void SetFontActive(const LinkFont& font);
    const LinkFont& FontNormal() const { return fontNormal_; }
    void SetFontNormal(const LinkFont& font);

    PanelStatusBar* StatusBar() const { return statusBar_; }
    void SetStatusBar(PanelStatusBar* statusBar) { statusBar_ = statusBar; }
    int StatusPanelNo() const { return statusPanelNo_; }
    void SetStatusPanelNo(int panelNo) { statusPanelNo_ = panelNo; }

signals:
    // The mouse-up event, fired before the link acts on a click.
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FindDefaultBrowser();
    void PointerEnters();
    void PointerLeaves();
    void FitToCaption();

    bitloom::UrlLauncher& launcher_;
    bitloom::BrowserProgram& browser_;
    bool autoSize_ = true;
    QString defaultBrowserPath_;
    bool activate_ = false;
    bitloom::TLinkStyle linkStyle_ = bitloom::TLinkStyle::lsNone;
    QString link_;
    QString statusText_;
    LinkFont fontActive_;
    LinkFont fontNormal_;
    QPointer<PanelStatusBar> statusBar_;
    int statusPanelNo_ = 0;
};
