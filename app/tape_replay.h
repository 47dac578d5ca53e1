#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "display.h"
#include "tape_correction.h"

// Recomputing a calculation of the paper tape from its lines: its figures typed again and its
// keys pressed again on a calculator of its own, with the settings it was made with, so that the
// lines come out exactly as the calculator writes them. What the lines cannot tell (a constant
// or a memory recall from before, a figure longer than the display) is not recomputed.
namespace kelvo {

// Whether a calculation can be recomputed from its lines, and which of them hold typed figures.
// A sum, a chain, a percent or a tax calculation can; an error, a memory or GT recall, a
// constant calculation, the tax shown by a second tax key, a calculation cut short and anything
// the calculator did not write cannot, and `why` says so.
tape::Correctable CheckReplay(const std::vector<std::string>& lines);

struct Replayed {
  std::vector<std::string> lines;  // the lines the calculator writes, without a correction's first line
  std::string why;                 // when there are none
};

// Recomputes the calculation with the figure of line `line` replaced by `figure` (typed as a
// paste is: "43", "1,200", "-5"). With `exact`, the calculation must first come out as it is on
// the tape with these settings: a calculation that leant on something the lines do not hold is
// refused rather than recomputed wrongly.
Replayed Replay(const std::vector<std::string>& lines, const EngineSettings& settings, std::size_t line,
                std::string_view figure, bool exact);

// The settings a calculation records, and the engine's settings with them applied.
tape::CalcSettings RecordedSettings(const EngineSettings& settings);
EngineSettings WithRecorded(EngineSettings settings, const tape::CalcSettings& recorded);

}  // namespace kelvo
