#pragma once

#include <QDialog>

class TForm3 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    explicit TForm3(QWidget* parent = nullptr);
};
