// Pasted texts: the figures spreadsheets and documents copy are typed as keys, anything else is
// refused whole.
#include <gtest/gtest.h>

#include <string>

#include "keycodes.h"
#include "paste_number.h"

namespace {

// The keys as they would be typed: digits, "." for the point, "±" for +/-.
std::string Typed(const std::vector<int>& keys) {
  std::string typed;
  for (const int key : keys) {
    if (key >= kelvo::kKeyDigit0 && key <= kelvo::kKeyDigit9)
      typed += static_cast<char>('0' + key - kelvo::kKeyDigit0);
    else if (key == kelvo::kKeyPoint)
      typed += '.';
    else if (key == kelvo::kKeySign)
      typed += "±";
    else
      typed += "<" + std::to_string(key) + ">";
  }
  return typed;
}

std::u32string Text(const char8_t* utf8) {
  std::u32string text;
  for (const char8_t* p = utf8; *p != 0;) {
    const auto lead = static_cast<unsigned char>(*p++);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) c = (c << 6) | (static_cast<unsigned char>(*p++) & 0x3F);
    text += c;
  }
  return text;
}

TEST(PasteNumber, FiguresAsCopiedAreTypedAsTheirKeys) {
  struct Row {
    const char8_t* text;
    const char* typed;
  };
  const Row rows[] = {
      {u8"1234", "1234"},
      {u8"1,234.5", "1234.5"},
      {u8"12,345,678", "12345678"},
      {u8"1 234", "1234"},
      {u8"1\u00A0234\u00A0567", "1234567"},
      {u8"0.25\n", "0.25"},  // a spreadsheet cell ends in a line break
      {u8"\t 42\r\n", "42"},
      {u8".5", ".5"},
      {u8"5.", "5."},
      {u8"007", "007"},
      {u8"-1,234", "1234±"},
      {u8"1,234-", "1234±"},
      {u8"- 8", "8±"},
      {u8"+5", "5"},
      {u8"5+", "5"},
      {u8"¥1,234", "1234"},
      {u8"-¥1,234", "1234±"},
      {u8"¥-1,234", "1234±"},
      {u8"¥ 500", "500"},
      {u8"1,234円", "1234"},
      {u8"1,234 円", "1234"},
      {u8"-1,234円", "1234±"},
      {u8"1,234円-", "1234±"},
      {u8"１２３４．５", "1234.5"},
      {u8"－１，２３４", "1234±"},
      {u8"−5", "5±"},  // the minus sign U+2212
      {u8"＋７", "7"},
      {u8"￥１，０００", "1000"},
      {u8"\u3000１２\u3000", "12"},
      {u8"１\u3000２３４", "1234"},
      {u8"12345678901234567", "12345678901234567"},  // the calculator decides about length
  };
  for (const Row& row : rows)
    EXPECT_EQ(Typed(paste_number::KeysFor(Text(row.text))), row.typed) << reinterpret_cast<const char*>(row.text);
}

TEST(PasteNumber, AnythingButOneNumberIsRefusedWhole) {
  const char8_t* refused[] = {
      u8"", u8"   ", u8"\r\n", u8".", u8"-", u8"¥", u8"円",
      u8"abc", u8"12a", u8"1e5", u8"0x10", u8"½", u8"1/2", u8"(5)", u8"5%", u8"$5",
      u8"1 2", u8"12 34", u8"1,2", u8"1,23,456", u8"1234,567", u8"1,234 567", u8"1,234,56",
      u8"1,", u8",5", u8"1, 234", u8"1.234,5", u8"1.2.3", u8"1,234.567,8", u8"1.5 6",
      u8"--5", u8"-5-", u8"+-5", u8"5-+", u8"¥¥5", u8"5円円", u8"円5", u8"5¥", u8"¥5¥",
      u8"1\t2", u8"1\n2", u8"1,234\n5,678", u8"=5", u8"\u200B5",
  };
  for (const char8_t* text : refused)
    EXPECT_EQ(Typed(paste_number::KeysFor(Text(text))), "") << reinterpret_cast<const char*>(text);
  EXPECT_EQ(Typed(paste_number::KeysFor(std::u32string(5000, U'1'))), "") << "a text too long for any figure";
}

}  // namespace
