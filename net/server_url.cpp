#include "server_url.h"

#include "ini_file.h"
#include "settings_keys.h"
#include "shell_paths.h"

namespace kelvo {

QString WithTrailingSlash(const QString& url) {
  QString trimmed = url.trimmed();
  if (!trimmed.isEmpty() && !trimmed.endsWith(u'/')) trimmed += u'/';
  return trimmed;
}

QString BuiltInServerUrl() { return WithTrailingSlash(QStringLiteral(KELVO_SERVER_URL)); }

QString ServerBaseUrl() {
  // Read when asked, so that a changed file counts at the next check without a restart.
  const IniFile settings(CurrentSettingsPath());
  const QString configured = WithTrailingSlash(QString::fromStdString(ini::Read(settings, ini::kServerUrl)));
  return configured.isEmpty() ? BuiltInServerUrl() : configured;
}

}  // namespace kelvo
