#pragma once

#include <string>

#include "marks.h"

namespace kelvo {

// The settings the engine reads at the moment of use; the main window owns them.
struct EngineSettings {
  int roundSelector = 1;     // 1 F, 2 Cut, 3 Up, 4 5/4
  int decimalSelector = 5;   // 0..5 places, -9 F
  int percentType = 1;       // 1 A*(100+-B)%, anything else mark-up
  double taxRate = 0.10;     // the rate the tax keys use now, a fraction: 0.10 is 10 %
  bool reducedTaxRate = false;  // taxRate is the reduced rate (food, newspapers), not the standard one
  bool grandTotalOn = true;
  bool answerCheckOn = true;
  bool checkTapeOpen = false;
};

// Everything the engine asks of the world around it: the renderer's drawing operations,
// the main window's focus, labels and check tape, and the current settings.
class EngineDisplay {
 public:
  virtual ~EngineDisplay() = default;

  // Renderer.
  virtual void DrawButton(int keyCode, bool pressed) = 0;
  virtual void DrawNumber(const std::string& text, bool error) = 0;
  virtual void DrawErrorMark(bool on) = 0;
  virtual void DrawMark(Mark mark, bool on) = 0;
  virtual void ClearOperatorMarks() = 0;
  virtual void ClearTransientMarks() = 0;
  virtual void ClearMemoryMarks() = 0;
  virtual void MirrorToEnlargedPanel() = 0;

  // Main window.
  virtual void ReturnFocus() = 0;
  // The input and answer registers changed; the window shows them in its two small labels.
  virtual void ShowRegisters(const std::string& input, const std::string& answer) = 0;
  virtual void ToggleCheckTape() = 0;   // the check tape key
  // A calculation completed while the check tape is open: show the engine's tapes anew. The
  // engine's state may be read here, never changed.
  virtual void RefreshCheckTape() = 0;

  virtual EngineSettings Settings() const = 0;
};

}  // namespace kelvo
