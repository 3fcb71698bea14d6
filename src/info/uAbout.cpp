#include "info/uAbout.h"

#include "info/BrowserProgram.h"
#include "info/Href.h"
#include "info/InfoWindow.h"
#include "ui_uAbout.h"
#include "viewer/uMainGlyphs.h"

using namespace bitloom;

TForm4::TForm4(UrlLauncher& launcher, QWidget* parent)
    : TForm4(launcher, std::make_unique<DesktopBrowserProgram>(), nullptr, parent)
{
}

TForm4::TForm4(UrlLauncher& launcher, BrowserProgram& browser, QWidget* parent)
    : TForm4(launcher, nullptr, &browser, parent)
{
}

TForm4::TForm4(UrlLauncher& launcher, std::unique_ptr<BrowserProgram> ownBrowser, BrowserProgram* browser,
               QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm4>()), ownBrowser_(std::move(ownBrowser))
{
    ui->setupUi(this);
    UseDesignFont(*this);
    setFixedSize(371, 361);
    ui->Image1->setPixmap(ProgramIcon().pixmap(32, 32));
    ShowInfoText(*ui->RichEdit1, QStringLiteral(":/info/thanks.txt"));

    // The link takes the desktop's services when it is made, which a form
    // file cannot hand it; it is set up here in the order its settings are
    // stored, so the fonts given after the style keep their blue.
    href1_ = new THref(launcher, browser != nullptr ? *browser : *ownBrowser_, this);
    href1_->setObjectName(QStringLiteral("Href1"));
    href1_->setCursor(Qt::PointingHandCursor);
    href1_->SetCaption(QStringLiteral("http://") + MakersPage);
    const QFont plain = font();
    QFont underlined = plain;
    underlined.setUnderline(true);
    const QColor blue(0, 0, 255);
    href1_->setFont(plain);
    href1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    href1_->SetLinkStyle(TLinkStyle::lsHref);
    href1_->SetLink(MakersPage);
    href1_->SetFontActive({underlined, blue});
    href1_->SetFontNormal({plain, blue});
    href1_->SetStatusPanelNo(0);
    href1_->setGeometry(272, 344, 96, 13);
}

TForm4::~TForm4() = default;
