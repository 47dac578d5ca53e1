#pragma once

#include <QString>

// The installer a download brought: Update.exe beside the executable.
namespace kelvo {

inline constexpr const char* kUpdateExe = "Update.exe";

// Gives the downloaded installer (a file in the program folder) the name Update.exe there,
// replacing an older one, and makes it executable. False when that failed; a downloaded file
// that could not be renamed is deleted.
bool InstallAsUpdateExe(const QString& downloadedPath);

// Starts Update.exe of the program folder on its own, in the program folder. False when it
// cannot be started (missing, not a program, not executable).
bool StartUpdateExe();

}  // namespace kelvo
