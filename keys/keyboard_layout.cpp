#include "keyboard_layout.h"

#include <string_view>

#include "vk_codes.h"

namespace kelvo {
namespace {

// The Japanese keyboard, by place.
int JapaneseCode(quint32 keyCode) {
  switch (keyCode) {
    case 20: return vk::kMinusEqual;
    case 21: return vk::kCaretTilde;
    case 132: return vk::kBackslashBar;  // the yen key
    case 34: return vk::kAtBackquote;
    case 35: return vk::kBracketBraceOpen;
    case 47: return vk::kSemicolonPlus;
    case 48: return vk::kColonAsterisk;
    case 51: return vk::kBracketBraceClose;
    case 59: return vk::kCommaLess;
    case 60: return vk::kPeriodGreater;
    case 61: return vk::kSlashQuestion;
    case 97: return vk::kBackslashUnderscore;  // left of the right Shift
    case 94: return vk::kBackslashUnderscore;  // the extra key of European keyboards, in the same place
  }
  return 0;
}

// Any other layout: the code of the character the key gives without Shift, as on a US keyboard.
int CharacterCode(char32_t character) {
  switch (character) {
    case U';': return vk::kColonAsterisk;
    case U'=':
    case U'+': return vk::kSemicolonPlus;  // a German keyboard's "+*" key is its plus key too
    case U',': return vk::kCommaLess;
    case U'-': return vk::kMinusEqual;
    case U'.': return vk::kPeriodGreater;
    case U'/': return vk::kSlashQuestion;
    case U'`': return vk::kAtBackquote;
    case U'[': return vk::kBracketBraceOpen;
    case U'\\': return vk::kBackslashBar;
    case U']': return vk::kBracketBraceClose;
    case U'\'': return vk::kCaretTilde;
  }
  return 0;
}

// A key whose character has no code of its own (a German "ü", a French "!") keeps the code of
// its place on a US keyboard.
int UsPlaceCode(quint32 keyCode) {
  switch (keyCode) {
    case 20: return vk::kMinusEqual;
    case 21: return vk::kSemicolonPlus;
    case 34: return vk::kBracketBraceOpen;
    case 35: return vk::kBracketBraceClose;
    case 47: return vk::kColonAsterisk;
    case 48: return vk::kCaretTilde;
    case 49: return vk::kAtBackquote;
    case 51: return vk::kBackslashBar;
    case 59: return vk::kCommaLess;
    case 60: return vk::kPeriodGreater;
    case 61: return vk::kSlashQuestion;
    case 94:
    case 97: return vk::kBackslashUnderscore;
    case 132: return vk::kBackslashBar;
  }
  return 0;
}

// A letter key that gives no Latin letter (a Cyrillic one) is the Latin letter in its place.
int LetterAtPlace(quint32 keyCode) {
  struct LetterRow {
    quint32 first;  // key code of the row's first letter
    std::string_view letters;
  };
  static constexpr LetterRow kLetterRows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
  for (const LetterRow& row : kLetterRows)
    if (keyCode >= row.first && keyCode - row.first < row.letters.size()) return row.letters[keyCode - row.first];
  return 0;
}

}  // namespace

int PositionalKeyCode(const KeyboardLayout& layout, quint32 keyCode) {
  // The top-row digits keep their digit with Shift and on every layout.
  if (keyCode >= 10 && keyCode <= 18) return '1' + static_cast<int>(keyCode - 10);
  if (keyCode == 19) return '0';
  if (layout.japanese) {
    if (const int letter = LetterAtPlace(keyCode)) return letter;
    return JapaneseCode(keyCode);
  }
  // A French keyboard's "," sits where others have M: the character decides first.
  const char32_t character = keyCode < layout.baseCharacter.size() ? layout.baseCharacter[keyCode] : 0;
  if (const int code = CharacterCode(character)) return code;
  if (const int letter = LetterAtPlace(keyCode)) return letter;
  return UsPlaceCode(keyCode);
}

char32_t KeyCapCharacter(const KeyboardLayout& layout, int code) {
  for (quint32 keyCode = 8; keyCode < layout.baseCharacter.size(); ++keyCode) {
    const char32_t character = layout.baseCharacter[keyCode];
    if (character > U' ' && character != 0x7F && PositionalKeyCode(layout, keyCode) == code) return character;
  }
  return 0;
}

}  // namespace kelvo
