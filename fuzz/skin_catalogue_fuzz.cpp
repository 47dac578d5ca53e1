// The skin catalogue: every name made from a skin it lists is one file name of its own, which
// stays inside the folder it is put in.
#include <QByteArray>
#include <cstdlib>

#include "skin_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const kelvo::CatalogueSkin& skin : kelvo::ParseSkinCatalogue(content).skins) {
    for (const QString& name : {skin.LocalFolderName(), skin.id + QStringLiteral(".gif")}) {
      if (name.isEmpty() || name == u'.' || name == QStringLiteral("..") || name.contains(u'/') ||
          name.contains(u'\\') || name.contains(QChar(0)) || name.toUtf8().size() > 255)
        std::abort();
    }
  }
  return 0;
}
