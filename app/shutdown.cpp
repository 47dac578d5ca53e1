#include "shutdown.h"

#include <cstdio>

#include "folder_utils.h"
#include "shell_paths.h"

namespace shutdown_tasks {

void CleanUpScratchFiles(bool keepUpdateExe) {
  kelvo::DeleteFilesIn(kelvo::ProgramPath("KelvoFiles/_sys/prvpic"));
  kelvo::DeleteFilesIn(kelvo::ProgramPath(kelvo::kCalcFolder));
  if (!keepUpdateExe) std::remove(kelvo::ProgramPath("Update.exe").c_str());
}

void CloseChildInstances(const std::function<bool(const std::string& baseName)>& askToClose) {
  const std::string folder = kelvo::ProgramPath(kelvo::kInstanceFolder);
  if (!kelvo::IsFolderNotLink(folder)) return;  // instance files are never deleted through a link
  const std::string list = kelvo::FolderFileList(folder, "PID*.*");
  // The listing is "name:name:..."; a child's caption ends with its file name minus ".ini".
  size_t start = 0;
  for (size_t colon = list.find(':'); colon != std::string::npos; start = colon + 1, colon = list.find(':', start)) {
    const std::string name = list.substr(start, colon - start);
    if (name.size() < 5) continue;
    const std::string baseName = name.substr(0, name.size() - 4);
    if (!askToClose(baseName)) std::remove((folder + "/" + baseName + ".ini").c_str());
  }
}

}  // namespace shutdown_tasks
