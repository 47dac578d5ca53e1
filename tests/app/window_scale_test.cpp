// The window on a dense screen: a scale factor of 2.5 set by the user is taken as 2, and every
// pixel of the skin becomes an exact 2 x 2 block of what the window paints at scale 1; only the
// text labels are drawn anew at the finer size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "layout.h"
#include "main_window.h"
#include "program_folder.h"
#include "screen_scaling.h"

namespace {

bool InLabel(int x, int y) {
  for (const kelvo::LabelCell& cell : kelvo::kDisplayLabels) {
    const kelvo::Rect& r = cell.rect;
    if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return true;
  }
  return false;
}

TEST(WindowScale, EverySkinPixelIsAnExactBlockAtScaleTwo) {
  kelvo::test::ProgramFolder folder;
  TfrmMain window(true, nullptr);
  window.showError = [](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); };
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.Engine().PressKey(108);  // an 8 on the display, the + mark lit
  window.Engine().PressKey(17);
  QCoreApplication::processEvents();

  ASSERT_EQ(window.devicePixelRatio(), 2.0);
  EXPECT_EQ(window.width() * 2, 544);

  QWidget* client = window.centralWidget();
  const QImage two = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(two.size(), QSize(544, 800));
  QImage one(272, 400, QImage::Format_RGB32);
  one.setDevicePixelRatio(1);
  client->render(&one);

  int differing = 0;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 272; ++x) {
      if (InLabel(x, y)) continue;
      const QRgb pixel = one.pixel(x, y);
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
          if (two.pixel(2 * x + dx, 2 * y + dy) != pixel && ++differing <= 5)
            ADD_FAILURE() << "skin pixel " << x << "," << y << " is not a uniform block";
    }
  }
  EXPECT_EQ(differing, 0);
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
