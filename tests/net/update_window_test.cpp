#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <vector>

#include "download.h"
#include "installer.h"
#include "loopback_http_server.h"
#include "program_folder.h"
#include "qt_print.h"
#include "self_update.h"
#include "side_window_host.h"
#include "update_window.h"

namespace kelvo {
namespace {

using test::HttpReply;

class NoHost : public SideWindowHost {
 public:
  void AttachSideWindow(char, QWidget*) override {}
  void SideWindowActivated(char) override {}
  void SideWindowClosed(char) override {}
  void PlaceWindow(QWidget*, int mode) override { placedInMode = mode; }
  void BringToFront(QWidget*) override {}
  void ReturnFocus() override {}
  std::string SettingsFilePath() const override { return CurrentSettingsPath(); }
  void ReportFailedWrite(const FlushResult&) override {}
  bool IsPrimaryInstance() const override { return true; }
  int placedInMode = -1;
};

const QByteArray kInstaller = QByteArray("#!/bin/sh\nexit 0\n") + QByteArray(5000, '#');

QString Text(const char* utf8) { return QString::fromUtf8(utf8).replace(QLatin1String("\r\n"), QLatin1String("\n")); }

const QString kFound = Text(
    "アップデートファイルが見つかりました。\r\n最新バージョンは 2.10.02 です。\r\n\r\n"
    "アップデートファイルをダウンロードする場合、\r\n[ダウンロード]ボタンを押して下さい。");

// A program folder whose settings point at a loopback server offering version 2.10.02.
class UpdateWindowTest : public testing::Test {
 protected:
  UpdateWindowTest() {
    SetDownloadStallTimeout(std::chrono::seconds(1));
    test::WriteFileBytes(folder_.MainSettings(), "[Net]\r\nServerUrl=" + server_.BaseUrl().toStdString() + "\r\n");
    server_.Script(QStringLiteral("/setup/KelvoSetup.run"), HttpReply::Ok(kInstaller));
    Offer("[Ver]2.10.02\r\n[Url]setup/KelvoSetup.run\r\n[Fil]KelvoSetup.tmp\r\n\"[Hos]test server\"\r\n");
  }
  ~UpdateWindowTest() override { SetDownloadStallTimeout(kDefaultStallTimeout); }

  void Offer(const QByteArray& list) { server_.Script(QStringLiteral("/AppVer.csv"), HttpReply::Ok(list)); }

  std::unique_ptr<TfrmUpdate> Open(bool foundAtStart = false) {
    auto window = std::make_unique<TfrmUpdate>(host_, QStringLiteral("2.10.01"), foundAtStart);
    window->askYesNo = [this](QWidget*, const QString& text) {
      questions_.push_back(text);
      return answer_;
    };
    window->showMessage = [this](QWidget*, const QString& text) { messages_.push_back(text); };
    window->show();
    return window;
  }

  template <typename T>
  static T* Child(const TfrmUpdate& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
  }
  static QString Message(const TfrmUpdate& w) { return Child<QPlainTextEdit>(w, "txtMsg")->toPlainText(); }
  static QPushButton* Button(const TfrmUpdate& w, const char* name) { return Child<QPushButton>(w, name); }
  // Which of btDownload, btConnect, btConnectStop, btClose are enabled, as "DC-X".
  static std::string Buttons(const TfrmUpdate& w) {
    std::string out;
    for (const auto& [name, letter] : {std::pair{"btDownload", 'D'}, {"btConnect", 'C'}, {"btConnectStop", 'S'}, {"btClose", 'X'}})
      out += Button(w, name)->isEnabled() ? letter : '-';
    return out;
  }
  static bool ProgressShown(const TfrmUpdate& w) { return !Child<QLineEdit>(w, "txtProgressStatus")->isHidden(); }

  bool InFolder(const char* name) const { return test::Exists(folder_.Path(name)); }
  // Nothing of a fetched installer under any of its names, whole or in part.
  void ExpectNoInstaller() const {
    for (const char* name : {"KelvoSetup.tmp", "KelvoSetup.tmp.new", "KelvoSetup.tmp.new.part", "Update.exe"})
      EXPECT_FALSE(InFolder(name)) << name;
  }
  std::string UpdateExe() const { return test::ReadFileBytes(folder_.Path("Update.exe")); }

  test::ProgramFolder folder_;
  test::LoopbackHttpServer server_;
  NoHost host_;
  std::vector<QString> questions_;
  std::vector<QString> messages_;
  bool answer_ = false;
};

TEST_F(UpdateWindowTest, OpenedFromTheMenuItWaitsForTheCheck) {
  auto window = Open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("バージョンアップの確認"));
  EXPECT_EQ(window->size(), QSize(297, 181));
  EXPECT_EQ(Message(*window), Text("[バージョンアップを確認] ボタンを押すと、\r\nインターネットに接続し、リストを取得します。"));
  EXPECT_EQ(Buttons(*window), "-C-X");
  EXPECT_FALSE(ProgressShown(*window));
  EXPECT_TRUE(server_.Requests().isEmpty());
}

HttpReply Stalled(HttpReply reply, qint64 after) {
  reply.stallAfter = after;
  return reply;
}

TEST_F(UpdateWindowTest, TheCheckShowsWhatTheListSays) {
  struct Case {
    const char* name;
    HttpReply list;
    QString message;
    std::string buttons;
  };
  const std::vector<Case> cases = {
      {"newer", HttpReply::Ok("[Ver]2.10.02\r\n[Fil]a.exe\r\n"), kFound, "DC-X"},
      {"the same", HttpReply::Ok("[Ver]2.10.01\r\n[Fil]a.exe\r\n"),
       Text("現在最新バージョンをお使いです。\r\nバージョンアップの必要はありません。"), "-C-X"},
      {"older by number", HttpReply::Ok("[Ver]2.9.00\r\n[Fil]a.exe\r\n"),
       Text("現在最新バージョンをお使いです。\r\nバージョンアップの必要はありません。"), "-C-X"},
      {"the last version line counts", HttpReply::Ok("[Ver]2.10.01\r\n[Ver]2.10.02\r\n[Fil]a.exe\r\n"), kFound, "DC-X"},
      {"a file name leading out", HttpReply::Ok("[Ver]2.10.02\r\n[Fil]../a.exe\r\n"),
       Text("最新バージョンは 2.10.02 です。\r\n\r\nリストのアップデートファイル名が正しくないため、\r\nダウンロード出来ません。"), "-C-X"},
      {"no list", HttpReply::Status(404), Text("NG: ファイルが存在しません。\r\n"), "-C-X"},
      {"a server that stops sending", Stalled(HttpReply::Ok("[Ver]2.10.02\r\n[Fil]a.exe\r\n"), 5),
       Text("NG: ダウンロードに失敗しました。\r\n"), "-C-X"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    server_.Script(QStringLiteral("/AppVer.csv"), c.list);
    auto window = Open();
    Button(*window, "btConnect")->click();
    EXPECT_EQ(Message(*window), c.message);
    EXPECT_EQ(Buttons(*window), c.buttons);
    EXPECT_FALSE(ProgressShown(*window));
    window->close();
    EXPECT_FALSE(InFolder("KelvoFiles/_sys/AppVer.csv"));  // the list copy goes with the window
  }
}

TEST_F(UpdateWindowTest, TheInstallerBecomesUpdateExeAndYesHandsItOn) {
  auto window = Open();
  Button(*window, "btConnect")->click();
  std::vector<std::pair<QString, bool>> seen;  // the message and whether progress showed, mid-transfer
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] { seen.push_back({Message(*window), ProgressShown(*window)}); });
  probe.start(0);
  answer_ = true;
  Button(*window, "btDownload")->click();
  probe.stop();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front().first, QStringLiteral("...接続中 test server"));
  EXPECT_TRUE(seen.front().second);
  EXPECT_EQ(UpdateExe(), kInstaller.toStdString());
  EXPECT_FALSE(InFolder("KelvoSetup.tmp"));
  EXPECT_EQ(questions_, std::vector<QString>{QStringLiteral("ダウンロードに成功しました。\r\nアップデートを実行しますか？")});
  EXPECT_TRUE(window->InstallerAccepted());
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(InFolder("KelvoFiles/_sys/AppVer.csv"));
}

TEST_F(UpdateWindowTest, NoLeavesUpdateExeAndTheWindowIdle) {
  auto window = Open();
  Button(*window, "btConnect")->click();
  Button(*window, "btDownload")->click();
  EXPECT_EQ(Message(*window), QStringLiteral("ダウンロード成功"));
  EXPECT_EQ(UpdateExe(), kInstaller.toStdString());
  EXPECT_EQ(Buttons(*window), "-C-X");
  EXPECT_FALSE(ProgressShown(*window));
  EXPECT_FALSE(window->InstallerAccepted());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(UpdateWindowTest, AnInstallerThatIsNotTheListedOneIsThrownAway) {
  const QString good = QString::fromLatin1(QCryptographicHash::hash(kInstaller, QCryptographicHash::Sha256).toHex());
  struct Case {
    QString sha;
    bool kept;
  };
  for (const Case& c : {Case{good, true}, Case{good.toUpper(), true}, Case{QString(64, u'0'), false}}) {
    SCOPED_TRACE(c.sha.toStdString());
    QFile::remove(QString::fromStdString(folder_.Path("Update.exe")));
    questions_.clear();
    Offer("[Ver]2.10.02\r\n[Url]setup/KelvoSetup.run\r\n[Fil]KelvoSetup.tmp\r\n[Sha]" + c.sha.toLatin1() + "\r\n");
    auto window = Open();
    Button(*window, "btConnect")->click();
    Button(*window, "btDownload")->click();
    EXPECT_EQ(InFolder("Update.exe"), c.kept);
    EXPECT_FALSE(InFolder("KelvoSetup.tmp"));
    EXPECT_EQ(questions_.size(), c.kept ? 1u : 0u);
    EXPECT_EQ(Message(*window), c.kept ? QStringLiteral("ダウンロード成功")
                                       : Text("NG: ダウンロードに失敗しました。\r\nファイルがチェックサムと一致しませんでした。\r\n"));
  }
}

TEST_F(UpdateWindowTest, StopAndCloseDuringTheInstallerTransferLeaveNothing) {
  server_.Script(QStringLiteral("/setup/KelvoSetup.run"), Stalled(HttpReply::Ok(kInstaller), 3000));
  for (const char* how : {"stop", "close"}) {
    SCOPED_TRACE(how);
    auto window = Open();
    Button(*window, "btConnect")->click();
    QTimer::singleShot(300, window.get(), [&] {
      EXPECT_EQ(Buttons(*window), "--S-");  // only the stop button while the transfer runs
      if (std::string(how) == "stop") {
        Button(*window, "btConnectStop")->click();
      } else {
        window->close();
      }
    });
    Button(*window, "btDownload")->click();
    ExpectNoInstaller();
    EXPECT_TRUE(questions_.empty());
    if (std::string(how) == "stop") {
      EXPECT_EQ(Message(*window), QStringLiteral("ST: 接続の中断"));
      EXPECT_EQ(Buttons(*window), "-C-X");
      EXPECT_FALSE(ProgressShown(*window));
    } else {
      EXPECT_FALSE(window->isVisible());
      EXPECT_FALSE(InFolder("KelvoFiles/_sys/AppVer.csv"));
    }
  }
}

TEST_F(UpdateWindowTest, AnInstallerNameThatIsTakenIsNeverUsed) {
  // What the program folder holds: the program and its helpers, the data folder, a link.
  const std::string program = "#!/bin/sh\necho the program\n";
  for (const char* name : {"kelvo", "kelvo-wsh", "kelvo-keys"}) test::WriteFileBytes(folder_.Path(name), program);
  std::filesystem::create_symlink(folder_.Path("nowhere"), folder_.Path("link"));
  const QString besideTheTests = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  struct Case {
    QString name;
    bool offered;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("kelvo"), false},        {QStringLiteral("kelvo-wsh"), false},
      {QStringLiteral("kelvo-keys"), false},   {QStringLiteral("KelvoFiles"), false},
      {QStringLiteral("link"), false},         {besideTheTests, false},  // beside the executable
      {QStringLiteral("../kelvo"), false},     {QStringLiteral(".kelvo"), false},
      {QStringLiteral("KelvoSetup.tmp"), true}, {QStringLiteral("Update.exe"), true},
  };
  test::WriteFileBytes(folder_.Path("Update.exe"), "an earlier download");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    Offer("[Ver]2.10.02\r\n[Url]setup/KelvoSetup.run\r\n[Fil]" + c.name.toUtf8() + "\r\n");
    auto window = Open();
    Button(*window, "btConnect")->click();
    EXPECT_EQ(Message(*window), c.offered ? kFound : Text("最新バージョンは 2.10.02 です。\r\n\r\n"
                                                         "リストのアップデートファイル名が正しくないため、\r\nダウンロード出来ません。"));
    EXPECT_EQ(Buttons(*window), c.offered ? "DC-X" : "-C-X");
    if (c.offered) {
      Button(*window, "btDownload")->click();
      EXPECT_EQ(UpdateExe(), kInstaller.toStdString());
    }
    for (const char* name : {"kelvo", "kelvo-wsh", "kelvo-keys"}) EXPECT_EQ(test::ReadFileBytes(folder_.Path(name)), program);
    EXPECT_TRUE(std::filesystem::is_symlink(folder_.Path("link")));
    EXPECT_TRUE(std::filesystem::is_directory(folder_.Path("KelvoFiles/_sys")));
    EXPECT_FALSE(InFolder("KelvoSetup.tmp"));
  }
}

TEST_F(UpdateWindowTest, DownloadsLargerThanTheirKindMayBeAreRefusedBeforeAnythingIsWritten) {
  auto huge = [](qint64 announced) {
    HttpReply reply = HttpReply::Ok(QByteArray(100000, 'x'));
    reply.length = HttpReply::Length::Announce;
    reply.announced = announced;
    reply.stallAfter = 100000;  // the server would go on sending
    return reply;
  };
  const QString failed = Text("NG: ダウンロードに失敗しました。\r\n");
  // An update list of 2 GiB.
  server_.Script(QStringLiteral("/AppVer.csv"), huge(qint64{2} << 30));
  auto window = Open();
  Button(*window, "btConnect")->click();
  EXPECT_EQ(Message(*window), failed);
  EXPECT_FALSE(InFolder("KelvoFiles/_sys/AppVer.csv"));
  EXPECT_FALSE(InFolder("KelvoFiles/_sys/AppVer.csv.part"));
  window->close();
  // An installer over 512 MiB.
  Offer("[Ver]2.10.02\r\n[Url]setup/KelvoSetup.run\r\n[Fil]KelvoSetup.tmp\r\n");
  server_.Script(QStringLiteral("/setup/KelvoSetup.run"), huge(kMaxInstallerBytes + 1));
  window = Open();
  Button(*window, "btConnect")->click();
  Button(*window, "btDownload")->click();
  EXPECT_EQ(Message(*window), failed);
  ExpectNoInstaller();
  EXPECT_TRUE(questions_.empty());
}

// The child process of the next test: the update window of the program folder it is given fetches
// the installer until it is killed.
TEST(UpdateWindowChild, FetchesTheInstallerUntilKilled) {
  const QByteArray folder = qgetenv("KELVO_TEST_KILLED_FOLDER");
  if (folder.isEmpty()) GTEST_SKIP() << "runs only as the child of AKillDuringTheInstallerTransferLeavesNothing";
  SetProgramFolder(folder.toStdString());
  UsePrimaryInstanceFiles();
  NoHost host;
  TfrmUpdate window(host, QStringLiteral("2.10.01"), false);
  window.askYesNo = [](QWidget*, const QString&) { return false; };
  window.show();
  window.findChild<QPushButton*>(QStringLiteral("btConnect"))->click();
  window.findChild<QPushButton*>(QStringLiteral("btDownload"))->click();
}

TEST_F(UpdateWindowTest, AKillDuringTheInstallerTransferLeavesNothingUnderItsName) {
  server_.Script(QStringLiteral("/setup/KelvoSetup.run"), Stalled(HttpReply::Ok(kInstaller), 3000));
  const std::string part = "KelvoSetup.tmp.new.part";
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    server_.ClearRequests();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KELVO_TEST_KILLED_FOLDER"), QString::fromStdString(folder_.Root()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=UpdateWindowChild.FetchesTheInstallerUntilKilled")});
    ASSERT_TRUE(child.waitForStarted());
    // The server runs here: events run until the child is fetching the installer (its file has
    // been made and the server has sent the first 3000 bytes).
    QElapsedTimer clock;
    clock.start();
    const auto fetching = [&] {
      return server_.Requests().contains(QStringLiteral("/setup/KelvoSetup.run")) && InFolder(part.c_str());
    };
    while (!fetching() && clock.elapsed() < 10000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(5);
    }
    ASSERT_TRUE(fetching());
    for (int i = 0; i < 10 * round; ++i) {  // a later moment of the transfer each round
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(5);
    }
    kill(static_cast<pid_t>(child.processId()), SIGKILL);
    child.waitForFinished();
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    for (const char* name : {"KelvoSetup.tmp", "KelvoSetup.tmp.new", "Update.exe"}) EXPECT_FALSE(InFolder(name)) << name;
  }
  // The next download replaces what the killed one left.
  server_.Script(QStringLiteral("/setup/KelvoSetup.run"), HttpReply::Ok(kInstaller));
  auto window = Open();
  Button(*window, "btConnect")->click();
  Button(*window, "btDownload")->click();
  EXPECT_EQ(UpdateExe(), kInstaller.toStdString());
  EXPECT_FALSE(InFolder(part.c_str()));
}

TEST_F(UpdateWindowTest, OpenedByTheCheckAtStartItShowsTheListItLeft) {
  test::WriteFileBytes(folder_.Path("KelvoFiles/_sys/AppVer.csv"), "[Ver]2.10.02\r\n[Url]setup/KelvoSetup.run\r\n[Fil]KelvoSetup.tmp\r\n");
  auto window = Open(/*foundAtStart=*/true);
  EXPECT_EQ(Message(*window), kFound);
  EXPECT_EQ(Buttons(*window), "DC-X");
  Button(*window, "btDownload")->click();
  EXPECT_EQ(UpdateExe(), kInstaller.toStdString());
  EXPECT_EQ(server_.Requests(), QStringList{QStringLiteral("/setup/KelvoSetup.run")});
}

// A build that may not update itself (a distribution's package) tells of a newer version and says
// to update through the package manager, and never fetches an installer.
TEST_F(UpdateWindowTest, APackagedBuildLeavesANewerVersionToThePackageManager) {
  SetSelfUpdateAllowed(false);
  struct Restore {
    ~Restore() { SetSelfUpdateAllowed(true); }
  } restore;  // also when an assertion ends the test early
  const QString packaged = NewerForPackageManagerMessage(QStringLiteral("2.10.02")).replace(QLatin1String("\r\n"), QLatin1String("\n"));
  const QByteArray newer = "[Ver]2.10.02\r\n[Url]setup/KelvoSetup.run\r\n[Fil]KelvoSetup.tmp\r\n";
  struct Case {
    const char* name;
    QByteArray list;
    bool foundAtStart;
    QString message;
  };
  const std::vector<Case> cases = {
      {"newer, checked from the menu", newer, false, packaged},
      {"newer, found at start", newer, true, packaged},
      {"newer without a usable installer", "[Ver]2.10.02\r\n[Fil]../a.exe\r\n", false, packaged},
      {"the same", "[Ver]2.10.01\r\n[Fil]a.exe\r\n", false,
       QStringLiteral("現在最新バージョンをお使いです。\nバージョンアップの必要はありません。")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    server_.ClearRequests();
    Offer(c.list);
    if (c.foundAtStart) test::WriteFileBytes(folder_.Path("KelvoFiles/_sys/AppVer.csv"), c.list.toStdString());
    auto window = Open(c.foundAtStart);
    if (!c.foundAtStart) Button(*window, "btConnect")->click();
    EXPECT_EQ(Message(*window), c.message);
    EXPECT_FALSE(Button(*window, "btDownload")->isEnabled());
    Button(*window, "btDownload")->click();
    EXPECT_EQ(server_.Requests(), c.foundAtStart ? QStringList{} : QStringList{QStringLiteral("/AppVer.csv")});
    EXPECT_FALSE(InFolder("Update.exe"));
    EXPECT_FALSE(window->InstallerAccepted());
    EXPECT_TRUE(questions_.empty());
    window->close();
  }
}

}  // namespace
}  // namespace kelvo
