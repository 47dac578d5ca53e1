#include "placement.h"

#include <cmath>

namespace placement {

QPoint RestoredPosition(QPoint saved, QSize outer, const Edges& area) {
  int left = saved.x();
  if (left < area.left) left = area.left;
  if (left + outer.width() > area.right) left = area.right - outer.width();
  int top = saved.y();
  if (top > area.bottom - 20) top = area.bottom - outer.height();
  if (top < area.top) top = area.top;
  return {left, top};
}

QPoint PlaceWindowPosition(int mode, const QRect& main, const QRect& side, const Edges& area, int captionHeight) {
  const int r = captionHeight < 0 || captionHeight > 60 ? 0 : captionHeight;
  const int ml = main.x(), mt = main.y(), mw = main.width();
  const int sw = side.width(), sh = side.height();
  const int centred = static_cast<int>(std::trunc(ml - (sw / 2.0 - mw / 2.0)));
  int left = 0, top = 0;
  auto belowCaption = [&] { return mt + sh > area.bottom ? area.bottom - sh : mt + r; };
  switch (mode) {
    case kTopLeftOfWorkArea:
      left = area.left;
      top = area.top;
      break;
    case kBesideMain:
      if (ml - area.left > sw) {
        left = ml - sw;
      } else if (ml + mw + sw < area.right) {
        left = ml + mw;
      } else {
        left = centred;
      }
      top = mt + sh > area.bottom ? area.bottom - sh : mt;
      break;
    case kCentredBelowCaption:
      left = centred;
      if (left + sw > area.right) {
        left = area.right - r - sw;
      } else if (left < area.left) {
        left = area.left + r;
      }
      top = belowCaption();
      break;
    case kCascaded:
      left = ml + r;
      if (left < area.left) {
        left = area.left + r;
      } else if (left + sw >= area.right) {
        left = area.right - r - sw;
      }
      top = belowCaption();
      break;
    default:
      left = side.x();
      top = side.y();
      break;
  }
  if (top < area.top) top = area.top;
  return {left, top};
}

}  // namespace placement
