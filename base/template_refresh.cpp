#include "template_refresh.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <system_error>
#include <vector>

#include "file_path.h"
#include "whole_file.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;

// Empty in a fresh installation, so a package does not ship them: the copy makes them.
constexpr const char* kRequiredFolders[] = {"_sys/PID", "_sys/Calc", "_sys/UserCustumSkin", "_sys/prvpic"};
// A stamp that is larger than any real one is not read (a template has a few hundred entries).
constexpr std::uintmax_t kLargestStamp = 1 << 20;
constexpr const char* kScratchSuffix = ".kelvo-part";

struct Stamp {
  std::string version;
  std::set<std::string> given;
};

// A missing, unreadable or oversized stamp reads as no version and nothing given (a new stamp
// replaces it). Something else of that name, a folder or a device, which no stamp can replace,
// gives nothing at all.
std::optional<Stamp> ReadStamp(const fs::path& path) {
  Stamp stamp;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) return std::nullopt;
  if (!fs::is_regular_file(status) || fs::file_size(path, error) > kLargestStamp || error) return stamp;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  for (bool first = true; std::getline(in, line); first = false) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (first) {
      stamp.version = line;
    } else if (!line.empty()) {
      stamp.given.insert(line);
    }
  }
  return stamp;
}

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

// Copies one template file into the copy through a scratch name, writable by its owner.
std::error_code AddFile(const fs::path& from, const fs::path& to) {
  fs::path scratch = to;
  scratch += kScratchSuffix;
  std::error_code error;
  fs::remove(scratch, error);  // left by a refresh that was cut short
  fs::copy_file(from, scratch, error);
  if (!error) fs::permissions(scratch, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
  if (!error) fs::rename(scratch, to, error);
  if (error) {
    std::error_code ignored;
    fs::remove(scratch, ignored);
  }
  return error;
}

}  // namespace

void MakeRequiredFolders(const std::string& dataFolder) {
  for (const char* folder : kRequiredFolders) {
    std::error_code error;
    fs::create_directories(FilePath(dataFolder) / folder, error);
  }
}

std::string RefreshFromTemplate(const std::string& templateFolder, const std::string& copyFolder) {
  const fs::path from = FilePath(templateFolder), to = FilePath(copyFolder);
  std::error_code error;
  if (fs::equivalent(from, to, error)) {  // the template is the user's own folder (a home prefix)
    MakeRequiredFolders(copyFolder);
    return {};
  }
  const Stamp installed = ReadStamp(from / kTemplateStampFile).value_or(Stamp{});
  if (installed.version.empty()) {  // a template of a program without stamps: only the folders
    MakeRequiredFolders(copyFolder);
    return {};
  }
  const std::optional<Stamp> read = ReadStamp(to / kTemplateStampFile);
  if (!read) {  // without knowing what the copy was given, nothing the user deleted may come back
    MakeRequiredFolders(copyFolder);
    return PathText(to / kTemplateStampFile) + ": not a file";
  }
  const Stamp& copy = *read;
  if (copy.version == installed.version && !copy.given.empty()) return {};

  std::vector<std::string> entries;
  std::string failure;
  error.clear();
  // The iterator does not enter linked folders; links themselves are skipped below.
  fs::recursive_directory_iterator entry(from, error), end;
  for (; !error && entry != end; entry.increment(error)) {
    const fs::path relative = entry->path().lexically_relative(from);
    const std::string name = relative.generic_string();
    const fs::file_status status = entry->symlink_status(error);
    if (error) break;
    const bool folder = fs::is_directory(status);
    if (name == kTemplateStampFile || (!folder && !fs::is_regular_file(status))) continue;
    entries.push_back(name);
    const fs::path target = to / relative;
    // Given before and gone now: the user deleted it. Its folder gone: the same.
    if (copy.given.count(name) != 0 || Exists(target) || !fs::is_directory(target.parent_path())) continue;
    std::error_code added;
    if (folder) {
      fs::create_directory(target, added);
    } else {
      added = AddFile(entry->path(), target);
    }
    if (added && failure.empty()) failure = PathText(target) + ": " + added.message();
  }
  if (error) return error.message();
  MakeRequiredFolders(copyFolder);
  if (!failure.empty()) return failure;  // the stamp stays old: the next start tries again

  std::sort(entries.begin(), entries.end());
  std::string stamp = installed.version + "\n";
  for (const std::string& name : entries) stamp += name + "\n";
  const std::string stampPath = (to / kTemplateStampFile).string();
  if (const std::error_code written = ReplaceFileWith(stampPath, stamp, kScratchSuffix)) return written.message();
  return {};
}

}  // namespace kelvo
