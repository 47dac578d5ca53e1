// The update list: an installer name it accepts stays in the program folder, and of two versions
// at most one is the newer.
#include <QByteArray>
#include <cstdlib>

#include "update_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const kelvo::UpdateList list = kelvo::ParseUpdateList(content);
  const QString& name = list.fileName;
  if (list.HasInstaller() && (name.isEmpty() || name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\') ||
                              name.contains(QChar(0))))
    std::abort();
  const QString first = kelvo::FirstListedVersion(content).value_or(QString());
  for (const QString& other : {QStringLiteral("2.10.01"), list.version, first}) {
    if (kelvo::IsNewerVersion(list.version, other) && kelvo::IsNewerVersion(other, list.version)) std::abort();
  }
  return 0;
}
