// The face in words: the number as shown, the marks lit as the strip shows them, and the label
// colour taken from the skin's display.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <initializer_list>

#include "display_label_look.h"
#include "marks.h"
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
  using enum Mark;
  const struct {
    std::function<void(MarkSet&)> draw;
    const char* spoken;
  } rows[] = {
      {[](MarkSet& m) { m.Draw(Memory, true); m.Draw(GrandTotal, true); }, "グランドトータル、メモリー"},
      // M+ drawn over MR's place hides MR.
      {[](MarkSet& m) { m.Draw(MemoryRecalled, true); m.Draw(MemoryPlus, true); }, "メモリープラス"},
      {[](MarkSet& m) { m.Draw(WithTax, true); m.Draw(WithTax, false); }, ""},
      // The transient region keeps the memory and grand-total marks and erases equals and tax.
      {[](MarkSet& m) {
         for (Mark mark : {Equals, GrandTotal, Memory, WithTax}) m.Draw(mark, true);
         m.Erase(kTransientMarksX, kTransientMarksWidth);
         m.Erase(kEqualsMarksX, kEqualsMarksWidth);
       },
       "グランドトータル、メモリー"},
      {[](MarkSet& m) { m.Draw(Plus, true); m.Draw(AnswerMatched, true); m.Erase(kOperatorMarksX, kOperatorMarksWidth); },
       "アンサーチェック一致"},
      {[](MarkSet& m) { m.Draw(Overflow, true); m.Draw(Memory, true); m.Clear(); }, ""},
      {[](MarkSet& m) { m.Draw(Copied, true); m.Draw(MemoryOverflow, true); m.Draw(Overflow, true); },
       "コピー、メモリー桁あふれ、桁あふれ"},
  };
  for (const auto& row : rows) {
    MarkSet marks;
    row.draw(marks);
    EXPECT_EQ(SpokenMarks(marks), QString::fromUtf8(row.spoken)) << row.spoken;
  }
}

TEST(SpokenFaceTest, AChangeSaysTheNewFigureAndOnlyTheMarksAndSettingsThatMoved) {
  using enum Mark;
  const auto marks = [](std::initializer_list<Mark> lit) { return MarkSet::Of(lit); };
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
      {"an operator mark repeats the key", with([&](DisplayReading& r) { r.marks = marks({Plus}); }), ""},
      {"memory and tax marks are news", with([&](DisplayReading& r) { r.marks = marks({Memory, WithTax}); }), "メモリー、税込"},
      {"the round selector", with([](DisplayReading& r) { r.roundSelector = 2; }), "端数処理: 切り捨て"},
      {"the decimal selector", with([](DisplayReading& r) { r.decimalSelector = 2; }), "小数点: 2 桁"},
      {"the rate switch", with([](DisplayReading& r) { r.taxRate = SpokenTaxRate(0.08, true); }), "軽減税率 8%"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(SpokenDisplayChange(&base, row.now).toStdString(), row.said) << row.what;
  // Lasting marks going out are news too; without a reading before, the figure alone.
  const DisplayReading held = with([&](DisplayReading& r) { r.marks = marks({GrandTotal, Memory}); });
  EXPECT_EQ(SpokenDisplayChange(&held, base).toStdString(), "メモリー クリア、グランドトータル クリア");
  EXPECT_EQ(SpokenDisplayChange(nullptr, held).toStdString(), "12");
}

TEST(SpokenFaceTest, LabelTextStandsOutFromTheSkinsDisplay) {
  const Rect label{112, 17, 145, 13};
  const struct {
    QColor lcd;
    QColor text;
  } rows[] = {
      {QColor(198, 215, 189), Qt::black}, {QColor(20, 30, 40), Qt::white}, {QColor(0, 0, 0, 0), Qt::black},
      // Either side of the grey where black and white stand out alike, and the channels' weights.
      {QColor(118, 118, 118), Qt::black}, {QColor(117, 117, 117), Qt::white},
      {QColor(255, 0, 0), Qt::black}, {QColor(0, 0, 255), Qt::white}};
  // The program's composite is premultiplied; any other format must read the same.
  for (const QImage::Format format : {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
    for (const auto& row : rows) {
      QImage composite(kPanelCompositeRect.width, kPanelCompositeRect.height, format);
      composite.fill(row.lcd);
      EXPECT_EQ(DisplayLabelTextColour(composite, label), row.text) << row.lcd.name().toStdString() << " " << format;
      // Transparent pixels in the label's area do not count.
      for (int y = label.y - kPanelCompositeRect.y; y < label.y - kPanelCompositeRect.y + label.height; y += 2)
        for (int x = 0; x < composite.width(); ++x) composite.setPixelColor(x, y, Qt::transparent);
      EXPECT_EQ(DisplayLabelTextColour(composite, label), row.text) << row.lcd.name().toStdString() << " " << format;
    }
  }
  EXPECT_EQ(DisplayLabelTextColour(QImage(), label), QColor(Qt::black));
}

}  // namespace
}  // namespace kelvo
