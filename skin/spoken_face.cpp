#include "spoken_face.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <string>

#include "format.h"
#include "keycodes.h"
#include "marks.h"
#include "tax_rate_name.h"

namespace kelvo {

QString SpokenKeyName(int keyCode) {
  if (keyCode >= kKeyDigit0 && keyCode <= kKeyDigit9) return QString::number(keyCode - kKeyDigit0);
  switch (keyCode) {
    case kKeyPercent: return QStringLiteral("パーセント");
    case kKeyCE: return QStringLiteral("クリアエントリー");
    case kKeyMC: return QStringLiteral("メモリークリア");
    case kKeyMR: return QStringLiteral("メモリーリコール");
    case kKeyMPlus: return QStringLiteral("メモリープラス");
    case kKeyMMinus: return QStringLiteral("メモリーマイナス");
    case kKeyC: return QStringLiteral("クリア");
    case kKeySqrt: return QStringLiteral("ルート");
    case kKeyKenzan: return QStringLiteral("検算");
    case kKeyZeikomi: return QStringLiteral("税込");
    case kKeyZeinuki: return QStringLiteral("税抜");
    case kKeyBackspace: return QStringLiteral("バックスペース");
    case kKeySign: return QStringLiteral("プラスマイナス");
    case kKeyGT: return QStringLiteral("グランドトータル");
    case kKeyCA: return QStringLiteral("オールクリア");
    case kKeyPlus: return QStringLiteral("プラス");
    case kKeyMinus: return QStringLiteral("マイナス");
    case kKeyMultiply: return QStringLiteral("かける");
    case kKeyDivide: return QStringLiteral("わる");
    case kKeyPoint: return QStringLiteral("小数点");
    case kKeyEquals: return QStringLiteral("イコール");
    case kKeyDoubleZero: return QStringLiteral("00");
    default: return {};
  }
}

QString SpokenNumber(std::string_view display, bool error) {
  const QString number = QString::fromStdString(GroupDigits(display));
  return error ? QStringLiteral("エラー ") + number : number;
}

namespace {

// The words of one mark; marks that share a place on the strip read alike where they mean alike.
const char* MarkWords(int mark) {
  switch (mark) {
    case 1: return "プラス";
    case 2: return "マイナス";
    case 3: return "かける";
    case 4: return "わる";
    case 5: return "イコール";
    case 6: return "グランドトータル";
    case 7: return "グランドトータル呼び出し";
    case 8: return "メモリー";
    case 9: return "メモリーリコール";
    case 10: return "メモリープラス";
    case 11: return "メモリーマイナス";
    case 12: return "コピー";
    case 13: return "税込";
    case 14: return "税抜";
    case 15: return "税額 税込";
    case 16: return "税額 税抜";
    case 18: return "桁あふれ";
    case 19: return "メモリー桁あふれ";
    case 20: return "グランドトータル桁あふれ";
    case 30: return "アンサーチェック一致";
    default: return nullptr;
  }
}

}  // namespace

QString SpokenMarks(const LitMarks& marks) {
  // Left to right as on the strip, so the words follow what a sighted user scans.
  std::array<const MarkCell*, kMarkCells.size()> cells{};
  for (size_t i = 0; i < kMarkCells.size(); ++i) cells[i] = &kMarkCells[i];
  std::stable_sort(cells.begin(), cells.end(), [](const MarkCell* a, const MarkCell* b) { return a->destX < b->destX; });
  QStringList words;
  for (const MarkCell* cell : cells)
    if (marks.test(static_cast<size_t>(cell->mark)))
      if (const char* text = MarkWords(cell->mark)) words << QString::fromUtf8(text);
  return words.join(QStringLiteral("、"));
}

QString SpokenRoundSelector(int value) {
  static const char* const kWords[] = {"しない", "切り捨て", "切り上げ", "四捨五入"};
  const char* words = value >= 1 && value <= 4 ? kWords[value - 1] : kWords[0];
  return QStringLiteral("端数処理: ") + QString::fromUtf8(words);
}

QString SpokenDecimalSelector(int value) {
  if (value < 0 || value > 5) return QStringLiteral("小数点: 浮動");
  return QStringLiteral("小数点: %1 桁").arg(value);
}

QString SpokenTaxRate(double rate, bool reduced) {
  return (reduced ? QStringLiteral("軽減税率 ") : QStringLiteral("標準税率 ")) + QString::fromStdString(TaxRateName(rate, false));
}

QString SpokenDisplayDescription(const DisplayReading& reading) {
  QStringList parts;
  if (reading.error) parts << QStringLiteral("エラー");
  if (const QString lit = SpokenMarks(reading.marks); !lit.isEmpty()) parts << lit;
  parts << SpokenRoundSelector(reading.roundSelector) << SpokenDecimalSelector(reading.decimalSelector);
  if (!reading.taxRate.isEmpty()) parts << reading.taxRate;
  return parts.join(QStringLiteral("、"));
}

namespace {

// The marks a listener is told of when they come on: the ones that say something about the
// figure or the registers that the key just pressed does not.
LitMarks AnnouncedMarks() {
  LitMarks marks;
  for (const int mark : {6, 7, 8, 12, 13, 14, 15, 16, 18, 19, 20, 30}) marks.set(static_cast<size_t>(mark));
  return marks;
}

// Memory and grand total stay lit while their registers hold something: going out is news too.
QString MarkGoneWords(int mark) {
  switch (mark) {
    case 6: return QStringLiteral("グランドトータル クリア");
    case 8: return QStringLiteral("メモリー クリア");
    default: return {};
  }
}

}  // namespace

QString SpokenDisplayChange(const DisplayReading* before, const DisplayReading& now) {
  QStringList parts;
  if (before == nullptr || before->number != now.number || before->error != now.error) {
    parts << SpokenNumber(now.number, now.error);
  }
  if (before == nullptr) return parts.join(QStringLiteral("、"));
  const LitMarks announced = AnnouncedMarks();
  if (const QString on = SpokenMarks(now.marks & ~before->marks & announced); !on.isEmpty()) parts << on;
  for (const int mark : {8, 6})
    if (before->marks.test(static_cast<size_t>(mark)) && !now.marks.test(static_cast<size_t>(mark))) parts << MarkGoneWords(mark);
  if (before->roundSelector != now.roundSelector) parts << SpokenRoundSelector(now.roundSelector);
  if (before->decimalSelector != now.decimalSelector) parts << SpokenDecimalSelector(now.decimalSelector);
  if (before->taxRate != now.taxRate) parts << now.taxRate;
  return parts.join(QStringLiteral("、"));
}

}  // namespace kelvo
