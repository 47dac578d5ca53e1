// Comma lists from the download server (the skin catalogue, the update list).
#include <string_view>

#include "comma_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::string_view line : kelvo::SplitLines(text)) kelvo::SplitCommaText(line);
  return 0;
}
