#pragma once

#include <string>

#include "display.h"

namespace kelvo {

// A display without pixels, for tests and tools: it remembers the last number drawn, whether the
// E mark is on the number strip, the last key drawn and how often the focus came back. The marks
// lit are the engine's to say (EngineState::marks).
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
  int checkTapeRefreshes = 0;

  void DrawButton(int keyCode, bool pressed) override;
  void DrawNumber(const std::string& text, bool error) override;
  void DrawErrorMark(bool on) override { errorMark = on; }
  void DrawMark(Mark, bool) override {}
  void ClearOperatorMarks() override {}
  void ClearTransientMarks() override {}
  void ClearMemoryMarks() override {}
  void MirrorToEnlargedPanel() override { ++mirrors; }
  void ReturnFocus() override { ++focusReturns; }
  void ShowRegisters(const std::string&, const std::string&) override {}
  void ToggleCheckTape() override;
  void RefreshCheckTape() override { ++checkTapeRefreshes; }
  EngineSettings Settings() const override;
};

}  // namespace kelvo
