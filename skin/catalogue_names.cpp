#include "catalogue_names.h"

namespace kelvo {
namespace {

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

QString ToHalfWidth(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    const char16_t u = c.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E) c = QChar(static_cast<char16_t>(u - 0xFF01 + 0x21));
    else if (u == 0x3000) c = QChar(u' ');
    else if (u == 0xFFE5) c = QChar(u'\\');
  }
  return out;
}

bool IsSafeNamePart(const QString& part) {
  const QString half = ToHalfWidth(part);
  if (half.isEmpty() || half.startsWith(u'.') || half.contains(QStringLiteral(".."))) return false;
  for (const QChar c : half) {
    const char16_t u = c.unicode();
    if (u == u'/' || u == u'\\' || IsControl(u)) return false;
  }
  return true;
}

bool IsSafeCatalogueSkin(const CatalogueSkin& skin) {
  return IsSafeNamePart(skin.id) && IsSafeNamePart(skin.name1) && IsSafeNamePart(skin.name2);
}

}  // namespace kelvo
