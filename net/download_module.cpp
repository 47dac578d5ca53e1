// kelvo-net.so: downloads, loaded by the program at its first download (download_module.h).
#include "download_abort.h"
#include "download_module.h"

extern "C" Q_DECL_EXPORT int KelvoDownloadFile(const kelvo::DownloadCall* call) {
  if (call == nullptr || call->size != sizeof(kelvo::DownloadCall)) return kelvo::kDownloadNoSession;
  // The program's stop buttons set its own flag, not this module's copy of it.
  kelvo::UseDownloadAbortFlag(call->abortFlag);
  return kelvo::DownloadFile(*call->url, *call->localPath, call->maxBytes, *call->label, call->progressMode,
                             *call->progress);
}
