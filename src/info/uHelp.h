#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfHelp;
}

// The help note.
class TfHelp final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfHelp)

public:
    explicit TfHelp(QWidget* parent = nullptr);
    ~TfHelp() override;

    Ui::TfHelp& Form() { return *ui; }

private:
    std::unique_ptr<Ui::TfHelp> ui;
};
