#pragma once

#include <QString>
#include <bitset>
#include <string>
#include <string_view>

// The calculator face in words, for screen readers and tool tips: key names that read well
// aloud, the number as the display shows it, the lit marks and the two selectors.
namespace kelvo {

// Mark numbers are below 32 (see marks.h): bit n set means mark n is lit.
using LitMarks = std::bitset<32>;

// "7", "プラス", "イコール", "バックスペース"; the empty text for a code without a key.
QString SpokenKeyName(int keyCode);

// The number as the display shows it: sign, point and triad separators ("-1,234.5"); an error,
// which the strip marks with an E, is led by the word ("エラー 0").
QString SpokenNumber(std::string_view display, bool error);

// The lit marks in words, in the order they sit on the strip, joined by "、"
// ("メモリー、グランドトータル"); the empty text when none is lit.
QString SpokenMarks(const LitMarks& marks);

// "端数処理: 切り捨て" for round selector 1..4 (F, Cut, Up, 5/4).
QString SpokenRoundSelector(int value);
// "小数点: 2 桁" for places 0..5, "小数点: 浮動" for F (any other value).
QString SpokenDecimalSelector(int value);

// What the display shows, as its words are made from it.
struct DisplayReading {
  std::string number;        // the display register as the engine shows it ("-1234.5")
  bool error = false;
  LitMarks marks;
  int roundSelector = 1;     // 1..4
  int decimalSelector = -1;  // 0..5, else F
  QString taxRate;           // SpokenTaxRate of the rate in use
};

// "標準税率 10%", "軽減税率 8%".
QString SpokenTaxRate(double rate, bool reduced);

// The display's description: "エラー" first when in error, then the lit marks, the two selectors
// and the tax rate ("メモリー、端数処理: 切り捨て、小数点: 2 桁、標準税率 10%").
QString SpokenDisplayDescription(const DisplayReading& reading);

// What a screen reader says once after the display changed, or empty when nothing a listener
// needs changed: the number when it changed ("46"; "エラー 0" when it shows an error), then the
// marks that came on and the lasting ones that went out ("メモリー", "メモリー クリア"), then
// each selector and the tax rate if changed ("端数処理: 切り捨て", "軽減税率 8%"). Operator and
// memory-key marks are left out: they only repeat the key just pressed. Without a reading
// before (the first one a listener hears), only the number.
QString SpokenDisplayChange(const DisplayReading* before, const DisplayReading& now);

}  // namespace kelvo
