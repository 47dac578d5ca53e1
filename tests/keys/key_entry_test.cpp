// The rules for a key typed into a field of the key settings dialog, on the factory assignment.
#include <gtest/gtest.h>

#include "key_entry.h"
#include "vk_codes.h"

using namespace kelvo;

namespace {

constexpr int kPer = 1, kMR = 4, kKBH = 22, k00 = 37;

KeyTable FactoryTable() {
  KeyTable table{};
  for (int slot = 1; slot <= kKeySlotCount; ++slot) table[slot] = KeySlotDefault(slot);
  return table;
}

TEST(KeyEntry, RulesApplyInOrder) {
  const std::string shiftMessage = "※[Shift]は登録出来ないキーです。";
  const std::string systemMessage = "※システムで使用する登録出来ないキーです。\n (テンキー及びキーボード最左・最下段等)";
  struct Row {
    const char* what;
    int slot, vk;
    bool shift, locked;
    std::string message;
    std::optional<std::uint32_t> colour;
    int cleared;
    bool store;
    int code;
  };
  const Row rows[] = {
      {"locked", kMR, 'Z', false, true, "", {}, 0, false, 0},
      {"Shift itself", kMR, vk::kShift, true, false, shiftMessage, {}, 0, false, 0},
      {"Shift held", kMR, 'A', true, false, shiftMessage, {}, 0, false, 0},
      {"keypad 5", kMR, vk::kNumpad0 + 5, false, false, systemMessage, kMessageRed, 0, false, 0},
      {"Enter", kMR, vk::kReturn, false, false, systemMessage, kMessageRed, 0, false, 0},
      {"Escape", kMR, vk::kEscape, false, false, systemMessage, kMessageRed, 0, false, 0},
      {"C", kMR, 'C', false, false, systemMessage, kMessageRed, 0, false, 0},
      {"Ctrl", kMR, vk::kControl, false, false, systemMessage, kMessageRed, 0, false, 0},
      {"F12", kMR, vk::kF12, false, false, systemMessage, kMessageRed, 0, false, 0},
      {"the slot's own key", kPer, 'P', false, false, "", {}, 0, false, 0},
      {"a free key", kPer, 'Z', false, false, "変更しました。Per", kMessageWhite, 0, true, 'Z'},
      {"a key of another slot", kMR, 'P', false, false, "Perの設定と重複しているので,Perの設定を空にしました。",
       kMessageYellow, kPer, true, 'P'},
      {"a command slot's key", kPer, vk::kBackslashBar, false, false, "KBHの設定と重複しているので,KBHの設定を空にしました。",
       kMessageYellow, kKBH, true, vk::kBackslashBar},
      {"Space empties", kPer, vk::kSpace, false, false, "変更しました。Per", kMessageWhite, 0, true, 0},
      {"Space in an empty slot", k00, vk::kSpace, false, false, "変更しました。00", kMessageWhite, 0, true, 0},
  };
  const KeyTable table = FactoryTable();
  for (const Row& row : rows) {
    const KeyEntry entry = DecideKeyEntry(row.slot, row.vk, row.shift, row.locked, table);
    EXPECT_EQ(entry.message, row.message) << row.what;
    EXPECT_EQ(entry.colour, row.colour) << row.what;
    EXPECT_EQ(entry.clearedSlot, row.cleared) << row.what;
    EXPECT_EQ(entry.store, row.store) << row.what;
    EXPECT_EQ(entry.code, row.code) << row.what;
  }
}

}  // namespace
