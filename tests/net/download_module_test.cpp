// The download module as the program uses it: loaded from its file, with the program's own abort
// flag, and a clear failure when it is missing.
#include <gtest/gtest.h>

#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

#include <vector>

#include "download.h"
#include "download_abort.h"
#include "download_module.h"
#include "loopback_http_server.h"

namespace kelvo {
namespace {

using test::HttpReply;

struct ModuleCase {
  const char* name;
  bool stopMidway;        // the stop button is pressed after the first block
  bool callOfOtherBuild;  // the call's size is not the module's
  int code;
  bool fileKept;
};

TEST(DownloadModule, TheProgramsStopButtonStopsTheModulesTransfer) {
  QLibrary module(QStringLiteral(KELVO_DOWNLOAD_MODULE));
  const auto download = reinterpret_cast<DownloadModuleFunction>(module.resolve(kDownloadModuleSymbol));
  ASSERT_NE(download, nullptr) << module.errorString().toStdString();
  test::LoopbackHttpServer server;
  server.Script(QStringLiteral("/big.bin"), HttpReply::Ok(QByteArray(200 * 1024, 'k')));

  const std::vector<ModuleCase> cases = {
      {"whole transfer", false, false, kDownloadOk, true},
      {"stopped by the program's flag", true, false, kDownloadStopped, false},
      {"call of another build", false, true, kDownloadNoSession, false},
  };
  for (const ModuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString url = server.Url(QStringLiteral("big.bin"));
    const QString local = dir.filePath(QStringLiteral("big.bin"));
    const QString label;
    const DownloadProgressSink progress = [&](const QString&, double) {
      if (c.stopMidway) RequestDownloadAbort();  // this program's copy of the flag
    };
    DownloadCall call;
    call.url = &url;
    call.localPath = &local;
    call.maxBytes = 1 << 20;
    call.label = &label;
    call.progressMode = 1;
    call.progress = &progress;
    call.abortFlag = DownloadAbortFlag();
    if (c.callOfOtherBuild) call.size -= 1;
    EXPECT_EQ(download(&call), c.code);
    EXPECT_EQ(QFile::exists(local), c.fileKept);
  }
}

TEST(DownloadModule, WithoutTheModuleADownloadFailsWithAMessageAndLeavesTheFile) {
  // No module lies beside this test program.
  QTemporaryDir dir;
  const QString local = dir.filePath(QStringLiteral("kept.txt"));
  QFile file(local);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("old");
  file.close();
  test::LoopbackHttpServer server;
  server.Script(QStringLiteral("/new.txt"), HttpReply::Ok("new"));

  const int code = DownloadFile(server.Url(QStringLiteral("new.txt")), local, 100, {}, 0);
  EXPECT_EQ(code, kDownloadNoSession);
  EXPECT_FALSE(DownloadResultText(code).isEmpty());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "old");
}

}  // namespace
}  // namespace kelvo
