#include "info/BrowserProgram.h"

#include "platform/DefaultBrowser.h"

#include <QProcess>
#include <QString>

namespace bitloom {

std::optional<std::string> DesktopBrowserProgram::RegisteredCommand()
{
    return DefaultBrowserCommand();
}

void DesktopBrowserProgram::Start(const std::string& commandLine)
{
    QStringList arguments = QProcess::splitCommand(QString::fromStdString(commandLine));
    if (arguments.isEmpty())
        return;
    const QString program = arguments.takeFirst();
    QProcess::startDetached(program, arguments);
}

} // namespace bitloom
