// A side-window host for testing side windows without the main window: it records what they ask.
#pragma once

#include <string>
#include <vector>

#include "shell_paths.h"
#include "side_window_host.h"

namespace kelvo::test {

class RecordingHost : public SideWindowHost {
 public:
  void AttachSideWindow(char, QWidget*) override {}
  void SideWindowActivated(char) override {}
  void SideWindowClosed(char id) override { closed += id; }
  void PlaceWindow(QWidget*, int) override {}
  void BringToFront(QWidget*) override {}
  void ReturnFocus() override {}
  std::string SettingsFilePath() const override { return CurrentSettingsPath(); }
  void ReportFailedWrite(const FlushResult& result) override {
    if (!result.ok) failedWrites.push_back(result.message);
  }
  bool IsPrimaryInstance() const override { return true; }

  std::string closed;  // identifiers of the windows that closed, in order
  std::vector<std::string> failedWrites;
};

}  // namespace kelvo::test
