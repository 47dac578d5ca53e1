#include "tape_settings.h"

#include "ini_file.h"
#include "shell_paths.h"

namespace tape {

TapeSettings ReadTapeSettings(const std::string& path) {
  const kelvo::IniFile file(path);
  TapeSettings settings;
  const std::int32_t recording = file.ReadInteger("Tape", "Recording", 1);
  settings.recording = recording != 0;
  const std::int32_t maxLines = file.ReadInteger("Tape", "MaxLines", static_cast<std::int32_t>(TapeSettings::kDefaultMaxLines));
  if (maxLines >= static_cast<std::int32_t>(TapeSettings::kFewestLines) &&
      maxLines <= static_cast<std::int32_t>(TapeSettings::kDefaultMaxLines))
    settings.maxLines = static_cast<std::size_t>(maxLines);
  return settings;
}

std::string TapeFilePath() { return kelvo::ProgramPath("KelvoFiles/_sys/Tape.txt"); }

}  // namespace tape
