// Facts of the script language the host must reproduce: subtypes and their promotion, rounding,
// the text a value becomes, every error and its Japanese description; and a seeded fuzz run.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "param_print.h"
#include "script_text.h"
#include "vb_expression.h"

namespace {

using kelvo::wsh::VType;

// 2024-05-01 9:05:03 (and a quarter second).
const kelvo::wsh::Clock kClock{kelvo::wsh::DateSerial(2024, 5, 1) + (9 * 3600 + 5 * 60 + 3) / 86400.0, 32703.25};

struct Fact {
  const char* expression;
  const char* text;  // the Answer text, or the error description
  VType type = VType::Empty;  // of a value; ignored for errors
};

void PrintTo(const Fact& fact, std::ostream* out) { kelvo::test::PrintQuoted(fact.expression, out); }

// "!" before a text marks an error description.
std::string EvaluateToText(const char* expression, VType* type) {
  const kelvo::wsh::Outcome outcome = kelvo::wsh::Evaluate(expression, kClock);
  switch (outcome.kind) {
    case kelvo::wsh::Outcome::Value:
      *type = outcome.value.type;
      return kelvo::wsh::ToText(outcome.value);
    case kelvo::wsh::Outcome::RuntimeError: return std::string("!") + kelvo::wsh::ErrorDescription(outcome.error);
    case kelvo::wsh::Outcome::SyntaxError: return std::string("!") + kelvo::wsh::kSyntaxErrorDescription;
  }
  return {};
}

class FactTest : public ::testing::TestWithParam<Fact> {};

TEST_P(FactTest, MatchesTheLanguage) {
  VType type = VType::Empty;
  const std::string text = EvaluateToText(GetParam().expression, &type);
  EXPECT_EQ(text, GetParam().text);
  if (text[0] != '!') {
    EXPECT_EQ(static_cast<int>(type), static_cast<int>(GetParam().type)) << GetParam().expression;
  }
}

constexpr auto I = VType::Integer;
constexpr auto L = VType::Long;
constexpr auto D = VType::Double;
constexpr auto S = VType::Single;
constexpr auto C = VType::Currency;
constexpr auto T = VType::Date;
constexpr auto B = VType::Byte;
constexpr auto Str = VType::String;

INSTANTIATE_TEST_SUITE_P(
    Subtypes, FactTest,
    ::testing::Values(Fact{"32767", "32767", I}, Fact{"32768", "32768", L}, Fact{"2147483648", "2147483648", D},
                      Fact{"1.0", "1", D}, Fact{"10.", "10", D}, Fact{".5", "0.5", D}, Fact{"1E3", "1000", D},
                      Fact{"32767+1", "32768", L}, Fact{"-32767-1", "-32768", I}, Fact{"200*200", "40000", L},
                      Fact{"2147483647+1", "2147483648", D}, Fact{"65536*65536", "4294967296", D},
                      Fact{"-(-32767-1)", "32768", L}, Fact{"CByte(200)+CByte(55)", "255", B},
                      Fact{"CByte(200)+CByte(100)", "300", I}, Fact{"CByte(1)-CByte(2)", "-1", I},
                      Fact{"-CByte(5)", "-5", I}, Fact{"CSng(1.5)+1", "2.5", S}, Fact{"CSng(1.5)+32768", "32769.5", D},
                      Fact{"CCur(1.5)+0.25", "1.75", C}, Fact{"CCur(2)*CCur(0.0001)", "0.0002", C},
                      Fact{"CCur(1)/CCur(4)", "0.25", D}, Fact{"CCur(1)/3", "0.333333333333333", D},
                      Fact{"6/3", "2", D}, Fact{"CSng(1)/3", "0.3333333", S}, Fact{"2^2", "4", D},
                      Fact{"7\\2", "3", I}, Fact{"70000\\2", "35000", L}, Fact{"7.5\\2", "4", L},
                      Fact{"Hex(16)+1", "11", D}, Fact{"Hex(16)+Hex(16)", "1010", Str}, Fact{"Hex(16)*2", "20", D},
                      Fact{"-Hex(16)", "-10", D}, Fact{"Date+1", "2024/05/02", T}, Fact{"Date-Date", "0", D},
                      Fact{"Int((Now-Date)*86400+0.5)", "32703", D}, Fact{"Date*1", "45413", D},
                      Fact{"Int(Now)", "2024/05/01", T}, Fact{"Abs(-32769)", "32769", L}, Fact{"Abs(-0.5)", "0.5", D},
                      Fact{"Abs(CByte(1))", "1", B}, Fact{"Abs(Hex(16))", "10", D}, Fact{"Sgn(-2.5)", "-1", I},
                      Fact{"Fix(CCur(-1.99))", "-1", C}, Fact{"Int(CCur(-0.99))", "-1", C},
                      Fact{"CDbl(5)", "5", D}, Fact{"CLng(5)", "5", L}, Fact{"Sqr(CSng(121))", "11", D},
                      Fact{"5 And 3", "1", I}, Fact{"5 Or 3", "7", I}, Fact{"5 Xor 3", "6", I},
                      Fact{"70000 And 65535", "4464", L}, Fact{"2.5 Or 0", "2", L}, Fact{"Timer", "32703.25", S},
                      Fact{"Hour(Now)", "9", I}, Fact{"Minute(Now)", "5", I}, Fact{"Second(Now)", "3", I},
                      Fact{"Month(Now)", "5", I}));

INSTANTIATE_TEST_SUITE_P(
    PrecedenceAndRounding, FactTest,
    ::testing::Values(Fact{"-3^2", "-9", D}, Fact{"-2^2", "-4", D}, Fact{"2*-3^2", "-18", D}, Fact{"-(2)^2", "-4", D},
                      Fact{"-99^0", "-1", D}, Fact{"(-2)^2", "4", D}, Fact{"2^-2", "0.25", D}, Fact{"2^--2", "4", D},
                      Fact{"-2^2^2", "-16", D}, Fact{"Hex(-2^2)", "FFFFFFFC", Str}, Fact{"2^3^2", "64", D}, Fact{"2^-1", "0.5", D}, Fact{"2*3^2", "18", D},
                      Fact{"2+3\\4", "2", I}, Fact{"12/3\\2", "2", L}, Fact{"7 Mod 4+2", "5", I},
                      Fact{"9 Mod 6", "3", I}, Fact{"-7 Mod 3", "-1", I}, Fact{"7 Mod -3", "1", I},
                      Fact{"11.6 Mod 5.5", "0", L}, Fact{"4.6\\1.5", "2", L}, Fact{"4.6\\1.49", "5", L},
                      Fact{"1+2 And 3", "3", I}, Fact{"1 Or 2 Xor 3", "0", I}, Fact{"6 Xor 3 And 5", "7", I},
                      Fact{"--1", "1", I}, Fact{"CInt(2.5)", "2", I}, Fact{"CInt(3.5)", "4", I},
                      Fact{"CInt(-2.5)", "-2", I}, Fact{"CInt(-36.75)", "-37", I}, Fact{"CLng(0.5)", "0", L},
                      Fact{"CLng(1.5)", "2", L}, Fact{"CByte(255.49)", "255", B}, Fact{"CByte(-0.5)", "0", B},
                      Fact{"CCur(0.000149)", "0.0001", C}, Fact{"CCur(0.00015)", "0.0001", C}, Fact{"CCur(0.00025)", "0.0003", C},
                      Fact{"CCur(-0.00015)", "-0.0001", C}, Fact{"CCur(2.00005)", "2", C}, Fact{"CCur(0.5E-4)", "0.0001", C},
                      Fact{"CCur(1E-300)", "0", C}, Fact{"CCur(1.23456)", "1.2346", C},
                      Fact{"Int(-1.99)", "-2", D}, Fact{"Fix(-1.99)", "-1", D}, Fact{"Hex(228.5)", "E4", Str},
                      Fact{"Hex(229.5)", "E6", Str}, Fact{"Oct(8.5)", "10", Str}, Fact{"Oct(9.5)", "12", Str}));

INSTANTIATE_TEST_SUITE_P(
    NumberTexts, FactTest,
    ::testing::Values(Fact{"1E15", "1E+15", D}, Fact{"1E14", "100000000000000", D},
                      Fact{"123456789012345", "123456789012345", D},
                      Fact{"1234567890123456", "1.23456789012346E+15", D}, Fact{"1E20*1", "1E+20", D},
                      Fact{"0.0001", "0.0001", D}, Fact{"0.00015", "0.00015", D}, Fact{"1.5/100000", "1.5E-05", D},
                      Fact{"1/3", "0.333333333333333", D}, Fact{"2/3", "0.666666666666667", D},
                      Fact{"1000000/3", "333333.333333333", D}, Fact{"0.1+0.2", "0.3", D},
                      Fact{"2^0.5", "1.4142135623731", D}, Fact{"1E100", "1E+100", D}, Fact{"-0.0", "0", D},
                      Fact{"Fix(-0.5)", "0", D}, Fact{"-0.5", "-0.5", D}, Fact{"CSng(1E7)", "1E+07", S},
                      Fact{"CSng(1234567)", "1234567", S}, Fact{"CSng(16777217)", "1.677722E+07", S},
                      Fact{"CSng(0.1)", "0.1", S}, Fact{"CCur(922337203685477)", "922337203685477", C},
                      Fact{"CCur(-0.5)", "-0.5", C}, Fact{"CCur(1)", "1", C}, Fact{"Hex(-1)", "FFFF", Str},
                      Fact{"Hex(-32768)", "FFFF8000", Str}, Fact{"Hex(-32767-1)", "8000", Str},
                      Fact{"Hex(2147483647.49)", "7FFFFFFF", Str}, Fact{"Hex(-2147483647.5)", "80000000", Str},
                      Fact{"Oct(-1)", "177777", Str}, Fact{"Oct(-32768)", "37777700000", Str},
                      Fact{"Hex(CByte(255))", "FF", Str}, Fact{"Date", "2024/05/01", T}, Fact{"Time", "9:05:03", T},
                      Fact{"Now", "2024/05/01 9:05:03", T}, Fact{"Date-45413", "0:00:00", T},
                      Fact{"Date-45413+1.5", "1899/12/31 12:00:00", T}, Fact{"Time+0.5", "21:05:03", T}));

INSTANTIATE_TEST_SUITE_P(
    Errors, FactTest,
    ::testing::Values(Fact{"1/0", "!0 で除算しました。"}, Fact{"0/0", "!オーバーフローしました。"},
                      Fact{"1\\0", "!0 で除算しました。"}, Fact{"0 Mod 0", "!0 で除算しました。"},
                      Fact{"1\\0.4", "!0 で除算しました。"}, Fact{"CInt(32767.5)", "!オーバーフローしました。"},
                      Fact{"CInt(-32768.51)", "!オーバーフローしました。"}, Fact{"CByte(256)", "!オーバーフローしました。"},
                      Fact{"CLng(2147483647.5)", "!オーバーフローしました。"},
                      Fact{"2147483648\\1", "!オーバーフローしました。"}, Fact{"1E10 And 1", "!オーバーフローしました。"},
                      Fact{"10^400", "!オーバーフローしました。"}, Fact{"1E300*1E300", "!オーバーフローしました。"},
                      Fact{"Exp(710)", "!オーバーフローしました。"}, Fact{"CSng(1E39)", "!オーバーフローしました。"},
                      Fact{"CCur(1E15)", "!オーバーフローしました。"}, Fact{"Date+3000000", "!オーバーフローしました。"},
                      Fact{"Sqr(-1)", "!プロシージャの呼び出し、または引数が不正です。"},
                      Fact{"Log(0)", "!プロシージャの呼び出し、または引数が不正です。"},
                      Fact{"(-8)^(1/3)", "!プロシージャの呼び出し、または引数が不正です。"},
                      Fact{"Hex(255)+1", "!型が一致しません。"}, Fact{"CInt(Hex(255))", "!型が一致しません。"},
                      Fact{"Sin(1)(2)", "!型が一致しません。"}, Fact{"(1)(2)", "!構文エラーです。"}, Fact{"(Sin(1))(2)", "!構文エラーです。"},
                      Fact{"Abs", "!引数の数が一致していません。または不正なプロパティを指定しています。"},
                      Fact{"Now(1)", "!引数の数が一致していません。または不正なプロパティを指定しています。"},
                      Fact{"Sin(1,2)", "!引数の数が一致していません。または不正なプロパティを指定しています。"},
                      Fact{"1+2+", "!構文エラーです。"}, Fact{"-", "!構文エラーです。"}, Fact{"2(3)", "!構文エラーです。"},
                      Fact{"1 2", "!構文エラーです。"}, Fact{"Foo(1)", "!構文エラーです。"}, Fact{"1 & 2", "!構文エラーです。"},
                      Fact{"", "!構文エラーです。"}, Fact{"1+2 ' a comment", "3", I}));

TEST(Answer, FileLinesForValueRuntimeErrorAndSyntaxError) {
  EXPECT_EQ(kelvo::wsh::AnswerText(kelvo::wsh::Evaluate("1+2", kClock), "77"),
            "[CalcAns]\r\nAnswer=3\r\nAnsMsg=成功:  \r\nID=77\r\n");
  EXPECT_EQ(kelvo::wsh::AnswerText(kelvo::wsh::Evaluate("1/0", kClock), "77"),
            "[CalcAns]\r\nAnswer=error\r\nAnsMsg=失敗:  0 で除算しました。\r\nID=77\r\n");
  EXPECT_EQ(kelvo::wsh::AnswerText(kelvo::wsh::Evaluate("1+", kClock), "77"),
            "[CalcAns]\r\nAnswer=error\r\nAnsMsg=失敗:  構文エラーです。\r\nID=77\r\n");
}

TEST(Limits, DeepNestingAndHugeExpressionsAreSyntaxErrors) {
  const std::string deep = std::string(300, '(') + "1" + std::string(300, ')');
  EXPECT_EQ(kelvo::wsh::Evaluate(deep, kClock).kind, kelvo::wsh::Outcome::SyntaxError);
  const std::string fine = std::string(200, '(') + "1" + std::string(200, ')');
  EXPECT_EQ(kelvo::wsh::Evaluate(fine, kClock).kind, kelvo::wsh::Outcome::Value);
  std::string longSum = "1";
  while (longSum.size() < kelvo::wsh::kMaxExpressionBytes - 2) longSum += "+1";
  EXPECT_EQ(kelvo::wsh::Evaluate(longSum, kClock).kind, kelvo::wsh::Outcome::Value);
  EXPECT_EQ(kelvo::wsh::Evaluate(longSum + "+1+1", kClock).kind, kelvo::wsh::Outcome::SyntaxError);
}

// Random expressions from the pieces a formula can hold: nothing may crash or hang.
TEST(Fuzz, RandomExpressionsFinishQuickly) {
  static const char* const kPieces[] = {"1", "0", "32767", "2147483647", "1E300", ".5", "2.5", "-", "+", "*", "/",
                                        "\\", "^", "(", ")", " Mod ", " And ", " Or ", " Xor ", "Not ", "Sin(",
                                        "Hex(", "Oct(", "CCur(", "CInt(", "CByte(", "CSng(", "Int(", "Fix(", "Abs(",
                                        "Log(", "Exp(", "Sqr(", "Month(", "Hour(", "Now", "Date", "Time", "Timer",
                                        ",", "\t", "1e", "x", "&", "'", "\"", "\xe3\x81\x82"};
  std::mt19937 random(20240501);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> length(1, 40);
  for (int n = 0; n < 20000; ++n) {
    std::string expression;
    for (int k = length(random); k > 0; --k) expression += kPieces[piece(random)];
    const kelvo::wsh::Outcome outcome = kelvo::wsh::Evaluate(expression, kClock);
    if (outcome.kind == kelvo::wsh::Outcome::Value) (void)kelvo::wsh::ToText(outcome.value);
  }
  // Whole scripts with random bytes flipped are refused or read, never more.
  const std::string script = kelvo::wsh::BuildScript("/p/KelvoFiles/_sys/Calc/CalcAns.ini", "1+2", 5);
  std::uniform_int_distribution<std::size_t> at(0, script.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int n = 0; n < 5000; ++n) {
    std::string bent = script;
    for (int k = 0; k < 3; ++k) bent[at(random)] = static_cast<char>(byte(random));
    if (auto request = kelvo::wsh::ParseScript(bent)) (void)kelvo::wsh::Evaluate(request->expression, kClock);
  }
}

}  // namespace
