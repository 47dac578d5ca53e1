#pragma once

#include <string>

namespace kelvo {

// The name the key settings dialog shows for a virtual-key code ("[ A ]", "[PgUp]", "[ : ]"), or
// the empty text for a key that cannot be assigned: the C key (it copies the display), F12,
// Enter, the keypad, Escape, the modifiers and every code outside the 70 named keys.
std::string KeyDisplayName(int code);

struct KeyboardLayout;

// The name of the key in `slot` as the active layout prints it: on a layout other than Japanese a
// punctuation code is named by the character on the key that carries it ("[ = ]" for 187 on a US
// keyboard), and an operator slot still holding its factory code by the character that works it
// there ("[ + ]"). A null layout stands for a Japanese one: KeyDisplayName.
std::string KeySlotFieldName(int slot, int code, const KeyboardLayout* layout);

}  // namespace kelvo
