#include "download_abort.h"

namespace kelvo {
namespace {

// Only the user-interface thread touches it; a download lets window messages run between blocks,
// and that is where the flag gets set.
int abortFlag = 0;

}  // namespace

void RequestDownloadAbort() { abortFlag = 1; }
void ClearDownloadAbort() { abortFlag = 0; }
bool DownloadAbortRequested() { return abortFlag != 0; }

}  // namespace kelvo
