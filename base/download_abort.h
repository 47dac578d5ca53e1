#pragma once

namespace kelvo {

// The download abort flag: set by a stop button, by closing a window that downloads and when the
// program ends; a running download stops when it sees it. The download clears it as it starts.
void RequestDownloadAbort();
void ClearDownloadAbort();
bool DownloadAbortRequested();

}  // namespace kelvo
