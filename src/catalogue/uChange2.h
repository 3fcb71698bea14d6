#pragma once

#include <QDialog>

class TfChange2 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfChange2)

public:
    explicit TfChange2(QWidget* parent = nullptr);
};
