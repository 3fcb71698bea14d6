#include "platform/DesktopServices.h"
#include "platform/Error.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace bitloom {

void RunCommand(ErrorReporter& errors, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        errors.ShowError(QString::fromStdString(WithFullStop(e.what())));
    }
}

void MessageBoxErrorReporter::ShowError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.caption, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    // Open accepts a name that does not exist, so that Open itself says
    // "File not found"; Save replaces a file without asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    // The system dialogs leave the process in the chosen file's folder; the
    // program's start folder is kept apart for exactly that reason.
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return chosen;
}

} // namespace

std::optional<QString> QtFileDialogs::OpenFileName(QWidget* parent, const FileDialogRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogs::SaveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

void DesktopUrlLauncher::Open(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

bool MessageBoxConfirmer::Confirm(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace bitloom
