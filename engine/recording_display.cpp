#include "recording_display.h"

#include <algorithm>

namespace kelvo {

std::vector<int> RecordingDisplay::LitMarks() const {
  std::vector<int> marks;
  for (const MarkCell& cell : kMarkCells)
    if (strip_[static_cast<size_t>(cell.destX)] == cell.mark) marks.push_back(cell.mark);
  std::sort(marks.begin(), marks.end());
  return marks;
}

void RecordingDisplay::DrawButton(int keyCode, bool pressed) {
  lastButton = keyCode;
  lastButtonPressed = pressed;
}

void RecordingDisplay::DrawNumber(const std::string& text, bool) {
  number = text;
  errorMark = false;  // the number strip is rebuilt from blank
}

void RecordingDisplay::DrawMark(int mark, bool on) {
  const MarkCell* cell = FindMarkCell(mark);
  if (cell == nullptr) return;
  for (int x = cell->destX; x < cell->destX + cell->width && x < kMarkStripWidth; ++x)
    strip_[static_cast<size_t>(x)] = on ? mark : 0;
}

void RecordingDisplay::Erase(int x, int width) {
  for (int i = x; i < x + width && i < kMarkStripWidth; ++i) strip_[static_cast<size_t>(i)] = 0;
}

void RecordingDisplay::ClearOperatorMarks() { Erase(kOperatorMarksX, kOperatorMarksWidth); }

void RecordingDisplay::ClearTransientMarks() {
  Erase(kTransientMarksX, kTransientMarksWidth);
  Erase(kEqualsMarksX, kEqualsMarksWidth);
}

void RecordingDisplay::ClearMemoryMarks() {
  DrawMark(11, false);
  DrawMark(10, false);
  DrawMark(9, false);
}

void RecordingDisplay::ToggleCheckTape() {
  checkTapeOpen = !checkTapeOpen;
  if (checkTapeOpen) RefreshCheckTape();
}

void RecordingDisplay::RefreshCheckTape() {
  if (engine_ != nullptr) engine_->TrimTapes();
}

EngineSettings RecordingDisplay::Settings() const {
  EngineSettings s = settings;
  s.checkTapeOpen = checkTapeOpen;
  return s;
}

}  // namespace kelvo
