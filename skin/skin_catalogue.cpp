#include "skin_catalogue.h"

#include <QFile>

#include "ascii.h"
#include "catalogue_names.h"
#include "comma_text.h"

namespace kelvo {
namespace {

constexpr int kFirstSkinLine = 3;
constexpr size_t kSkinFields = 6;

QString Field(const std::vector<std::string>& fields, size_t i) {
  return i < fields.size() ? QString::fromStdString(fields[i]) : QString();
}

// The category is read from the field's leading digits; anything else reads as 0.
int LeadingNumber(const std::string& text) {
  int value = 0;
  for (size_t i = 0; i < text.size() && i < 6 && IsAsciiDigit(text[i]); ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// The category codes an id may start with, as the prefixes of the library's folders have them.
bool HasCategoryCode(const QString& id) {
  for (const char* code : {"SET", "PNL", "DGP", "BTN", "DGN", "DGM"})
    if (id.startsWith(QLatin1String(code))) return true;
  return false;
}

// A name that can be a file or folder name of its own: not empty, no "." or "..", and at most
// 255 bytes, the limit of a name on the file systems the program runs on.
bool ValidFileName(const QString& name) {
  return !name.isEmpty() && name != u'.' && name != QStringLiteral("..") && name.toUtf8().size() <= 255;
}

}  // namespace

QString CatalogueSkin::InternetListText() const { return listText + u' ' + name1 + u':' + name2; }
QString CatalogueSkin::LocalFolderName() const { return id.left(3) + u'_' + name1 + u'_' + name2; }
QString CatalogueSkin::LocalListText() const { return name1 + u':' + name2; }

std::vector<CatalogueSkin> SkinCatalogue::InCategory(int category) const {
  std::vector<CatalogueSkin> out;
  for (const CatalogueSkin& skin : skins)
    if (skin.category == category) out.push_back(skin);
  return out;
}

SkinCatalogue ParseSkinCatalogue(const QByteArray& content) {
  SkinCatalogue catalogue;
  const std::vector<std::string_view> lines = SplitLines(std::string_view(content.constData(), content.size()), kMaxCatalogueLines);
  for (size_t n = 0; n < lines.size(); ++n) {
    if (n != 0 && n < kFirstSkinLine) continue;
    const std::vector<std::string> fields = SplitCommaText(lines[n]);
    if (n == 0) {
      if (fields.size() > 4 && fields[4] == "[URL]") {
        catalogue.hasBaseUrl = true;
        catalogue.baseUrl = Field(fields, 5);
      }
      continue;
    }
    if (fields.size() < kSkinFields) continue;
    CatalogueSkin skin;
    skin.line = static_cast<int>(n);
    skin.category = LeadingNumber(fields[0]);
    skin.listText = Field(fields, 2);
    skin.name1 = Field(fields, 3);
    skin.name2 = Field(fields, 4);
    skin.id = Field(fields, 5);
    if (!IsSafeCatalogueSkin(skin)) continue;
    // Every name made from the line must be one the file system can hold: the id starts with an
    // ASCII category code (whose three characters make the folder's prefix), and the local
    // folder and the cached preview are valid names.
    if (!HasCategoryCode(skin.id) || !ValidFileName(skin.LocalFolderName()) ||
        !ValidFileName(skin.id + QStringLiteral(".gif")))
      continue;
    catalogue.skins.push_back(std::move(skin));
  }
  return catalogue;
}

SkinCatalogue ReadSkinCatalogue(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ParseSkinCatalogue(file.read(kMaxCatalogueBytes));
}

}  // namespace kelvo
