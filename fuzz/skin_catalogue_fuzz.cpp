// The skin catalogue: every skin it lists has names that stay inside the skin folders.
#include <QByteArray>
#include <cstdlib>

#include "skin_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const kelvo::CatalogueSkin& skin : kelvo::ParseSkinCatalogue(content).skins) {
    for (const QString& name : {skin.LocalFolderName(), skin.id + QStringLiteral(".gif")}) {
      if (name.contains(u'/') || name.contains(u'\\') || name.contains(QStringLiteral("..")) || name.toUtf8().size() > 255)
        std::abort();
    }
  }
  return 0;
}
