#pragma once

#include <QDialog>

class TForm4 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    explicit TForm4(QWidget* parent = nullptr);
};
