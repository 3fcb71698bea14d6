#include "app/Program.h"
#include "platform/DesktopServices.h"
#include "viewer/uMainGlyphs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bitloom"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ProgramIcon());

    bitloom::MessageBoxErrorReporter errors;
    bitloom::QtFileDialogs dialogs;
    bitloom::DesktopUrlLauncher launcher;
    bitloom::MessageBoxConfirmer confirmer;
    bitloom::Services services{errors, dialogs, launcher, confirmer};

    Program program(services);
    program.ShowMainWindow();
    return QApplication::exec();
}
