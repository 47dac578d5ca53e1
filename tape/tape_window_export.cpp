// The tape window's saving and printing: which rows, the progress of a long export, and the
// tape held still while it runs.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QSaveFile>

#include "tape_model.h"
#include "tape_print.h"
#include "tape_roll.h"
#include "tape_window.h"

namespace {

// How long an export runs between two turns of the window events.
constexpr qint64 kEventIntervalMs = 30;

bool WriteWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

class TfrmTape::ExportGuard {
 public:
  explicit ExportGuard(TfrmTape& window) : window_(window) {
    if (window_.exporting_++ == 0) window_.SetControlsEnabled(false);
    window_.exportCancelled_ = false;
  }
  ~ExportGuard() { window_.EndExport(); }
  ExportGuard(const ExportGuard&) = delete;
  ExportGuard& operator=(const ExportGuard&) = delete;

 private:
  TfrmTape& window_;
};

void TfrmTape::SetControlsEnabled(bool enabled) {
  for (QWidget* control : std::initializer_list<QWidget*>{list_, find_, plainCopy_, range_}) control->setEnabled(enabled);
  for (QAction* action : actions()) action->setEnabled(enabled);
  if (!readAloudMissing_.isEmpty()) readAloud_->setEnabled(false);  // nothing can be said either way
}

void TfrmTape::EndExport() {
  if (--exporting_ > 0) return;
  SetControlsEnabled(true);
  stopWanted_ = false;
  // What arrived meanwhile, in order; then the window may close.
  std::vector<std::pair<std::string, bool>> blocks;
  blocks.swap(waitingBlocks_);
  for (const auto& [block, trimmed] : blocks) AddBlock(block, trimmed);
  if (checkWanted_) {
    checkWanted_ = false;
    CheckTapeFile();
  }
  if (closeWanted_) {
    closeWanted_ = false;
    close();
  }
}

bool TfrmTape::WithProgress(const QString& label, const std::function<bool(const tape::ExportProgress&)>& work) {
  QProgressDialog dialog(label, QStringLiteral("中止"), 0, 1000, this);
  dialog.setObjectName(QStringLiteral("TapeProgress"));
  dialog.setWindowTitle(QStringLiteral("テープ"));
  // Not modal: a modal window would hold the calculator too. The tape window's own controls
  // rest meanwhile (ExportGuard).
  dialog.setWindowModality(Qt::NonModal);
  dialog.setMinimumDuration(400);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  QElapsedTimer sinceEvents;
  sinceEvents.start();
  const bool done = work([&](std::size_t rows, std::size_t total) {
    if (sinceEvents.elapsed() >= kEventIntervalMs) {
      dialog.setValue(static_cast<int>(rows * 1000 / std::max<std::size_t>(total, 1)));
      QCoreApplication::processEvents();
      sinceEvents.restart();
    }
    return !dialog.wasCanceled() && !stopWanted_;
  });
  exportCancelled_ = !done && (dialog.wasCanceled() || stopWanted_);
  return done;
}

void TfrmTape::SetRange(Range range) { range_->setCurrentIndex(static_cast<int>(range)); }

tape::RowSpans TfrmTape::ChosenRows() const {
  const tape::TapeIndex& index = model_->Index();
  switch (static_cast<Range>(range_->currentIndex())) {
    case Range::Selected: {
      std::vector<std::size_t> rows;
      for (const QItemSelectionRange& span : list_->selectionModel()->selection())
        for (int row = span.top(); row <= span.bottom(); ++row) rows.push_back(static_cast<std::size_t>(row));
      std::sort(rows.begin(), rows.end());
      return tape::CalculationsOf(index, rows);
    }
    case Range::Day: {
      const int current = list_->currentIndex().isValid() ? list_->currentIndex().row() : model_->rowCount() - 1;
      return current < 0 ? tape::RowSpans{} : tape::DayOf(index, static_cast<std::size_t>(current));
    }
    case Range::Whole:
      break;
  }
  return tape::RowSpans::All(index);
}

bool TfrmTape::SaveAs(const QString& path) {
  const tape::RowSpans rows = ChosenRows();
  const ExportGuard guard(*this);
  const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
  const tape::TapeIndex& index = model_->Index();
  const QString label = QStringLiteral("テープを保存しています…");
  if (suffix == QLatin1String("pdf")) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QPdfWriter writer(&file);
    writer.setTitle(QStringLiteral("テープ"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (!WithProgress(label, [&](const tape::ExportProgress& progress) { return tape::PaintRoll(writer, index, rows, progress); })) {
      file.cancelWriting();
      return false;
    }
    return file.commit();
  }
  std::optional<QByteArray> bytes;
  WithProgress(label, [&](const tape::ExportProgress& progress) {
    bytes = suffix == QLatin1String("txt") ? tape::PlainText(index, rows, progress) : tape::CsvText(index, rows, progress);
    return bytes.has_value();
  });
  return bytes && WriteWhole(path, *bytes);
}

void TfrmTape::Save() {
  const QString path = askSavePath(this);
  if (path.isEmpty()) return;
  if (SaveAs(path)) {
    ShowStatus(QStringLiteral("保存しました: ") + path);
  } else if (exportCancelled_) {
    ShowStatus(QStringLiteral("保存を中止しました。"));
  } else {
    showError(this, QStringLiteral("保存できませんでした。\n") + path);
  }
}

void TfrmTape::Print() {
  const tape::RowSpans rows = ChosenRows();
  const ExportGuard guard(*this);
  const tape::WithProgress withProgress = [this](const std::function<bool(const tape::ExportProgress&)>& paint) {
    return WithProgress(QStringLiteral("テープを印刷しています…"), paint);
  };
  switch (tape::PrintRows(this, model_->Index(), rows, withProgress)) {
    case tape::PrintResult::Printed:
      ShowStatus(QStringLiteral("印刷しました。"));
      break;
    case tape::PrintResult::NotPrinted:
      ShowStatus(exportCancelled_ ? QStringLiteral("印刷を中止しました。") : QStringLiteral("印刷できませんでした。"));
      break;
    case tape::PrintResult::NoModule:
      showError(this, QStringLiteral("印刷できません: ") + QString::fromLatin1(tape::kPrintModuleName) +
                          QStringLiteral(" が見つかりません。"));
      break;
    case tape::PrintResult::Closed:
      break;
  }
}
