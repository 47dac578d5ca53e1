#include "skin_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include "sheet_loader.h"

namespace kelvo {
namespace {

QString PartName(const SkinPartInfo& info) { return QString::fromLatin1(info.name.data(), info.name.size()); }

bool SameFolder(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
  return !ca.isEmpty() && ca == cb;
}

// Redraws what the changed groups show, in the order the window expects.
void RedrawGroups(SkinTarget& target, const bool changed[4]) {
  Renderer& r = target.renderer;
  if (changed[static_cast<int>(SkinGroup::Panel)]) r.BuildPanelComposite();
  if (changed[static_cast<int>(SkinGroup::Buttons)]) r.DrawAllButtonsUp();
  if (changed[static_cast<int>(SkinGroup::Digits)]) r.RedrawNumber(target.state);
  if (changed[static_cast<int>(SkinGroup::Marks)]) r.RedrawMarks(target.state);
}

}  // namespace

SkinFolders SkinFolders::BesideProgram(const QString& programFolder) {
  QString folder = QDir::fromNativeSeparators(programFolder);
  if (!folder.endsWith(u'/')) folder += u'/';
  return SkinFolders{folder + QStringLiteral("KelvoFiles/")};
}

bool IsLinkedFolder(const QString& folder) {
  QString path = folder;
  while (path.size() > 1 && path.endsWith(u'/')) path.chop(1);  // a trailing "/" would follow the link
  return QFileInfo(path).isSymLink();
}

QString FindFileIgnoringCase(const QString& folder, const QString& fileName) {
  const QString exact = QDir(folder).filePath(fileName);
  if (QFileInfo(exact).isFile()) return exact;
  const QDir dir(folder);
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
    if (entry.fileName().compare(fileName, Qt::CaseInsensitive) == 0) return entry.filePath();
  return {};
}

void ClearSkinPartCopies(const QString& currentSkinFolder, const QString& partName) {
  if (IsLinkedFolder(currentSkinFolder)) return;  // never delete through a link
  const QDir dir(currentSkinFolder);
  const QString prefix = partName + u'.';
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
    if (entry.fileName().startsWith(prefix, Qt::CaseInsensitive)) QFile::remove(entry.filePath());
  }
}

QString ApplySkinFolder(SkinTarget& target, const QString& skinFolder, bool record) {
  const QString folder = skinFolder.endsWith(u'/') ? skinFolder : skinFolder + u'/';
  const SkinContext& ctx = target.context;
  const QString current = ctx.folders.CurrentSkin();
  // Loading the current-skin folder itself must never delete what it is about to load.
  const bool loadOnly = ctx.startingUp || SameFolder(folder, current);
  // A current-skin folder that is a link to elsewhere is read, never written.
  const bool keepCopies = ctx.primaryInstance && !loadOnly && !IsLinkedFolder(current);
  bool changed[4] = {false, false, false, false};
  QString error;
  for (const SkinPartInfo& info : kSkinParts) {
    const QString name = PartName(info);
    const QString path = FindFileIgnoringCase(folder, name + QStringLiteral(".bmp"));
    if (path.isEmpty()) continue;
    if (!ctx.startingUp) changed[static_cast<int>(info.group)] = true;
    if (keepCopies) ClearSkinPartCopies(current, name);
    const QImage sheet = LoadSkinSheet(path, &error);
    if (sheet.isNull()) break;
    target.renderer.SetSheet(info.part, sheet);
    if (keepCopies && record) {
      const QString copy = current + name + QStringLiteral(".bmp");
      QFile::remove(copy);
      QFile::copy(path, copy);
    }
  }
  if (ctx.startingUp) {
    changed[static_cast<int>(SkinGroup::Buttons)] = true;
    changed[static_cast<int>(SkinGroup::Panel)] = true;
  }
  // Also after a failure, so that the parts already loaded are the ones on screen.
  RedrawGroups(target, changed);
  return error;
}

QString ApplyStandardSkin(SkinTarget& target, int& custumSkinType) {
  if (custumSkinType != kSkinStandard) {
    const QString error = ApplySkinFolder(target, target.context.folders.Standard(), false);
    if (!error.isEmpty()) return error;
  }
  custumSkinType = kSkinStandard;
  return {};
}

QString ApplySetSkin(SkinTarget& target, const QString& skinFolder, int& custumSkinType) {
  QString error = ApplySkinFolder(target, target.context.folders.Standard(), false);
  if (error.isEmpty()) error = ApplySkinFolder(target, skinFolder, true);
  if (error.isEmpty()) custumSkinType = kSkinSet;
  return error;
}

QString ApplyPartSkin(SkinTarget& target, const QString& skinFolder, int category, int& custumSkinType) {
  QString error;
  if (custumSkinType == kSkinSet) error = ApplySkinFolder(target, target.context.folders.Standard(), false);
  if (error.isEmpty()) error = ApplySkinFolder(target, skinFolder, true);
  if (error.isEmpty()) custumSkinType = category == kCategoryUserSaved ? kSkinUserSaved : kSkinCustom;
  return error;
}

QString ApplySkinOfCategory(SkinTarget& target, const QString& skinFolder, int category, int& custumSkinType) {
  if (category == kCategorySet) return ApplySetSkin(target, skinFolder, custumSkinType);
  return ApplyPartSkin(target, skinFolder, category, custumSkinType);
}

QString RestoreSkinAtStartUp(SkinTarget& target, int custumSkinType) {
  QString error;
  if (custumSkinType != kSkinStandard) {
    error = ApplySkinFolder(target, target.context.folders.CurrentSkin(), true);
  } else {
    target.renderer.BuildPanelComposite();
    target.renderer.DrawAllButtonsUp();
  }
  target.renderer.ClearMarkStrip();
  return error;
}

void ShowSkinError(QWidget* parent, const QString& error) {
  if (error.isEmpty()) return;
  QMessageBox::critical(parent, QStringLiteral("Kelvo"), error);
}

}  // namespace kelvo
