// The tape window's corrections and notes: a typed figure changed in place and the calculation
// recomputed by the calculator, and a one-line note kept with a calculation.
#include <QItemSelectionModel>
#include <QListView>

#include "tape_delegate.h"
#include "tape_format.h"
#include "tape_model.h"
#include "tape_records.h"
#include "tape_window.h"

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// "1,234" and "1234" are the same figure.
QString Plain(const QString& figure) { return QString(figure).remove(QLatin1Char(',')).trimmed(); }

}  // namespace

std::vector<std::string> TfrmTape::CalculationLines(std::size_t row) const {
  const tape::TapeIndex& index = model_->Index();
  const auto [first, end] = index.CalculationRows(row);
  std::vector<std::string> lines;
  for (std::size_t at = first; at < end; ++at) lines.emplace_back(index.Line(at));
  return lines;
}

QString TfrmTape::WhyNoCorrection() const {
  const QModelIndex current = list_->currentIndex();
  if (!current.isValid() || current.data(TapeModel::IsDateRole).toBool())
    return QStringLiteral("訂正する数値の行を選んでください。");
  const auto row = static_cast<std::size_t>(current.row());
  const tape::Correctable correctable = tape_.CheckCorrection(CalculationLines(row));
  if (!correctable.why.empty()) return QString::fromStdString(correctable.why);
  const std::size_t line = row - model_->Index().CalculationRows(row).first;
  if (std::find(correctable.figures.begin(), correctable.figures.end(), line) == correctable.figures.end())
    return QStringLiteral("この行は入力した数値ではありません。結果は、入力した数値を訂正すると計算し直されます。");
  return {};
}

void TfrmTape::StartCorrection() {
  delegate_->SetEditing(TapeDelegate::Editing::Figure);
  list_->edit(list_->currentIndex());
}

void TfrmTape::CorrectFigure(int row, const QString& figure) {
  if (row < 0 || row >= model_->rowCount()) return;
  const QModelIndex index = model_->index(row);
  if (Plain(figure) == Plain(index.data(TapeModel::FigureRole).toString())) return;  // nothing changed
  const tape::TapeIndex& tape = model_->Index();
  const auto at = static_cast<std::size_t>(row);
  tape::CorrectionRequest request;
  request.stamp = tape.HeaderStamp(at);
  request.back = tape.BackCount(at);
  request.lines = CalculationLines(at);
  request.settings = tape::ParseTrailer(tape.Trailer(at)).settings;
  request.line = at - tape.CalculationRows(at).first;
  request.figure = Utf8(figure.trimmed());
  const tape::CorrectionOutcome outcome = tape_.Correct(request);
  if (!outcome.recorded) {
    ShowStatus(QString::fromStdString(outcome.why));
    return;
  }
  // The correction is the newest calculation: its result is the line to go on from.
  const QModelIndex last = model_->index(model_->rowCount() - 1);
  list_->setCurrentIndex(last);
  list_->scrollTo(last);
  list_->setFocus();
  QString said = QString::fromUtf8(tape::StampTime(request.stamp)) + QStringLiteral(" の計算を訂正しました: ") +
                 QString::fromStdString(outcome.result);
  if (outcome.settingsNow)
    said += QStringLiteral("\nこの計算には設定の記録がないため、いまの端数処理・小数点・パーセント・税率の設定で計算し直しました。");
  ShowStatus(said);
}

QString TfrmTape::WhyNoNote() const {
  const QModelIndex current = list_->currentIndex();
  if (!current.isValid() || current.data(TapeModel::IsDateRole).toBool()) return QStringLiteral("摘要をつける計算を選んでください。");
  return {};
}

void TfrmTape::StartNote() {
  const auto [first, end] = model_->Index().CalculationRows(static_cast<std::size_t>(list_->currentIndex().row()));
  const QModelIndex firstLine = model_->index(static_cast<int>(first));
  list_->setCurrentIndex(firstLine);
  delegate_->SetEditing(TapeDelegate::Editing::Note);
  list_->edit(firstLine);
}

void TfrmTape::SetNote(int row, const QString& typed) {
  if (row < 0 || row >= model_->rowCount() || model_->index(row).data(TapeModel::IsDateRole).toBool()) return;
  const QString note = typed.trimmed();
  const std::string text = Utf8(note);
  if (!tape::IsNoteText(text)) {
    ShowStatus(QStringLiteral("摘要は改行や制御文字を含まない %1 文字までの 1 行にしてください。").arg(tape::kMaxNoteChars));
    return;
  }
  const tape::TapeIndex& tape = model_->Index();
  const auto at = static_cast<std::size_t>(row);
  if (tape.Note(at) == text) return;  // nothing changed
  const tape::RecordOutcome outcome = tape_.AppendTapeRecord(tape::FormatNoteRecord(tape.HeaderStamp(at), tape.BackCount(at), text));
  if (!outcome.written) {
    ShowStatus(QStringLiteral("摘要をテープに保存できませんでした。"));
    return;
  }
  KnowOwnAppend(outcome.trimmed);
  model_->SetNote(row, note);
  list_->setFocus();
  ShowStatus(note.isEmpty() ? QStringLiteral("摘要を消しました。") : QStringLiteral("摘要を保存しました: ") + note);
}
