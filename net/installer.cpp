#include "installer.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "shell_paths.h"
#include "update_list.h"

namespace kelvo {
namespace {

QString UpdateExePath() { return QString::fromStdString(ProgramPath(kUpdateExe)); }

bool Exists(const QString& path) {
  struct stat info {};
  return lstat(QFile::encodeName(path).constData(), &info) == 0;  // a dangling link exists too
}

}  // namespace

bool IsFreeInstallerName(const QString& name) {
  if (!IsPlainFileName(name)) return false;
  if (name == QLatin1String(kUpdateExe)) return true;
  for (const QString& folder : {QString::fromStdString(ProgramFolder()), QCoreApplication::applicationDirPath()})
    if (!folder.isEmpty() && Exists(folder + u'/' + name)) return false;
  return true;
}

QString InstallerDownloadPath(const QString& name) {
  return QString::fromStdString(ProgramPath(name.toStdString())) + QStringLiteral(".new");
}

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
