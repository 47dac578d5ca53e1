// The main window on a fresh program folder, headless, with the helpers every window test uses:
// keys clicked and typed, labels, the display and its marks, the settings file.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ini_file.h"
#include "main_window.h"
#include "loopback_http_server.h"
#include "marks.h"
#include "program_folder.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Any modal dialog nobody expected fails the test instead of hanging it.
    modalGuard_.setInterval(50);
    QObject::connect(&modalGuard_, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
        modal->close();
      }
    });
    modalGuard_.start();
    // The check for a newer version at start asks a server that has nothing.
    WriteSetting("Net", "ServerUrl", server_.BaseUrl().toStdString());
  }

  // Writes settings before the window is made (the file it reads at creation).
  void WriteSetting(const char* section, const char* key, const std::string& value) {
    kelvo::IniFile file(folder_.MainSettings());
    file.WriteString(section, key, value);
    ASSERT_TRUE(file.Flush().ok);
  }

  TfrmMain& Open(bool primary = true) {
    window_ = std::make_unique<TfrmMain>(primary, nullptr);
    // No test reaches the speech service: the read-aloud speaks into said_.
    window_->makeVoice = [this](speech::VoiceListener& listener) {
      voiceListener_ = &listener;
      return std::make_unique<RecordingVoice>(said_);
    };
    window_->askToQuit = [this](QWidget*) {
      ++quitQuestions_;
      return answerYes_;
    };
    window_->showError = [this](QWidget*, const QString& text) {
      if (collectErrors_) {
        errors_ << text;
      } else {
        ADD_FAILURE() << text.toStdString();
      }
    };
    window_->trayAvailable = [this] { return trayAvailable_; };
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(window_->FirstActivationDone());
    return *window_;
  }

  std::string Setting(const char* section, const char* key) {
    return kelvo::IniFile(folder_.MainSettings()).ReadString(section, key, "");
  }

  void Click(const char* key) {
    QWidget* widget = window_->findChild<QWidget*>(QString::fromLatin1(key));
    ASSERT_NE(widget, nullptr) << key;
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(10, 10));
  }

  void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window_.get();
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
  }

  QString Label(const char* name) { return window_->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
  std::string Display() { return window_->Engine().State().display; }

  bool MarkLit(int mark) {
    const kelvo::MarkCell* cell = kelvo::FindMarkCell(mark);
    const QImage& strip = window_->Renderer().MarkStrip();
    const QImage& blank = window_->Renderer().Blank();
    for (int y = 0; y < 10; ++y)
      for (int x = cell->destX; x < cell->destX + cell->width; ++x)
        if (strip.pixel(x, y) != blank.pixel(0, 0)) return true;
    return false;
  }

  struct RecordingVoice : speech::Voice {
    explicit RecordingVoice(std::vector<std::string>& to) : said(to) {}
    void Say(const std::string& text) override { said.push_back(text); }
    void Stop() override {}
    std::vector<std::string>& said;
  };

  kelvo::test::ProgramFolder folder_;
  std::vector<std::string> said_;  // what the read-aloud said, in order
  speech::VoiceListener* voiceListener_ = nullptr;
  kelvo::test::LoopbackHttpServer server_;
  std::unique_ptr<TfrmMain> window_;
  QTimer modalGuard_;
  int quitQuestions_ = 0;
  bool answerYes_ = false;
  bool collectErrors_ = false;  // messages go to errors_ instead of failing the test
  QStringList errors_;
  bool trayAvailable_ = true;
};

}  // namespace
