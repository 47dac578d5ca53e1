#pragma once

#include <string>

namespace kelvo {

// The name the key settings dialog shows for a virtual-key code ("[ A ]", "[PgUp]", "[ : ]"), or
// the empty text for a key that cannot be assigned: the C key (it copies the display), F12,
// Enter, the keypad, Escape, the modifiers and every code outside the 70 named keys.
std::string KeyDisplayName(int code);

}  // namespace kelvo
