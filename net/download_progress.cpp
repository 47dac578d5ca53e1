#include "download_progress.h"

#include <cmath>

namespace kelvo {
namespace {

// `bytes` divided by 10^`shift`, rounded half away from zero, written with thousands separators
// and `decimals` of its digits after the point. The digits before the point are left out when
// they are all zero (".50"); with no decimals a zero is the empty text, as "#,###." prints it.
// Dividing the integer byte count keeps halves exact, so 12345 bytes are "12.35" kilobytes.
QString Grouped(double bytes, int shift, int decimals) {
  const double units = std::round(std::abs(bytes) / std::pow(10.0, shift));
  QString digits = QString::number(units, 'f', 0);
  if (digits == QLatin1String("0")) digits.clear();
  while (digits.size() < decimals) digits.prepend(u'0');
  const qsizetype whole = digits.size() - decimals;
  QString text = digits.mid(whole);
  if (decimals > 0) text.prepend(u'.');
  for (qsizetype end = whole, count = 0; end > 0; --end, ++count) {
    if (count > 0 && count % 3 == 0) text.prepend(u',');
    text.prepend(digits[end - 1]);
  }
  if (bytes < 0 && units != 0) text.prepend(u'-');
  return text;
}

}  // namespace

ProgressLine DownloadProgressLine(int mode, double received, double announced, const QString& label) {
  const bool reached = received >= announced;
  const QString tail = QStringLiteral(" KB  ") + label;
  if (mode == 1) {
    const QString size = Grouped(announced, 1, 2);  // kilobytes with two decimals
    return {(reached ? size : Grouped(received, 1, 2)) + u'/' + size + tail, -1};
  }
  if (mode == 2) {
    const QString size = Grouped(announced, 3, 0);  // whole kilobytes
    if (reached) return {size + u'/' + size + tail, 1.0};
    // Whole tens of kilobytes and a written "0": the figure moves every ten blocks.
    return {Grouped(received, 4, 0) + QStringLiteral("0/") + size + tail, received / announced};
  }
  return {};
}

}  // namespace kelvo
