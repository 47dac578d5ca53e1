#pragma once

#include <functional>
#include <string>

namespace kelvo {

// The folder that holds KelvoFiles/ (and Update.exe): beside the executable where the program may
// write there (a build folder, an unpacked archive), else a folder of the user's own.
struct DataFolderChoice {
  std::string folder;  // empty when no folder could be had
  std::string error;   // then why, for the message box
};

// The user's data folder for programs: $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share; empty when neither is known.
std::string UserDataHome(const char* xdgDataHome, const char* home);

// The choice for a program whose executable lies in programFolder:
// 1. KelvoFiles beside it that may be written: the program folder.
// 2. An installed template (programFolder/../share/kelvo/KelvoFiles), or else a KelvoFiles beside
//    it that may not be written: userDataHome/kelvo, whose KelvoFiles is made on the first start as
//    a copy of that template; later starts only add what a newer template brings
//    (RefreshFromTemplate), never overwriting or deleting anything.
// 3. A program folder that may be written: the program folder.
// Otherwise none, with the reason.
DataFolderChoice ChooseDataFolder(const std::string& programFolder, const std::string& userDataHome);
// The same with the test of writability given (root may write where the mode bits say no).
DataFolderChoice ChooseDataFolder(const std::string& programFolder, const std::string& userDataHome,
                                  const std::function<bool(const std::string&)>& writable);

// Makes target (which must not exist yet) a copy of the folder tree templateFolder: folders and
// regular files only, links are skipped and never followed, every file writable by its owner.
// The copy is made aside and moved into place whole, so a start that is cut short leaves no
// half-made folder behind, and of two starts at once one copy wins. Empty, or the reason it failed.
std::string CopyFolderTemplate(const std::string& templateFolder, const std::string& target);

// A helper of the program (`name`): beside the executable in programFolder, else in
// programFolder/../libexec/kelvo (an installation); the path beside the executable when neither
// exists.
std::string HelperPath(const std::string& programFolder, const std::string& name);
// The script host kelvo-wsh, a helper.
std::string ScriptHostPath(const std::string& programFolder);

}  // namespace kelvo
