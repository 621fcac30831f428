#pragma once

class QAbstractButton;
class QWidget;

namespace velkor {

// The keyboard as the older desktop had it, for a window built of plain widgets: Tab leaves a text box
// (Ctrl+Tab types a tab there), Return or Enter presses the focused button, Escape closes the window (or,
// in a box, answers No or Cancel). Call once its controls are built.
void useKeyboard(QWidget* window);

// Ctrl+S presses the window's save button, when it can be pressed.
void saveOnCtrlS(QWidget* window, QAbstractButton* saveButton);

} // namespace velkor
