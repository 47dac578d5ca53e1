#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine.h"

namespace kelvo {

// Marks of the lines the check tape has no mark for, two characters each like its own, and the
// line a calculation ended in error ends with.
inline constexpr std::string_view kGrandTotalTapeMark = "GT";
inline constexpr std::string_view kMemoryRecallTapeMark = "MR";
inline constexpr std::string_view kRateTapeMark = "税率";
inline constexpr std::string_view kWithTaxTapeMark = "税込";
inline constexpr std::string_view kWithoutTaxTapeMark = "税抜";
inline constexpr std::string_view kTaxTapeMark = "税額";
inline constexpr std::string_view kErrorTapeLine = "E\xE3\x80\x80\xE3\x80\x80";  // E and two ideographic spaces

// Decides what one key adds to the paper tape, from the engine around the key: a completed
// calculation as the check tape shows it, the results of the tax keys with the amount and the
// rate used, GT and memory recall, M+ and M- of a shown figure, and an error line when a
// calculation ends in error. Every line is a figure followed by a two-character mark.
// Calculator wires it to the engine.
class TapeRecorder {
 public:
  // Before each key press.
  void BeforeKey(const Engine& engine);
  // After the key press: the lines of the calculation it ended, or none.
  std::vector<std::string> AfterKey(int keyCode, const Engine& engine, const EngineSettings& settings);

 private:
  bool errorBefore_ = false;
  Operator pendingBefore_ = Operator::None;
  std::uint64_t completedBefore_ = 0;
  bool taxBefore_ = false;  // a tax key's figure was shown
};

// The tax rate the tax keys use, as a tape shows it: "5%", "8%", "2.5%".
std::string RateText(const EngineSettings& settings);

// The calculator as the program runs it: the engine drawing on its display, and the recorder
// watching every key. The main window, the tape benchmark and the recorder's tests all press keys
// through it; nothing else wires an engine to a recorder.
class Calculator {
 public:
  explicit Calculator(EngineDisplay& display) : display_(display), engine_(display) {}
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // Presses a key; returns the lines it adds to the paper tape (none for most keys).
  std::vector<std::string> PressKey(int keyCode);
  void ReleaseKey(int keyCode) { engine_.ReleaseKey(keyCode); }

  kelvo::Engine& Engine() { return engine_; }
  const kelvo::Engine& Engine() const { return engine_; }

 private:
  EngineDisplay& display_;
  kelvo::Engine engine_;
  TapeRecorder recorder_;
};

}  // namespace kelvo
