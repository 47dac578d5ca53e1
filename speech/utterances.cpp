#include "utterances.h"

#include <utility>

#include "figure_words.h"
#include "keycodes.h"

namespace speech {
namespace {

using namespace kelvo;

// The keys whose figure is a result worth hearing.
bool GivesResult(int keyCode) {
  switch (keyCode) {
    case kKeyEquals:
    case kKeyPercent:
    case kKeySqrt:
    case kKeyZeikomi:
    case kKeyZeinuki:
    case kKeyGT:
    case kKeyMR: return true;
    default: return false;
  }
}

std::string Joined(std::string_view first, std::string_view second) {
  if (first.empty()) return std::string(second);
  if (second.empty()) return std::string(first);
  std::string text(first);
  text += ' ';
  text += second;
  return text;
}

// The words of the tape's marks, as the tape writes them (padding removed).
constexpr std::pair<std::string_view, std::string_view> kMarkWords[] = {
    {"＋", "たす"}, {"－", "ひく"}, {"×", "かける"}, {"÷", "わる"}, {"％", "パーセント"}, {"＝", "わ"},
    {"＊", ""}, {"＋M", "メモリープラス"}, {"－M", "メモリーマイナス"}, {"税率", "ぜいりつ"},
    {"税込", "ぜいこみ"}, {"税抜", "ぜいぬき"}, {"税額", "ぜいがく"}, {"GT", "グランドトータル"},
    {"MR", "メモリーリコール"}, {"E", "エラー"},
    // The time and day counts.
    {"時＋", "たす"}, {"時－", "ひく"}, {"時＝", "わ"}, {"時間", "じかん"}, {"時給", "じきゅう"},
    {"賃金", "ちんぎん"}, {"から", "から"}, {"まで", "まで"}, {"片落", "かたおとし"}, {"両端", "りょうはし"},
    {"日後", "にちご"}, {"日前", "にちまえ"}, {"日付", "ひづけ"},
    // The tax per rate table.
    {"端数", "はすう"}, {"件数", "けんすう"}, {"合計", "ごうけい"},
};

std::string_view MarkWord(std::string_view mark) {
  for (const auto& [written, word] : kMarkWords)
    if (written == mark) return word;
  return mark;
}

}  // namespace

SpeechMode SpeechModeFromSetting(int value) {
  switch (value) {
    case 1: return SpeechMode::Results;
    case 2: return SpeechMode::KeysAndResults;
    default: return SpeechMode::Off;
  }
}

std::string_view KeyWord(int keyCode) {
  if (keyCode >= kKeyDigit0 && keyCode <= kKeyDigit9) return DigitWord(keyCode - kKeyDigit0);
  switch (keyCode) {
    case kKeyDoubleZero: return "ぜろぜろ";
    case kKeyPoint: return "てん";
    case kKeyPlus: return "たす";
    case kKeyMinus: return "ひく";
    case kKeyMultiply: return "かける";
    case kKeyDivide: return "わる";
    // The particle は of "…は よんじゅうろく", spelt as it sounds: a synthesizer reads a lone は as "ha".
    case kKeyEquals: return "わ";
    case kKeyPercent: return "パーセント";
    case kKeySqrt: return "ルート";
    case kKeyZeikomi: return "ぜいこみ";
    case kKeyZeinuki: return "ぜいぬき";
    case kKeyC: return "クリア";
    case kKeyCA: return "オールクリア";
    case kKeyCE: return "クリアエントリー";
    case kKeyBackspace: return "バックスペース";
    case kKeySign: return "プラスマイナス";
    case kKeyMC: return "メモリークリア";
    case kKeyMR: return "メモリーリコール";
    case kKeyMPlus: return "メモリープラス";
    case kKeyMMinus: return "メモリーマイナス";
    case kKeyGT: return "グランドトータル";
    default: return {};
  }
}

std::string KeyUtterance(SpeechMode mode, int keyCode, bool errorBefore, const EngineState& after) {
  if (mode == SpeechMode::Off) return {};
  const bool keys = mode == SpeechMode::KeysAndResults;
  const std::string_view word = keys ? KeyWord(keyCode) : std::string_view();
  if (after.error) {
    if (keys && word.empty()) return {};
    // A key the error state ignores did nothing: only someone who hears every key is reminded.
    if (errorBefore) return keys ? "エラー" : "";
    return Joined(word, "エラー");
  }
  if (GivesResult(keyCode)) return Joined(word, DisplayWords(after.display, false));
  return std::string(word);
}

std::string TapeLineUtterance(std::string_view figure, std::string_view mark) {
  std::string said;
  if (figure.ends_with('%')) {
    const std::optional<std::string> rate = FigureWords(figure.substr(0, figure.size() - 1));
    said = rate ? *rate + "パーセント" : std::string(figure);
  } else {
    said = FigureWords(figure).value_or(std::string(figure));
  }
  return Joined(said, MarkWord(mark));
}

}  // namespace speech
