// Checking and translating typed formulas, the answer format and the formula script's shape.
#include <gtest/gtest.h>

#include "formula_answer.h"
#include "formula_check.h"
#include "param_print.h"
#include "script_text.h"

namespace {

// What the checks make of a typed formula: the expression handed on, or the refusal shown.
std::string Translate(const QString& typed) {
  const kelvo::Normalized n = kelvo::NormalizeFormula(typed);
  if (n.empty) return "<nothing>";
  if (!n.error.isEmpty()) return n.error.toStdString();
  if (auto refusal = kelvo::CheckFormulaTokens(n.expression)) return refusal->toStdString();
  return kelvo::BracesToSpaces(n.expression).toStdString();
}

struct TranslateCase {
  const char16_t* typed;
  const char* expected;
};

void PrintTo(const TranslateCase& c, std::ostream* out) {
  kelvo::test::PrintQuoted(QString::fromUtf16(c.typed).toStdString(), out);
}

class TranslateTest : public ::testing::TestWithParam<TranslateCase> {};

TEST_P(TranslateTest, GivesExpressionOrRefusal) {
  EXPECT_EQ(Translate(QString::fromUtf16(GetParam().typed)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, TranslateTest,
    ::testing::Values(
        // Full-width, ×, ÷, commas, spaces, line breaks and a final "=".
        TranslateCase{u"１２×（３＋４）÷２", "12*(3+4)/2"}, TranslateCase{u"1,000 + 2", "1000+2"},
        TranslateCase{u"1\r\n+\r\n2", "1+2"}, TranslateCase{u"1＋２　＝", "1+2"}, TranslateCase{u"1+2=", "1+2"},
        TranslateCase{u"1+2+=", "1+2+"}, TranslateCase{u"1､000，5", "10005"}, TranslateCase{u"７￥２", "7\\2"},
        TranslateCase{u"2{mod}3", "2 mod 3"}, TranslateCase{u"(1){Xor}2", "(1) Xor 2"},
        TranslateCase{u"-3*-2", "-3*-2"}, TranslateCase{u"999.0+999", "999.0+999"},
        TranslateCase{u"sin(1)+Now+TIMER", "sin(1)+Now+TIMER"}, TranslateCase{u".5+1E3", ".5+1E3"},
        TranslateCase{u"  \r\n ", "<nothing>"}, TranslateCase{u"", "<nothing>"},
        // Every refusal, with its text.
        TranslateCase{u"1{Not}2", "E04[構文エラー]：{Not}"}, TranslateCase{u"(1+2)3", "E07[構文エラー]：3"},
        TranslateCase{u"(1+2)Sin(3)", "E06[構文エラー]：Sin"},
        TranslateCase{u"Sin()", "E11[構文エラー]：[ () の中が空白です。]"},
        TranslateCase{u"Sin( )", "E11[構文エラー]：[ () の中が空白です。]"},
        TranslateCase{u"(1+2", "E12[構文エラー]：[ ( が閉じられていません。]"},
        TranslateCase{u"1+2)", "E12[構文エラー]：[ ( が閉じられていません。]"},
        TranslateCase{u"\"a b\"+1", "E01[構文エラー]：[文字列は扱えません]： \"a b\""},
        TranslateCase{u"”(x”", "E01[構文エラー]：[文字列は扱えません]： \""},
        TranslateCase{u"abc", "E05[構文エラー]：abc"}, TranslateCase{u"1&2", "E05[構文エラー]：1&2"},
        TranslateCase{u"1,5%", "E05[構文エラー]：15%"}, TranslateCase{u"1E+3", "E05[構文エラー]：1E"},
        TranslateCase{u"*3", "E02[構文エラー]： *"}, TranslateCase{u"(*3)", "E02[構文エラー]：(*"},
        TranslateCase{u"{Mod}2", "E02[構文エラー]： {"}, TranslateCase{u"2}3", "E03[構文エラー]： 2}"},
        TranslateCase{u"2+Mod}3", "E03[構文エラー]：+Mod}"}));

struct AnswerCase {
  const char* answer;
  const char* shown;
};

void PrintTo(const AnswerCase& c, std::ostream* out) { kelvo::test::PrintQuoted(c.answer, out); }

class FormatAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(FormatAnswerTest, GroupsDigitsBeforeThePointOnly) {
  EXPECT_EQ(kelvo::FormatAnswer(QString::fromUtf8(GetParam().answer)).toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Answers, FormatAnswerTest,
                         ::testing::Values(AnswerCase{"1234567", "1,234,567"}, AnswerCase{"-1234.5", "-1,234.5"},
                                           AnswerCase{"333333.333333333", "333,333.333333333"},
                                           AnswerCase{"1E+20", "1E+20"}, AnswerCase{"1.5E-05", "1.5E-05"},
                                           AnswerCase{"-0.5", "-0.5"}, AnswerCase{"0.25", "0.25"},
                                           AnswerCase{"123456789012345", "123,456,789,012,345"},
                                           AnswerCase{"-100", "-100"}, AnswerCase{"0", "0"}, AnswerCase{"999", "999"}));

TEST(FormulaScript, HasTheTwentyTwoLinesAndReadsBack) {
  const std::string script = kelvo::wsh::BuildScript("/p/KelvoFiles/_sys/Calc/CalcAns.ini", "2 Mod 3", 4294967295u);
  EXPECT_EQ(script.rfind("\r\nOn Error Resume Next \r\nDim fso, f1, Sc      \r\n", 0), 0u);
  EXPECT_NE(script.find("\r\nstrFileFullPath = \"/p/KelvoFiles/_sys/Calc/CalcAns.ini\"\r\nstrAns = 2 Mod 3\r\n"
                        "strID = \"4294967295\"\r\nIf Err.Number <> 0 Then\r\n"),
            std::string::npos);
  EXPECT_TRUE(script.ends_with("\r\nf1.WriteLine (\"ID=\" & strID) \r\nf1.Close"));
  const auto request = kelvo::wsh::ParseScript(script);
  ASSERT_TRUE(request);
  EXPECT_EQ(request->expression, "2 Mod 3");
  EXPECT_EQ(request->stamp, "4294967295");
}

TEST(FormulaScript, QuotesInTheFolderCannotBreakOutOfTheString) {
  const std::string folder = "/a\"b\" & x & \"/KelvoFiles/_sys/Calc/CalcAns.ini";
  const std::string script = kelvo::wsh::BuildScript(folder, "1", 1);
  EXPECT_NE(script.find("strFileFullPath = \"/a\"\"b\"\" & x & \"\"/KelvoFiles"), std::string::npos);
  const auto request = kelvo::wsh::ParseScript(script);
  ASSERT_TRUE(request);
  EXPECT_EQ(request->answerPath, folder);
}

TEST(FormulaScript, AnyOtherShapeIsRefused) {
  const std::string good = kelvo::wsh::BuildScript("/p/KelvoFiles/_sys/Calc/CalcAns.ini", "1+2", 7);
  auto changed = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  for (const std::string& bad : {good.substr(2), good + "\r\n", changed("Sc      ", "Sc"), changed("strID = \"7\"", "strID = 7"),
                                 changed("strID = \"7\"", "strID = \"7x\""), changed("\"/p/", "\"/p\"/"),
                                 changed("f1.Close", "f1.Close\r\nCreateObject(\"WScript.Shell\").Run \"x\""),
                                 changed("\r\nEnd If", "\r\nEnd If\r\nEnd If"), std::string()})
    EXPECT_FALSE(kelvo::wsh::ParseScript(bad)) << bad;
}

TEST(FormulaScript, AnswerFileMustBeOneOfTheCalcFolder) {
  for (const char* path : {"/x/KelvoFiles/_sys/Calc/CalcAns.ini", "/x/KelvoFiles/_sys/Calc/PID42CalcAns.ini"})
    EXPECT_TRUE(kelvo::wsh::IsAnswerFilePath(path)) << path;
  for (const char* path : {"/x/KelvoFiles/_sys/Kelvo.ini", "/x/KelvoFiles/_sys/Calc/PIDCalcAns.ini",
                           "/x/KelvoFiles/_sys/Calc/PID4xCalcAns.ini", "/x/Calc/CalcAns.ini", "/etc/passwd",
                           "CalcAns.ini", "/x/KelvoFiles/_sys/Calc/CalcAns.ini/"})
    EXPECT_FALSE(kelvo::wsh::IsAnswerFilePath(path)) << path;
}

}  // namespace
