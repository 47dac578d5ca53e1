#include "key_names.h"

#include "keyboard_layout.h"
#include "key_slots.h"
#include "vk_codes.h"

namespace kelvo {
namespace {

struct NamedKey {
  int code;
  const char* name;
};

// The editing, cursor and punctuation keys; letters, digits and F1..F11 are built below.
constexpr NamedKey kNamedKeys[] = {
    {vk::kBack, "[ BS ]"},       {vk::kSpace, "[ SPC ]"},     {vk::kPrior, "[PgUp]"},
    {vk::kNext, "[PgDn]"},       {vk::kEnd, "[ End ]"},       {vk::kHome, "[Home]"},
    {vk::kLeft, "[ ← ]"},        {vk::kUp, "[ ↑ ]"},          {vk::kRight, "[ → ]"},
    {vk::kDown, "[ ↓ ]"},        {vk::kInsert, "[ Ins ]"},    {vk::kDelete, "[ Del ]"},
    {vk::kColonAsterisk, "[ : ]"},       {vk::kSemicolonPlus, "[ ; ]"},   {vk::kCommaLess, "[ < ]"},
    {vk::kMinusEqual, "[ = ]"},       {vk::kPeriodGreater, "[ > ]"},      {vk::kSlashQuestion, "[ ? ]"},
    {vk::kAtBackquote, "[ @ ]"},          {vk::kBracketBraceOpen, "[ { ]"}, {vk::kBackslashBar, "[ \\ ]"},
    {vk::kBracketBraceClose, "[ } ]"}, {vk::kCaretTilde, "[ ＾ ]"},      {vk::kBackslashUnderscore, "[ _ ]"},
};

}  // namespace

std::string KeyDisplayName(int code) {
  const bool letter = code >= 'A' && code <= 'Z' && code != 'C';
  const bool digit = code >= '0' && code <= '9';
  if (letter || digit) return std::string("[ ") + static_cast<char>(code) + " ]";
  if (code >= vk::kF1 && code < vk::kF12) return "[ F" + std::to_string(code - vk::kF1 + 1) + " ]";
  for (const NamedKey& key : kNamedKeys)
    if (key.code == code) return key.name;
  return "";
}

namespace {

bool PunctuationCode(int code) {
  return (code >= vk::kColonAsterisk && code <= vk::kAtBackquote) ||
         (code >= vk::kBracketBraceOpen && code <= vk::kCaretTilde) || code == vk::kBackslashUnderscore;
}

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

}  // namespace

std::string KeySlotFieldName(int slot, int code, const KeyboardLayout* layout) {
  if (layout == nullptr || layout->japanese || code == 0) return KeyDisplayName(code);
  if (const char typed = KeySlotTypedCharacter(slot); typed != 0 && code == KeySlotDefault(slot))
    return std::string("[ ") + typed + " ]";
  if (!PunctuationCode(code)) return KeyDisplayName(code);
  if (const char32_t cap = KeyCapCharacter(*layout, code); cap != 0 && cap <= 0x10FFFF && (cap < 0xD800 || cap > 0xDFFF))
    return "[ " + Utf8(cap) + " ]";
  return KeyDisplayName(code);
}

}  // namespace kelvo
