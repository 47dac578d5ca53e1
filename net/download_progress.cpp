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

ProgressLines::ProgressLines(int mode, double announced, const QString& label)
    : mode_(mode), announced_(announced), tail_(QStringLiteral(" KB  ") + label) {
  if (mode_ == 1) size_ = Grouped(announced_, 1, 2);  // kilobytes with two decimals
  if (mode_ == 2) size_ = Grouped(announced_, 3, 0);  // whole kilobytes
}

ProgressLine ProgressLines::At(double received) {
  if (mode_ != 1 && mode_ != 2) return {};
  const bool reached = received >= announced_;
  // Mode 1 shows hundredths of kilobytes; mode 2 whole tens of kilobytes and a written "0".
  const int shift = mode_ == 1 ? 1 : 4;
  const double units = reached ? -1 : std::round(received / std::pow(10.0, shift));
  if (units != shownUnits_) {
    shownUnits_ = units;
    if (reached) {
      text_ = size_ + u'/' + size_ + tail_;
    } else {
      text_ = Grouped(received, shift, mode_ == 1 ? 2 : 0) + (mode_ == 1 ? QStringLiteral("/") : QStringLiteral("0/")) + size_ + tail_;
    }
  }
  if (mode_ == 1) return {text_, -1};
  return {text_, reached ? 1.0 : received / announced_};
}

ProgressLine DownloadProgressLine(int mode, double received, double announced, const QString& label) {
  return ProgressLines(mode, announced, label).At(received);
}

}  // namespace kelvo
