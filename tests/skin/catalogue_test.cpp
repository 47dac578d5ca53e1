// The skin catalogue.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "skin_catalogue.h"

namespace kelvo {
namespace {

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
