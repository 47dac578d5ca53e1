#pragma once

#include "tape_index.h"

class QWidget;

namespace tape {

// The print module, kelvo-tape-print.so, a helper beside the executable (or in an installation's
// helper folder): printing needs Qt's print support, which the program loads only when the user
// prints, never at start.
inline constexpr const char* kPrintModuleName = "kelvo-tape-print.so";

// Shows the print preview of the tape, from which the user prints. False when the print module
// cannot be loaded.
bool PreviewAndPrint(QWidget* parent, const TapeIndex& index);

}  // namespace tape
