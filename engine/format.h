#pragma once

#include <string>
#include <string_view>

// Fitting values to the 14-digit display, overflow tests and the check-tape grouping.
namespace kelvo {

constexpr int kDisplayDigits = 14;

// Reads the longest numeric prefix of t as a double (0 when there is none).
double ReadDouble(std::string_view t);
// 15 significant digits, trailing zeros dropped, exponent written "E-5" (printf's %.15G).
std::string FormatGeneral15(double v);
// Like FormatGeneral15 but always plain digits, for values that feed the decimal arithmetic.
std::string FormatGeneral15Plain(double v);

std::string ExponentToPlain(std::string_view t);
std::string FitDisplay(std::string_view t);
std::string CheckOverflow(std::string_view t);   // "E" when the magnitude exceeds 14 nines
bool IsOverflow(std::string_view t);
std::string PadToFourteen(std::string_view t);
std::string GroupDigits(std::string_view t);

}  // namespace kelvo
