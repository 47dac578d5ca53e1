#pragma once

namespace kelvo {

// The download abort flag: set by a stop button, by closing a window that downloads and when the
// program ends; a running download stops when it sees it. The download clears it as it starts.
void RequestDownloadAbort();
void ClearDownloadAbort();
bool DownloadAbortRequested();

// A module loaded into the program carries its own copy of this code: it is handed the program's
// flag (DownloadAbortFlag) and uses it instead of its own (UseDownloadAbortFlag; null: its own).
int* DownloadAbortFlag();
void UseDownloadAbortFlag(int* flag);

}  // namespace kelvo
