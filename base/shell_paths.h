#pragma once

#include <cstdint>
#include <string>

namespace kelvo {

// Every file the program keeps lies below the program folder (the folder of the executable).
// The shell sets it once at start; tests point it at a temporary folder.
void SetProgramFolder(const std::string& folder);
const std::string& ProgramFolder();
// Program folder + "/" + a path relative to it.
std::string ProgramPath(const std::string& relative);

// Paths relative to the program folder.
inline constexpr const char* kMainSettingsFile = "KelvoFiles/_sys/Kelvo.ini";
inline constexpr const char* kInstanceFolder = "KelvoFiles/_sys/PID";
inline constexpr const char* kCalcFolder = "KelvoFiles/_sys/Calc";

// The settings file every reader and writer uses, and the formula calculator's script and
// answer file: the main files in the primary instance, private ones in a child instance.
const std::string& CurrentSettingsFile();
const std::string& FormulaScriptFile();
const std::string& AnswerFile();
// Program folder + the current settings file.
std::string CurrentSettingsPath();

// "KelvoFiles/_sys/Kelvo.ini", ".../Calc/CalcRun.vbs", ".../Calc/CalcAns.ini".
void UsePrimaryInstanceFiles();
// "KelvoFiles/_sys/PID/PID<pid>.ini", ".../Calc/PID<pid>CalcRun.vbs", ".../Calc/PID<pid>CalcAns.ini".
void UseChildInstanceFiles(std::uint32_t pid);

// Copies the main settings file to the instance file of a child, replacing an older one.
// False when the copy failed (the child then reads defaults; nothing needs to be reported).
bool CreateChildInstanceFile(std::uint32_t pid);
// A child's exit: deletes its instance file. Does nothing while the main settings file is current,
// so it can never delete Kelvo.ini.
void DeleteChildInstanceFile();

}  // namespace kelvo
