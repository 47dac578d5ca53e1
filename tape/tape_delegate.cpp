#include "tape_delegate.h"

#include <QApplication>
#include <QPainter>

#include "tape_model.h"

void TapeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem background = option;
  initStyleOption(&background, index);
  background.text.clear();
  QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

  painter->save();
  const bool selected = option.state & QStyle::State_Selected;
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const QRect area = option.rect.adjusted(4, 0, -4, 0);
  if (index.data(TapeModel::IsDateRole).toBool()) {
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
  } else {
    const QFontMetrics& metrics = option.fontMetrics;
    const int markWidth = metrics.horizontalAdvance(QStringLiteral("税込")) + 2;
    const QRect figure = area.adjusted(0, 0, -markWidth - 4, 0);
    const QString time = index.data(TapeModel::TimeRole).toString();
    if (!time.isEmpty()) painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, time);
    painter->drawText(figure, Qt::AlignRight | Qt::AlignVCenter, index.data(TapeModel::FigureRole).toString());
    painter->drawText(QRect(figure.right() + 4, area.top(), markWidth, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(TapeModel::MarkRole).toString());
  }
  painter->restore();
}

QSize TapeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  // Every row is as tall as one line: the view can then place a million rows without asking each.
  return {option.fontMetrics.horizontalAdvance(QLatin1Char('0')) * 28, option.fontMetrics.height() + 4};
}
