#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "tape_records.h"

// What the tape window and the calculator say to each other about correcting a calculation of the
// tape: the window knows the tape, the calculator recomputes.
namespace tape {

// Whether a calculation can be corrected.
struct Correctable {
  std::string why;  // why it cannot be (a message for the status line); empty when it can
  std::vector<std::size_t> figures;  // its lines whose figures were typed: the ones a correction may change
};

// A calculation of the tape, to be recomputed with one of its figures changed.
struct CorrectionRequest {
  std::string stamp;  // its header's stamp, as written
  int back = 1;       // how a record appended now refers to it (TapeIndex::BackCount)
  std::vector<std::string> lines;
  std::optional<CalcSettings> settings;  // as its trailer says; none when it was recorded without them
  std::size_t line = 0;  // the line whose figure changes
  std::string figure;    // the new figure, as typed
};

struct CorrectionOutcome {
  bool recorded = false;    // the correction is on the tape
  std::string why;          // otherwise why not
  std::string result;       // its result figure
  bool settingsNow = false;  // recomputed with the settings in force now, none being recorded
};

// What became of a record appended to the tape.
struct RecordOutcome {
  bool written = false;
  bool trimmed = false;  // the append replaced the file by its newest part
};

}  // namespace tape
