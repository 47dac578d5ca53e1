// A main window for the skin chooser in tests and benchmarks: it records what the chooser asks
// and downloads through a function the test sets.
#pragma once

#include <functional>
#include <vector>

#include "shell_paths.h"
#include "skin_chooser_host.h"

namespace kelvo::test {

class ChooserHost : public SkinChooserHost, public SideWindowHost {
 public:
  ChooserHost(Renderer& renderer, const EngineState& state, SkinFolders folders, bool primary)
      : renderer_(renderer), state_(state), folders_(std::move(folders)), primary_(primary) {}

  SideWindowHost& Windows() override { return *this; }
  SkinTarget SkinChangeTarget() override { return SkinTarget{renderer_, state_, SkinContext{folders_, false, primary_}}; }
  bool TrayRestoring() const override { return trayRestoring; }
  QString ServerBaseUrl() const override { return serverUrl; }
  int Download(const QString& url, const QString& path, qint64 maxBytes, const QString& label,
               const SkinTransferProgress& progress) override {
    requested.push_back(url);
    limits.push_back(maxBytes);
    return download ? download(url, path, maxBytes, label, progress) : 4;
  }
  QString DownloadResultText(int code) const override { return code == 0 ? QString() : QStringLiteral("NG %1\r\n").arg(code); }

  void AttachSideWindow(char, QWidget*) override {}
  void SideWindowActivated(char) override {}
  void SideWindowClosed(char id) override { closed.push_back(id); }
  void PlaceWindow(QWidget*, int) override {}
  void BringToFront(QWidget*) override {}
  void ReturnFocus() override {}
  std::string SettingsFilePath() const override { return CurrentSettingsPath(); }
  void ReportFailedWrite(const FlushResult&) override {}
  bool IsPrimaryInstance() const override { return primary_; }

  bool trayRestoring = false;
  QString serverUrl = QStringLiteral("http://127.0.0.1:1/");
  std::function<int(const QString&, const QString&, qint64, const QString&, const SkinTransferProgress&)> download;
  std::vector<QString> requested;
  std::vector<qint64> limits;  // the maxBytes of each download, in order
  std::vector<char> closed;

 private:
  Renderer& renderer_;
  const EngineState& state_;
  SkinFolders folders_;
  bool primary_;
};

}  // namespace kelvo::test
