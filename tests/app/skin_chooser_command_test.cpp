// The File menu's skin chooser item on the real main window, headless: the tick follows the
// window, F12 closes it, and a skin applied there reaches the main window's face.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "main_window.h"
#include "program_folder.h"
#include "settings.h"
#include "side_windows.h"
#include "skin_chooser.h"

namespace {

kelvo::TfrmSkinCh* Chooser() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* chooser = qobject_cast<kelvo::TfrmSkinCh*>(window); chooser != nullptr && chooser->isVisible()) return chooser;
  return nullptr;
}

TEST(SkinChooserCommand, TheMenuTickFollowsTheChooserAndItsSkinsReachTheMainWindow) {
  kelvo::test::ProgramFolder folder;
  // The sample library, standard skin and no-image picture of the installation.
  for (const char* sub : {"Skin/T7/SET_Kelvo_Paper", "_sys/Default", "_sys/UserCustumSkin"}) {
    const QString from = QStringLiteral(KELVO_TEMPLATE "/") + sub, to = QString::fromStdString(folder.Path("KelvoFiles/")) + sub;
    QDir().mkpath(to);
    for (const QString& file : QDir(from).entryList(QDir::Files)) QFile::copy(from + "/" + file, to + "/" + file);
  }
  TfrmMain window(true, nullptr);
  window.showError = [](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); };
  window.show();
  QCoreApplication::processEvents();
  QAction* item = window.Menus()["Mb_SkinChange"];
  ASSERT_TRUE(item->isEnabled());

  item->trigger();
  kelvo::TfrmSkinCh* chooser = Chooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(item->isChecked());
  chooser->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(chooser));
  EXPECT_EQ(kelvo::SideWindowList().back(), '7');
  const QImage before = window.Renderer().ComposeFace();
  auto* list = chooser->findChild<QListWidget*>(QStringLiteral("lstSkinFiles"));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_NE(window.Renderer().ComposeFace(), before);
  EXPECT_EQ(kelvo::Settings().skinKind, kelvo::kSkinSet);

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);  // closes the chooser and unticks the item
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_FALSE(item->isChecked());

  item->trigger();
  ASSERT_NE(Chooser(), nullptr);
  item->trigger();  // unticking closes it
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_EQ(kelvo::SideWindowList().find('7'), std::string::npos);
}

}  // namespace
