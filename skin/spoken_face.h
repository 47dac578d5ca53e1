#pragma once

#include <QString>
#include <string_view>

#include "marks.h"

// The calculator face in words, for screen readers and tool tips: key names that read well
// aloud, the number as the display shows it, the lit marks and the two selectors.
namespace kelvo {

// "7", "プラス", "イコール", "バックスペース"; the empty text for a code without a key.
QString SpokenKeyName(int keyCode);

// The number as the display shows it: sign, point and triad separators ("-1,234.5"); an error
// is led by "E" as on the strip ("E 0").
QString SpokenNumber(std::string_view display, bool error);

// The lit marks in words, in the order they sit on the strip, joined by "、"
// ("メモリー、グランドトータル"); the empty text when none is lit.
QString SpokenMarks(const MarkSet& marks);

// "端数処理: 切り捨て" for round selector 1..4 (F, Cut, Up, 5/4).
QString SpokenRoundSelector(int value);
// "小数点: 2 桁" for places 0..5, "小数点: 浮動" for F (any other value).
QString SpokenDecimalSelector(int value);

// The display's description: "エラー" first when in error, then the lit marks, then the two
// selectors ("メモリー、端数処理: 切り捨て、小数点: 2 桁").
QString SpokenDisplayDescription(bool error, const MarkSet& marks, int roundSelector, int decimalSelector);

}  // namespace kelvo
