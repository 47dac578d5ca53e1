#pragma once

#include <functional>
#include <string>

// The end of the primary instance: scratch folders emptied, the downloaded installer removed,
// children asked to close and the instance files of children that no longer run deleted.
namespace shutdown_tasks {

// Deletes every file in KelvoFiles/_sys/prvpic/ and KelvoFiles/_sys/Calc/, and Update.exe
// beside the executable unless it was just started (it would go from under the installer).
void CleanUpScratchFiles(bool keepUpdateExe = false);

// For each instance file "PID<pid>.ini" in KelvoFiles/_sys/PID/: asks that child to close
// (askToClose returns false when no child of that name runs), or deletes the file when none runs.
void CloseChildInstances(const std::function<bool(const std::string& baseName)>& askToClose);

}  // namespace shutdown_tasks
