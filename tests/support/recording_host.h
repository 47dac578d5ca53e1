// A side-window host for testing side windows without the main window: it records what they ask.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "shell_paths.h"
#include "side_window_host.h"

namespace kelvo::test {

class RecordingHost : public SideWindowHost {
 public:
  void AttachSideWindow(char id, QWidget* window) override {
    window->setAttribute(Qt::WA_DeleteOnClose);
    list += id;
  }
  void SideWindowActivated(char id) override { list += id; }
  void SideWindowClosed(char id) override { closed += id; }
  void PlaceWindow(QWidget*, int mode) override { placeModes.push_back(mode); }
  void BringToFront(QWidget*) override {}
  void ReturnFocus() override { ++focusReturns; }
  std::string SettingsFilePath() const override { return CurrentSettingsPath(); }
  void ReportFailedWrite(const FlushResult& result) override {
    if (!result.ok) failedWrites.push_back(result.message);
  }
  bool IsPrimaryInstance() const override { return true; }

  std::string list;    // identifiers attached or activated, in order
  std::string closed;  // identifiers closed, in order
  std::vector<int> placeModes;
  std::vector<std::string> failedWrites;
  int focusReturns = 0;
};

}  // namespace kelvo::test
