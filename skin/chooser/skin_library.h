#pragma once

#include <QString>
#include <vector>

// The local skin library Skin/T7/ as the chooser sees it: the skins of each category, the user
// skins saved from the current one, and the old-format skins beside the library.
namespace kelvo {

struct LibrarySkin {
  QString folderName;  // "SET_Kelvo_Night"
  QString listText;    // "Kelvo:Night": the name after the prefix, each "_" shown as ":"
};

// The skin folders of a category: real folders (never links) whose names start with the
// category's prefix, letter case ignored; in the order the file system gives them.
std::vector<LibrarySkin> ListLibrarySkins(const QString& library, int category);

// The order of the chooser's lists: ascending compares the texts with letter case ignored (and
// then as they are, so that the order is total); descending is the reverse.
bool ListTextBefore(const QString& a, const QString& b, bool descending);

// Why a title for a user skin is refused.
enum class TitleProblem { None, Underscore, ForbiddenCharacter };
TitleProblem FindTitleProblem(const QString& title);
// The title as it is saved: blanks trimmed, ideographic spaces and spaces removed.
QString CleanSkinTitle(const QString& title);
// "HOZ_ユーザー_" + title: the library folder of a user skin.
QString UserSkinFolderName(const QString& cleanTitle);

// Replaces target (a folder path without a trailing "/") by a copy of every file of the
// current-skin folder. Returns an empty text, or the message for a folder that could not be
// removed or created.
QString SaveCurrentSkinAs(const QString& currentSkinFolder, const QString& target);

// Deletes every entry of the Skin folder except the library T7, whatever it is.
void DeleteOldSkins(const QString& skinFolder);

}  // namespace kelvo
