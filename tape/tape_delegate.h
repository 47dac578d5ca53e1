#pragma once

#include <QStyledItemDelegate>

// Draws a tape row like the roll: a date row on its own, the time of a calculation at the left
// of its first line, the figure right-aligned and the mark in a column of its own.
class TapeDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
