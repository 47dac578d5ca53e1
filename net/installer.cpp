#include "installer.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "shell_paths.h"

namespace kelvo {
namespace {

QString UpdateExePath() { return QString::fromStdString(ProgramPath(kUpdateExe)); }

}  // namespace

bool InstallAsUpdateExe(const QString& downloadedPath) {
  const QString target = UpdateExePath();
  // A list that names Update.exe itself: the download already is the installer.
  const bool same = QFileInfo(downloadedPath).absoluteFilePath() == QFileInfo(target).absoluteFilePath();
  if (!same) {
    QFile::remove(target);
    if (!QFile::rename(downloadedPath, target)) {
      QFile::remove(downloadedPath);
      return false;
    }
  }
  QFile installer(target);
  return installer.setPermissions(installer.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser |
                                  QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

bool StartUpdateExe() {
  return QProcess::startDetached(UpdateExePath(), {}, QString::fromStdString(ProgramFolder()));
}

}  // namespace kelvo
