#pragma once

#include <QDialog>

#include <filesystem>
#include <memory>

namespace Ui {
class TForm5;
}

namespace bitloom {
struct ScanSettings;
struct ViewState;
class ErrorReporter;
struct Services;
} // namespace bitloom

// The scan settings dialog: a shell over FFscan.ini and the main window's
// ScanSettings. It loads the file each time it is shown; its buttons copy the
// controls into the settings, "Save + Close" also into the file.
class TForm5 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    // settings and state (for StartDir) belong to the main window.
    TForm5(bitloom::ScanSettings& settings, const bitloom::ViewState& state, bitloom::Services& services,
           QWidget* parent = nullptr);
    ~TForm5() override;

    Ui::TForm5& Form() { return *ui; }

    // Loads FFscan.ini into the dialog and into the scan settings. The main
    // window also calls it directly at its first activation, with the dialog
    // hidden; a bad address then ends that activation too.
    void FormActivate();
    // Copies the controls into the scan settings.
    void CollectScanSettings();
    // "Save + Close".
    void Button1Click();
    // "Close".
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::filesystem::path IniPath() const;
    void Run(void (TForm5::*handler)());

    std::unique_ptr<Ui::TForm5> ui;
    bitloom::ScanSettings& settings_;
    const bitloom::ViewState& state_;
    bitloom::ErrorReporter& errors_;
};
