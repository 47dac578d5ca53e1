#include "tax_rate_name.h"

#include <cmath>

#include "format.h"

namespace kelvo {

std::string TaxRateName(double rate, bool reduced) {
  const double percent = rate * 100;
  // 15 significant digits hide the binary error of the product (0.1 * 100 gives "10").
  const std::string number = std::isfinite(percent) ? FormatGeneral15(percent) : "?";
  return (reduced ? "軽" : "") + number + "%";
}

}  // namespace kelvo
