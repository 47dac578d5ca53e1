// Comma lists and the skin catalogue.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "comma_text.h"
#include "skin_catalogue.h"

namespace kelvo {
namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
  std::string line;
  Fields fields;
};

class CommaTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CommaTextTest, SplitsLikeACommaList) { EXPECT_EQ(SplitCommaText(GetParam().line), GetParam().fields); }

INSTANTIATE_TEST_SUITE_P(
    Lines, CommaTextTest,
    ::testing::Values(SplitCase{"a,b,c", {"a", "b", "c"}},
                      SplitCase{"", {}},
                      SplitCase{"   ", {}},
                      SplitCase{"\"a,b\",c", {"a,b", "c"}},
                      SplitCase{"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
                      SplitCase{"a b,c", {"a", "b", "c"}},          // a blank ends an unquoted field
                      SplitCase{"  a,\t b", {"a", "b"}},            // blanks before a field are skipped
                      SplitCase{"a,", {"a", ""}},                   // a trailing comma adds an empty field
                      SplitCase{"a, ", {"a"}},                      // but not when blanks follow it
                      SplitCase{"a,,b", {"a", "", "b"}},
                      SplitCase{",a", {"", "a"}},
                      SplitCase{"\"\",x", {"", "x"}},
                      SplitCase{"\"open", {"open"}},                // an unclosed quote runs to the end
                      SplitCase{"a\"b,c", {"a\"b", "c"}},           // a quote inside a field is a character
                      SplitCase{"\"a\"b", {"a", "b"}},
                      SplitCase{"\"a b\" , c", {"a b", "c"}},
                      SplitCase{std::string("a,b\0c,d", 7), {"a", "b"}},  // NUL ends the text
                      SplitCase{"税込,\"セット\",HOZ_ユーザー", {"税込", "セット", "HOZ_ユーザー"}}));

TEST(CommaText, SplitLinesEndsLinesAtCrLfOrBoth) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb\r\n\r\n"), (Lines{"a", "", "b", ""}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\n\r"), (Lines{"", ""}));
}

QByteArray Catalogue(const QStringList& lines) { return lines.join("\r\n").toUtf8() + "\r\n"; }

TEST(SkinCatalogue, ReadsTheBaseUrlAndTheSkinLinesFromTheFourthOn) {
  const SkinCatalogue c = ParseSkinCatalogue(Catalogue({
      "T7,list,2024,skins,[URL],http://127.0.0.1:8080/skins/",
      "0,x,header,line,two,SET_NotASkin",
      "0,x,header,line,three,SET_NorThis",
      "0,1,オフィス,Kelvo,Night,SET_0001",
      "3, 1 , \"Soft keys\",Pastel,Round,BTN_0002",
      "9,1,odd,Cat,Nine,DGM_9",  // a category no tab shows
  }));
  EXPECT_TRUE(c.hasBaseUrl);
  EXPECT_EQ(c.baseUrl, "http://127.0.0.1:8080/skins/");
  ASSERT_EQ(c.skins.size(), 3u);
  const CatalogueSkin& night = c.skins[0];
  EXPECT_EQ(night.line, 3);
  EXPECT_EQ(night.category, 0);
  EXPECT_EQ(night.InternetListText(), "オフィス Kelvo:Night");
  EXPECT_EQ(night.LocalFolderName(), "SET_Kelvo_Night");
  EXPECT_EQ(night.LocalListText(), "Kelvo:Night");
  EXPECT_EQ(c.skins[1].line, 4);
  EXPECT_EQ(c.skins[1].category, 3);
  EXPECT_EQ(c.skins[1].listText, "Soft keys");
  EXPECT_EQ(c.skins[1].LocalFolderName(), "BTN_Pastel_Round");
  ASSERT_EQ(c.InCategory(3).size(), 1u);
  EXPECT_EQ(c.InCategory(3)[0].id, "BTN_0002");
  EXPECT_TRUE(c.InCategory(6).empty());
}

TEST(SkinCatalogue, WithoutUrlOnTheFirstLineTheBaseStaysEmpty) {
  const SkinCatalogue c = ParseSkinCatalogue(Catalogue({"a,b,c,d,URL,http://x/", "", "", "1,,a,b,c,PNL_1"}));
  EXPECT_FALSE(c.hasBaseUrl);
  EXPECT_TRUE(c.baseUrl.isEmpty());
  EXPECT_EQ(c.skins.size(), 1u);
}

TEST(SkinCatalogue, LinesThatCouldLeaveTheSkinFoldersOrLackFieldsAreIgnored) {
  const SkinCatalogue c = ParseSkinCatalogue(Catalogue({
      "h,,,,[URL],http://h/", "", "",
      "0,1,short,line,SET_1",                 // five fields
      "0,1,t,../..,x,SET_2",                  // name climbs out
      "0,1,t,a,b/c,SET_3",                    // name holds a slash
      "0,1,t,a,b\\c,SET_4",                   // or a backslash
      "0,1,t,a,b,../SET_5",                   // id climbs out
      "0,1,t,a,b,SET..6",
      "0,1,t,a,b,",                           // no id
      "0,1,t,\"a\tb\",c,SET_7",               // control character in a name
      "x,1,t,Good,One,SET_8",                 // category reads as 0
      "5abc,1,t,Good,Two,DGM_9,extra,fields", // leading digits: 5
      "1,1,t,Good,Three,PNL_10,",             // trailing comma: seven fields
      "0,1,t,a,b,XYZ_11",                     // no category code
      "0,1,t,a,b,set_12",                     // the code is upper case
      "0,1,t,a,b,😀SET_13",                   // an emoji where the code goes
      "0,1,t,a,b,ＳＥＴ_14",                  // a full-width code
  }));
  ASSERT_EQ(c.skins.size(), 3u);
  EXPECT_EQ(c.skins[0].id, "SET_8");
  EXPECT_EQ(c.skins[0].category, 0);
  EXPECT_EQ(c.skins[1].category, 5);
  EXPECT_EQ(c.skins[2].LocalFolderName(), "PNL_Good_Three");
}

TEST(SkinCatalogue, EveryNameMadeFromALineFitsTheFileNameLimit) {
  const QByteArray name(120, 'n');
  const QByteArray longId = "SET_" + QByteArray(248, 'i');  // 252 bytes: 256 with ".gif"
  const SkinCatalogue c = ParseSkinCatalogue(Catalogue({
      "h", "", "",
      "0,1,t," + name + "," + name + ",SET_ok",        // folder name 4 + 120 + 1 + 120 = 245 bytes
      "0,1,t," + name + "," + name + "nnnnnnnnnnn,SET_a",  // 256 bytes
      "0,1,t,a,b," + longId,                           // preview name over the limit
      "0,1,t,a,b," + QByteArray("SET_") + QByteArray(247, 'i'),  // 255 with ".gif": kept
      "0,1,t,日本語,b,SET_c",                          // counted in bytes, kept
  }));
  ASSERT_EQ(c.skins.size(), 3u);
  EXPECT_EQ(c.skins[0].id, "SET_ok");
  EXPECT_EQ(c.skins[1].id.size(), 251);
  EXPECT_EQ(c.skins[2].id, "SET_c");
}

TEST(SkinCatalogue, AMissingFileReadsAsEmptyAndAHugeOneOnlyInPart) {
  EXPECT_TRUE(ReadSkinCatalogue("/nonexistent/T7_SkinFilesList.csv").skins.empty());
  QTemporaryDir dir;
  const QString path = dir.filePath("T7_SkinFilesList.csv");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(Catalogue({"h", "", "", "2,1,t,Glass,Blue,DGP_1"}));
  file.write(QByteArray(kMaxCatalogueBytes, 'x'));
  file.write("\r\n4,1,t,Never,Read,DGN_2\r\n");
  file.close();
  const SkinCatalogue c = ReadSkinCatalogue(path);
  ASSERT_EQ(c.skins.size(), 1u);
  EXPECT_EQ(c.skins[0].id, "DGP_1");
}

}  // namespace
}  // namespace kelvo
