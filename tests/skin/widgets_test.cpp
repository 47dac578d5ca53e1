// The key and strip widgets: places, names, colour-key painting, mouse, and PressKey drawing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "engine.h"
#include "layout.h"
#include "pixels.h"
#include "recording_display.h"
#include "renderer.h"
#include "skin_display.h"
#include "skin_widgets.h"
#include "test_sheets.h"

namespace kelvo {
namespace {

class WidgetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(kClientWidth, kClientHeight);
    renderer.LoadBuiltInSheets();
    widgets = CreateSkinWidgets(&window, &renderer);
    renderer.BuildPanelComposite();
    renderer.DrawAllButtonsUp();
  }
  QWidget window;
  Renderer renderer;
  SkinWidgets widgets;
};

TEST_F(WidgetsTest, KeysAndStripsSitAtTheirPlacesWithTheirNames) {
  for (const ButtonCell& cell : kButtonCells) {
    KeyImageWidget* key = widgets.Key(cell.keyCode);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->geometry(), QRect(cell.windowX, cell.windowY, kKeyWidth, cell.VisibleHeight()));
    EXPECT_EQ(key->objectName().toStdString(), cell.control);
    EXPECT_EQ(key->accessibleName().toStdString(), cell.caption);
  }
  EXPECT_EQ(widgets.Key(17)->height(), 73);
  EXPECT_EQ(widgets.Key(9)->height(), 25);
  EXPECT_EQ(widgets.Key(8), nullptr);
  EXPECT_EQ(widgets.numberStrip->geometry(), QRect(13, 51, 245, 30));
  EXPECT_EQ(widgets.markStrip->geometry(), QRect(13, 39, 245, 10));
  EXPECT_EQ(window.findChild<QWidget*>("picDgPnl")->accessibleName(), "表示");
}

TEST_F(WidgetsTest, AKeyPaintsItsCellWithTheKeyColourTransparent) {
  const QImage& keyed = widgets.Key(105)->KeyedImage();
  ASSERT_EQ(keyed.size(), QSize(41, 33));
  EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(keyed.pixel(20, 15)), 255);
  renderer.DrawButton(105, true);
  EXPECT_EQ(widgets.Key(105)->KeyedImage(), MakeKeyedImage(renderer.KeyImage(105), 33));
}

TEST_F(WidgetsTest, StripsFollowTheRendererAndShowThePanelThroughTheirBlankPixels) {
  renderer.DrawNumber("12");
  const QImage& strip = widgets.numberStrip->KeyedImage();
  EXPECT_EQ(qAlpha(strip.pixel(0, 29)), 0);
  EXPECT_EQ(qAlpha(strip.pixel(100, 10)), 0);
  int opaque = 0;
  for (int y = 6; y < 27; ++y)
    for (int x = 212; x < 239; ++x) opaque += qAlpha(strip.pixel(x, y)) == 255;
  EXPECT_GT(opaque, 20);  // the two digits' segments
}

TEST_F(WidgetsTest, TheWholeKeyRectangleTakesTheMouseCornersIncluded) {
  KeyImageWidget* plus = widgets.Key(17);
  std::vector<std::pair<int, int>> events;  // (code, +1 pressed / -1 released)
  QObject::connect(plus, &KeyImageWidget::pressed, [&](int code, Qt::MouseButton, QPoint) { events.push_back({code, 1}); });
  QObject::connect(plus, &KeyImageWidget::released, [&](int code, Qt::MouseButton) { events.push_back({code, -1}); });
  for (QPoint at : {QPoint(0, 0), QPoint(20, 36)}) {
    QMouseEvent press(QEvent::MouseButtonPress, at, plus->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, plus->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(plus, &press);
    QCoreApplication::sendEvent(plus, &release);
  }
  EXPECT_EQ(events, (std::vector<std::pair<int, int>>{{17, 1}, {17, -1}, {17, 1}, {17, -1}}));
}

// Drives the engine through the real renderer and through the recording display side by side:
// both must agree on the marks lit and on the digits shown.
TEST(SkinDisplayTest, PressKeyDrawsWhatTheEngineDecides) {
  Renderer renderer;
  test::UseCodedSheets(renderer);
  SkinDisplay display(renderer);
  Engine engine(display);
  RecordingDisplay recording;
  Engine reference(recording);
  const int keys[] = {101, 102, 17, 103, 104, 99, 5, 19, 105, 1, 15, 11, 12, 4, 6, 3, 13, 14, 20, 100, 99,
                      2,   21,  107, 9,  10, 16, 109, 109, 109, 109, 109, 109, 109, 109, 109, 109, 109, 109,
                      109, 109, 109, 19, 109, 109, 99, 7, 108, 18, 99, 99, 15, 15, 3, 110, 21, 102, 5, 4};
  int step = 0;
  for (int key : keys) {
    engine.PressKey(key);
    reference.PressKey(key);
    engine.ReleaseKey(key);
    reference.ReleaseKey(key);
    ++step;
    EXPECT_EQ(test::LitMarks(renderer.MarkStrip()), recording.LitMarks()) << "after key " << step;
    std::string digits;
    for (char c : engine.State().display)
      if (c != '.') digits.insert(digits.begin(), c);
    EXPECT_EQ(test::ReadNumberStrip(renderer.NumberStrip()).glyphs, digits) << "after key " << step;
  }
  EXPECT_EQ(renderer.KeyImage(4), renderer.Sheet(SkinPart::ButtonUp).copy(5, 105, 41, 35));
}

}  // namespace
}  // namespace kelvo
