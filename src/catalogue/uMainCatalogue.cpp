// The main window's catalogue menus: "Перейти по названию" over the whole
// catalogue, "Быстрое меню" over one chosen folder of it.

#include "viewer/uMain.h"

#include "catalogue/CatalogueIcons.h"
#include "catalogue/FavoritesMenu.h"
#include "catalogue/FolderListing.h"
#include "catalogue/PictureDescription.h"
#include "catalogue/uChange2.h"
#include "ui_uMain.h"

using namespace bitloom;

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

void TForm1::CreateFavoritesMenus()
{
    imageList1_ = CatalogueImageList();
    // A picture's name is shown as it is written, never as markup.
    ui->Panel4->setTextFormat(Qt::PlainText);
    ui->Panel6->setTextFormat(Qt::PlainText);

    auto refresh = [this](void (TForm1::*handler)(TMenuItem)) {
        return [this, handler](TMenuItem sender) { RunCommand(services_.errors, [&] { (this->*handler)(sender); }); };
    };
    auto urlClick = [this](void (TForm1::*handler)(TMenuItem, const std::filesystem::path&)) {
        return [this, handler](TMenuItem sender, const std::filesystem::path& url) {
            RunCommand(services_.errors, [&] { (this->*handler)(sender, url); });
        };
    };

    favoritesMenu1_ = new TFavoritesMenu(this);
    favoritesMenu1_->setObjectName(QStringLiteral("FavoritesMenu1"));
    favoritesMenu1_->SetImages(imageList1_);
    favoritesMenu1_->SetMenuItem(TMenuItem::Of(ui->N8));
    favoritesMenu1_->SetOnUrlClick(urlClick(&TForm1::FavoritesMenu1UrlClick));
    favoritesMenu1_->SetOnUrlClickQuick(urlClick(&TForm1::FavoritesMenu1UrlClickQuick));
    favoritesMenu1_->SetOnRefresh(refresh(&TForm1::FavoritesMenu1Refresh));

    favoritesMenu2_ = new TFavoritesMenu(this);
    favoritesMenu2_->setObjectName(QStringLiteral("FavoritesMenu2"));
    favoritesMenu2_->SetImages(imageList1_);
    favoritesMenu2_->SetMenuItem(TMenuItem::Of(ui->NLast));
    favoritesMenu2_->SetSimple(true);
    favoritesMenu2_->SetOnUrlClick(urlClick(&TForm1::FavoritesMenu1UrlClick));
    favoritesMenu2_->SetOnUrlClickQuick(urlClick(&TForm1::FavoritesMenu2UrlClickQuick));
    favoritesMenu2_->SetOnRefresh(refresh(&TForm1::FavoritesMenu2Refresh));

    // The two top items are filled as they open, like every section below them.
    connect(ui->N8, &QMenu::aboutToShow, this,
            [this, handler = refresh(&TForm1::FavoritesMenu1Refresh)] { handler(TMenuItem::Of(ui->N8)); });
    connect(ui->NLast, &QMenu::aboutToShow, this,
            [this, handler = refresh(&TForm1::FavoritesMenu2Refresh)] { handler(TMenuItem::Of(ui->NLast)); });
}

QString TForm1::RelativeCataloguePath(const std::filesystem::path& folder) const
{
    return Text(DisplayName(bitloom::RelativeCataloguePath(state_.StartDir, folder)));
}

void TForm1::FavoritesMenu1Refresh(TMenuItem Sender)
{
    const std::filesystem::path root = CatalogueRoot(state_.StartDir);
    favoritesMenu1_->SetMenuItem(Sender);
    // Only N8 at its first opening has no folder yet: the catalogue root, for the rest of the run.
    if (Sender.Hint().empty())
        Sender.SetHint(root);
    favoritesMenu1_->SetInitialDir(Sender.Hint());
    favoritesMenu1_->RebuildMenu();
}

void TForm1::FavoritesMenu2Refresh(TMenuItem Sender)
{
    favoritesMenu2_->SetMenuItem(Sender);
    favoritesMenu2_->SetInitialDir(Sender.Hint());
    favoritesMenu2_->RebuildMenu();
}

void TForm1::FavoritesMenu1UrlClick(TMenuItem, const std::filesystem::path& Url)
{
    const PictureDescription picture = ReadPictureDescription(Url);
    state_.BaseOffset = picture.Offs;
    ui->Panel4->setText(Text(picture.Hint));
    ui->Edit1->setText(Text(picture.Width)); // Edit1Change may copy it into Edit3 ...
    ui->Edit2->setText(Text(picture.Height));
    ui->Edit3->setText(Text(picture.WidthImage)); // ... which the picture's own width replaces
    state_.ColorMode = picture.Bppc;
    ShowColorMode();
    ApplySizes();
    state_.StepOffset = 0;
    LoadWindow(0);
    SyncPictureWidth();
}

void TForm1::FavoritesMenu1UrlClickQuick(TMenuItem, const std::filesystem::path& Url)
{
    ui->Panel6->setText(RelativeCataloguePath(Url));
    favoritesMenu2_->SetInitialDir(Url);
    ui->NLast->menuAction()->setEnabled(true);
    TMenuItem::Of(ui->NLast).SetHint(Url);
}

void TForm1::FavoritesMenu2UrlClickQuick(TMenuItem, const std::filesystem::path& Url)
{
    TfChange2* editor = windows_.editor;
    if (editor == nullptr)
        return;
    editor->setWindowTitle(RelativeCataloguePath(Url));
    editor->SetFolderPath(Url);
    ShowModal(editor);
}
