// kelvo-tape-print.so: the tape's print preview and printing, loaded by the tape window when the
// user prints (tape_print.h), so that Qt's print support is never loaded at start.
#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "tape_index.h"
#include "tape_print.h"
#include "tape_roll.h"

namespace {

// More rows than this go without the preview, which would paint every page before showing one.
constexpr std::size_t kPreviewRows = 3000;

}  // namespace

extern "C" Q_DECL_EXPORT int KelvoPrintTapeRows(QWidget* parent, const tape::TapeIndex* index, const tape::RowSpans* rows,
                                                const tape::WithProgress* withProgress) {
  QPrinter printer(QPrinter::HighResolution);
  if (rows->Count() <= kPreviewRows) {
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("テープの印刷"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [index, rows](QPrinter* target) { tape::PaintRoll(*target, *index, *rows); });
    preview.exec();
    return static_cast<int>(tape::PrintResult::Closed);
  }
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("テープの印刷"));
  if (dialog.exec() != QDialog::Accepted) return static_cast<int>(tape::PrintResult::Closed);
  if ((*withProgress)([&](const tape::ExportProgress& progress) { return tape::PaintRoll(printer, *index, *rows, progress); }))
    return static_cast<int>(tape::PrintResult::Printed);
  printer.abort();
  // Printed to a file: the pages done so far would read as a whole document.
  if (!printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
  return static_cast<int>(tape::PrintResult::NotPrinted);
}
