#pragma once

#include "key_assignment.h"

// What a keyboard key does in the main window: a few fixed keys, then the user's key slots.
namespace key_routing {

struct KeyDown {
  enum Kind {
    None,              // not ours: the key goes on (F10 is swallowed by the caller)
    Press,             // hand `code` to the engine
    Copy,              // copy the display to the clipboard
    CloseTopWindow,    // F12
    ToggleKeySettings, // kSlotKeySettings
    ToggleMiniSize,    // kSlotMiniSize
    ToggleBigPanel,    // kSlotBigPanel
    ToggleButtons,     // kSlotButtons
    ToggleFormula,     // kSlotFormula
  } kind = None;
  int code = 0;
};

using Slots = decltype(kelvo::KeyAssignment);  // slot 1..37, index 0 unused

// A key went down. With Shift held the fixed keys are skipped and every key goes through the
// slots; the button display slot counts as no match while the mini size is on.
KeyDown RouteKeyDown(int virtualKey, bool shift, bool miniSize, const Slots& keySlots);

// A key came up: the calculator key code to draw released, or 0.
int RouteKeyUp(int virtualKey, bool shift, const Slots& keySlots);

}  // namespace key_routing
