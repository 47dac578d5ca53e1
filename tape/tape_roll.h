#pragma once

#include "tape_export.h"
#include "tape_index.h"

class QPagedPaintDevice;

namespace tape {

// Paints the tape as a printing calculator's roll on the pages of a printer or a PDF: a header
// with the date range, each day's date, the time of each calculation at the left, the figures
// right-aligned and the marks in their column. False when the device cannot be painted on or
// `progress` cancelled (the pages painted so far stay on the device: the caller discards them).
bool PaintRoll(QPagedPaintDevice& device, const TapeIndex& index, const RowSpans& rows, const ExportProgress& progress = {});

}  // namespace tape
