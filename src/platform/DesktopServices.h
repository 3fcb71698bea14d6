#pragma once

#include "platform/Services.h"

namespace bitloom {

// The real desktop behind the seams of Services.

class MessageBoxErrorReporter final : public ErrorReporter {
public:
    void ShowError(const QString& text) override;
};

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> OpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> SaveFileName(QWidget* parent, const FileDialogRequest& request) override;
};

class DesktopUrlLauncher final : public UrlLauncher {
public:
    void Open(const QString& address) override;
};

class MessageBoxConfirmer final : public Confirmer {
public:
    bool Confirm(const QString& text) override;
};

} // namespace bitloom
