// Loading the key assignment from the settings file, and finding the slot of a key.
#include <gtest/gtest.h>

#include "ini_file.h"
#include "key_assignment.h"
#include "program_folder.h"

using namespace kelvo;

namespace {

class KeyAssignmentTest : public ::testing::Test {
 protected:
  test::ProgramFolder folder;
};

TEST_F(KeyAssignmentTest, WithoutKeySetTheFactoryKeysAreLoadedAndWrittenBack) {
  test::WriteFileBytes(folder.MainSettings(), "[Value]\r\nRoundSelecter=2\r\n");
  ASSERT_TRUE(LoadKeyAssignment());
  for (int slot = 1; slot <= kKeySlotCount; ++slot) EXPECT_EQ(KeyAssignment[slot], KeySlotDefault(slot)) << slot;

  std::string keySet = "[KeySet]\r\n";
  for (int slot = 1; slot <= kKeySlotCount; ++slot)
    keySet += KeySlotIniName(slot) + "=" + std::to_string(KeySlotDefault(slot)) + "\r\n";
  EXPECT_EQ(test::ReadFileBytes(folder.MainSettings()), "[Value]\r\nRoundSelecter=2\r\n\r\n" + keySet + "\r\n");
  EXPECT_NE(keySet.find("\r\n00=0\r\n"), std::string::npos);
}

TEST_F(KeyAssignmentTest, StoredValuesAreTakenAsTheyAreAndNegativeOnesReplaced) {
  test::WriteFileBytes(folder.MainSettings(),
                       "[KeySet]\r\nPer=-1\r\nCE=67\r\nMC=999\r\nMR=0x41\r\nMP=abc\r\n00=0\r\nC2=-5\r\n");
  ASSERT_TRUE(LoadKeyAssignment());
  EXPECT_EQ(KeyAssignment[1], 80);   // -1 counts as missing
  EXPECT_EQ(KeyAssignment[2], 67);   // the C key: loaded, though it has no name
  EXPECT_EQ(KeyAssignment[3], 999);
  EXPECT_EQ(KeyAssignment[4], 65);
  EXPECT_EQ(KeyAssignment[5], 38);   // unreadable: the default
  EXPECT_EQ(KeyAssignment[37], 0);   // the double zero stays without a key
  EXPECT_EQ(KeyAssignment[8], 69);
  const IniFile file(folder.MainSettings());
  EXPECT_EQ(file.Read("KeySet", "Per"), "80");
  EXPECT_EQ(file.Read("KeySet", "C2"), "69");
  EXPECT_EQ(file.Read("KeySet", "MP"), "38");
  EXPECT_EQ(file.Read("KeySet", "CE"), "67");
}

TEST_F(KeyAssignmentTest, ACompleteKeySetIsNotRewritten) {
  ASSERT_TRUE(LoadKeyAssignment());
  // Comments vanish at any flush; so one that survives shows that no flush happened.
  const std::string text = "; mine\r\n" + test::ReadFileBytes(folder.MainSettings());
  test::WriteFileBytes(folder.MainSettings(), text);
  ASSERT_TRUE(LoadKeyAssignment());
  EXPECT_EQ(test::ReadFileBytes(folder.MainSettings()), text);
}

TEST_F(KeyAssignmentTest, LoadingReportsAWriteBackThatFailed) {
  SetProgramFolder(folder.Path("missing"));
  const FlushResult result = LoadKeyAssignment();
  EXPECT_FALSE(result);
  EXPECT_EQ(KeyAssignment[1], 80);  // the factory keys are in place all the same
}

TEST_F(KeyAssignmentTest, TheLowestSlotWinsAndZeroNeverMatches) {
  test::WriteFileBytes(folder.MainSettings(), "[KeySet]\r\nMR=80\r\nGT=0\r\n");  // P in slots 1 and 4
  ASSERT_TRUE(LoadKeyAssignment());
  const std::pair<int, int> cases[] = {{80, 1}, {77, -1}, {0, -1}, {46, 2}, {48, 36}, {226, 26}, {123, -1}};
  for (const auto& [code, slot] : cases) EXPECT_EQ(FindKeySlot(code), slot) << code;
}

}  // namespace
