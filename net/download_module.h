#pragma once

#include <QString>

#include "download.h"

// The download module, kelvo-net.so, a helper beside the executable (or in an installation's
// helper folder): it holds the transfer itself and with it Qt's network library, which the program
// loads only when it first downloads, never at start. The program calls DownloadFile as ever
// (download_loader.cpp loads the module on that first call).
namespace kelvo {

inline constexpr const char* kDownloadModuleName = "kelvo-net.so";
inline constexpr const char* kDownloadModuleSymbol = "KelvoDownloadFile";

// One call of DownloadFile across the module's border. `size` is sizeof(DownloadCall) as the
// program knows it: a module of another build refuses a call it does not understand.
struct DownloadCall {
  std::size_t size = sizeof(DownloadCall);
  const QString* url = nullptr;
  const QString* localPath = nullptr;
  qint64 maxBytes = 0;
  const QString* label = nullptr;
  int progressMode = 0;
  const DownloadProgressSink* progress = nullptr;
  int* abortFlag = nullptr;  // the program's download abort flag, which its stop buttons set
};

using DownloadModuleFunction = int (*)(const DownloadCall* call);

}  // namespace kelvo
