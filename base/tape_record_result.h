#pragma once

namespace kelvo {

// What became of a calculation a side window asked the main window to put on the paper tape.
enum class TapeRecordResult {
  Recorded,      // it is in the tape file
  RecordingOff,  // [Tape] Recording=0: nothing was written, as the user asked
  NotWritten,    // the tape file could not be written (the main window has said why)
};

}  // namespace kelvo
