#include "info/PanelStatusBar.h"

#include <QLabel>

PanelStatusBar::PanelStatusBar(int panelCount, QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int i = 0; i < panelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        addWidget(panel, 1);
        panels_.push_back(panel);
    }
}

QString PanelStatusBar::PanelText(int index) const
{
    if (index < 0 || index >= PanelCount())
        return {};
    return panels_[static_cast<std::size_t>(index)]->text();
}

void PanelStatusBar::SetPanelText(int index, const QString& text)
{
    if (index < 0 || index >= PanelCount())
        return;
    panels_[static_cast<std::size_t>(index)]->setText(text);
}
