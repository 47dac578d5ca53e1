#include "key_names.h"

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

}  // namespace kelvo
