// Pasted texts: the figures spreadsheets and documents copy are typed as keys, anything else is
// refused whole.
#include <gtest/gtest.h>

#include <string>

#include "keycodes.h"
#include "paste_number.h"

namespace {

// The keys as typed: digits, "." for the point, "±" for +/-.
std::string Typed(std::u32string_view text) {
  std::string typed;
  for (const int key : paste_number::KeysFor(text))
    typed += key == kelvo::kKeyPoint ? "." : key == kelvo::kKeySign ? "±" : std::string(1, char('0' + key - kelvo::kKeyDigit0));
  return typed;
}

TEST(PasteNumber, FiguresAsCopiedAreTypedAsTheirKeys) {
  const std::pair<std::u32string_view, const char*> rows[] = {
      {U"1,234.5", "1234.5"}, {U"12,345,678", "12345678"}, {U"1 234", "1234"}, {U"1\u00A0234", "1234"},
      {U"0.25\n", "0.25"}, {U"\t 42\r\n", "42"}, {U".5", ".5"}, {U"5.", "5."}, {U"007", "007"},
      {U"-1,234", "1234±"}, {U"1,234-", "1234±"}, {U"- 8", "8±"}, {U"+5", "5"}, {U"5+", "5"},
      {U"¥1,234", "1234"}, {U"-¥1,234", "1234±"}, {U"¥-1,234", "1234±"}, {U"1,234 円", "1234"}, {U"1,234円-", "1234±"},
      {U"１２３４．５", "1234.5"}, {U"－１，２３４", "1234±"}, {U"−5", "5±"}, {U"＋７", "7"}, {U"￥１，０００", "1000"},
      {U"\u3000１\u3000２３４\u3000", "1234"},
      {U"(1,200)", "1200±"}, {U"( 1,200.50 )\n", "1200.50±"}, {U"(¥1,200)", "1200±"}, {U"（１２００円）", "1200±"},
      {U"12345678901234567", "12345678901234567"},  // the calculator decides about length
  };
  for (const auto& [text, typed] : rows) EXPECT_EQ(Typed(text), typed) << typed;
}

TEST(PasteNumber, AnythingButOneNumberIsRefusedWhole) {
  const std::u32string_view refused[] = {
      U"", U"  \r\n", U".", U"-", U"¥", U"abc", U"12a", U"1e5", U"½", U"5%", U"$5",
      U"1 2", U"12 34", U"1,2", U"1,23,456", U"1234,567", U"1,234 567", U"1,", U",5", U"1.234,5", U"1.2.3",
      U"--5", U"-5-", U"+-5", U"¥¥5", U"5円円", U"円5", U"5¥", U"1\t2", U"1,234\n5,678", U"=5",
      U"(5", U"5)", U"((5))", U"(-5)", U"-(5)", U"(5)-", U"()", U"( )", U"(5)(6)", U"1 234,50",
  };
  for (const std::u32string_view text : refused) EXPECT_EQ(Typed(text), "") << std::u32string(text).size();
  EXPECT_EQ(Typed(std::u32string(5000, U'1')), "") << "too long for any figure";
}

}  // namespace
