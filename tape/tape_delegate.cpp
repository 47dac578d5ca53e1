#include "tape_delegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "tape_model.h"
#include "tape_records.h"

namespace {

// Set on an editor when Enter was pressed in it: only then is what it holds taken.
constexpr char kConfirmed[] = "kelvoConfirmed";

struct Columns {
  int markWidth;
  QRect figure;  // where the figure is drawn, right-aligned
  int afterTime;  // where a note may start
};

Columns ColumnsOf(const QStyleOptionViewItem& option) {
  const QRect area = option.rect.adjusted(4, 0, -4, 0);
  const QFontMetrics& metrics = option.fontMetrics;
  const int markWidth = metrics.horizontalAdvance(QStringLiteral("税込")) + 2;
  return {markWidth, area.adjusted(0, 0, -markWidth - 4, 0), area.left() + metrics.horizontalAdvance(QStringLiteral("00:00 "))};
}

}  // namespace

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
    const Columns columns = ColumnsOf(option);
    const QString time = index.data(TapeModel::TimeRole).toString();
    const QString figure = index.data(TapeModel::FigureRole).toString();
    if (!time.isEmpty()) painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, time);
    const QString note = index.data(TapeModel::NoteRole).toString();
    const int noteRight = columns.figure.right() - option.fontMetrics.horizontalAdvance(figure) - option.fontMetrics.horizontalAdvance(u' ');
    if (!note.isEmpty() && noteRight > columns.afterTime) {
      const QString shown = option.fontMetrics.elidedText(note, Qt::ElideRight, noteRight - columns.afterTime);
      painter->drawText(QRect(columns.afterTime, area.top(), noteRight - columns.afterTime, area.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    if (index.data(TapeModel::CorrectedRole).toBool()) {
      QFont struck = option.font;
      struck.setStrikeOut(true);
      painter->setFont(struck);
    }
    painter->drawText(columns.figure, Qt::AlignRight | Qt::AlignVCenter, figure);
    painter->drawText(QRect(columns.figure.right() + 4, area.top(), columns.markWidth, area.height()),
                      Qt::AlignLeft | Qt::AlignVCenter, index.data(TapeModel::MarkRole).toString());
  }
  painter->restore();
}

QSize TapeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  // Every row is as tall as one line: the view can then place a million rows without asking each.
  return {option.fontMetrics.horizontalAdvance(QLatin1Char('0')) * 28, option.fontMetrics.height() + 4};
}

QWidget* TapeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
  auto* editor = new QLineEdit(parent);
  if (editing_ == Editing::Figure) {
    editor->setObjectName(QStringLiteral("TapeFigureEdit"));
    editor->setAccessibleName(QStringLiteral("訂正する数値"));
    editor->setAlignment(Qt::AlignRight);
    editor->setMaxLength(40);
  } else {
    editor->setObjectName(QStringLiteral("TapeNoteEdit"));
    editor->setAccessibleName(QStringLiteral("摘要"));
    editor->setPlaceholderText(QStringLiteral("摘要"));
    editor->setMaxLength(static_cast<int>(tape::kMaxNoteChars));
  }
  return editor;
}

void TapeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* line = static_cast<QLineEdit*>(editor);
  line->setText(index.data(editing_ == Editing::Figure ? int(TapeModel::FigureRole) : int(TapeModel::NoteRole)).toString());
  line->selectAll();
}

void TapeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (!editor->property(kConfirmed).toBool()) return;
  editor->setProperty(kConfirmed, false);  // taken once
  model->setData(index, static_cast<QLineEdit*>(editor)->text(), editing_ == Editing::Figure ? int(Qt::EditRole) : int(TapeModel::NoteRole));
}

void TapeDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const {
  const Columns columns = ColumnsOf(option);
  QRect where = option.rect;
  where.setLeft(columns.afterTime);
  if (editing_ == Editing::Figure) where.setRight(columns.figure.right());
  editor->setGeometry(where);
}

bool TapeDelegate::eventFilter(QObject* object, QEvent* event) {
  // Esc cancels the edit, whatever the window's own keys do with it.
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    event->accept();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) object->setProperty(kConfirmed, true);
  }
  return QStyledItemDelegate::eventFilter(object, event);
}
