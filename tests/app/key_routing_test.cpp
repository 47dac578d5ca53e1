// Keyboard keys in the main window: fixed keys first, then the user's slots in their order.
#include <gtest/gtest.h>

#include "key_routing.h"
#include "key_slots.h"

using key_routing::KeyDown;

namespace {

key_routing::Slots Factory() {
  key_routing::Slots slots{};
  for (int slot = 1; slot <= 37; ++slot) slots[static_cast<size_t>(slot)] = kelvo::KeySlotDefault(slot);
  return slots;
}

TEST(KeyRouting, KeyDownWithTheFactoryAssignment) {
  struct Row {
    const char* what;
    int vk;
    bool shift, mini;
    KeyDown::Kind kind;
    int code;
  };
  const Row rows[] = {
      {"keypad 5", 101, false, false, KeyDown::Press, 105},
      {"keypad 0", 96, false, false, KeyDown::Press, 100},
      {"Enter", 13, false, false, KeyDown::Press, 99},
      {"keypad *", 106, false, false, KeyDown::Press, 19},
      {"keypad +", 107, false, false, KeyDown::Press, 17},
      {"keypad -", 109, false, false, KeyDown::Press, 18},
      {"keypad .", 110, false, false, KeyDown::Press, 21},
      {"keypad /", 111, false, false, KeyDown::Press, 20},
      {"C copies", 67, false, false, KeyDown::Copy, 0},
      {"Shift + C goes to the slots and finds none", 67, true, false, KeyDown::None, 0},
      {"Shift + Enter does nothing", 13, true, false, KeyDown::None, 0},
      {"Shift + keypad 5 has no slot", 101, true, false, KeyDown::None, 0},
      {"F12 with Shift still closes", 123, true, false, KeyDown::CloseTopWindow, 0},
      {"E is the second C key", 69, false, false, KeyDown::Press, 7},
      {"Right is C", 39, false, false, KeyDown::Press, 7},
      {"P is percent", 80, false, false, KeyDown::Press, 1},
      {"Shift + P acts like P", 80, true, false, KeyDown::Press, 1},
      {"top-row 7", 55, false, false, KeyDown::Press, 107},
      {"top-row 0", 48, false, false, KeyDown::Press, 100},
      {"; is plus", 187, false, false, KeyDown::Press, 17},
      {"Home is the check tape", 36, false, false, KeyDown::Press, 10},
      {"\\ toggles key settings", 220, false, false, KeyDown::ToggleKeySettings, 0},
      {"{ toggles mini size", 219, false, false, KeyDown::ToggleMiniSize, 0},
      {"@ toggles the enlarged panel", 192, false, false, KeyDown::ToggleBigPanel, 0},
      {"} toggles the buttons", 221, false, false, KeyDown::ToggleButtons, 0},
      {"} does nothing in mini size", 221, false, true, KeyDown::None, 0},
      {"_ toggles the formula window", 226, false, false, KeyDown::ToggleFormula, 0},
      {"F10 is nobody's", 121, false, false, KeyDown::None, 0},
      {"an unknown key (0)", 0, false, false, KeyDown::None, 0},
  };
  const auto slots = Factory();
  for (const Row& row : rows) {
    const KeyDown action = key_routing::RouteKeyDown(row.vk, row.shift, row.mini, slots);
    EXPECT_EQ(action.kind, row.kind) << row.what;
    EXPECT_EQ(action.code, row.code) << row.what;
  }
}

TEST(KeyRouting, LowerSlotWinsOnKeyDownAndUpOrderPutsMemoryKeysLate) {
  auto slots = Factory();
  slots[5] = 90;   // M+ on Z
  slots[17] = 90;  // + on Z as well (a hand-edited file)
  EXPECT_EQ(key_routing::RouteKeyDown(90, false, false, slots).code, 5);
  EXPECT_EQ(key_routing::RouteKeyUp(90, false, slots), 17);
  slots[37] = 0;  // no key for 00: a code of 0 never matches
  EXPECT_EQ(key_routing::RouteKeyDown(0, false, false, slots).kind, KeyDown::None);
}

TEST(KeyRouting, KeyUpReleasesWhatKeyDownPressed) {
  const auto slots = Factory();
  const std::pair<int, int> rows[] = {{101, 105}, {13, 99}, {106, 19}, {110, 21}, {69, 7}, {38, 5},
                                      {40, 6},    {55, 107}, {48, 100}, {67, 0},   {220, 0}};
  for (const auto& [vk, code] : rows) EXPECT_EQ(key_routing::RouteKeyUp(vk, false, slots), code) << vk;
  EXPECT_EQ(key_routing::RouteKeyUp(13, true, slots), 0);
}

}  // namespace
