// The update window of a build that may not update itself (a distribution's package): it tells of
// a newer version and says to update through the package manager, and never fetches an installer.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

#include "loopback_http_server.h"
#include "program_folder.h"
#include "recording_host.h"
#include "self_update.h"
#include "update_window.h"

namespace kelvo {
namespace {

using test::HttpReply;

QString Shown(const QString& text) { return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")); }

class PackagedUpdateTest : public testing::Test {
 protected:
  PackagedUpdateTest() {
    SetSelfUpdateAllowed(false);
    test::WriteFileBytes(folder_.MainSettings(), "[Net]\r\nServerUrl=" + server_.BaseUrl().toStdString() + "\r\n");
    server_.Script(QStringLiteral("/setup/KelvoSetup.run"), HttpReply::Ok("#!/bin/sh\nexit 0\n"));
  }
  ~PackagedUpdateTest() override { SetSelfUpdateAllowed(true); }

  std::unique_ptr<TfrmUpdate> Open(bool foundAtStart) {
    auto window = std::make_unique<TfrmUpdate>(host_, QStringLiteral("2.10.01"), foundAtStart);
    window->askYesNo = [this](QWidget*, const QString&) { return asked_ = true; };
    window->showMessage = [](QWidget*, const QString&) {};
    window->show();
    return window;
  }
  static QString Message(const TfrmUpdate& w) {
    return w.findChild<QPlainTextEdit*>(QStringLiteral("txtMsg"))->toPlainText();
  }
  static QPushButton* Button(const TfrmUpdate& w, const char* name) {
    return w.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  test::ProgramFolder folder_;
  test::LoopbackHttpServer server_;
  test::RecordingHost host_;
  bool asked_ = false;
};

TEST_F(PackagedUpdateTest, NewerVersionIsToldWithThePackageManagerAndNothingIsFetched) {
  const QString packaged = Shown(NewerForPackageManagerMessage(QStringLiteral("2.10.02")));
  struct Case {
    const char* name;
    QByteArray list;
    bool foundAtStart;
    QString message;
  };
  const std::vector<Case> cases = {
      {"newer, checked from the menu", "[Ver]2.10.02\r\n[Url]setup/KelvoSetup.run\r\n[Fil]KelvoSetup.tmp\r\n", false, packaged},
      {"newer, found at start", "[Ver]2.10.02\r\n[Url]setup/KelvoSetup.run\r\n[Fil]KelvoSetup.tmp\r\n", true, packaged},
      {"newer without a usable installer", "[Ver]2.10.02\r\n[Fil]../a.exe\r\n", false, packaged},
      {"the same", "[Ver]2.10.01\r\n[Fil]a.exe\r\n", false,
       QStringLiteral("現在最新バージョンをお使いです。\nバージョンアップの必要はありません。")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    server_.ClearRequests();
    server_.Script(QStringLiteral("/AppVer.csv"), HttpReply::Ok(c.list));
    if (c.foundAtStart) test::WriteFileBytes(folder_.Path("KelvoFiles/_sys/AppVer.csv"), c.list.toStdString());
    auto window = Open(c.foundAtStart);
    if (!c.foundAtStart) Button(*window, "btConnect")->click();
    EXPECT_EQ(Message(*window), c.message);
    EXPECT_FALSE(Button(*window, "btDownload")->isEnabled());
    Button(*window, "btDownload")->click();
    EXPECT_EQ(server_.Requests(), c.foundAtStart ? QStringList{} : QStringList{QStringLiteral("/AppVer.csv")});
    EXPECT_FALSE(test::Exists(folder_.Path("Update.exe")));
    EXPECT_FALSE(window->InstallerAccepted());
    EXPECT_FALSE(asked_);
    window->close();
  }
}

}  // namespace
}  // namespace kelvo
