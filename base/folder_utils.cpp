#include "folder_utils.h"

#include <filesystem>

#include "file_path.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Wildcard match with backtracking on the last "*": linear in practice, never exponential.
bool MatchesWildcards(std::string_view name, std::string_view mask) {
  std::size_t n = 0, m = 0;
  std::size_t starMask = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || Lower(mask[m]) == Lower(name[n]))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

bool IsRealFolder(const fs::directory_entry& entry) {
  std::error_code error;
  return entry.symlink_status(error).type() == fs::file_type::directory;
}

enum class Kind { Files, Folders };

std::string ListFolder(const std::string& folder, std::string_view mask, Kind kind) {
  std::string listing;
  std::error_code error;
  for (fs::directory_iterator it(FilePath(folder), error), end; !error && it != end; it.increment(error)) {
    const std::string name = PathText(it->path().filename());
    if (name.find(':') != std::string::npos) continue;
    if (IsRealFolder(*it) != (kind == Kind::Folders)) continue;
    if (MatchesFileMask(name, mask)) listing += name + ":";
  }
  return listing;
}

}  // namespace

bool MatchesFileMask(std::string_view name, std::string_view mask) {
  if (MatchesWildcards(name, mask)) return true;
  // "name.*" also stands for "name" without any extension.
  return mask.ends_with(".*") && name.find('.') == std::string_view::npos &&
         MatchesWildcards(name, mask.substr(0, mask.size() - 2));
}

std::string FolderFileList(const std::string& folder, std::string_view mask) {
  return ListFolder(folder, mask, Kind::Files);
}

std::string FolderSubfolderList(const std::string& folder, std::string_view mask) {
  return ListFolder(folder, mask, Kind::Folders);
}

bool IsFolderNotLink(const std::string& folder) {
  fs::path path = FilePath(folder);
  if (!path.has_filename()) path = path.parent_path();  // "a/b/" would follow a link at b
  std::error_code error;
  return fs::symlink_status(path, error).type() == fs::file_type::directory;
}

void DeleteFilesIn(const std::string& folder) {
  if (!IsFolderNotLink(folder)) return;  // never delete through a link
  std::error_code error;
  for (fs::directory_iterator it(FilePath(folder), error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!IsRealFolder(*it)) fs::remove(it->path(), ignored);
  }
}

bool DeleteFolderTree(const std::string& folder) {
  const fs::path root = FilePath(folder);
  std::error_code error;
  const fs::file_type type = fs::symlink_status(root, error).type();
  if (type != fs::file_type::directory && type != fs::file_type::symlink) return false;
  // Given a link, remove the link alone.
  if (type == fs::file_type::directory) {
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
      std::error_code ignored;
      if (IsRealFolder(*it))
        DeleteFolderTree(PathText(it->path()));
      else
        fs::remove(it->path(), ignored);
    }
  }
  error.clear();
  return fs::remove(root, error) && !error;
}

}  // namespace kelvo
