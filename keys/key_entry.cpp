#include "key_entry.h"

#include "key_names.h"
#include "vk_codes.h"

namespace kelvo {

KeyEntry DecideKeyEntry(int slot, int vk, bool shift, bool locked, const KeyTable& table) {
  KeyEntry entry;
  if (locked) return entry;
  if (vk == vk::kShift || shift) {
    entry.message = "※[Shift]は登録出来ないキーです。";
    return entry;
  }
  if (KeyDisplayName(vk).empty()) {
    entry.message = "※システムで使用する登録出来ないキーです。\n (テンキー及びキーボード最左・最下段等)";
    entry.colour = kMessageRed;
    return entry;
  }
  if (table[slot] == vk) return entry;

  const int other = FindKeySlot(table, vk);
  if (other > 0) {
    const std::string name = KeySlotIniName(other);
    entry.clearedSlot = other;
    entry.namedSlot = other;
    entry.message = name + "の設定と重複しているので," + name + "の設定を空にしました。";
    entry.colour = kMessageYellow;
  } else {
    entry.message = "変更しました。" + KeySlotIniName(slot);
    entry.namedSlot = slot;
    entry.colour = kMessageWhite;
  }
  entry.store = true;
  entry.code = vk == vk::kSpace ? 0 : vk;  // Space empties the slot; it is never stored
  return entry;
}

}  // namespace kelvo
