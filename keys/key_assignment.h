#pragma once

#include <array>
#include <cstdint>

#include "ini_file.h"
#include "key_slots.h"

namespace kelvo {

// For each slot 1..37 the virtual-key code of its keyboard key, 0 for none (index 0 is unused).
using KeyTable = std::array<std::int32_t, kKeySlotCount + 1>;

// The key assignment. One table for the whole program: the main window's key routing and the
// key settings dialog read and change it in place.
extern KeyTable KeyAssignment;

// The lowest slot holding this code (a code of 0 never matches), or -1.
int FindKeySlot(const KeyTable& table, int code);
inline int FindKeySlot(int code) { return FindKeySlot(KeyAssignment, code); }

// Fills the table from section KeySet of the current settings file. A missing or negative value
// takes the slot's factory key, which is written back; other values are taken as they are. The
// file is flushed only when something was written back; the result tells whether that worked.
FlushResult LoadKeyAssignment();

}  // namespace kelvo
