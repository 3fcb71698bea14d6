// Runs the clipboard tests inside one QApplication on the xcb platform.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bitloom"));
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "SKIPPED: these tests need an X server and QT_QPA_PLATFORM=xcb; run them through run.sh\n");
        return 77;
    }
    return RUN_ALL_TESTS();
}
