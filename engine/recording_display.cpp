#include "recording_display.h"

namespace kelvo {

void RecordingDisplay::DrawButton(int keyCode, bool pressed) {
  lastButton = keyCode;
  lastButtonPressed = pressed;
}

void RecordingDisplay::DrawNumber(const std::string& text, bool) {
  number = text;
  errorMark = false;  // the number strip is rebuilt from blank
}

void RecordingDisplay::ToggleCheckTape() {
  checkTapeOpen = !checkTapeOpen;
  if (checkTapeOpen) RefreshCheckTape();
}

EngineSettings RecordingDisplay::Settings() const {
  EngineSettings s = settings;
  s.checkTapeOpen = checkTapeOpen;
  return s;
}

}  // namespace kelvo
