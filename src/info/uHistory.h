#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm3;
}

// The change history, newest version first.
class TForm3 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    Ui::TForm3& Form() { return *ui; }

private:
    std::unique_ptr<Ui::TForm3> ui;
};
