#pragma once

#include <string>
#include <string_view>

#include "operator.h"

// Exact arithmetic and formatting on decimal texts: an optional "-", digits, an optional "."
// and digits. No exponent, no separators. Every function is pure.
namespace kelvo {

std::string DecAdd(std::string_view a, std::string_view b);
std::string DecSubtract(std::string_view a, std::string_view b);
std::string DecMultiply(std::string_view a, std::string_view b);
// Truncated quotient of at most 23 counted positions once the point is passed. b must not be zero.
std::string DecDivide(std::string_view a, std::string_view b);
// One of the four operations above; Operator::None gives an empty text.
std::string Arith(std::string_view a, Operator op, std::string_view b);

bool IsZeroText(std::string_view t);
std::string StripTrailingZeros(std::string_view t);
std::string StripLeadingZeros(std::string_view t);

}  // namespace kelvo
