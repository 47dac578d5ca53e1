#pragma once

#include <QString>

// The installer a download brought: Update.exe beside the executable.
namespace kelvo {

inline constexpr const char* kUpdateExe = "Update.exe";
// The most an installer download may bring.
inline constexpr qint64 kMaxInstallerBytes = qint64{512} * 1024 * 1024;

// May the update list's installer name ([Fil]) be used? A plain file name (IsPlainFileName) that
// names nothing the program folder or the executable's folder already holds (a file, a folder or
// a link: the program itself, its helpers, KelvoFiles, settings), other than Update.exe, which
// is what every earlier download became.
bool IsFreeInstallerName(const QString& name);

// Where the installer named `name` is fetched to and checked before it becomes Update.exe:
// "<name>.new" in the program folder (and "<name>.new.part" while it arrives), never the name
// itself, so that no stop, crash or kill leaves a file under that name.
QString InstallerDownloadPath(const QString& name);

// Gives the downloaded and checked installer (a file in the program folder) the name Update.exe there,
// replacing an older one, and makes it executable. False when that failed; a downloaded file
// that could not be renamed is deleted.
bool InstallAsUpdateExe(const QString& downloadedPath);

// Starts Update.exe of the program folder on its own, in the program folder. False when it
// cannot be started (missing, not a program, not executable).
bool StartUpdateExe();

}  // namespace kelvo
