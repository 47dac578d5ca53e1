#pragma once

#include <QString>

#include "key_routing.h"

namespace key_routing {

// The keyboard keys that press calculator key `keyCode` in the main window, in words, joined by
// "、": the assigned keys as the key settings dialog names them without brackets ("PgUp"), then
// the fixed ones ("テンキー7", "Enter"). Found by routing every key, so it always says what the
// routing does; empty when no key presses it.
QString KeyboardKeysFor(int keyCode, const Slots& table);

}  // namespace key_routing
