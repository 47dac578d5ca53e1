#pragma once

#include "display.h"
#include "renderer.h"

namespace kelvo {

// The engine's display, drawn by a Renderer. The main window derives from it and overrides the
// window hooks (focus, registers, check tape, settings); on its own the hooks do nothing, which
// is what benchmarks and tests want.
class SkinDisplay : public EngineDisplay {
 public:
  explicit SkinDisplay(Renderer& renderer) : renderer_(renderer) {}

  void DrawButton(int keyCode, bool pressed) override { renderer_.DrawButton(keyCode, pressed); }
  // The engine keeps the error flag itself; the strip only shows the text.
  void DrawNumber(const std::string& text, bool) override { renderer_.DrawNumber(text); }
  void DrawErrorMark(bool on) override { renderer_.DrawErrorMark(on); }
  void DrawMark(Mark mark, bool on) override { renderer_.DrawMark(mark, on); }
  void ClearOperatorMarks() override { renderer_.ClearOperatorMarks(); }
  void ClearTransientMarks() override { renderer_.ClearTransientMarks(); }
  void ClearMemoryMarks() override { renderer_.ClearMemoryMarks(); }
  // Override to copy the label texts as well; call this for the strips.
  void MirrorToEnlargedPanel() override { renderer_.MirrorToEnlargedPanel(); }

  void ReturnFocus() override {}
  void ShowRegisters(const std::string&, const std::string&) override {}
  void ToggleCheckTape() override {}
  void RefreshCheckTape() override {}
  EngineSettings Settings() const override { return EngineSettings{}; }

 protected:
  Renderer& renderer_;
};

}  // namespace kelvo
