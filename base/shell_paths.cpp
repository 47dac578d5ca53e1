#include "shell_paths.h"

#include <filesystem>

#include "file_path.h"

namespace kelvo {
namespace {

struct ShellPaths {
  std::string programFolder = ".";
  std::string settingsFile = kMainSettingsFile;
  std::string formulaScript = std::string(kCalcFolder) + "/CalcRun.vbs";
  std::string answerFile = std::string(kCalcFolder) + "/CalcAns.ini";
};

ShellPaths& Paths() {
  static ShellPaths paths;
  return paths;
}

std::string InstanceFileName(std::uint32_t pid) {
  return std::string(kInstanceFolder) + "/PID" + std::to_string(pid) + ".ini";
}

}  // namespace

void SetProgramFolder(const std::string& folder) { Paths().programFolder = folder.empty() ? "." : folder; }

const std::string& ProgramFolder() { return Paths().programFolder; }

std::string ProgramPath(const std::string& relative) { return Paths().programFolder + "/" + relative; }

const std::string& CurrentSettingsFile() { return Paths().settingsFile; }
const std::string& FormulaScriptFile() { return Paths().formulaScript; }
const std::string& AnswerFile() { return Paths().answerFile; }

std::string CurrentSettingsPath() { return ProgramPath(Paths().settingsFile); }

void UsePrimaryInstanceFiles() { Paths() = ShellPaths{Paths().programFolder}; }

void UseChildInstanceFiles(std::uint32_t pid) {
  const std::string prefix = std::string(kCalcFolder) + "/PID" + std::to_string(pid);
  Paths().settingsFile = InstanceFileName(pid);
  Paths().formulaScript = prefix + "CalcRun.vbs";
  Paths().answerFile = prefix + "CalcAns.ini";
}

bool CreateChildInstanceFile(std::uint32_t pid) {
  // An old file of that name goes first, so that a link planted there is replaced, not followed.
  const std::filesystem::path target = FilePath(ProgramPath(InstanceFileName(pid)));
  std::error_code error;
  std::filesystem::remove(target, error);
  return std::filesystem::copy_file(FilePath(ProgramPath(kMainSettingsFile)), target, error);
}

void DeleteChildInstanceFile() {
  if (Paths().settingsFile == kMainSettingsFile) return;
  std::error_code error;
  std::filesystem::remove(FilePath(CurrentSettingsPath()), error);
}

}  // namespace kelvo
