#pragma once

class QString;
class QTextEdit;
class QWidget;

// What the information windows have in common.

// The designer's 8-point "MS Sans Serif" where it exists, else the nearest
// sans of the same widths, so that the captions fit their fixed places.
void UseDesignFont(QWidget& window);

// Fills a window's text box with its text, kept among the program's
// resources, on the orange of the picture margin.
void ShowInfoText(QTextEdit& box, const QString& resource);
