#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tape_file.h"
#include "tape_settings.h"

namespace tape {

// Appends the calculations the recorder hands over to the tape file, with the time they were
// completed. [Tape] is read at the first calculation, not at start. A tape that cannot be written,
// or that is over its cap and cannot be trimmed, is reported through `onFailure` when that
// starts (not again at every calculation while it lasts), and the calculator goes on.
class TapeWriter {
 public:
  // The settings file to read [Tape] from and the tape file, asked for at the first calculation.
  TapeWriter(std::function<std::string()> settingsPath, std::function<std::string()> tapePath)
      : settingsPath_(std::move(settingsPath)), tapePath_(std::move(tapePath)) {}

  std::function<void(const std::string& message)> onFailure;

  // Appends one calculation, with its trailer line when one is given (tape_records.h). The block
  // written (FormatBlock's text), or empty when recording is off, nothing was given or the file
  // could not be written (RecordingOn tells the two apart).
  std::string Record(const std::vector<std::string>& lines, std::string_view trailer = {});

  // Appends a record line that is not a calculation's (a note record), whether recording is on
  // or not: the user asked for it. False when it could not be written.
  bool AppendRecord(std::string_view record);

  // Whether the last Record replaced the file by its newest calculations (a reader of the old
  // file may go on showing what it has).
  bool LastRecordTrimmed() const { return lastTrimmed_; }

  // Whether [Tape] asks for calculations to be recorded.
  bool RecordingOn();

  // Empties the tape file. False when it cannot be written.
  bool Clear();

  // The tape file's path (reads [Tape] first, if not read yet).
  const std::string& Path();

 private:
  void Prepare();

  std::function<std::string()> settingsPath_;
  std::function<std::string()> tapePath_;
  std::unique_ptr<TapeFile> file_;
  TapeSettings settings_;
  enum class Trouble { None, NotWritten, NotTrimmed };
  Trouble trouble_ = Trouble::None;  // the one reported last, until it ends
  bool lastTrimmed_ = false;
};

}  // namespace tape
