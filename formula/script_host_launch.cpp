#include "script_host_launch.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kelvo {

void LaunchScriptHost(QObject* owner, const QString& program, const QString& scriptName, const QString& folder,
                      std::function<void()> exited, std::function<void()> failed) {
  auto* host = new QProcess(owner);
  host->setProgram(program);
  host->setArguments({scriptName});
  host->setWorkingDirectory(folder);
  host->setStandardInputFile(QProcess::nullDevice());
  host->setProcessChannelMode(QProcess::ForwardedChannels);
  // Queued: a host that cannot start may report it inside start(), before the caller is done.
  QObject::connect(host, &QProcess::finished, owner, [host, exited] {
    host->deleteLater();
    exited();
  }, Qt::QueuedConnection);
  QObject::connect(host, &QProcess::errorOccurred, owner, [host, failed](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    host->deleteLater();
    failed();
  }, Qt::QueuedConnection);
  host->start();
}

QString ScriptHostNotStartedText(const QString& program) {
  return QStringLiteral("失敗:  スクリプトホスト %1 を起動できません。(%2)")
      .arg(QFileInfo(program).fileName(), QDir::toNativeSeparators(program));
}

}  // namespace kelvo
