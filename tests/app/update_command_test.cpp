// The main window's update commands with a loopback server: the check at start, the update
// window from the menu, and the start of the installer with the end of the program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

#include "ini_file.h"
#include "loopback_http_server.h"
#include "main_window.h"
#include "program_folder.h"
#include "qt_print.h"
#include "self_update.h"
#include "update_window.h"

namespace {

using kelvo::test::HttpReply;

const QString kNewerAtStart = QStringLiteral("現在お使いのKelvoより、最新版が見つかりました。アップデートしますか？");
const QString kRunUpdate = QStringLiteral("ダウンロードに成功しました。\r\nアップデートを実行しますか？");

class UpdateCommandTest : public ::testing::Test {
 protected:
  UpdateCommandTest() {
    Setting("Net", "ServerUrl", server_.BaseUrl().toStdString());
    server_.Script(QStringLiteral("/setup.run"), HttpReply::Ok(installer_));
    Offer("[Ver]2.10.02\r\n[Url]setup.run\r\n[Fil]setup.tmp\r\n");
  }
  ~UpdateCommandTest() override {
    if (window_) window_->Shutdown();
  }

  void Setting(const char* section, const char* key, const std::string& value) {
    kelvo::IniFile file(folder_.MainSettings());
    file.WriteString(section, key, value);
    ASSERT_TRUE(file.Flush().ok);
  }
  void Offer(const QByteArray& list) { server_.Script(QStringLiteral("/AppVer.csv"), HttpReply::Ok(list)); }

  // Opens the main window; `answers` are given in turn to its yes-or-no questions.
  TfrmMain& Open(std::vector<bool> answers) {
    answers_ = std::move(answers);
    window_ = std::make_unique<TfrmMain>(true, nullptr);
    window_->askUpdate = [this](QWidget*, const QString& text) {
      questions_.push_back(text);
      const bool yes = !answers_.empty() && answers_.front();
      if (!answers_.empty()) answers_.erase(answers_.begin());
      return yes;
    };
    window_->showError = [this](QWidget*, const QString& text) { errors_.push_back(text); };
    window_->show();
    return *window_;
  }

  // Lets events run until `done` holds or `ms` pass.
  template <typename Done>
  static bool Until(Done done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QTest::qWait(10);
    return done();
  }

  // Runs `act` on the update window once it is shown modally.
  static void OnUpdateWindow(std::function<void(TfrmUpdate&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
      if (auto* window = qobject_cast<TfrmUpdate*>(QApplication::activeModalWidget())) {
        poll->deleteLater();
        poll->stop();
        act(*window);
      }
    });
    poll->start(20);
  }
  static QPushButton* Button(TfrmUpdate& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  static QString Message(TfrmUpdate& window) {
    return window.findChild<QPlainTextEdit*>(QStringLiteral("txtMsg"))->toPlainText();
  }

  bool InFolder(const char* name) const { return kelvo::test::Exists(folder_.Path(name)); }

  kelvo::test::ProgramFolder folder_;
  kelvo::test::LoopbackHttpServer server_;
  QByteArray installer_ = "#!/bin/sh\necho ran > installer-ran.txt\n";
  std::unique_ptr<TfrmMain> window_;
  std::vector<bool> answers_;
  std::vector<QString> questions_;
  std::vector<QString> errors_;
};

TEST_F(UpdateCommandTest, TheCheckAtStartAsksOnlyForANewerVersion) {
  struct Case {
    const char* name;
    const char* autoUpdate;
    QByteArray list;
    bool asked;
  };
  const std::vector<Case> cases = {
      {"newer", "1", "[Ver]2.10.02\r\n[Fil]setup.tmp\r\n", true},
      {"the first version line counts", "1", "[Ver]2.10.02\r\n[Ver]2.10.01\r\n[Fil]setup.tmp\r\n", true},
      {"the same", "1", "[Ver]2.10.01\r\n[Fil]setup.tmp\r\n", false},
      {"no version line", "1", "[Fil]setup.tmp\r\n", false},
      {"nothing that could be fetched", "1", "[Ver]2.10.02\r\n[Fil]../setup.tmp\r\n", false},
      {"switched off", "0", "[Ver]2.10.02\r\n[Fil]setup.tmp\r\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Setting("StartUp", "AutoUpdate", c.autoUpdate);
    Offer(c.list);
    server_.ClearRequests();
    questions_.clear();
    Open({false});
    const bool on = std::string(c.autoUpdate) == "1";
    // The main window has painted before anything goes out.
    EXPECT_TRUE(Until([&] { return !server_.Requests().isEmpty(); }, on ? 3000 : 500) == on);
    Until([&] { return !questions_.empty(); }, c.asked ? 3000 : 300);
    EXPECT_EQ(server_.Requests(), on ? QStringList{QStringLiteral("/AppVer.csv")} : QStringList{});
    EXPECT_EQ(questions_, c.asked ? std::vector<QString>{kNewerAtStart} : std::vector<QString>{});
    EXPECT_TRUE(window_->isVisible());
    window_->Shutdown();
    window_.reset();
  }
}

TEST_F(UpdateCommandTest, YesAtStartOpensTheWindowWithTheFoundVersionAndNoKeepsTheInstaller) {
  QString shown;
  OnUpdateWindow([&](TfrmUpdate& window) {
    shown = Message(window);
    EXPECT_TRUE(Button(window, "btDownload")->isEnabled());
    Button(window, "btDownload")->click();  // fetches, then asks: No
    window.close();
  });
  Open({true, false});
  ASSERT_TRUE(Until([&] { return questions_.size() == 2 && QApplication::activeModalWidget() == nullptr; }));
  EXPECT_TRUE(shown.startsWith(QStringLiteral("アップデートファイルが見つかりました。\n最新バージョンは 2.10.02 です。")));
  EXPECT_EQ(questions_, (std::vector<QString>{kNewerAtStart, kRunUpdate}));
  EXPECT_EQ(kelvo::test::ReadFileBytes(folder_.Path("Update.exe")), installer_.toStdString());
  EXPECT_TRUE(window_->isVisible());
  window_->Shutdown();
  EXPECT_FALSE(InFolder("Update.exe"));  // the exit clean-up takes an installer nobody started
  window_.reset();
}

TEST_F(UpdateCommandTest, YesToRunStartsUpdateExeEndsTheProgramAndTheExitKeepsIt) {
  Setting("StartUp", "AutoUpdate", "0");
  Setting("View", "TaskBarIn", "1");
  TfrmMain& main = Open({true});
  main.Menus()["Mb_TaskBarIn"]->setChecked(true);  // residency does not hold the program back
  OnUpdateWindow([&](TfrmUpdate& window) {
    Button(window, "btConnect")->click();
    Button(window, "btDownload")->click();
  });
  main.Menus()["Mb_Update"]->trigger();
  EXPECT_EQ(questions_, std::vector<QString>{kRunUpdate});
  EXPECT_TRUE(errors_.empty());
  EXPECT_FALSE(main.isVisible());  // closed for good
  main.Shutdown();
  EXPECT_TRUE(InFolder("Update.exe"));
  EXPECT_TRUE(Until([&] { return InFolder("installer-ran.txt"); }));
  window_.reset();
}

TEST_F(UpdateCommandTest, AnInstallerThatCannotStartIsReportedAndTheProgramStays) {
  Setting("StartUp", "AutoUpdate", "0");
  installer_ = "this is no program";
  server_.Script(QStringLiteral("/setup.run"), HttpReply::Ok(installer_));
  TfrmMain& main = Open({true});
  OnUpdateWindow([&](TfrmUpdate& window) {
    Button(window, "btConnect")->click();
    Button(window, "btDownload")->click();
  });
  main.Menus()["Mb_Update"]->trigger();
  EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Update.exe を起動出来ませんでした。")});
  EXPECT_TRUE(main.isVisible());
}

// A build that may not update itself tells at start of a newer version, even one whose list offers
// no installer, and its window leaves the update to the package manager.
TEST_F(UpdateCommandTest, APackagedBuildTellsOfTheNewerVersionAtStartAndFetchesNoInstaller) {
  kelvo::SetSelfUpdateAllowed(false);
  struct Restore {
    ~Restore() { kelvo::SetSelfUpdateAllowed(true); }
  } restore;  // also when an assertion ends the test early
  Setting("StartUp", "AutoUpdate", "1");
  Offer("[Ver]2.10.02\r\n[Url]setup.run\r\n[Fil]../setup.tmp\r\n");
  QString shown;
  OnUpdateWindow([&](TfrmUpdate& window) {
    shown = Message(window);
    window.close();
  });
  Open({true});
  ASSERT_TRUE(Until([&] { return !questions_.empty() && !shown.isEmpty(); }));
  EXPECT_EQ(questions_, std::vector<QString>{kelvo::NewerForPackageManagerQuestion()});
  EXPECT_EQ(shown, kelvo::NewerForPackageManagerMessage(QStringLiteral("2.10.02")).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  EXPECT_EQ(server_.Requests(), QStringList{QStringLiteral("/AppVer.csv")});
  EXPECT_FALSE(InFolder("Update.exe"));
  window_->Shutdown();
  window_.reset();
}

}  // namespace
