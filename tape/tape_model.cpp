#include "tape_model.h"

#include "tape_format.h"

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
  beginInsertRows({}, shownRows_, shownRows_ + static_cast<int>(added) - 1);
  shownRows_ += static_cast<int>(added);
  endInsertRows();
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

int TapeModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

QVariant TapeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const bool isDate = index_.KindOf(row) == tape::TapeIndex::Kind::Date;
  switch (role) {
    case Qt::DisplayRole:
      if (isDate) return tape::DateText(index_.Stamp(row));
      return QString::fromUtf8(index_.Line(row));
    case Qt::AccessibleTextRole:  // every line says when its calculation was made, so calculations stay apart
      if (isDate) return tape::DateText(index_.Stamp(row));
      return QString::fromUtf8(index_.Stamp(row).substr(11, 5)) + u' ' + QString::fromUtf8(index_.Line(row));
    case FigureRole:
      return isDate ? QString() : QString::fromUtf8(tape::Split(index_.Line(row)).figure);
    case MarkRole:
      return isDate ? QString() : QString::fromUtf8(tape::MarkField(index_.Line(row)));
    case TimeRole:
      if (index_.KindOf(row) != tape::TapeIndex::Kind::FirstLine) return {};
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
