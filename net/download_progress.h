#pragma once

#include <QString>

// The progress line a download shows after each block.
namespace kelvo {

struct ProgressLine {
  QString text;
  double barFraction = -1;  // mode 2 only: the bar's share of its full width, 0..1
};

// `received` counts 1024 for every block written, `announced` is the Content-Length. Mode 1:
// "12.29/45.10 KB  " + label (kilobytes with two decimals); mode 2: whole tens of kilobytes
// received, "0/", the whole kilobytes announced, " KB  " + label, and the bar. Once `received`
// reaches `announced`, both figures are the announced size. Mode 0 and unknown modes give nothing.
ProgressLine DownloadProgressLine(int mode, double received, double announced, const QString& label);

// The same lines for one download, one after the other: the text is built again only when a
// figure in it changes (in mode 2 every ten blocks), so that a fast transfer is not slowed down.
class ProgressLines {
 public:
  ProgressLines(int mode, double announced, const QString& label);
  ProgressLine At(double received);

 private:
  const int mode_;
  const double announced_;
  QString size_;  // the announced size as shown
  QString tail_;  // " KB  " and the label
  double shownUnits_ = -2;  // the received figure of text_ (-1: the announced size)
  QString text_;
};

}  // namespace kelvo
