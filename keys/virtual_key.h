#pragma once

class QKeyEvent;

namespace kelvo {

// The Windows virtual-key code of a key event, the number the key table and the settings file
// keep; 0 for a key without one. Letters follow the layout (as they do on Windows); the top-row
// digits and the punctuation keys go by where the key sits, read as on the Japanese keyboard
// whose keys the key names describe, so a key keeps its code whatever the layout and whether
// Shift is held. The keypad keys are told apart from the others by Qt::KeypadModifier.
int VirtualKeyCode(const QKeyEvent& event);

}  // namespace kelvo
