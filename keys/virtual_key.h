#pragma once

class QKeyEvent;

namespace kelvo {

struct KeyboardLayout;

// The Windows virtual-key code of a key event, the number the key table and the settings file
// keep; 0 for a key without one. Letters follow the layout; the top-row digits keep their digit
// with Shift; the punctuation keys carry the codes of the active layout (see KeyboardLayout), so
// a key keeps its code whether Shift is held or not. The keypad keys are told apart from the
// others by Qt::KeypadModifier.
int VirtualKeyCode(const QKeyEvent& event);

// The same under a given layout; null stands for a Japanese one.
int VirtualKeyCode(const QKeyEvent& event, const KeyboardLayout* layout);

}  // namespace kelvo
