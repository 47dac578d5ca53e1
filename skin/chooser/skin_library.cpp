#include "skin_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "folder_utils.h"
#include "skin_parts.h"

namespace kelvo {
namespace {

QString Prefix(int category) {
  const std::string_view prefix = kSkinCategories[static_cast<size_t>(category)].prefix;
  return QString::fromLatin1(prefix.data(), static_cast<qsizetype>(prefix.size()));
}

// Trim as the title rules mean it: every character up to a space counts as blank.
QString TrimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first].unicode() <= u' ') ++first;
  while (last > first && text[last - 1].unicode() <= u' ') --last;
  return text.mid(first, last - first);
}

}  // namespace

std::vector<LibrarySkin> ListLibrarySkins(const QString& library, int category) {
  std::vector<LibrarySkin> skins;
  if (category < 0 || category >= static_cast<int>(kSkinCategories.size())) return skins;
  const QString prefix = Prefix(category);
  const QString listing = QString::fromStdString(FolderSubfolderList(library.toStdString(), (prefix + u'*').toStdString()));
  for (const QString& name : listing.split(u':', Qt::SkipEmptyParts)) {
    QString text = name.mid(prefix.size());
    text.replace(u'_', u':');
    skins.push_back({name, text});
  }
  return skins;
}

bool ListTextBefore(const QString& a, const QString& b, bool descending) {
  int order = QString::compare(a, b, Qt::CaseInsensitive);
  if (order == 0) order = QString::compare(a, b, Qt::CaseSensitive);
  return descending ? order > 0 : order < 0;
}

TitleProblem FindTitleProblem(const QString& title) {
  if (title.contains(u'_')) return TitleProblem::Underscore;
  for (const QChar c : title)
    if (QStringView(u"\\/:,;*?\"<>|").contains(c)) return TitleProblem::ForbiddenCharacter;
  return TitleProblem::None;
}

QString CleanSkinTitle(const QString& title) {
  QString clean = TrimBlanks(title);
  clean.remove(QChar(0x3000));
  clean = TrimBlanks(clean);
  clean.remove(u' ');
  return clean;
}

QString UserSkinFolderName(const QString& cleanTitle) { return QStringLiteral("HOZ_ユーザー_") + cleanTitle; }

QString SaveCurrentSkinAs(const QString& currentSkinFolder, const QString& target) {
  const QFileInfo existing(target);
  if ((existing.exists() || existing.isSymLink()) && !DeleteFolderTree(target.toStdString()))
    return QStringLiteral("フォルダを削除できません。\n%1").arg(QDir::toNativeSeparators(target));
  if (!QDir().mkdir(target))
    return QStringLiteral("フォルダを作成できません。\n%1").arg(QDir::toNativeSeparators(target));
  const QDir source(currentSkinFolder);
  for (const QFileInfo& file : source.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks))
    QFile::copy(file.filePath(), target + u'/' + file.fileName());
  return {};
}

void DeleteOldSkins(const QString& skinFolder) {
  const QDir dir(skinFolder);
  for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
    if (entry.fileName() == QLatin1String("T7")) continue;
    QFile::remove(entry.filePath());
    if (!entry.isSymLink()) DeleteFolderTree(entry.filePath().toStdString());
  }
}

}  // namespace kelvo
