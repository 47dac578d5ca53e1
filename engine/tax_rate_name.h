#pragma once

#include <string>

namespace kelvo {

// How a tax rate is named on the display and on paper: the percentage in its shortest form,
// marked "軽" when it is the reduced rate ("10%", "軽8%", "8.5%"). A rate that is not a finite
// number is named "?%".
std::string TaxRateName(double rate, bool reduced);

}  // namespace kelvo
