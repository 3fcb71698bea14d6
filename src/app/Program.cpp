#include "app/Program.h"

#include "catalogue/MenuItem.h"
#include "catalogue/uChange2.h"
#include "info/uAbout.h"
#include "info/uHelp.h"
#include "info/uHistory.h"
#include "platform/WindowPlacement.h"
#include "platform/FormFont.h"
#include "scanner/uScan.h"
#include "viewer/uAddr.h"
#include "ui_uMain.h"
#include "viewer/uMain.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// What the catalogue editor takes from the main window.
TfChange2::MainWindow EditorLinks(TForm1& form1)
{
    return {form1.State(), [&form1] { return form1.Form().Label2->text(); },
            // "Close + Set Quick" does what ">> В Быстрое" does; the quick item is enabled already.
            [&form1](const std::filesystem::path& folder) { form1.FavoritesMenu1UrlClickQuick(TMenuItem(), folder); },
            form1.ImageList1()};
}

} // namespace

Program::Program(bitloom::Services& services)
    : form1_(std::make_unique<TForm1>(services)),
      form2_(std::make_unique<TForm2>(form1_->State())),
      form3_(std::make_unique<TForm3>()),
      form4_(std::make_unique<TForm4>(services.launcher)),
      fChange2_(std::make_unique<TfChange2>(EditorLinks(*form1_), services)),
      fHelp_(std::make_unique<TfHelp>()),
      form5_(std::make_unique<TForm5>(form1_->Scan(), form1_->State(), services))
{
    form1_->SetWindows({form2_.get(), form3_.get(), form4_.get(), fChange2_.get(), fHelp_.get(), form5_.get()});
    for (QWidget* window : std::initializer_list<QWidget*>{form1_.get(), form2_.get(), form3_.get(), form4_.get(),
                                                           fChange2_.get(), fHelp_.get(), form5_.get()})
        window->setFont(bitloom::FormFont());
}

Program::~Program() = default;

void Program::ShowMainWindow()
{
    form1_->adjustSize();
    bitloom::CentreOnScreen(*form1_);
    form1_->show();
    form1_->activateWindow();
}
