// A throw-away program folder for tests, and whole-file helpers.
#pragma once

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "settings.h"
#include "shell_paths.h"
#include "side_windows.h"

namespace kelvo::test {

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

// A fresh program folder holding the installed KelvoFiles/_sys, PID and Calc folders, made the
// program folder for the test, with every process-wide setting back at its start value.
class ProgramFolder {
 public:
  ProgramFolder() {
    std::filesystem::create_directories(Path(kInstanceFolder));
    std::filesystem::create_directories(Path(kCalcFolder));
    SetProgramFolder(Root());
    UsePrimaryInstanceFiles();
    Settings() = SettingValues{};
    ResetSideWindowList();
  }
  std::string Root() const { return dir_.path().toStdString(); }
  std::string Path(const std::string& relative) const { return Root() + "/" + relative; }
  std::string MainSettings() const { return Path(kMainSettingsFile); }

 private:
  QTemporaryDir dir_;
};

}  // namespace kelvo::test
