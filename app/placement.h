#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where windows go: the saved position pulled back into the work area, and the side windows
// placed beside, below or cascaded from the main window.
namespace placement {

// A rectangle as the placement rules see it: right and bottom are exclusive edges.
struct Edges {
  int left, top, right, bottom;
  static Edges Of(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
};

// The saved top-left of the main window, pulled into the work area: fully on the horizontal
// axis; vertically only when the top lies below the work area's bottom - 20 or above its top.
QPoint RestoredPosition(QPoint saved, QSize outer, const Edges& workArea);

enum Mode { kTopLeftOfWorkArea = 0, kBesideMain = 1, kCentredBelowCaption = 2, kCascaded = 3 };

// Top-left of a side window (outer frame `side`) for the main window's outer frame `main`.
// captionHeight outside 0..60 counts as 0; an unknown mode only keeps the top in the work area.
QPoint PlaceWindowPosition(int mode, const QRect& main, const QRect& side, const Edges& workArea, int captionHeight);

}  // namespace placement
