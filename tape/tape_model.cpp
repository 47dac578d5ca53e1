#include "tape_model.h"

#include "tape_format.h"
#include "tape_records.h"

namespace tape {

QString DateText(std::string_view stamp) {
  if (stamp.empty()) return QStringLiteral("日付なし");
  QString date = QString::fromUtf8(StampDate(stamp));
  date.replace(QLatin1Char('-'), QLatin1Char('/'));
  return date;
}

QString TimeText(std::string_view stamp) { return QString::fromUtf8(StampTime(stamp).substr(0, 5)); }

}  // namespace tape

void TapeModel::Load(const std::string& path) {
  beginResetModel();
  index_.Load(path);
  shownRows_ = static_cast<int>(index_.Rows());
  endResetModel();
}

void TapeModel::AddBlock(std::string_view block) {
  // The index takes the block first; the view learns of the rows through shownRows_.
  const std::size_t added = index_.AddBlock(block);
  if (added == 0) return;
  const int before = shownRows_;
  beginInsertRows({}, shownRows_, shownRows_ + static_cast<int>(added) - 1);
  shownRows_ += static_cast<int>(added);
  endInsertRows();
  // A correction: the calculation it corrects, wherever it is, is now shown so.
  const auto first = static_cast<std::size_t>(before) + (index_.KindOf(static_cast<std::size_t>(before)) == tape::TapeIndex::Kind::Date ? 1 : 0);
  if (first < index_.Rows() && tape::CorrectedStamp(index_.Line(first)) && before > 0)
    emit dataChanged(index(0), index(before - 1), {CorrectedRole, Qt::AccessibleTextRole});
  if (index_.OverRowCap()) {
    beginResetModel();
    index_.DropOldestRows();
    shownRows_ = static_cast<int>(index_.Rows());
    endResetModel();
  }
}

void TapeModel::Clear() {
  beginResetModel();
  index_.Clear();
  shownRows_ = 0;
  endResetModel();
}

void TapeModel::SetNote(int row, const QString& note) {
  const QByteArray text = note.toUtf8();
  index_.SetNote(static_cast<std::size_t>(row), std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  const auto [first, end] = index_.CalculationRows(static_cast<std::size_t>(row));
  emit dataChanged(index(static_cast<int>(first)), index(static_cast<int>(end) - 1), {NoteRole, Qt::ToolTipRole, Qt::AccessibleTextRole});
}

Qt::ItemFlags TapeModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractListModel::flags(index);
  if (index.isValid() && !index.data(IsDateRole).toBool()) flags |= Qt::ItemIsEditable;
  return flags;
}

bool TapeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= rowCount()) return false;
  if (role == Qt::EditRole) emit figureEdited(index.row(), value.toString());
  if (role == NoteRole) emit noteEdited(index.row(), value.toString());
  return false;  // the row itself never changes
}

int TapeModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

bool TapeModel::IsFirstLine(std::size_t row) const { return index_.KindOf(row) == tape::TapeIndex::Kind::FirstLine; }

QVariant TapeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const bool isDate = index_.KindOf(row) == tape::TapeIndex::Kind::Date;
  switch (role) {
    case Qt::DisplayRole:
      if (isDate) return tape::DateText(index_.Stamp(row));
      return QString::fromUtf8(index_.Line(row));
    case Qt::AccessibleTextRole: {  // every line says when its calculation was made, so calculations stay apart
      if (isDate) return tape::DateText(index_.Stamp(row));
      QStringList parts;
      if (index_.Corrected(row)) parts << QStringLiteral("訂正済み");
      if (const QString time = tape::TimeText(index_.Stamp(row)); !time.isEmpty()) parts << time;  // none without a date
      parts << QString::fromUtf8(index_.Line(row));
      if (IsFirstLine(row) && !index_.Note(row).empty()) parts << QStringLiteral("摘要") << QString::fromUtf8(index_.Note(row));
      return parts.join(u' ');
    }
    case NoteRole:
    case Qt::ToolTipRole:
      return IsFirstLine(row) ? QString::fromUtf8(index_.Note(row)) : QString();
    case CorrectedRole:
      return !isDate && index_.Corrected(row);
    case FigureRole:
      return isDate ? QString() : QString::fromUtf8(tape::Split(index_.Line(row)).figure);
    case MarkRole:
      return isDate ? QString() : QString::fromUtf8(tape::MarkField(index_.Line(row)));
    case TimeRole:
      if (!IsFirstLine(row)) return {};
      return tape::TimeText(index_.Stamp(row));
    case DateRole:
      return tape::DateText(index_.Stamp(row));
    case IsDateRole:
      return isDate;
    default:
      return {};
  }
}

#include "moc_tape_model.cpp"
