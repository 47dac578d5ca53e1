#include "download_abort.h"

namespace kelvo {
namespace {

// Only the user-interface thread touches it; a download lets window messages run between blocks,
// and that is where the flag gets set.
int ownFlag = 0;
int* abortFlag = &ownFlag;

}  // namespace

void RequestDownloadAbort() { *abortFlag = 1; }
void ClearDownloadAbort() { *abortFlag = 0; }
bool DownloadAbortRequested() { return *abortFlag != 0; }

int* DownloadAbortFlag() { return abortFlag; }
void UseDownloadAbortFlag(int* flag) { abortFlag = flag != nullptr ? flag : &ownFlag; }

}  // namespace kelvo
