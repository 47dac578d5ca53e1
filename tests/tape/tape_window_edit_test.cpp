// Corrections and notes in the tape window: F2 and Ctrl+M edit in place, Enter hands over, Esc or
// leaving the editor changes nothing; a note goes through the file, a restart, the search and
// every export, whatever it holds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "fake_tape_host.h"
#include "recording_host.h"
#include "tape_export.h"
#include "tape_model.h"
#include "tape_window.h"

namespace {

namespace fs = std::filesystem;

// Rows: 0 date, 1 1,050税込, 2 date, 3-5 12 + 34 = 46, 6-8 5 × 6 = 30 (made in the same second).
constexpr int kRowOf34 = 4, kRowOf46 = 5, kRowOf6 = 7, kRowOf30 = 8;

class TapeEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tape-edit-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    tape_.path = (folder_ / "Tape.txt").string();
    std::ofstream(tape_.path, std::ios::binary) << tape::FormatBlock("2026-12-06 09:00:00", {"1,050税込"})
                                                << tape::FormatBlock("2026-12-07 15:44:41", {"12＋　", "34＝　", "46＊　"})
                                                << tape::FormatBlock("2026-12-07 15:44:41", {"5×　", "6＝　", "30＊　"});
    Restart();
  }
  void TearDown() override {
    window_.reset();
    fs::remove_all(folder_);
  }
  // A new window on the file, as after a restart of the program.
  void Restart() {
    window_ = std::make_unique<TfrmTape>(side_, tape_);
    tape_.added = [this](const std::string& block) { window_->AddBlock(block); };
    window_->Reload();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  QModelIndex Row(int row) const { return window_->Model()->index(row); }
  // Presses `key` on line row `row`; the editor that opened, if any.
  QLineEdit* EditorAfter(int row, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    window_->List()->setCurrentIndex(Row(row));
    QTest::keyClick(window_->List(), key, modifiers);
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
  }
  std::string Saved(const char* name) {
    const QString path = QString::fromStdString((folder_ / name).string());
    EXPECT_TRUE(window_->SaveAs(path));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
  }
  std::string FileBytes() const {
    std::ifstream in(tape_.path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path folder_;
  kelvo::test::RecordingHost side_;
  FakeTapeHost tape_;
  std::unique_ptr<TfrmTape> window_;
};

TEST_F(TapeEditTest, F2CorrectsATypedFigureAndMarksTheOriginalAsCorrected) {
  QLineEdit* editor = EditorAfter(kRowOf34, Qt::Key_F2);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), QStringLiteral("34"));
  QTest::keyClicks(editor, QStringLiteral("43"));
  QTest::keyClick(editor, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !tape_.corrections.empty(); }, 2000));
  const tape::CorrectionRequest& asked = tape_.corrections.front();
  EXPECT_EQ(asked.stamp, "2026-12-07 15:44:41");
  EXPECT_EQ(asked.back, 2);  // a second calculation of that second follows it
  EXPECT_EQ(asked.lines, (std::vector<std::string>{"12＋　", "34＝　", "46＊　"}));
  EXPECT_EQ(asked.line, 1u);
  EXPECT_EQ(asked.figure, "43");
  EXPECT_FALSE(asked.settings.has_value());
  EXPECT_TRUE(window_->StatusText().contains(QStringLiteral("設定の記録がない"))) << window_->StatusText().toStdString();
  // The correction is the line to go on from; the original, and only it, is shown corrected,
  // also after a restart.
  for (int pass = 0; pass < 2; ++pass) {
    if (pass == 1) Restart();
    EXPECT_EQ(window_->List()->currentIndex().data().toString(), QStringLiteral("43＊　"));
    EXPECT_TRUE(Row(kRowOf46).data(TapeModel::CorrectedRole).toBool()) << pass;
    EXPECT_TRUE(Row(kRowOf34).data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("訂正済み 15:44"))) << pass;
    EXPECT_FALSE(Row(kRowOf30).data(TapeModel::CorrectedRole).toBool()) << pass;
  }
}

TEST_F(TapeEditTest, EscOrLeavingTheEditorCorrectsNothing) {
  const std::string before = FileBytes();
  QLineEdit* editor = EditorAfter(kRowOf34, Qt::Key_F2);
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, QStringLiteral("43"));
  QTest::keyClick(editor, Qt::Key_Escape);
  editor = EditorAfter(kRowOf6, Qt::Key_F2);
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, QStringLiteral("7"));
  window_->List()->setFocus();  // the editor loses the keyboard
  QTest::qWait(50);
  EXPECT_TRUE(tape_.corrections.empty());
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(tape_.stops, 0) << "Esc in the editor is the editor's";
}

// A row that cannot be corrected opens no editor, and the status line says why.
TEST_F(TapeEditTest, ARowThatCannotBeCorrectedSaysWhy) {
  struct Case {
    const char* name;
    tape::Correctable answer;
    int row;
    const char* why;
  };
  const Case cases[] = {
      {"refused by the calculator", {"定数計算は訂正できません。", {}}, kRowOf34, "定数計算"},
      {"a result line", {{}, {0, 1}}, kRowOf46, "入力した数値ではありません"},
      {"a date row", {{}, {0, 1}}, 2, "数値の行を選んで"},
  };
  for (const Case& c : cases) {
    tape_.correctable = c.answer;
    EXPECT_EQ(EditorAfter(c.row, Qt::Key_F2), nullptr) << c.name;
    EXPECT_TRUE(window_->StatusText().contains(QString::fromUtf8(c.why))) << c.name << ": " << window_->StatusText().toStdString();
    EXPECT_EQ(window_->WhyNoCorrection(), window_->StatusText()) << c.name;
  }
  EXPECT_TRUE(tape_.corrections.empty());
}

// A note typed with Ctrl+M, kept through a restart, found and exported beside its calculation.
TEST_F(TapeEditTest, CtrlMKeepsANoteWithItsCalculation) {
  QLineEdit* editor = EditorAfter(kRowOf6, Qt::Key_M, Qt::ControlModifier);
  ASSERT_NE(editor, nullptr);
  QInputMethodEvent typed;  // as an input method commits Japanese text
  typed.setCommitString(QStringLiteral("交通費"));
  QApplication::sendEvent(editor, &typed);
  QTest::keyClick(editor, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([this] { return FileBytes().find("交通費") != std::string::npos; }, 2000));
  Restart();
  window_->List()->setCurrentIndex(Row(1));
  ASSERT_TRUE(window_->FindUpwards(QStringLiteral("交通費")));
  QModelIndexList selected = window_->List()->selectionModel()->selectedRows();
  std::sort(selected.begin(), selected.end());
  ASSERT_EQ(selected.size(), 3);  // the whole calculation
  EXPECT_EQ(selected.front().row(), kRowOf6 - 1);
  EXPECT_NE(Saved("notes.csv").find("2026-12-07,15:44:41,30,＊,交通費\r\n"), std::string::npos);
}

// Every note goes through the file, a restart, the search and each export, or is refused whole.
TEST_F(TapeEditTest, NotesOfAnyTextKeepTheFileAndTheExportsWhole) {
  struct Case {
    const char* name;
    QString typed;
    const char* kept;  // nullptr: refused, the file untouched
    const char* csvCell;
  };
  const Case cases[] = {
      {"plain", QStringLiteral("伝票 No.123"), "伝票 No.123", "伝票 No.123"},
      {"spaces around", QStringLiteral("  交通費  "), "交通費", "交通費"},
      {"a formula", QStringLiteral("=HYPERLINK(\"http://x\")"), "=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
      {"a command", QStringLiteral("+1+cmd|' /C calc'!A0"), "+1+cmd|' /C calc'!A0", "'+1+cmd|' /C calc'!A0"},
      {"commas and quotes", QStringLiteral("a,\"b\""), "a,\"b\"", "\"a,\"\"b\"\"\""},
      {"a record of its own", QStringLiteral("{note 2026-12-06 09:00:00 1 x}"), "{note 2026-12-06 09:00:00 1 x}",
       "{note 2026-12-06 09:00:00 1 x}"},
      {"a header", QStringLiteral("[2026-12-09 10:00:00]"), "[2026-12-09 10:00:00]", "[2026-12-09 10:00:00]"},
      {"a line break", QStringLiteral("交通\n費"), nullptr, nullptr},
      {"a carriage return", QStringLiteral("交通\r費"), nullptr, nullptr},
      {"a tab", QStringLiteral("交通\t費"), nullptr, nullptr},
      {"a line separator", QStringLiteral("交通\u2028費"), nullptr, nullptr},
      {"a right-to-left override", QStringLiteral("\u202E費通交"), nullptr, nullptr},
      {"longer than a line", QString(101, QChar(u'費')), nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SetUp();
    const std::string before = FileBytes();
    window_->SetNote(kRowOf30, c.typed);
    if (c.kept == nullptr) {
      EXPECT_EQ(FileBytes(), before) << c.name;
      EXPECT_TRUE(window_->StatusText().contains(QStringLiteral("摘要は"))) << c.name;
      continue;
    }
    Restart();
    EXPECT_EQ(window_->Model()->rowCount(), 9) << c.name << ": the note made no calculation of its own";
    EXPECT_EQ(Row(kRowOf6 - 1).data(TapeModel::NoteRole).toString().toStdString(), c.kept) << c.name;
    EXPECT_TRUE(Row(kRowOf46 - 2).data(TapeModel::NoteRole).toString().isEmpty()) << c.name << ": not the other of that second";
    window_->List()->setCurrentIndex(Row(0));
    EXPECT_TRUE(window_->FindUpwards(QString::fromUtf8(c.kept))) << c.name;
    EXPECT_EQ(window_->List()->currentIndex().row(), kRowOf6 - 1) << c.name;
    EXPECT_NE(Saved("n.csv").find(std::string("2026-12-07,15:44:41,30,＊,") + c.csvCell + "\r\n"), std::string::npos) << c.name;
    EXPECT_NE(Saved("n.txt").find(std::string("5×　  ") + c.kept + "\n"), std::string::npos) << c.name;
    EXPECT_EQ(tape::CopyText(window_->Model()->Index(), {kRowOf6 - 1}, false).toStdString(), std::string("5\t×\t") + c.kept + "\n")
        << c.name;
  }
  // A note removed is gone from the file's reading and the exports.
  window_->SetNote(kRowOf30, {});
  Restart();
  EXPECT_TRUE(Row(kRowOf6 - 1).data(TapeModel::NoteRole).toString().isEmpty());
  EXPECT_NE(Saved("gone.csv").find("2026-12-07,15:44:41,30,＊,\r\n"), std::string::npos);
}

}  // namespace
