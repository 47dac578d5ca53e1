// kelvo-tape-print.so: the tape's print preview and printing, loaded by the tape window when the
// user prints (tape_print.h), so that Qt's print support is never loaded at start.
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "tape_index.h"
#include "tape_roll.h"

extern "C" Q_DECL_EXPORT void KelvoPreviewAndPrintTape(QWidget* parent, const tape::TapeIndex* index) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QStringLiteral("テープの印刷"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [index](QPrinter* target) { tape::PaintRoll(*target, *index); });
  preview.exec();
}
