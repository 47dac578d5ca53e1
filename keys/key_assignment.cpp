#include "key_assignment.h"

#include "settings_file.h"
#include "shell_paths.h"

namespace kelvo {

KeyTable KeyAssignment{};

int FindKeySlot(const KeyTable& table, int code) {
  if (code == 0) return -1;
  for (int slot = 1; slot <= kKeySlotCount; ++slot)
    if (table[slot] == code) return slot;
  return -1;
}

FlushResult LoadKeyAssignment() {
  KeyAssignment.fill(0);
  IniFile file(CurrentSettingsPath());
  bool wroteBack = false;
  for (int slot = 1; slot <= kKeySlotCount; ++slot) {
    std::int32_t code = file.ReadInteger(ini::kKeySet, KeySlotIniName(slot), -1);
    if (code < 0) {
      code = KeySlotDefault(slot);
      file.WriteInteger(ini::kKeySet, KeySlotIniName(slot), code);
      wroteBack = true;
    }
    KeyAssignment[slot] = code;
  }
  return wroteBack ? file.Flush() : FlushResult{};
}

}  // namespace kelvo
