#pragma once

#include <QString>

#include "renderer.h"

// Applying skin folders to the skin sheets and remembering the skin in use: the current-skin
// folder keeps a copy of every part taken from a folder other than the standard one, and
// CustumSkinType says which kind of skin that is.
namespace kelvo {

struct EngineState;

// Where one installation keeps its skins; every folder path ends with "/".
struct SkinFolders {
  QString kelvoFiles;  // the data folder beside the executable

  static SkinFolders BesideProgram(const QString& programFolder);
  QString Standard() const { return kelvoFiles + QStringLiteral("_sys/Default/"); }
  QString CurrentSkin() const { return kelvoFiles + QStringLiteral("_sys/UserCustumSkin/"); }
  QString Library() const { return kelvoFiles + QStringLiteral("Skin/T7/"); }
  QString PreviewCache() const { return kelvoFiles + QStringLiteral("_sys/prvpic/"); }
  QString Catalogue() const { return kelvoFiles + QStringLiteral("_sys/T7_SkinFilesList.csv"); }
};

// What the main window tells the skin operations about itself.
struct SkinContext {
  SkinFolders folders;
  bool startingUp = false;      // the first-activation flag: load only, delete and copy nothing
  bool primaryInstance = true;  // only the primary instance keeps the current-skin folder
};

// Everything a skin operation touches.
struct SkinTarget {
  Renderer& renderer;
  const EngineState& state;  // for redrawing the number and the marks
  SkinContext context;
};

// Loads every skin file present in folder (which ends with "/") into the sheets; with record,
// the current-skin folder follows. Returns an empty text, or the message for a part that exists
// but cannot be read: the parts before it are applied and shown, its copy in the current-skin
// folder is already gone, and the parts after it are not applied.
QString ApplySkinFolder(SkinTarget& target, const QString& folder, bool record);

// Deletes every file in the current-skin folder named partName + "." + any extension, in any
// letter case; nothing when that folder is a link.
void ClearSkinPartCopies(const QString& currentSkinFolder, const QString& partName);

// The path of the file of that name in folder, whatever the letter case of the name on disk
// (skins made on other systems use any case); empty when there is none. Every skin file (parts,
// previews) is looked up this way.
QString FindFileIgnoringCase(const QString& folder, const QString& fileName);

// Whether the folder (with or without a trailing "/") is itself a symbolic link: clean-ups never
// delete through one.
bool IsLinkedFolder(const QString& folder);

// The change operations. Each sets custumSkinType only when it succeeded; the caller repaints
// the main window and writes the setting.
QString ApplyStandardSkin(SkinTarget& target, int& custumSkinType);
QString ApplySetSkin(SkinTarget& target, const QString& skinFolder, int& custumSkinType);
// A single part (categories 1 to 5) or a user-saved skin (category 6).
QString ApplyPartSkin(SkinTarget& target, const QString& skinFolder, int category, int& custumSkinType);
// Applies whatever a category calls for: a set, a single part or a user-saved skin.
QString ApplySkinOfCategory(SkinTarget& target, const QString& skinFolder, int category, int& custumSkinType);

// At the creation of the main window, after LoadBuiltInSheets: brings back the skin in use
// (target.context.startingUp must be set) and clears the mark strip.
QString RestoreSkinAtStartUp(SkinTarget& target, int custumSkinType);

// Shows an error text of the operations above in a message box captioned "Kelvo".
void ShowSkinError(QWidget* parent, const QString& error);

}  // namespace kelvo
