// Key images, the panel composite and the built-in sheets.
#include <gtest/gtest.h>

#include <QPainter>

#include "layout.h"
#include "pixels.h"
#include "renderer.h"
#include "sheet_geometry.h"
#include "skin_parts.h"

namespace kelvo {
namespace {

QImage Cell(const QImage& sheet, const ButtonCell& cell) {
  return sheet.copy(cell.cellX, cell.cellY, kKeyWidth, cell.cellHeight);
}

TEST(BuiltInSheets, HaveTheirSizesAndKeyColours) {
  Renderer renderer;
  ASSERT_TRUE(renderer.LoadBuiltInSheets());
  for (const SkinPartInfo& info : kSkinParts) {
    const QImage& sheet = renderer.Sheet(info.part);
    EXPECT_EQ(sheet.size(), QSize(info.builtInWidth, info.builtInHeight)) << info.name;
  }
  const QImage& panel = renderer.Sheet(SkinPart::DigitalPanel);
  EXPECT_EQ(Rgb(panel.pixel(kPanelKeyX, kPanelKeyY)), kBuiltInKeyRgb);
  // The digit and mark sheets lie on the blank colour, and the blank mark cell is blank.
  EXPECT_EQ(Rgb(renderer.Sheet(SkinPart::DigitalNumber).pixel(0, 0)), kBlankRgb);
  const QImage& marks = renderer.Sheet(SkinPart::DigitalMark);
  for (int x = 335; x < 360; ++x)
    for (int y = kMarkRow; y < kMarkRow + kMarkHeight; ++y) ASSERT_EQ(Rgb(marks.pixel(x, y)), kBlankRgb);
  for (SkinPart part : {SkinPart::ButtonUp, SkinPart::ButtonDown}) {
    const QImage& sheet = renderer.Sheet(part);
    for (const ButtonCell& cell : kButtonCells) {
      const int last = cell.cellY + cell.cellHeight - 1;
      for (int x = cell.cellX; x < cell.cellX + kKeyWidth; ++x) {
        ASSERT_EQ(Rgb(sheet.pixel(x, last)), kBuiltInKeyRgb) << cell.control.data();
        ASSERT_EQ(Rgb(sheet.pixel(x, last - 1)), kBuiltInKeyRgb) << cell.control.data();
      }
    }
  }
}

TEST(KeyImages, PressAndReleaseCopyTheCellFromTheDownAndUpSheets) {
  Renderer renderer;
  renderer.LoadBuiltInSheets();
  for (const ButtonCell& cell : kButtonCells) {
    renderer.DrawButton(cell.keyCode, true);
    EXPECT_EQ(renderer.KeyImage(cell.keyCode), Cell(renderer.Sheet(SkinPart::ButtonDown), cell)) << cell.control.data();
    renderer.DrawButton(cell.keyCode, false);
    EXPECT_EQ(renderer.KeyImage(cell.keyCode), Cell(renderer.Sheet(SkinPart::ButtonUp), cell)) << cell.control.data();
  }
  EXPECT_NE(Cell(renderer.Sheet(SkinPart::ButtonDown), kButtonCells[0]),
            Cell(renderer.Sheet(SkinPart::ButtonUp), kButtonCells[0]));
}

TEST(KeyImages, CodesWithoutAKeyChangeNothing) {
  Renderer renderer;
  renderer.LoadBuiltInSheets();
  renderer.DrawAllButtonsUp();
  std::vector<QImage> before;
  for (const ButtonCell& cell : kButtonCells) before.push_back(renderer.KeyImage(cell.keyCode));
  int changes = 0;
  QObject::connect(&renderer, &Renderer::keyImageChanged, [&](int) { ++changes; });
  for (int code : {0, 8, 22, 23, 24, 25, 98, 111, 222, -5}) renderer.DrawButton(code, true);
  EXPECT_EQ(changes, 0);
  for (size_t i = 0; i < kButtonCells.size(); ++i) EXPECT_EQ(renderer.KeyImage(kButtonCells[i].keyCode), before[i]);
  EXPECT_TRUE(renderer.KeyImage(8).isNull());
}

TEST(KeyImages, TheCellsBottomLeftPixelIsTheKeyColourAndTheLastTwoRowsStayHidden) {
  Renderer renderer;
  renderer.LoadBuiltInSheets();
  renderer.DrawAllButtonsUp();
  for (const ButtonCell& cell : kButtonCells) {
    const QImage& image = renderer.KeyImage(cell.keyCode);
    ASSERT_EQ(image.height(), cell.cellHeight);
    EXPECT_EQ(BottomLeftRgb(image), kBuiltInKeyRgb);
    const QImage keyed = MakeKeyedImage(image, cell.VisibleHeight());
    EXPECT_EQ(keyed.size(), QSize(kKeyWidth, cell.VisibleHeight()));
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0) << "rounded corner of " << cell.control.data();
    EXPECT_EQ(qAlpha(keyed.pixel(kKeyWidth / 2, cell.VisibleHeight() / 2)), 255) << cell.control.data();
  }
}

TEST(KeyImages, AnyKeyColourWorksNotOnlyYellow) {
  Renderer renderer;
  QImage sheet = SolidImage(231, 261, 0x123456);
  const ButtonCell& plus = *FindButtonCell(17);
  FillRect(sheet, plus.cellX + 5, plus.cellY + 5, 20, 20, 0xABCDEF);
  renderer.SetSheet(SkinPart::ButtonUp, sheet);
  renderer.DrawButton(17, false);
  const QImage keyed = MakeKeyedImage(renderer.KeyImage(17), plus.VisibleHeight());
  EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
  EXPECT_EQ(keyed.pixel(10, 10), 0xFFABCDEFu);
}

TEST(KeyImages, ASheetSmallerThanTheGridLeavesTheMissingPartTransparent) {
  Renderer renderer;
  QImage small = SolidImage(120, 100, 0x336699);
  FillRect(small, 0, 98, 120, 2, kBuiltInKeyRgb);  // the hidden rows of the cells in its last row
  renderer.SetSheet(SkinPart::ButtonUp, small);
  renderer.DrawAllButtonsUp();
  // btWaru's cell (95, 65, 41 x 35) is cut at x 120: what exists is drawn, the rest keyed out.
  const QImage waru = MakeKeyedImage(renderer.KeyImage(20), 33);
  EXPECT_EQ(waru.pixel(0, 0), 0xFF336699u);
  EXPECT_EQ(qAlpha(waru.pixel(30, 0)), 0);
  // btEq's cell lies wholly outside: nothing of it shows.
  const QImage eq = MakeKeyedImage(renderer.KeyImage(99), 73);
  for (int y = 0; y < eq.height(); ++y)
    for (int x = 0; x < eq.width(); ++x) ASSERT_EQ(qAlpha(eq.pixel(x, y)), 0);
}

TEST(PanelComposite, KeyColouredPanelPixelsShowTheBackPanelFromXSix) {
  Renderer renderer;
  QImage back(272, 400, QImage::Format_RGB32);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 272; ++x) back.setPixel(x, y, qRgb(x % 256, y % 256, 9));
  QImage panel = SolidImage(261, 102, 0x445566);
  const uint32_t key = 0x0A0B0C;
  FillRect(panel, 20, 10, 30, 40, key);
  FillRect(panel, 0, 100, 261, 2, key);
  renderer.SetSheet(SkinPart::BackPanel, back);
  renderer.SetSheet(SkinPart::DigitalPanel, panel);
  renderer.BuildPanelComposite();
  const QImage& composite = renderer.PanelComposite();
  ASSERT_EQ(composite.size(), QSize(261, 100));
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 261; ++x) {
      const bool keyed = x >= 20 && x < 50 && y >= 10 && y < 50;
      const QRgb want = keyed ? back.pixel(x + 6, y + 9) : 0xFF445566u;
      ASSERT_EQ(composite.pixel(x, y), want) << x << "," << y;
    }
}

TEST(PanelComposite, BuiltInYellowShowsTheBackgroundAndNothingYellowRemains) {
  Renderer renderer;
  renderer.LoadBuiltInSheets();
  renderer.BuildPanelComposite();
  const QImage& panel = renderer.Sheet(SkinPart::DigitalPanel);
  const QImage& back = renderer.Sheet(SkinPart::BackPanel);
  int keyed = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 261; ++x) {
      const QRgb out = renderer.PanelComposite().pixel(x, y);
      ASSERT_NE(Rgb(out), kBuiltInKeyRgb);
      if (Rgb(panel.pixel(x, y)) == kBuiltInKeyRgb) {
        ++keyed;
        ASSERT_EQ(Rgb(out), Rgb(back.pixel(x + 6, y + 9)));
      }
    }
  EXPECT_GT(keyed, 0);  // the rounded corners
}

TEST(PanelComposite, AMissingBackPanelOrPanelLeavesHolesNotGarbage) {
  Renderer renderer;
  renderer.SetSheet(SkinPart::DigitalPanel, SolidImage(100, 50, 0x778899));
  renderer.BuildPanelComposite();  // no key pixel, no back panel
  const QImage& composite = renderer.PanelComposite();
  EXPECT_EQ(composite.pixel(10, 10), 0xFF778899u);
  EXPECT_EQ(qAlpha(composite.pixel(150, 80)), 0);
}

}  // namespace
}  // namespace kelvo

namespace kelvo {
namespace {

struct EnlargedPanelSpy : EnlargedPanelTarget {
  QImage number, marks;
  int shown = 0;
  void ShowStrips(const QImage& n, const QImage& m) override { number = n, marks = m, ++shown; }
};

TEST(EnlargedPanel, ReceivesTheStripsScaledWithExactColoursOnlyWhileSet) {
  Renderer renderer;
  renderer.LoadBuiltInSheets();
  renderer.DrawNumber("1");
  EnlargedPanelSpy spy;
  renderer.MirrorToEnlargedPanel();  // not open: nothing happens
  renderer.SetEnlargedPanel(&spy);
  renderer.MirrorToEnlargedPanel();
  ASSERT_EQ(spy.shown, 1);
  EXPECT_EQ(spy.number.size(), QSize(544, 66));
  EXPECT_EQ(spy.marks.size(), QSize(544, 22));
  EXPECT_EQ(BottomLeftRgb(spy.number), kBlankRgb);  // still keyable
  for (int y = 0; y < 66; y += 5)
    for (int x = 0; x < 544; x += 7)
      ASSERT_EQ(spy.number.pixel(x, y), renderer.NumberStrip().pixel(x * 245 / 544, y * 30 / 66)) << x << "," << y;
  renderer.SetEnlargedPanel(nullptr);
  renderer.MirrorToEnlargedPanel();
  EXPECT_EQ(spy.shown, 1);
}

}  // namespace
}  // namespace kelvo
