#include "text_utils.h"

#include <algorithm>

#include "number_text.h"

namespace kelvo {

std::string ReplaceChar(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

bool IsNumberText(std::string_view text) { return ParseDecimalNumber(text).has_value(); }

}  // namespace kelvo
