// The skin chooser on a throw-away program folder, with a host that records what the chooser
// asks of the main window and answers its questions from a script.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QPointer>
#include <deque>
#include <memory>

#include "pixels.h"
#include "preview_picture.h"
#include "program_folder.h"
#include "qt_print.h"
#include "fake_chooser_host.h"
#include "renderer.h"
#include "settings.h"
#include "skin_chooser.h"
#include "state.h"

namespace kelvo::test {

// Where each sheet came from: every part of a test skin is one colour, base + the part's order.
inline uint32_t PartColour(uint32_t base, SkinPart part) { return base + static_cast<uint32_t>(part) + 1; }
inline constexpr uint32_t kBuiltInBase = 0x010000, kStandardBase = 0x100000;

inline QString PartFile(SkinPart part) {
  const auto& info = PartInfo(part);
  return QString::fromLatin1(info.name.data(), static_cast<qsizetype>(info.name.size())) + ".bmp";
}
inline const std::vector<SkinPart>& AllParts() {
  static const std::vector<SkinPart> parts = {SkinPart::ButtonUp,  SkinPart::ButtonDown,   SkinPart::DigitalNumber,
                                              SkinPart::BackPanel, SkinPart::DigitalPanel, SkinPart::DigitalMark};
  return parts;
}
inline void WriteSkin(const QString& folder, uint32_t base, const std::vector<SkinPart>& parts) {
  QDir().mkpath(folder);
  for (SkinPart part : parts) SolidImage(8, 8, PartColour(base, part)).save(folder + "/" + PartFile(part), "BMP");
}
inline QString DataFile(const QString& relative) { return QStringLiteral(KELVO_TEMPLATE "/") + relative; }

class ChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders = SkinFolders::BesideProgram(QString::fromStdString(program.Root()));
    for (const QString& folder : {folders.Standard(), folders.CurrentSkin(), folders.Library(), folders.PreviewCache()})
      QDir().mkpath(folder);
    WriteSkin(folders.Standard(), kStandardBase, AllParts());
    QFile::copy(DataFile("_sys/Default/NoImage.gif"), folders.Standard() + "NoImage.gif");
    UseBuiltInSheets();
  }
  void UseBuiltInSheets() {
    for (SkinPart part : AllParts()) renderer.SetSheet(part, SolidImage(8, 8, PartColour(kBuiltInBase, part)));
  }
  void TearDown() override { delete chooser; }

  // Opens the chooser as the main window's menu item does. Its questions are answered from
  // `answers` (a missing answer fails the test), its title dialog from `titles`: no dialog opens.
  TfrmSkinCh& Open(bool primary = true) {
    auto owned = std::make_unique<ChooserHost>(renderer, state, folders, primary);
    host = owned.get();
    chooser = new TfrmSkinCh(std::move(owned));
    chooser->prompts.askYesNo = [this](QWidget*, const QString& text) {
      asked.push_back(text);
      if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
      }
      const bool answer = answers.front();
      answers.pop_front();
      return answer;
    };
    chooser->prompts.askTitle = [this](QWidget*, const QString& initial) {
      titleShown.push_back(initial);
      const std::optional<QString> title = titles.empty() ? std::nullopt : titles.front();
      if (!titles.empty()) titles.pop_front();
      return title;
    };
    chooser->prompts.tell = [this](QWidget*, const QString& text) { told.push_back(text); };
    chooser->prompts.showError = [](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); };
    chooser->prompts.openUrl = [this](const QUrl& url) { opened.push_back(url); };
    chooser->show();
    QCoreApplication::processEvents();
    return *chooser;
  }

  template <typename T>
  T* Find(const char* name) const {
    T* widget = chooser->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QListWidget* List() const { return Find<QListWidget>("lstSkinFiles"); }
  QStringList ListTexts() const {
    QStringList texts;
    for (int i = 0; i < List()->count(); ++i) texts << List()->item(i)->text();
    return texts;
  }
  QString Message() const { return Find<QPlainTextEdit>("txtMsg")->toPlainText(); }
  QString SkinName() const { return Find<QLineEdit>("txtSname")->text(); }
  PreviewPicture* Preview() const { return Find<PreviewPicture>("prvPicCh"); }
  void SelectTab(const char* tabs, int index) { Find<QTabWidget>(tabs)->setCurrentIndex(index); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(List(), &down);
  }
  uint32_t From(SkinPart part) const { return Rgb(renderer.Sheet(part).pixel(0, 0)) - static_cast<uint32_t>(part) - 1; }
  std::vector<uint32_t> Origins() const {
    std::vector<uint32_t> out;
    for (SkinPart part : AllParts()) out.push_back(From(part));
    return out;
  }

  ProgramFolder program;
  SkinFolders folders;
  Renderer renderer;
  EngineState state;
  QPointer<TfrmSkinCh> chooser;
  ChooserHost* host = nullptr;
  std::deque<bool> answers;
  std::deque<std::optional<QString>> titles;
  std::vector<QString> asked, told, titleShown;
  std::vector<QUrl> opened;
};

}  // namespace kelvo::test
