// The key and strip widgets: places, names, colour-key painting, mouse, and PressKey drawing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "engine.h"
#include "layout.h"
#include "pixels.h"
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
  struct Expected {
    int code;
    const char* control;
    int x, y, height;
  };
  // Written out from the design's layout of the keypad, not from the code's own table.
  const Expected keys[] = {
      {9, "btRoute", 66, 128, 25},     {10, "btKenzan", 114, 128, 25},  {11, "btZeikomi", 162, 128, 25},
      {12, "btZeinuki", 210, 128, 25}, {2, "btCE", 18, 160, 25},        {13, "btBackS", 66, 160, 25},
      {14, "btPM", 114, 160, 25},      {15, "btGT", 162, 160, 25},      {16, "btCA", 210, 160, 25},
      {3, "btMC", 18, 192, 33},        {1, "btPer", 66, 192, 33},       {20, "btWaru", 114, 192, 33},
      {19, "btKakeru", 162, 192, 33},  {18, "btMinus", 210, 192, 33},   {4, "btMR", 18, 232, 33},
      {107, "bt7", 66, 232, 33},       {108, "bt8", 114, 232, 33},      {109, "bt9", 162, 232, 33},
      {17, "btPlus", 210, 232, 73},    {5, "btMP", 18, 272, 33},        {104, "bt4", 66, 272, 33},
      {105, "bt5", 114, 272, 33},      {106, "bt6", 162, 272, 33},      {6, "btMM", 18, 312, 33},
      {101, "bt1", 66, 312, 33},       {102, "bt2", 114, 312, 33},      {103, "bt3", 162, 312, 33},
      {99, "btEq", 210, 312, 73},      {7, "btC", 18, 352, 33},         {100, "bt0", 66, 352, 33},
      {110, "bt00", 114, 352, 33},     {21, "btCanma", 162, 352, 33},
  };
  for (const Expected& expected : keys) {
    KeyImageWidget* key = widgets.Key(expected.code);
    ASSERT_NE(key, nullptr) << expected.control;
    EXPECT_EQ(key->geometry(), QRect(expected.x, expected.y, 41, expected.height)) << expected.control;
    EXPECT_EQ(key->objectName().toStdString(), expected.control);
    EXPECT_FALSE(key->accessibleName().isEmpty()) << expected.control;
  }
  EXPECT_EQ(widgets.keys.size(), 32u);
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

// Drives the engine through the real renderer: after every key the strip shows exactly the marks
// the engine says are lit, and a strip redrawn from the engine's state (as after a change of the
// mark sheet) is the same to the pixel.
TEST(SkinDisplayTest, PressKeyDrawsWhatTheEngineDecides) {
  Renderer renderer;
  test::UseCodedSheets(renderer);
  SkinDisplay display(renderer);
  Engine engine(display);
  const int keys[] = {101, 102, 17, 103, 104, 99, 5, 19, 105, 1, 15, 11, 12, 4, 6, 3, 13, 14, 20, 100, 99,
                      2,   21,  107, 9,  10, 16, 109, 109, 109, 109, 109, 109, 109, 109, 109, 109, 109, 109,
                      109, 109, 109, 19, 109, 109, 99, 7, 108, 18, 99, 99, 15, 15, 3, 110, 21, 102, 5, 4};
  int step = 0;
  for (int key : keys) {
    engine.PressKey(key);
    engine.ReleaseKey(key);
    if (++step % 7 == 0) engine.ShowCopied();
    SCOPED_TRACE("after key " + std::to_string(step));
    EXPECT_EQ(test::LitMarks(renderer.MarkStrip()), engine.State().marks.Lit());
    Renderer redrawn;
    test::UseCodedSheets(redrawn);
    redrawn.RedrawMarks(engine.State());
    EXPECT_EQ(redrawn.MarkStrip(), renderer.MarkStrip());
    std::string digits;
    for (char c : engine.State().display)
      if (c != '.') digits.insert(digits.begin(), c);
    EXPECT_EQ(test::ReadNumberStrip(renderer.NumberStrip()).glyphs, digits);
  }
  EXPECT_EQ(renderer.KeyImage(4), renderer.Sheet(SkinPart::ButtonUp).copy(5, 105, 41, 35));
}

}  // namespace
}  // namespace kelvo
