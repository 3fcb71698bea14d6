#pragma once

#include <QDialog>

class TForm5 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    explicit TForm5(QWidget* parent = nullptr);

    // Loads FFscan.ini into the dialog and into the scan settings.
    void FormActivate();
};
