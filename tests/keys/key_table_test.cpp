// Key slots, their factory keys and the names of assignable keys.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "key_names.h"
#include "key_slots.h"

using namespace kelvo;

namespace {

TEST(KeySlots, IniNamesAndFactoryKeysInSlotOrder) {
  struct Slot {
    const char* iniName;
    int defaultCode;
    const char* defaultName;
  };
  const Slot slots[kKeySlotCount] = {
      {"Per", 80, "[ P ]"},      {"CE", 46, "[ Del ]"},      {"MC", 37, "[ ← ]"},       {"MR", 77, "[ M ]"},
      {"MP", 38, "[ ↑ ]"},       {"MM", 40, "[ ↓ ]"},        {"C", 39, "[ → ]"},        {"C2", 69, "[ E ]"},
      {"Route", 82, "[ R ]"},    {"Kenzan", 36, "[Home]"},   {"Zeikomi", 33, "[PgUp]"}, {"Zeinuki", 34, "[PgDn]"},
      {"BackS", 8, "[ BS ]"},    {"PM", 45, "[ Ins ]"},      {"GT", 71, "[ G ]"},       {"CA", 35, "[ End ]"},
      {"Plus", 187, "[ ; ]"},    {"Minus", 189, "[ = ]"},    {"Kakeru", 186, "[ : ]"},  {"Waru", 191, "[ ? ]"},
      {"Canma", 190, "[ > ]"},   {"KBH", 220, "[ \\ ]"},     {"KPN", 219, "[ { ]"},     {"KKP", 192, "[ @ ]"},
      {"BTN", 221, "[ } ]"},     {"Sushiki", 226, "[ _ ]"},  {"1", 49, "[ 1 ]"},        {"2", 50, "[ 2 ]"},
      {"3", 51, "[ 3 ]"},        {"4", 52, "[ 4 ]"},         {"5", 53, "[ 5 ]"},        {"6", 54, "[ 6 ]"},
      {"7", 55, "[ 7 ]"},        {"8", 56, "[ 8 ]"},         {"9", 57, "[ 9 ]"},        {"0", 48, "[ 0 ]"},
      {"00", 0, ""},
  };
  for (int slot = 1; slot <= kKeySlotCount; ++slot) {
    const Slot& expected = slots[slot - 1];
    EXPECT_EQ(KeySlotIniName(slot), expected.iniName) << slot;
    EXPECT_EQ(KeySlotDefault(slot), expected.defaultCode) << slot;
    EXPECT_EQ(KeyDisplayName(KeySlotDefault(slot)), expected.defaultName) << slot;
  }
  for (int slot : {0, -1, 38, 1000}) {
    EXPECT_EQ(KeySlotIniName(slot), "") << slot;
    EXPECT_EQ(KeySlotDefault(slot), 0) << slot;
  }
}

// The key settings dialog tells every assignable key apart by its name: seventy keys, seventy
// bracketed names, none shared.
TEST(KeyNames, SeventyKeysEachWithANameOfItsOwn) {
  std::map<std::string, int> owners;
  for (int code = -1000; code <= 1000; ++code) {
    const std::string name = KeyDisplayName(code);
    if (name.empty()) continue;
    EXPECT_TRUE(name.size() >= 5 && name.front() == '[' && name.back() == ']') << code << ": " << name;
    const auto [owner, fresh] = owners.emplace(name, code);
    EXPECT_TRUE(fresh) << name << " names both " << owner->second << " and " << code;
  }
  EXPECT_EQ(owners.size(), 70u);
}

TEST(KeyNames, NamesOfKeysAndOfKeysThatCannotBeAssigned) {
  const std::pair<int, const char*> cases[] = {
      {65, "[ A ]"},  {90, "[ Z ]"},     {67, ""},         {48, "[ 0 ]"},    {57, "[ 9 ]"},  {112, "[ F1 ]"},
      {122, "[ F11 ]"}, {123, ""},       {8, "[ BS ]"},    {32, "[ SPC ]"},  {46, "[ Del ]"}, {188, "[ < ]"},
      {222, "[ ＾ ]"}, {220, "[ \\ ]"},  {226, "[ _ ]"},   {0, ""},          {13, ""},       {16, ""},
      {17, ""},       {27, ""},          {96, ""},         {106, ""},        {193, ""},      {223, ""},
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(KeyDisplayName(code), name) << code;
}

}  // namespace
