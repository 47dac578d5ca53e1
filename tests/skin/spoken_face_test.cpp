// The face in words: the number as shown, the marks the strip really shows, and the label
// colour taken from the skin's display.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <initializer_list>

#include "display_label_look.h"
#include "renderer.h"
#include "spoken_face.h"

namespace kelvo {
namespace {

TEST(SpokenFaceTest, NumbersReadAsTheDisplayGroupsThem) {
  const struct {
    const char* display;
    bool error;
    const char* spoken;
  } rows[] = {
      {"0", false, "0"},          {"999", false, "999"},   {"1234567.5", false, "1,234,567.5"},
      {"-1234", false, "-1,234"}, {"-123", false, "-123"}, {"12.", false, "12."},
      {"0", true, "エラー 0"},         {"0.0001", false, "0.0001"},
  };
  for (const auto& row : rows) EXPECT_EQ(SpokenNumber(row.display, row.error), QString::fromUtf8(row.spoken)) << row.display;
}

TEST(SpokenFaceTest, MarksReadAreTheMarksTheStripShows) {
  const struct {
    std::function<void(Renderer&)> draw;
    const char* spoken;
  } rows[] = {
      {[](Renderer& r) { r.DrawMark(8, true); r.DrawMark(6, true); }, "グランドトータル、メモリー"},
      // M+ drawn over MR's place hides MR.
      {[](Renderer& r) { r.DrawMark(9, true); r.DrawMark(10, true); }, "メモリープラス"},
      {[](Renderer& r) { r.DrawMark(13, true); r.DrawMark(13, false); }, ""},
      // The transient clear keeps the memory and grand-total marks and erases equals and tax.
      {[](Renderer& r) { r.DrawMark(5, true); r.DrawMark(6, true); r.DrawMark(8, true); r.DrawMark(13, true); r.ClearTransientMarks(); },
       "グランドトータル、メモリー"},
      {[](Renderer& r) { r.DrawMark(1, true); r.DrawMark(30, true); r.ClearOperatorMarks(); }, "アンサーチェック一致"},
      {[](Renderer& r) { r.DrawMark(8, true); r.DrawMark(11, true); r.ClearMemoryMarks(); }, "メモリー"},
      {[](Renderer& r) { r.DrawMark(18, true); r.DrawMark(8, true); r.ClearMarkStrip(); }, ""},
  };
  for (const auto& row : rows) {
    Renderer renderer;
    row.draw(renderer);
    EXPECT_EQ(SpokenMarks(renderer.Lit()), QString::fromUtf8(row.spoken)) << row.spoken;
  }
}

TEST(SpokenFaceTest, AChangeSaysTheNewFigureAndOnlyTheMarksAndSettingsThatMoved) {
  auto marks = [](std::initializer_list<int> lit) {
    LitMarks m;
    for (const int mark : lit) m.set(static_cast<size_t>(mark));
    return m;
  };
  const DisplayReading base{"12", false, marks({}), 1, -1, QStringLiteral("標準税率 10%")};
  auto with = [&base](const std::function<void(DisplayReading&)>& change) {
    DisplayReading r = base;
    change(r);
    return r;
  };
  const struct {
    const char* what;
    DisplayReading now;
    const char* said;
  } rows[] = {
      {"nothing moved", base, ""},
      {"a new figure", with([](DisplayReading& r) { r.number = "-1234.5"; }), "-1,234.5"},
      {"an error on the same figure", with([](DisplayReading& r) { r.error = true; }), "エラー 12"},
      {"an operator mark repeats the key", with([&](DisplayReading& r) { r.marks = marks({1}); }), ""},
      {"memory and tax marks are news", with([&](DisplayReading& r) { r.marks = marks({8, 13}); }), "メモリー、税込"},
      {"the round selector", with([](DisplayReading& r) { r.roundSelector = 2; }), "端数処理: 切り捨て"},
      {"the decimal selector", with([](DisplayReading& r) { r.decimalSelector = 2; }), "小数点: 2 桁"},
      {"the rate switch", with([](DisplayReading& r) { r.taxRate = SpokenTaxRate(0.08, true); }), "軽減税率 8%"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(SpokenDisplayChange(&base, row.now).toStdString(), row.said) << row.what;
  // Lasting marks going out are news too; without a reading before, the figure alone.
  const DisplayReading held = with([&](DisplayReading& r) { r.marks = marks({6, 8}); });
  EXPECT_EQ(SpokenDisplayChange(&held, base).toStdString(), "メモリー クリア、グランドトータル クリア");
  EXPECT_EQ(SpokenDisplayChange(nullptr, held).toStdString(), "12");
}

TEST(SpokenFaceTest, LabelTextStandsOutFromTheSkinsDisplay) {
  const Rect label{112, 17, 145, 13};
  const struct {
    QColor lcd;
    QColor text;
  } rows[] = {
      {QColor(198, 215, 189), Qt::black}, {QColor(20, 30, 40), Qt::white}, {QColor(0, 0, 0, 0), Qt::black}};
  for (const auto& row : rows) {
    QImage composite(kPanelCompositeRect.width, kPanelCompositeRect.height, QImage::Format_ARGB32);
    composite.fill(row.lcd);
    EXPECT_EQ(DisplayLabelTextColour(composite, label), row.text) << row.lcd.name().toStdString();
  }
  EXPECT_EQ(DisplayLabelTextColour(QImage(), label), QColor(Qt::black));
}

}  // namespace
}  // namespace kelvo
