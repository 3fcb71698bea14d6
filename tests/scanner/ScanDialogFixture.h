#pragma once

#include "scanner/uScan.h"
#include "ui_uScan.h"
#include "viewer/MainWindowFixture.h"

#include <QTimer>

#include <functional>
#include <string>

// The whole program with the scan settings dialog at hand. The dialog is
// opened as the user opens it, through "Настройки", and is modal: the checks
// run inside its event loop.
class ScanTest : public MainWindowTest {
protected:
    TForm5& dialog() { return program->Form5(); }
    Ui::TForm5& dlg() { return program->Form5().Form(); }
    bitloom::ScanSettings& scan() { return form().Scan(); }
    std::filesystem::path IniPath() { return dir / "FFscan.ini"; }

    // Triggers "Настройки" and runs inside while the dialog waits; a dialog
    // that inside left open is closed by its close box.
    void WithDialog(const std::function<void()>& inside)
    {
        bool ran = false;
        QTimer::singleShot(0, &dialog(), [&] {
            EXPECT_TRUE(dialog().isVisible());
            inside();
            ran = true;
            if (dialog().isVisible())
                dialog().close();
        });
        form().N4().trigger();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(dialog().isVisible());
    }

    // Replaces an edit box's text as typing would.
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void WriteIni(const std::string& text) { WriteBytes(IniPath(), std::vector<std::uint8_t>(text.begin(), text.end())); }

    std::string IniText()
    {
        const auto bytes = ReadBytes(IniPath());
        return std::string(bytes.begin(), bytes.end());
    }

    // Ends this run of the program and starts it again in the same folder,
    // for what the main window does at its first activation.
    void Restart()
    {
        program.reset();
        program = std::make_unique<Program>(rec.services);
        program->ShowMainWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
};

inline auto Fields(const bitloom::ScanSettings& s)
{
    return std::tie(s.ScanStart, s.ScanStop, s.ScanWidthText, s.ScanColorMode, s.ScanDirection, s.ScanInterval,
                    s.ScanMethod);
}
