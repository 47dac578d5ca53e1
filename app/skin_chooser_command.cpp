// The main window as the skin chooser's host, and a new chooser for it.
#include "skin_chooser_command.h"

#include <QApplication>

#include "download.h"
#include "main_window.h"
#include "server_url.h"
#include "shell_paths.h"
#include "skin_chooser.h"

namespace {

class MainWindowSkinHost : public kelvo::SkinChooserHost {
 public:
  explicit MainWindowSkinHost(TfrmMain& window) : window_(window) {}

  kelvo::SideWindowHost& Windows() override { return window_; }
  kelvo::SkinTarget SkinChangeTarget() override {
    return {window_.Renderer(), window_.Engine().State(),
            {kelvo::SkinFolders::BesideProgram(QString::fromStdString(kelvo::ProgramFolder())), false,
             window_.IsPrimaryInstance()}};
  }
  bool TrayRestoring() const override { return window_.TrayRestoring(); }
  QString ServerBaseUrl() const override { return kelvo::ServerBaseUrl(); }
  int Download(const QString& url, const QString& localPath, qint64 maxBytes, const QString& label,
               const kelvo::SkinTransferProgress& progress) override {
    return kelvo::DownloadFile(url, localPath, maxBytes, label, 1,
                               [&progress](const QString& text, double) { progress(text); });
  }
  QString DownloadResultText(int code) const override { return kelvo::DownloadResultText(code); }

 private:
  TfrmMain& window_;
};

}  // namespace

QWidget* MakeSkinChooser(TfrmMain& window) {
  auto* chooser = new kelvo::TfrmSkinCh(std::make_unique<MainWindowSkinHost>(window));
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, chooser, [chooser] { delete chooser; });
  QObject::connect(&window, &QObject::destroyed, chooser, [chooser] { delete chooser; });
  return chooser;
}
