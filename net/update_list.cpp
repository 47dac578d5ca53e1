#include "update_list.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStringList>
#include <QUrl>

#include "comma_text.h"

namespace kelvo {
namespace {

constexpr qsizetype kTagLength = 5;

// Each line's tag and value, in order, for `visit(tag, value)`; `visit` returns false to stop.
template <typename Visit>
void ForEachEntry(const QByteArray& content, Visit visit) {
  std::string_view text(content.constData(), static_cast<size_t>(content.size()));
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a list saved with a byte-order mark
  for (const std::string_view line : SplitLines(text)) {
    const std::vector<std::string> fields = SplitCommaText(line);
    if (fields.empty()) continue;
    const QString field = QString::fromUtf8(fields.front());
    if (!visit(field.left(kTagLength), field.mid(kTagLength))) return;
  }
}

// Digits and dots, no part empty: "2.10.01".
bool IsDottedNumber(const QString& text) {
  if (text.isEmpty()) return false;
  for (const QString& part : text.split(u'.')) {
    if (part.isEmpty()) return false;
    for (const QChar c : part)
      if (c < u'0' || c > u'9') return false;
  }
  return true;
}

// Compares two runs of digits by value, however long they are.
int CompareNumbers(QStringView a, QStringView b) {
  while (a.size() > 1 && a.front() == u'0') a = a.mid(1);
  while (b.size() > 1 && b.front() == u'0') b = b.mid(1);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

}  // namespace

bool UpdateList::HasInstaller() const { return IsPlainFileName(fileName); }

UpdateList ParseUpdateList(const QByteArray& content) {
  UpdateList list;
  ForEachEntry(content, [&](const QString& tag, const QString& value) {
    if (tag == QLatin1String("[Ver]")) list.version = value;
    if (tag == QLatin1String("[Url]")) list.url = value;
    if (tag == QLatin1String("[Fil]")) list.fileName = value;
    if (tag == QLatin1String("[Hos]")) list.host = value;
    if (tag == QLatin1String("[Sha]")) list.sha256 = value;
    return true;
  });
  return list;
}

std::optional<QString> FirstListedVersion(const QByteArray& content) {
  std::optional<QString> version;
  ForEachEntry(content, [&](const QString& tag, const QString& value) {
    if (tag != QLatin1String("[Ver]")) return true;
    version = value;
    return false;
  });
  return version;
}

QByteArray ReadUpdateListFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(kMaxUpdateListBytes) : QByteArray();
}

bool IsNewerVersion(const QString& listed, const QString& current) {
  if (!IsDottedNumber(listed) || !IsDottedNumber(current)) return QString::compare(listed, current) > 0;
  const QStringList a = listed.split(u'.'), b = current.split(u'.');
  for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
    const int order = CompareNumbers(i < a.size() ? QStringView(a[i]) : u"0", i < b.size() ? QStringView(b[i]) : u"0");
    if (order != 0) return order > 0;
  }
  return false;
}

bool IsPlainFileName(const QString& name) {
  if (name.isEmpty() || name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\') ||
      name.contains(QLatin1String("..")))
    return false;
  for (const QChar c : name)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  return true;
}

QString InstallerUrl(const QString& listUrl, const QString& url) {
  const QUrl address(url);
  if (url.isEmpty() || !address.isRelative()) return url;
  return QUrl(listUrl).resolved(address).toString();
}

bool Sha256Matches(const QString& path, const QString& hex) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return false;
  return QString::fromLatin1(hash.result().toHex()).compare(hex.trimmed(), Qt::CaseInsensitive) == 0;
}

}  // namespace kelvo
