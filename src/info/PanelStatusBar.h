#pragma once

#include <QStatusBar>

#include <vector>

class QLabel;

// A status bar divided into numbered text panels, the kind the link label
// writes its status text into.
class PanelStatusBar final : public QStatusBar {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PanelStatusBar)

public:
    explicit PanelStatusBar(int panelCount, QWidget* parent = nullptr);

    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // A number outside the panels reads as empty text and takes no text.
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);

private:
    std::vector<QLabel*> panels_;
};
