#pragma once

class QKeyEvent;
class QWidget;

namespace bitloom {

// Centres a window on the primary screen, frame included.
void CentreOnScreen(QWidget& window);

// The keys of a dialog that is left through its own buttons only: Escape does
// nothing, and Enter presses only a button that has the focus. True when the
// key was one of the two and has been dealt with.
bool HandleButtonsOnlyKey(QWidget& dialog, QKeyEvent& event);

} // namespace bitloom
