#pragma once

#include <QString>
#include <functional>

#include "side_window_host.h"
#include "skin_folders.h"

namespace kelvo {

// Receives the progress of a transfer: the text the chooser shows while it runs.
using SkinTransferProgress = std::function<void(const QString& text)>;

// What the skin chooser needs from the main window besides being a side window: the skin it
// changes, the tray-restore flag and the download from the server.
class SkinChooserHost {
 public:
  virtual ~SkinChooserHost() = default;

  virtual SideWindowHost& Windows() = 0;

  // The main window's renderer and engine state, for a skin change (not at start-up). The main
  // window repaints itself when the renderer announces the change.
  virtual SkinTarget SkinChangeTarget() = 0;

  // True while the windows are being shown again from the task tray.
  virtual bool TrayRestoring() const = 0;

  // The download server: its base URL (ends with "/"), one blocking transfer of at most maxBytes
  // that keeps the windows responsive and stops when the download abort flag is set (0 for
  // success), and the message for a result code.
  virtual QString ServerBaseUrl() const = 0;
  virtual int Download(const QString& url, const QString& localPath, qint64 maxBytes, const QString& label,
                       const SkinTransferProgress& progress) = 0;
  virtual QString DownloadResultText(int code) const = 0;
};

}  // namespace kelvo
