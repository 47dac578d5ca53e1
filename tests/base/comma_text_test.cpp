// Comma lists and lines, as the readers of the download server's files take them.
#include <gtest/gtest.h>

#include "comma_text.h"
#include "param_print.h"

namespace kelvo {
namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
  std::string line;
  Fields fields;
};

void PrintTo(const SplitCase& c, std::ostream* out) { test::PrintQuoted(c.line, out); }

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

}  // namespace
}  // namespace kelvo
