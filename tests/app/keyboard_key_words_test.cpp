// The keyboard keys a calculator key's description and tool tip name: what the routing does.
#include <gtest/gtest.h>

#include "key_slots.h"
#include "keyboard_key_words.h"
#include "keycodes.h"
#include "vk_codes.h"

namespace {

key_routing::Slots Factory() {
  key_routing::Slots table{};
  for (int slot = 1; slot <= kelvo::kKeySlotCount; ++slot) table[static_cast<size_t>(slot)] = kelvo::KeySlotDefault(slot);
  return table;
}

TEST(KeyboardKeyWordsTest, NamesAssignedKeysThenFixedOnes) {
  auto table = Factory();
  const struct {
    int keyCode;
    const char* words;
  } rows[] = {
      {kelvo::kKeyZeikomi, "PgUp"},
      {kelvo::kKeyEquals, "Enter"},
      {kelvo::kKeyDigit0 + 7, "7、テンキー7"},
      {kelvo::kKeyPlus, "テンキー+"},
      {kelvo::kKeyDoubleZero, ""},
  };
  for (const auto& row : rows)
    EXPECT_TRUE(key_routing::KeyboardKeysFor(row.keyCode, table).contains(QString::fromUtf8(row.words)))
        << row.keyCode << ": " << key_routing::KeyboardKeysFor(row.keyCode, table).toStdString();
  EXPECT_EQ(key_routing::KeyboardKeysFor(kelvo::kKeyDoubleZero, table), "");
  // Slot 37 (00) on Q: named; C copies and never presses, so it names no key even when assigned.
  table[37] = kelvo::vk::kA + ('Q' - 'A');
  table[21] = kelvo::vk::kC;
  EXPECT_EQ(key_routing::KeyboardKeysFor(kelvo::kKeyDoubleZero, table), "Q");
  EXPECT_FALSE(key_routing::KeyboardKeysFor(kelvo::kKeyPoint, table).contains("C"));
}

}  // namespace
