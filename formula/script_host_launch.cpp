#include "script_host_launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kelvo {

void LaunchScriptHost(QObject* owner, const QString& program, const QString& scriptName, const QString& folder,
                      std::function<void()> exited, std::function<void()> failed) {
  // Owned by the application, not the window: a host still running when the window closes
  // finishes on its own (its late answer is left on disk) instead of being killed.
  auto* host = new QProcess(QCoreApplication::instance());
  host->setProgram(program);
  host->setArguments({scriptName});
  host->setWorkingDirectory(folder);
  host->setStandardInputFile(QProcess::nullDevice());
  host->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(host, &QProcess::finished, host, &QObject::deleteLater);
  QObject::connect(host, &QProcess::errorOccurred, host, [host](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) host->deleteLater();
  });
  // Queued: a host that cannot start may report it inside start(), before the caller is done.
  QObject::connect(host, &QProcess::finished, owner, [exited] { exited(); }, Qt::QueuedConnection);
  QObject::connect(host, &QProcess::errorOccurred, owner, [failed](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) failed();
  }, Qt::QueuedConnection);
  host->start();
}

QString ScriptHostNotStartedText(const QString& program) {
  return QStringLiteral("失敗:  スクリプトホスト %1 を起動できません。(%2)")
      .arg(QFileInfo(program).fileName(), QDir::toNativeSeparators(program));
}

}  // namespace kelvo
