// Long random key sessions: the engine never crashes or hangs and every register stays a number.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "key_script.h"

using namespace kelvo;

namespace {

// -?[0-9]+(\.[0-9]*)? : a number as the registers may hold it while typing.
bool IsDecimalText(const std::string& t) {
  const size_t start = t.rfind('-', 0) == 0 ? 1 : 0;
  const size_t point = t.find('.');
  const size_t wholeEnd = point == std::string::npos ? t.size() : point;
  if (wholeEnd == start) return false;
  for (size_t i = start; i < t.size(); ++i)
    if (i != point && (t[i] < '0' || t[i] > '9')) return false;
  return true;
}

TEST(RandomSessions, HundredThousandKeysKeepEveryRegisterANumber) {
  const char* const tokens[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "00", ".",
                                "+", "-", "*", "/", "=", "%", "sqrt", "+/-", "bs", "ce", "c",
                                "ca", "mc", "mr", "m+", "m-", "gt", "tax+", "tax-", "kenzan", "key:8"};
  const char* const settings[] = {"round=F", "round=CUT", "round=UP", "round=54", "places=0", "places=2",
                                  "places=5", "places=F", "percent=1", "percent=2", "rate=0.08",
                                  "rate=0.1", "reduced=0.05", "keigen=on", "keigen=off", "gt=on", "gt=off",
                                  "ack=on", "ack=off"};
  std::mt19937 rng(1234);
  KeyScript script;
  for (int i = 0; i < 100000; ++i) {
    const bool setting = rng() % 50 == 0;
    const char* token = setting ? settings[rng() % std::size(settings)] : tokens[rng() % std::size(tokens)];
    // Digits come in runs so that long numbers and overflows happen too.
    const int repeat = token[0] >= '0' && token[0] <= '9' && rng() % 4 == 0 ? 1 + static_cast<int>(rng() % 16) : 1;
    for (int r = 0; r < repeat; ++r) ASSERT_TRUE(script.Apply(token));
    const EngineState& s = script.State();
    ASSERT_TRUE(IsDecimalText(s.display)) << "after key " << i << ": " << s.display;
    ASSERT_TRUE(IsDecimalText(s.input)) << s.input;
    ASSERT_TRUE(IsDecimalText(s.answer)) << s.answer;
    ASSERT_TRUE(IsDecimalText(s.memory)) << s.memory;
    ASSERT_TRUE(IsDecimalText(s.grandTotal)) << s.grandTotal;
    ASSERT_LE(s.display.size(), 17u) << "after key " << i << ": " << s.display;
  }
}

}  // namespace
