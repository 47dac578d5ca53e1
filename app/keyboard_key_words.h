#pragma once

#include <QString>

#include "key_routing.h"

namespace kelvo {
struct KeyboardLayout;
}

namespace key_routing {

// The keyboard keys that press calculator key `keyCode` in the main window under `layout` (null:
// a Japanese one), in words, joined by "、": first, away from a Japanese layout, the character
// whose typing presses it ("+", "="), then the assigned keys as the key settings dialog names them
// under that layout, without brackets ("PgUp", ";"), then the fixed ones ("テンキー7", "Enter").
// Found by routing every key, so it always says what the routing does; empty when no key presses it.
QString KeyboardKeysFor(int keyCode, const Slots& table, const kelvo::KeyboardLayout* layout);

}  // namespace key_routing
