// The tape window over a tape file: live lines, find, entering a figure, reading aloud, saving,
// clearing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QFile>
#include <QListView>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "fake_tape_host.h"
#include "recording_host.h"
#include "tape_format.h"
#include "tape_model.h"
#include "tape_window.h"

namespace {

namespace fs = std::filesystem;

class TapeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }
  // A fresh tape of two calculations on two days, and the window on it.
  void Open() {
    folder_ = fs::temp_directory_path() / ("tape-window-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    tape_.path = (folder_ / "Tape.txt").string();
    std::ofstream(tape_.path, std::ios::binary)
        << tape::FormatBlock("2026-12-06 09:00:00", {"1,050税込"})
        << tape::FormatBlock("2026-12-07 15:44:41", {"12＋　", "34＝　", "46＊　"});
    window_ = std::make_unique<TfrmTape>(side_, tape_);
    window_->Reload();
  }
  void TearDown() override {
    window_.reset();
    fs::remove_all(folder_);
  }
  QString Current() const { return window_->List()->currentIndex().data().toString(); }

  fs::path folder_;
  kelvo::test::RecordingHost side_;
  FakeTapeHost tape_;
  std::unique_ptr<TfrmTape> window_;
};

TEST_F(TapeWindowTest, OpensAtTheNewestLineAndFollowsNewOnes) {
  EXPECT_EQ(window_->Model()->rowCount(), 6);  // two dates and four lines
  EXPECT_EQ(Current(), QStringLiteral("46＊　"));
  window_->AddBlock(tape::FormatBlock("2026-12-07 16:00:00", {"100＊　"}));  // the same day: no date row
  EXPECT_EQ(window_->Model()->rowCount(), 7);
  EXPECT_EQ(Current(), QStringLiteral("100＊　"));
  window_->AddBlock("[2026-12-07 16:00:00]\n5＊");  // cut short: ignored
  EXPECT_EQ(window_->Model()->rowCount(), 7);
}

TEST_F(TapeWindowTest, ScreenReadersHearEachLineWithTheTimeOfItsCalculation) {
  window_->AddBlock(tape::FormatBlock("2026-12-07 16:05:00", {"12＋　", "34＝　", "46＊　"}));  // the same lines again
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window_->List());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("テープ"));
  QStringList heard;
  for (int row = 0; row < window_->Model()->rowCount(); ++row)
    heard << window_->Model()->index(row).data(Qt::AccessibleTextRole).toString();
  EXPECT_EQ(heard.join(u'|').toStdString(),
            "2026/12/06|09:00 1,050税込|2026/12/07|15:44 12＋　|15:44 34＝　|15:44 46＊　|16:05 12＋　|16:05 34＝　|16:05 46＊　");
}

TEST_F(TapeWindowTest, FindsFiguresWithOrWithoutCommasAndDates) {
  const std::pair<const char*, const char*> cases[] = {
      {"34", "34＝　"}, {"1050", "1,050税込"}, {"2026-12-06", "2026/12/06"}, {"12/07", "2026/12/07"}};
  for (const auto& [wanted, found] : cases) {
    window_->Reload();
    EXPECT_TRUE(window_->FindUpwards(QString::fromUtf8(wanted))) << wanted;
    EXPECT_EQ(Current().toStdString(), found) << wanted;
  }
  EXPECT_FALSE(window_->FindUpwards(QStringLiteral("999")));
}

TEST_F(TapeWindowTest, EnterTypesTheFigureOfALineButNotADate) {
  window_->show();
  QTest::keyClick(window_->List(), Qt::Key_End);
  QTest::keyClick(window_->List(), Qt::Key_Return);
  QTest::keyClick(window_->List(), Qt::Key_Home);
  QTest::keyClick(window_->List(), Qt::Key_Return);  // the first row is a date
  EXPECT_EQ(tape_.entered, QStringList{QStringLiteral("46")});
}

TEST_F(TapeWindowTest, CtrlRReadsTheSelectedLinesInOrderAndEscStops) {
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QListView* list = window_->List();
  list->clearSelection();
  for (int row : {5, 0, 3})  // 46＊, a date, 12＋: read top down, the date says nothing
    list->selectionModel()->select(window_->Model()->index(row), QItemSelectionModel::Select);
  QTest::keyClick(list, Qt::Key_R, Qt::ControlModifier);
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_EQ(tape_.read, (std::vector<std::vector<std::string>>{{"じゅうに たす", "よんじゅうろく"}}));
  EXPECT_EQ(tape_.stops, 1);

  window_->ShowReadAloudMissing(QStringLiteral("speech-dispatcher"));
  QTest::keyClick(list, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(tape_.read.size(), 1u);
  // QTest leaves Ctrl as the application's modifier after a click with it; a plain key lets the
  // next test's selections go unmodified.
  QTest::keyClick(list, Qt::Key_Escape);
}

TEST_F(TapeWindowTest, SavesByTheExtensionOfTheName) {
  const QString base = QString::fromStdString((folder_ / "roll").string());
  const std::pair<const char*, QByteArray> cases[] = {
      {".csv", QByteArray("\xEF\xBB\xBF")}, {".txt", QByteArray("2026/12/06\n")}, {".pdf", QByteArray("%PDF")}};
  for (const auto& [suffix, start] : cases) {
    ASSERT_TRUE(window_->SaveAs(base + QString::fromUtf8(suffix))) << suffix;
    QFile file(base + QString::fromUtf8(suffix));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(start)) << suffix;
  }
  EXPECT_FALSE(window_->SaveAs(QString::fromStdString((folder_ / "missing" / "roll.csv").string())));
}

// Another program shortens or replaces the tape while the window shows it: the window reads it
// again and its status line says why; what this program writes itself changes nothing.
TEST_F(TapeWindowTest, AShortenedOrReplacedTapeIsReadAgainAndSaidSo) {
  struct Case {
    const char* name;
    std::function<void(TfrmTape&, const std::string& path)> change;
    int rows;
    const char* status;
  };
  const std::string block = tape::FormatBlock("2026-12-08 10:00:00", {"5＊　"});
  const Case cases[] = {
      {"emptied", [](TfrmTape&, const std::string& path) { fs::resize_file(path, 0); }, 0, "短くなった"},
      {"cut in the second calculation", [](TfrmTape&, const std::string& path) { fs::resize_file(path, 40); }, 2, "短くなった"},
      {"replaced", [&block](TfrmTape&, const std::string& path) {
         std::ofstream(path + ".new", std::ios::binary) << block;
         fs::rename(path + ".new", path);
       }, 2, "置き換えられた"},
      {"removed", [](TfrmTape&, const std::string& path) { fs::remove(path); }, 0, "なくなった"},
      {"appended here", [&block](TfrmTape& window, const std::string& path) {
         std::ofstream(path, std::ios::binary | std::ios::app) << block;
         window.AddBlock(block);
       }, 8, ""},
      {"trimmed here", [&block](TfrmTape& window, const std::string& path) {
         std::ofstream(path + ".new", std::ios::binary) << block;
         fs::rename(path + ".new", path);
         window.AddBlock(block, true);
       }, 8, ""},
  };
  for (const Case& c : cases) {
    Open();
    c.change(*window_, tape_.path);
    window_->CheckTapeFile();
    EXPECT_EQ(window_->Model()->rowCount(), c.rows) << c.name;
    EXPECT_TRUE(window_->StatusText().contains(QString::fromUtf8(c.status))) << c.name << ": " << window_->StatusText().toStdString();
    if (c.status[0] == 0) {
      EXPECT_EQ(window_->StatusText(), QString()) << c.name;
    }
  }
  // The window hears of a change by itself.
  Open();
  fs::resize_file(tape_.path, 0);
  EXPECT_TRUE(QTest::qWaitFor([this] { return window_->Model()->rowCount() == 0; }, 3000));
}

TEST_F(TapeWindowTest, SavesTheRangeChosen) {
  window_->AddBlock(tape::FormatBlock("2026-12-07 16:00:00", {"100＊　"}));
  const QString path = QString::fromStdString((folder_ / "range.csv").string());
  const auto saved = [&] {
    EXPECT_TRUE(window_->SaveAs(path));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().split('\n').size() - 2;  // rows without the heading and the last line end
  };
  window_->List()->setCurrentIndex(window_->Model()->index(3));  // 12 of 12 + 34 = 46
  window_->SetRange(TfrmTape::Range::Selected);
  EXPECT_EQ(saved(), 3);
  window_->SetRange(TfrmTape::Range::Day);
  EXPECT_EQ(saved(), 4);
  window_->SetRange(TfrmTape::Range::Whole);
  EXPECT_EQ(saved(), 5);
}

TEST_F(TapeWindowTest, ClearsOnlyAfterYes) {
  bool answer = false;
  window_->askToClear = [&answer](QWidget*) { return answer; };
  window_->ClearTape();
  EXPECT_EQ(tape_.clears, 0);
  EXPECT_EQ(window_->Model()->rowCount(), 6);
  answer = true;
  window_->ClearTape();
  EXPECT_EQ(tape_.clears, 1);
  EXPECT_EQ(window_->Model()->rowCount(), 0);
}

}  // namespace
