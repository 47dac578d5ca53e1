#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

// Reads a whole text as a 32-bit integer: an optional sign, then decimal digits whose value lies
// in the range of a 32-bit integer, or "0x" / "0X" and hexadecimal digits of at most eight
// significant digits, taken as the integer's 32 bits (0xFFFFFFFF reads as -1). Leading zeros do
// not count. Anything else, a number out of range included, gives nothing.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// Reads a whole text as a decimal floating-point number: optional blanks, sign, digits with an
// optional point, an optional exponent ("1.5", ".5", "1E3", "999."). A point is the only
// decimal separator, whatever the locale. Values too large for a double give nothing; values too
// small for one read as zero.
std::optional<double> ParseDecimalNumber(std::string_view text);

// Reads a whole text as a plain decimal: optional blanks, digits with an optional point, and
// nothing else ("8", "0.08", ".5", "10."; not "-1", "+1", "1e3", "0x10", "8%", "８", "inf").
std::optional<double> ParsePlainDecimal(std::string_view text);

// The shortest text of at most 15 significant digits that stands for the value, written out
// without an exponent ("0.05", "0.0000001", "123456789012346000").
std::string FormatReal(double value);

}  // namespace kelvo
