// The check at start in a build that may not update itself: it tells of a newer version, even one
// whose list offers no installer, and its window leaves the update to the package manager.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <memory>

#include "ini_file.h"
#include "loopback_http_server.h"
#include "main_window.h"
#include "program_folder.h"
#include "self_update.h"
#include "update_window.h"

namespace {

using kelvo::test::HttpReply;

template <typename Done>
bool Until(Done done, int ms = 3000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) QTest::qWait(10);
  return done();
}

TEST(PackagedUpdateCommand, CheckAtStartTellsOfTheNewerVersionAndFetchesNoInstaller) {
  kelvo::test::ProgramFolder folder;
  kelvo::test::LoopbackHttpServer server;
  kelvo::SetSelfUpdateAllowed(false);
  struct Restore {
    ~Restore() { kelvo::SetSelfUpdateAllowed(true); }
  } restore;  // also when an assertion ends the test early
  {
    kelvo::IniFile settings(folder.MainSettings());
    settings.WriteString("Net", "ServerUrl", server.BaseUrl().toStdString());
    settings.WriteString("StartUp", "AutoUpdate", "1");
    ASSERT_TRUE(settings.Flush().ok);
  }
  server.Script(QStringLiteral("/AppVer.csv"), HttpReply::Ok("[Ver]2.10.02\r\n[Url]setup.run\r\n[Fil]../setup.tmp\r\n"));

  QString shown;
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, &shown] {
    if (auto* window = qobject_cast<TfrmUpdate*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      poll->stop();
      shown = window->findChild<QPlainTextEdit*>(QStringLiteral("txtMsg"))->toPlainText();
      window->close();
    }
  });
  poll->start(20);

  std::vector<QString> questions;
  auto window = std::make_unique<TfrmMain>(true, nullptr);
  window->askUpdate = [&questions](QWidget*, const QString& text) {
    questions.push_back(text);
    return true;
  };
  window->show();
  ASSERT_TRUE(Until([&] { return !questions.empty() && !shown.isEmpty(); }));
  EXPECT_EQ(questions, std::vector<QString>{kelvo::NewerForPackageManagerQuestion()});
  EXPECT_EQ(shown, kelvo::NewerForPackageManagerMessage(QStringLiteral("2.10.02")).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  EXPECT_EQ(server.Requests(), QStringList{QStringLiteral("/AppVer.csv")});
  EXPECT_FALSE(kelvo::test::Exists(folder.Path("Update.exe")));
  window->Shutdown();
}

}  // namespace
