#pragma once

#include <cstddef>
#include <string>

namespace tape {

// [Tape] in the settings file: Recording (1 on, 0 off) and MaxLines, the cap of the tape.
struct TapeSettings {
  static constexpr std::size_t kDefaultMaxLines = 1000000;
  static constexpr std::size_t kFewestLines = 100;

  bool recording = true;
  std::size_t maxLines = kDefaultMaxLines;
};

// Reads them from the settings file at `path`; a missing, unreadable or out-of-range value
// takes its default.
TapeSettings ReadTapeSettings(const std::string& path);

// The tape beside the settings: "KelvoFiles/_sys/Tape.txt" below the program folder.
std::string TapeFilePath();

}  // namespace tape
