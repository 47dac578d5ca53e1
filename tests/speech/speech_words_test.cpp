// What the read-aloud says: figures in Japanese words, the words of each key on the real engine,
// and the tape's lines.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "figure_words.h"
#include "key_script.h"
#include "utterances.h"

using speech::SpeechMode;

namespace {

struct FigureRow {
  const char* text;
  std::optional<std::string> words;
};

void CheckFigures(const std::vector<FigureRow>& rows) {
  for (const FigureRow& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(speech::FigureWords(row.text), row.words);
  }
}

const std::string kNinetyNineThousand = "きゅうせんきゅうひゃくきゅうじゅうきゅう";

TEST(FigureWords, ReadsEachPlaceNameUpToCho) {
  CheckFigures({
      {"1", "いち"},
      {"10", "じゅう"},
      {"100", "ひゃく"},
      {"1000", "せん"},
      {"10000", "いちまん"},
      {"100000", "じゅうまん"},
      {"1000000", "ひゃくまん"},
      {"10000000", "いっせんまん"},
      {"100,000,000", "いちおく"},
      {"1000000000", "じゅうおく"},
      {"10000000000", "ひゃくおく"},
      {"100000000000", "いっせんおく"},
      {"1,000,000,000,000", "いっちょう"},
      {"10000000000000", "じゅっちょう"},
  });
}

TEST(FigureWords, ChangesTheSoundsJapaneseChanges) {
  CheckFigures({
      {"46", "よんじゅうろく"},
      {"12,345", "いちまんにせんさんびゃくよんじゅうご"},
      {"12345", "いちまんにせんさんびゃくよんじゅうご"},
      {"300", "さんびゃく"},
      {"600", "ろっぴゃく"},
      {"800", "はっぴゃく"},
      {"3,000", "さんぜん"},
      {"8,000", "はっせん"},
      {"700", "ななひゃく"},
      {"9000", "きゅうせん"},
      {"8000000000000", "はっちょう"},
      {"18000000000000", "じゅうはっちょう"},
      {"20000000000000", "にじゅっちょう"},
      {"80000000", "はっせんまん"},
      {"1001", "せんいち"},
      {"10001", "いちまんいち"},
      {"1100000", "ひゃくじゅうまん"},
      {"1234567890123", "いっちょうにせんさんびゃくよんじゅうごおくろくせんななひゃくはちじゅうきゅうまんひゃくにじゅうさん"},
  });
}

TEST(FigureWords, ReadsTheFourteenDigitMaximumAndNegatives) {
  const std::string max = "きゅうじゅうきゅうちょう" + kNinetyNineThousand + "おく" + kNinetyNineThousand + "まん" +
                          kNinetyNineThousand;
  CheckFigures({
      {"99,999,999,999,999", max},
      {"-99999999999999", "マイナス" + max},
      {"-3", "マイナスさん"},
      {"0", "ぜろ"},
      {"-0", "マイナスぜろ"},
      {"007", "なな"},
  });
}

TEST(FigureWords, ReadsDecimalsDigitByDigit) {
  CheckFigures({
      {"0.5", "れいてんご"},
      {"-0.5", "マイナスれいてんご"},
      {"1.5", "いってんご"},
      {"8.25", "はってんにご"},
      {"10.5", "じゅってんご"},
      {"6.5", "ろくてんご"},
      {"3.14", "さんてんいちよん"},
      {"0.05", "れいてんぜろご"},
      {"0.50", "れいてんごぜろ"},
      {"1,234.5", "せんにひゃくさんじゅうよんてんご"},
      {"12.", "じゅうに"},  // the point just typed
      {"12345678901234567", "いちにさんよんごろくななはちきゅうぜろいちにさんよんごろくなな"},
  });
}

TEST(FigureWords, RefusesWhatIsNoFigure) {
  CheckFigures({{"", std::nullopt},    {"-", std::nullopt},    {".", std::nullopt},       {"abc", std::nullopt},
                {"1-2", std::nullopt}, {"26:40", std::nullopt}, {"1.2.3", std::nullopt}, {"2026-04-01", std::nullopt}});
  EXPECT_EQ(speech::DisplayWords("46", true), "エラー");
}

// What each key of a sequence says, on the real engine; keys that say nothing are left out.
std::vector<std::string> Said(SpeechMode mode, const std::string& keys) {
  kelvo::KeyScript script;
  std::vector<std::string> said;
  std::istringstream tokens(keys);
  for (std::string token; tokens >> token;) {
    const bool errorBefore = script.State().error;
    EXPECT_TRUE(script.Apply(token)) << token;
    const int code = kelvo::KeyTokenCode(token);
    if (code < 0) continue;  // a setting
    if (std::string text = speech::KeyUtterance(mode, code, errorBefore, script.State()); !text.empty())
      said.push_back(text);
  }
  return said;
}

struct KeyRow {
  SpeechMode mode;
  const char* keys;
  std::vector<std::string> said;
};

TEST(KeyUtterance, SaysResultsOrEveryKeyAsTheModeAsks) {
  const KeyRow rows[] = {
      {SpeechMode::Off, "1 2 + 3 4 =", {}},
      {SpeechMode::Results, "1 2 + 3 4 =", {"よんじゅうろく"}},
      {SpeechMode::KeysAndResults, "1 2 + 3 4 =", {"いち", "に", "たす", "さん", "よん", "わ よんじゅうろく"}},
      {SpeechMode::Results, "9 / 0 =", {"エラー"}},
      {SpeechMode::KeysAndResults, "9 / 0 =", {"きゅう", "わる", "ぜろ", "わ エラー"}},
      // Keys the error state ignores: silence for results, a reminder for every key.
      {SpeechMode::Results, "9 / 0 = 5 c", {"エラー"}},
      {SpeechMode::KeysAndResults, "9 / 0 = 5 c", {"きゅう", "わる", "ぜろ", "わ エラー", "エラー", "クリア"}},
      {SpeechMode::Results, "9 sqrt", {"さん"}},
      {SpeechMode::Results, "5 m+ c mr", {"ご"}},
      {SpeechMode::Results, "rate=0.10 1 0 0 tax+", {"ひゃくじゅう"}},
      {SpeechMode::KeysAndResults, "rate=0.10 1 1 0 tax-", {"いち", "いち", "ぜろ", "ぜいぬき ひゃく"}},
      {SpeechMode::Results, "2 0 0 * 5 %", {"じゅう"}},
      {SpeechMode::Results, "gt=on 1 2 = 3 = gt", {"じゅうに", "さん", "じゅうご"}},
      {SpeechMode::KeysAndResults, "1 . 5 - 00 ce bs +/- ca", {"いち", "てん", "ご", "ひく", "ぜろぜろ", "クリアエントリー", "バックスペース", "プラスマイナス", "オールクリア"}},
      {SpeechMode::KeysAndResults, "kenzan", {}},
  };
  for (const KeyRow& row : rows) {
    SCOPED_TRACE(row.keys);
    EXPECT_EQ(Said(row.mode, row.keys), row.said);
  }
}

TEST(TapeLineUtterance, SaysTheFigureThenItsMark) {
  struct Row {
    const char* figure;
    const char* mark;
    const char* said;
  };
  const Row rows[] = {
      {"12,000", "＋", "いちまんにせん たす"}, {"34", "＝", "さんじゅうよん わ"}, {"46", "＊", "よんじゅうろく"},
      {"8%", "税率", "はちパーセント ぜいりつ"},  {"1,050", "税込", "せんごじゅう ぜいこみ"},
      {"0", "E", "ぜろ エラー"},                 {"26:40", "時＋", "26:40 たす"},
      {"5", "？", "ご ？"},
  };
  for (const Row& row : rows) EXPECT_EQ(speech::TapeLineUtterance(row.figure, row.mark), row.said) << row.figure;
}

}  // namespace
