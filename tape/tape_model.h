#pragma once

#include <QAbstractListModel>

#include "tape_index.h"

// The tape window's rows over the tape file (see tape::TapeIndex): a date row above each day's
// calculations, then their lines, newest last.
class TapeModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Role { FigureRole = Qt::UserRole + 1, MarkRole, TimeRole, DateRole, IsDateRole, NoteRole, CorrectedRole };

  explicit TapeModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  void Load(const std::string& path);
  // A block recorded while the window is open; past the row cap the oldest rows go (a reset).
  void AddBlock(std::string_view block);
  void Clear();
  // A note record for the calculation of line row `row` was written.
  void SetNote(int row, const QString& note);

  const tape::TapeIndex& Index() const { return index_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  // DisplayRole: the date "2026/12/07" of a date row, a line's figure and mark as the tape shows
  // them. FigureRole and MarkRole the two parts of a line, TimeRole "15:44" on a calculation's
  // first line, DateRole the row's date, NoteRole (and the tool tip) the calculation's note on its
  // first line, CorrectedRole whether a later calculation corrects it. AccessibleTextRole: a line
  // led by its calculation's time, and by 訂正済み when it was corrected; the first line ends
  // with the note.
  QVariant data(const QModelIndex& index, int role) const override;
  // Line rows can be edited in place (the tape window says which may be, and when): what is
  // typed is never stored in the row but handed on through figureEdited or noteEdited.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void figureEdited(int row, const QString& figure);
  void noteEdited(int row, const QString& note);

 private:
  bool IsFirstLine(std::size_t row) const;

  tape::TapeIndex index_;
  int shownRows_ = 0;  // the rows the view knows of
};

namespace tape {
// "2026-12-07 15:44:41" -> "2026/12/07"; "日付なし" for a calculation without a real date.
QString DateText(std::string_view stamp);
// "2026-12-07 15:44:41" -> "15:44"; empty without a date.
QString TimeText(std::string_view stamp);
}  // namespace tape
