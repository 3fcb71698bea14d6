#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace bitloom {

// What the windows ask of the desktop and what tests replace: the error box,
// the file dialogs, the shell's "open" and the confirmation box. The
// application owns one set and hands it to every window.

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Shows text, already ended by its full stop, in the standard error box.
    virtual void ShowError(const QString& text) = 0;
};

struct FileDialogRequest {
    QString caption;
    QString folder;
    QString filter;
    QString defaultSuffix;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> OpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
};

class UrlLauncher {
public:
    virtual ~UrlLauncher() = default;
    virtual void Open(const QString& address) = 0;
};

class Confirmer {
public:
    virtual ~Confirmer() = default;
    // Asks text in the confirmation box (question icon, Yes and No); true for Yes.
    virtual bool Confirm(const QString& text) = 0;
};

struct Services {
    ErrorReporter& errors;
    FileDialogs& dialogs;
    UrlLauncher& launcher;
    Confirmer& confirmer;
};

// Runs one command; an error that ends it is shown in the standard error box
// and never crosses the event loop.
void RunCommand(ErrorReporter& errors, const std::function<void()>& command);

} // namespace bitloom
