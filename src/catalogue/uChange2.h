#pragma once

#include <QDialog>

#include <filesystem>

class TfChange2 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfChange2)

public:
    explicit TfChange2(QWidget* parent = nullptr);

    // The catalogue folder the editor works on.
    const std::filesystem::path& FolderPath() const { return folderPath_; }
    void SetFolderPath(const std::filesystem::path& folder) { folderPath_ = folder; }

private:
    std::filesystem::path folderPath_;
};
