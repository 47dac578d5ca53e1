// Names made from catalogue fields stay inside the skin folders; huge catalogues are read in part.
#include <gtest/gtest.h>

#include "catalogue_names.h"

namespace kelvo {
namespace {

struct NameCase {
  const char* why;
  QString id, name1, name2;
  bool safe;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.why; }

class CatalogueNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CatalogueNameTest, OnlyNamesThatStayInsideTheirFolderPass) {
  const NameCase& c = GetParam();
  CatalogueSkin skin;
  skin.id = c.id;
  skin.name1 = c.name1;
  skin.name2 = c.name2;
  EXPECT_EQ(IsSafeCatalogueSkin(skin), c.safe) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Names, CatalogueNameTest,
    ::testing::Values(NameCase{"plain", "SET_0001", "Kelvo", "Night", true},
                      NameCase{"Japanese names", "BTN_2", "オフィス", "青", true},
                      NameCase{"a single dot inside", "SET_v1.2", "a.b", "c", true},
                      NameCase{"full-width letters", "SET_ＡＢ", "ｋ", "ｎ", true},
                      NameCase{"slash in a name", "SET_1", "a/b", "c", false},
                      NameCase{"backslash in the id", "SET\\1", "a", "b", false},
                      NameCase{"climbing up", "SET_1", "..", "b", false},
                      NameCase{"dots inside", "SET..1", "a", "b", false},
                      NameCase{"leading dot", ".SET", "a", "b", false},
                      NameCase{"leading dot of a name", "SET_1", ".a", "b", false},
                      NameCase{"empty id", "", "a", "b", false},
                      NameCase{"empty name", "SET_1", "a", "", false},
                      NameCase{"tab", "SET_1", "a\tb", "c", false},
                      NameCase{"C1 control", "SET_1", QStringLiteral("a\u0085"), "c", false},
                      NameCase{"full-width slash", "SET_1", QStringLiteral("a\uFF0Fb"), "c", false},
                      NameCase{"full-width backslash", QStringLiteral("SET\uFF3C1"), "a", "b", false},
                      NameCase{"yen sign", "SET_1", QStringLiteral("a\uFFE5b"), "c", false},
                      NameCase{"full-width dots", "SET_1", QStringLiteral("\uFF0E\uFF0E"), "c", false},
                      NameCase{"full-width leading dot", QStringLiteral("\uFF0ESET"), "a", "b", false},
                      NameCase{"ideographic space is a space", "SET_1", QStringLiteral("a\u3000b"), "c", true}));

TEST(CatalogueLimits, OnlyTheFirstTenThousandLinesAreRead) {
  QByteArray content = "h,,,,[URL],http://h/\r\n\r\n\r\n";
  for (int i = 3; i < 10005; ++i) content += QStringLiteral("1,1,t,n,%1,PNL_%1\r\n").arg(i).toUtf8();
  const SkinCatalogue catalogue = ParseSkinCatalogue(content);
  ASSERT_EQ(catalogue.skins.size(), kMaxCatalogueLines - 3);
  EXPECT_EQ(catalogue.skins.back().line, static_cast<int>(kMaxCatalogueLines) - 1);
}

}  // namespace
}  // namespace kelvo
