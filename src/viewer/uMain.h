#pragma once

#include "platform/Services.h"
#include "platform/Timer.h"
#include "scanner/ScanSettings.h"
#include "viewer/Decoder.h"
#include "viewer/ViewState.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>

#include <filesystem>
#include <memory>

class QMenu;
class QAction;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TfChange2;
class TfHelp;
class TFavoritesMenu;
class TMenuItem;

namespace Ui {
class TForm1;
}

// The main window: owner of the viewing state and the scan settings, and of
// every command that moves, draws, copies or saves the picture.
class TForm1 final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    // The other windows, created after this one and handed over by the program.
    struct Windows {
        TForm2* addr = nullptr;
        TForm3* history = nullptr;
        TForm4* about = nullptr;
        TfChange2* editor = nullptr;
        TfHelp* help = nullptr;
        TForm5* scan = nullptr;
    };

    explicit TForm1(bitloom::Services& services, QWidget* parent = nullptr);
    ~TForm1() override;

    void SetWindows(const Windows& windows) { windows_ = windows; }

    bitloom::ViewState& State() { return state_; }
    bitloom::ScanSettings& Scan() { return scan_; }
    Ui::TForm1& Form() { return *ui; }
    bitloom::Timer& Timer1() { return timer1_; }
    QMenu& PopupMenu1() { return *popupMenu1_; }
    QAction& N5aa() { return *n5aa_; }
    QAction& N6() { return *n6_; }
    QAction& N4() { return *n4_; }

    // Start and file access.
    void FormCreate();
    void FormActivate();
    void N11Click();
    void LoadWindow(std::int32_t offset);
    void N3aClick();
    void N2aClick();

    // Geometry and drawing.
    void Button1Click();
    void ApplySizes();
    void RedrawPreview();

    // Navigation.
    void ShowColorMode();
    void SyncPictureWidth();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button10Click();
    void Button11Click();
    void N00000001Click();
    void N13Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Edit1Change();
    void N102Click();
    void N105Click();
    void About1Click();
    void MenuItem7Click();

    // Copy and paste (uMainClipboard.cpp).
    void Button9Click();
    void Button8Click();

    // The scan run (scanner/uMainScan.cpp).
    void N6Click();
    void N5aaClick();
    void N4Click();
    void Timer1Timer();
    bool ScanMayContinue() const;

    // The catalogue menus (catalogue/uMainCatalogue.cpp).
    void FavoritesMenu1Refresh(TMenuItem Sender);
    void FavoritesMenu2Refresh(TMenuItem Sender);
    void FavoritesMenu1UrlClick(TMenuItem Sender, const std::filesystem::path& Url);
    void FavoritesMenu1UrlClickQuick(TMenuItem Sender, const std::filesystem::path& Url);
    void FavoritesMenu2UrlClickQuick(TMenuItem Sender, const std::filesystem::path& Url);
    TFavoritesMenu& FavoritesMenu1() { return *favoritesMenu1_; }
    TFavoritesMenu& FavoritesMenu2() { return *favoritesMenu2_; }
    const QList<QIcon>& ImageList1() const { return imageList1_; }

protected:
    bool event(QEvent* event) override;

private:
    // Wraps a handler so that an error ends it in the standard error box.
    void Run(void (TForm1::*handler)());
    void Connect(QAction* action, void (TForm1::*handler)());
    void ConnectButton(class QAbstractButton* button, void (TForm1::*handler)());
    void Step(std::int64_t amount);
    void SetColorMode(std::int32_t mode);
    void UpdateTitle();
    void CreatePopupMenu();
    void AttachPopupMenu();
    void LoadScanSettings();
    void ShowModal(class QDialog* dialog);
    void CreateFavoritesMenus();
    QString RelativeCataloguePath(const std::filesystem::path& folder) const;

    std::unique_ptr<Ui::TForm1> ui;
    bitloom::Services& services_;
    Windows windows_;
    bitloom::ViewState state_;
    bitloom::ScanSettings scan_;
    bitloom::Preview preview_;
    bitloom::Timer timer1_;
    QMenu* popupMenu1_ = nullptr;
    QAction* n5aa_ = nullptr;
    QAction* n6_ = nullptr;
    QAction* n4_ = nullptr;
    QString openDialogFolder_;
    bool activated_ = false;
    QList<QIcon> imageList1_;
    TFavoritesMenu* favoritesMenu1_ = nullptr;
    TFavoritesMenu* favoritesMenu2_ = nullptr;
};
