#include "tape_settings.h"

#include "ini_file.h"
#include "settings_keys.h"
#include "shell_paths.h"

namespace tape {

static_assert(static_cast<std::size_t>(kelvo::ini::kTapeMaxLines.fallback) == TapeSettings::kDefaultMaxLines);

TapeSettings ReadTapeSettings(const std::string& path) {
  const kelvo::IniFile file(path);
  TapeSettings settings;
  const std::int32_t recording = kelvo::ini::Read(file, kelvo::ini::kTapeRecording);
  settings.recording = recording != 0;
  const std::int32_t maxLines = kelvo::ini::Read(file, kelvo::ini::kTapeMaxLines);
  if (maxLines >= static_cast<std::int32_t>(TapeSettings::kFewestLines) &&
      maxLines <= static_cast<std::int32_t>(TapeSettings::kDefaultMaxLines))
    settings.maxLines = static_cast<std::size_t>(maxLines);
  return settings;
}

std::string TapeFilePath() { return kelvo::ProgramPath("KelvoFiles/_sys/Tape.txt"); }

}  // namespace tape
