#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm4;
}

namespace bitloom {
class BrowserProgram;
class UrlLauncher;
} // namespace bitloom

class THref;

// The About window: the program's name and icon, what it does, the thanks,
// and a link to the makers' web page.
class TForm4 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    // The makers' web page, without its "http://".
    static inline const QString MakersPage = QStringLiteral("bitloom.test");

    // The link starts the desktop's default browser.
    explicit TForm4(bitloom::UrlLauncher& launcher, QWidget* parent = nullptr);
    TForm4(bitloom::UrlLauncher& launcher, bitloom::BrowserProgram& browser, QWidget* parent = nullptr);
    ~TForm4() override;

    Ui::TForm4& Form() { return *ui; }
    THref& Href1() { return *href1_; }

private:
    TForm4(bitloom::UrlLauncher& launcher, std::unique_ptr<bitloom::BrowserProgram> ownBrowser,
           bitloom::BrowserProgram* browser, QWidget* parent);

    std::unique_ptr<Ui::TForm4> ui;
    std::unique_ptr<bitloom::BrowserProgram> ownBrowser_;
    THref* href1_ = nullptr;
};
