#pragma once

#include <functional>

#include "tape_export.h"
#include "tape_index.h"

class QWidget;

namespace tape {

// The print module, kelvo-tape-print.so, a helper beside the executable (or in an installation's
// helper folder): printing needs Qt's print support, which the program loads only when the user
// prints, never at start.
inline constexpr const char* kPrintModuleName = "kelvo-tape-print.so";

enum class PrintResult { Printed, Closed, NotPrinted, NoModule };

// Runs a long paint with a progress window of the caller's (false: failed or cancelled).
using WithProgress = std::function<bool(const std::function<bool(const ExportProgress&)>& paint)>;

// Prints `rows` of the tape: a few through the print preview (Closed when it closes), many through
// the print dialog and then `withProgress`, which can cancel them (NotPrinted). NoModule when the
// print module cannot be loaded.
PrintResult PrintRows(QWidget* parent, const TapeIndex& index, const RowSpans& rows, const WithProgress& withProgress);

}  // namespace tape
