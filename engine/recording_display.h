#pragma once

#include <array>
#include <string>
#include <vector>

#include "display.h"
#include "engine.h"
#include "marks.h"

namespace kelvo {

// A display without pixels, for tests and tools: it remembers which mark covers each column of
// the mark strip (so a mark drawn at the position of another replaces it, and an erase removes
// what lies in its region), whether the E mark is on the number strip, and the last number drawn.
class RecordingDisplay : public EngineDisplay {
 public:
  EngineSettings settings;
  std::string number = "0";
  bool errorMark = false;
  int focusReturns = 0;
  int mirrors = 0;
  int lastButton = 0;
  bool lastButtonPressed = false;
  bool checkTapeOpen = false;

  // The engine whose tapes the check tape trims; set once both exist.
  void Attach(Engine* engine) { engine_ = engine; }

  // Mark numbers the strip shows, ascending.
  std::vector<int> LitMarks() const;

  void DrawButton(int keyCode, bool pressed) override;
  void DrawNumber(const std::string& text, bool error) override;
  void DrawErrorMark(bool on) override { errorMark = on; }
  void DrawMark(int mark, bool on) override;
  void ClearOperatorMarks() override;
  void ClearTransientMarks() override;
  void ClearMemoryMarks() override;
  void MirrorToEnlargedPanel() override { ++mirrors; }
  void ReturnFocus() override { ++focusReturns; }
  void ShowRegisters(const std::string&, const std::string&) override {}
  void ToggleCheckTape() override;
  void RefreshCheckTape() override;
  EngineSettings Settings() const override;

 private:
  void Erase(int x, int width);

  std::array<int, kMarkStripWidth> strip_{};  // mark number per column, 0 blank
  Engine* engine_ = nullptr;
};

}  // namespace kelvo
