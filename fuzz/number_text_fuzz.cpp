// Integer and real texts of the settings file: any text reads as a value or as nothing.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto value = kelvo::ParseIntegerText(text)) {
    // Decimal values read back the same from their own text.
    if (text.find_first_of("xX") == std::string_view::npos && kelvo::ParseIntegerText(std::to_string(*value)) != value) std::abort();
  }
  if (const auto real = kelvo::ParseDecimalNumber(text)) {
    if (!std::isfinite(*real)) std::abort();
    if (kelvo::ParseDecimalNumber(kelvo::FormatReal(*real)) == std::nullopt) std::abort();
  }
  return 0;
}
