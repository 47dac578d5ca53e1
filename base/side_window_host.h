#pragma once

#include <QtGlobal>

#include <string>

#include "ini_file.h"
#include "side_window_frame.h"

class QWidget;

namespace kelvo {

// The frame of the side windows and dialogs: a fixed single border with a caption, the system
// menu and only a close box.
inline constexpr Qt::WindowFlags kSideWindowFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                                    Qt::MSWindowsFixedSizeDialogHint;

// What a side window (check tape, key settings, enlarged panel, formula window, skin chooser and
// the modal dialogs) may ask of the main window. The main window implements it and hands it to
// each side window it opens, so that side windows never see the main window itself.
class SideWindowHost {
 public:
  virtual ~SideWindowHost() = default;

  // Makes `window` take part in the auxiliary window list under `id` ("1" check tape, "2" key
  // settings, "3" enlarged panel, "4" formula window, "7" skin chooser): it is registered now;
  // whenever it becomes active it moves to the end of the list; F12 inside it closes it and never
  // reaches the main window; when it closes it leaves the list, the main window's menu items of
  // that window are unticked and the window is deleted. Modal dialogs are not attached.
  virtual void AttachSideWindow(char id, QWidget* window) = 0;

  // The same steps one at a time, for a window that needs them at another moment.
  virtual void SideWindowActivated(char id) = 0;
  virtual void SideWindowClosed(char id) = 0;

  // Moves `side` to the top-left of the work area (mode 0), beside the main window (1), centred
  // below the main window's caption (2) or cascaded from it (3), inside the work area.
  virtual void PlaceWindow(QWidget* side, int mode) = 0;
  // Raises `side` above the main window, which leaves the always-on-top band for it.
  virtual void BringToFront(QWidget* side) = 0;
  // Gives the keyboard focus back to the main window's face: its display, or the key a keyboard
  // user moved to.
  virtual void ReturnFocus() = 0;

  // The settings file this instance reads and writes (Kelvo.ini, or a child's instance file).
  virtual std::string SettingsFilePath() const = 0;
  // Shows a failed settings write in a message box captioned "Kelvo"; does nothing on success.
  virtual void ReportFailedWrite(const FlushResult& result) = 0;

  virtual bool IsPrimaryInstance() const = 0;
};

}  // namespace kelvo
