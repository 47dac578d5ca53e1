// The main window's update commands: the update window (Mb_Update) and the check at start.
#include <QAction>

#include "after_first_paint.h"
#include "desktop_look.h"
#include "download.h"
#include "installer.h"
#include "main_window.h"
#include "self_update.h"
#include "server_url.h"
#include "shell_paths.h"
#include "update_list.h"
#include "update_window.h"
#include "version.h"

namespace {

const QString kNewerAtStart = QStringLiteral("現在お使いのKelvoより、最新版が見つかりました。アップデートしますか？");
const QString kNotStarted = QStringLiteral("Update.exe を起動出来ませんでした。");

QString CurrentVersion() { return QString::fromLatin1(kVersionText); }

}  // namespace

void TfrmMain::OpenUpdateWindow(bool foundAtStart) {
  renderer_.DrawAllButtonsUp();
  TfrmUpdate window(*this, CurrentVersion(), foundAtStart, this);
  FitToDesktopFont(&window);
  if (askUpdate) window.askYesNo = askUpdate;
  window.showMessage = showError;
  window.ShowModal();
  if (!window.InstallerAccepted()) return;
  if (!kelvo::StartUpdateExe()) {
    showError(this, kNotStarted);
    return;
  }
  // The installer runs from Update.exe: the exit must neither keep the program in the tray nor
  // delete the file under it.
  installerStarted_ = true;
  forcedQuit_ = true;
  close();
}

void TfrmMain::ScheduleUpdateCheckAtStart() {
  // One question for the whole program: children started beside the primary never ask it.
  if (!primary_) return;
  // Nothing of it may delay the first painted window.
  RunAfterFirstPaint(centralWidget(), [this] { CheckForUpdateAtStart(); });
}

void TfrmMain::CheckForUpdateAtStart() {
  const QString listPath = QString::fromStdString(kelvo::ProgramPath(kelvo::kUpdateListFile));
  // The update window would share the list file with this check: it waits until the check is done.
  QAction* updateItem = Action("Mb_Update");
  const bool itemEnabled = updateItem->isEnabled();
  updateItem->setEnabled(false);
  const int code = kelvo::DownloadFile(kelvo::ServerBaseUrl() + QStringLiteral("AppVer.csv"), listPath,
                                       kelvo::kMaxUpdateListBytes, QString(), 0);
  updateItem->setEnabled(itemEnabled);
  if (code != kelvo::kDownloadOk || shutDown_) return;
  const QByteArray content = kelvo::ReadUpdateListFile(listPath);
  const std::optional<QString> version = kelvo::FirstListedVersion(content);
  if (!version || !kelvo::IsNewerVersion(*version, CurrentVersion())) return;
  // A build that may not update itself tells of the version even when the list offers no installer.
  const bool self = kelvo::SelfUpdateAllowed();
  if (self && !kelvo::IsFreeInstallerName(kelvo::ParseUpdateList(content).fileName)) return;  // nothing to offer
  renderer_.DrawAllButtonsUp();
  const QString question = self ? kNewerAtStart : kelvo::NewerForPackageManagerQuestion();
  const bool yes = askUpdate ? askUpdate(this, question) : false;
  if (yes) OpenUpdateWindow(/*foundAtStart=*/true);
}
