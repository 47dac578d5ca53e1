#pragma once

#include <string>
#include <string_view>

namespace kelvo {

// Folder listings are one text: every name followed by ":" ("a.ini:b.ini:"), in the order the
// file system gives them; the empty text when nothing was found or the folder is missing.
// A real folder (not a link to one) is a folder; every other entry counts as a file. Names that
// hold a ":" themselves cannot be told apart in a listing and are left out.

// The files of `folder` whose names match `mask` ("PID*.*").
std::string FolderFileList(const std::string& folder, std::string_view mask);
// The sub-folders of `folder` whose names match `mask`.
std::string FolderSubfolderList(const std::string& folder, std::string_view mask);

// Whether `folder` (with or without a trailing "/") is a folder and not a link to one.
bool IsFolderNotLink(const std::string& folder);

// Deletes every file directly in `folder`; sub-folders and files that cannot be deleted stay.
// A folder that is itself a link is left alone: nothing is deleted through it.
void DeleteFilesIn(const std::string& folder);
// Deletes `folder` with everything below it. Links are removed, never followed: what they point
// to stays untouched; given a link, only the link goes. False when the folder itself could not be
// removed (or is a plain file, which stays).
bool DeleteFolderTree(const std::string& folder);

// Does `name` match a file mask? "*" stands for any run of characters, "?" for one, letter case
// is ignored, and a mask ending in ".*" also matches names without a dot ("*.*" matches all).
bool MatchesFileMask(std::string_view name, std::string_view mask);

}  // namespace kelvo
