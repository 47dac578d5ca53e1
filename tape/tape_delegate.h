#pragma once

#include <QStyledItemDelegate>

// Draws a tape row like the roll: a date row on its own, the time of a calculation at the left
// of its first line with its note after it, the figure right-aligned and the mark in a column of
// its own; a calculation corrected later is struck through.
//
// It also edits a row in place, its figure or its calculation's note, as the window says before
// it opens the editor. Only Enter hands what was typed to the model; Esc, or the editor losing
// the keyboard, leaves everything as it was.
class TapeDelegate : public QStyledItemDelegate {
 public:
  enum class Editing { Figure, Note };

  using QStyledItemDelegate::QStyledItemDelegate;

  void SetEditing(Editing editing) { editing_ = editing; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  Editing editing_ = Editing::Figure;
};
