#pragma once

#include <QDialog>

class TfHelp final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfHelp)

public:
    explicit TfHelp(QWidget* parent = nullptr);
};
