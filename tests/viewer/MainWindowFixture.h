#pragma once

#include "app/Program.h"
#include "platform/PathText.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"
#include "ui_uMain.h"
#include "viewer/uMain.h"

#include <QTest>

#include <gtest/gtest.h>

// The whole program on the offscreen platform, started in a fresh folder, as a
// user would find it after start-up: the main window shown and activated.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : savedDir_(std::filesystem::current_path())
    {
        std::filesystem::current_path(dir.Path());
        program = std::make_unique<Program>(rec.services);
        program->ShowMainWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
    ~MainWindowTest() override
    {
        program.reset();
        std::filesystem::current_path(savedDir_);
    }

    TForm1& form() { return program->Form1(); }
    Ui::TForm1& ui() { return program->Form1().Form(); }
    bitloom::ViewState& state() { return program->Form1().State(); }

    // Opens path through "Выбрать файл с fullFlash" with the dialog answering path.
    void OpenDump(const std::filesystem::path& path)
    {
        rec.fileAnswers.push_back(bitloom::ToQString(path));
        ui().MenuItem2->trigger();
    }

    void SetSizes(const QString& width, const QString& pictureWidth, const QString& height)
    {
        ui().Edit1->setText(width);
        ui().Edit3->setText(pictureWidth);
        ui().Edit2->setText(height);
    }

    QRgb PreviewPixel(int x, int y) { return ui().PaintBox1->Picture().pixel(x, y); }

    TempDir dir;
    RecordingServices rec;
    std::unique_ptr<Program> program;

private:
    std::filesystem::path savedDir_;
};
