// Windows on a dense screen: a scale factor of 2.5 set by the user is taken as 2, and every pixel
// of the skin becomes an exact 2 x 2 block of what the window paints at scale 1; only texts are
// drawn anew at the finer size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "main_window.h"
#include "program_folder.h"
#include "screen_scaling.h"

namespace {

// Compares the widget as the screen shows it with the widget painted at scale 1, block by block,
// outside its texts.
void ExpectExactBlocks(QWidget* widget) {
  SCOPED_TRACE(widget->objectName().toStdString());
  ASSERT_EQ(widget->devicePixelRatio(), 2.0);
  const QImage two = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QImage one(widget->size(), QImage::Format_RGB32);
  widget->render(&one);
  ASSERT_EQ(two.size(), one.size() * 2);
  QList<QRect> texts;
  for (QWidget* child : widget->findChildren<QWidget*>())
    if (qobject_cast<QLabel*>(child) != nullptr || qobject_cast<QLineEdit*>(child) != nullptr)
      texts.append(QRect(child->mapTo(widget, QPoint(0, 0)), child->size()));
  int differing = 0;
  for (int y = 0; y < one.height(); ++y)
    for (int x = 0; x < one.width(); ++x) {
      if (std::any_of(texts.begin(), texts.end(), [&](const QRect& r) { return r.contains(x, y); })) continue;
      for (int d = 0; d < 4; ++d)
        if (two.pixel(2 * x + d % 2, 2 * y + d / 2) != one.pixel(x, y) && ++differing <= 3)
          ADD_FAILURE() << "skin pixel " << x << "," << y << " is not an exact block";
    }
  EXPECT_EQ(differing, 0);
}

TEST(WindowScale, EverySkinPixelIsAnExactBlockAtScaleTwo) {
  kelvo::test::ProgramFolder folder;
  TfrmMain window(true, nullptr);
  window.showError = [](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); };
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.width() * window.devicePixelRatio(), 544);
  window.Engine().PressKey(108);  // an 8 on the display, the + mark lit
  window.Engine().PressKey(17);
  window.Menus()["Mb_BigPanelOn"]->trigger();
  QCoreApplication::processEvents();

  ExpectExactBlocks(window.centralWidget());
  QWidget* enlarged = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == QLatin1String("frmBigPanel")) enlarged = top;
  ASSERT_NE(enlarged, nullptr);
  ExpectExactBlocks(enlarged);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2.5");
  UseWholeNumberScaling();
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
