// DownloadFile for the program: the transfer lives in the download module, loaded at the first
// download and kept (download_module.h).
#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

#include "data_folder.h"
#include "download_abort.h"
#include "download_module.h"

namespace kelvo {
namespace {

DownloadModuleFunction LoadedModule() {
  static QLibrary module(QString::fromStdString(
      HelperPath(QCoreApplication::applicationDirPath().toStdString(), kDownloadModuleName)));
  static const auto function = [] {
    const auto loaded = reinterpret_cast<DownloadModuleFunction>(module.resolve(kDownloadModuleSymbol));
    if (loaded == nullptr) std::fprintf(stderr, "kelvo: %s\n", qPrintable(module.errorString()));
    return loaded;
  }();
  return function;
}

}  // namespace

int DownloadFile(const QString& url, const QString& localPath, qint64 maxBytes, const QString& label,
                 int progressMode, const DownloadProgressSink& progress) {
  if (QCoreApplication::instance() == nullptr) return kDownloadNoSession;
  // Without the module there is no way to the server, as when no session can be made.
  const DownloadModuleFunction download = LoadedModule();
  if (download == nullptr) return kDownloadNoSession;
  DownloadCall call;
  call.url = &url;
  call.localPath = &localPath;
  call.maxBytes = maxBytes;
  call.label = &label;
  call.progressMode = progressMode;
  call.progress = &progress;
  call.abortFlag = DownloadAbortFlag();
  return download(&call);
}

}  // namespace kelvo
