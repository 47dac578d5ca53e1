#include "data_folder.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "file_path.h"
#include "template_refresh.h"

// Where an installation keeps the template and the helper programs, relative to the executable.
#ifndef KELVO_INSTALLED_TEMPLATE
#define KELVO_INSTALLED_TEMPLATE "../share/kelvo/KelvoFiles"
#endif
#ifndef KELVO_INSTALLED_HELPERS
#define KELVO_INSTALLED_HELPERS "../libexec/kelvo"
#endif

namespace kelvo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDataFolderName = "KelvoFiles";
constexpr const char* kScriptHostName = "kelvo-wsh";

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// The folder below programFolder at a relative path, without "..": the form a message shows.
std::string Below(const std::string& programFolder, const char* relative) {
  return PathText((FilePath(programFolder) / relative).lexically_normal());
}

std::string CannotMake(const std::string& folder, const std::string& reason) {
  return "データフォルダを作成できません。\n" + folder + "\n" + reason;
}

// The user's folder for a template: made from the template on the first start; afterwards only
// what a newer template adds reaches it (the user's settings and skins live there).
DataFolderChoice UserFolder(const std::string& templateFolder, const std::string& userDataHome) {
  if (userDataHome.empty()) return {{}, CannotMake("~/.local/share/kelvo", "ホームフォルダが分かりません。")};
  const std::string folder = PathText(FilePath(userDataHome) / "kelvo");
  const fs::path data = FilePath(folder) / kDataFolderName;
  std::error_code error;
  const fs::file_status status = fs::status(data, error);
  if (fs::is_directory(status)) {
    RefreshFromTemplate(templateFolder, PathText(data));  // a failure leaves the copy as usable as before
    return {folder, {}};
  }
  if (fs::exists(status)) return {{}, CannotMake(PathText(data), "同じ名前のファイルがあります。")};
  fs::create_directories(FilePath(folder), error);
  if (error) return {{}, CannotMake(folder, error.message())};
  if (std::string failure = CopyFolderTemplate(templateFolder, PathText(data)); !failure.empty())
    return {{}, CannotMake(PathText(data), failure)};
  RefreshFromTemplate(templateFolder, PathText(data));  // records what it was given, makes the empty folders
  return {folder, {}};
}

}  // namespace

std::string UserDataHome(const char* xdgDataHome, const char* home) {
  // Relative paths in these variables are invalid and ignored.
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return xdgDataHome;
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.local/share";
  return {};
}

DataFolderChoice ChooseDataFolder(const std::string& programFolder, const std::string& userDataHome,
                                  const std::function<bool(const std::string&)>& writable) {
  const std::string beside = PathText(FilePath(programFolder) / kDataFolderName);
  const bool besideExists = IsFolder(FilePath(beside));
  if (besideExists && writable(beside)) return {programFolder, {}};

  const std::string installed = Below(programFolder, KELVO_INSTALLED_TEMPLATE);
  if (IsFolder(FilePath(installed))) return UserFolder(installed, userDataHome);
  if (besideExists) return UserFolder(beside, userDataHome);

  if (writable(programFolder)) return {programFolder, {}};
  return {{}, CannotMake(beside, "プログラムのフォルダに書き込めず、インストールされたひな形もありません。")};
}

DataFolderChoice ChooseDataFolder(const std::string& programFolder, const std::string& userDataHome) {
  return ChooseDataFolder(programFolder, userDataHome, [](const std::string& path) {
    return access(PathText(FilePath(path)).c_str(), W_OK) == 0;
  });
}

std::string CopyFolderTemplate(const std::string& templateFolder, const std::string& target) {
  const fs::path from = FilePath(templateFolder), to = FilePath(target);
  if (!IsFolder(from)) return "ひな形のフォルダがありません: " + templateFolder;
  // Aside first, under a name of this process, so that nothing else can be using it.
  fs::path staging = to;
  staging += ".new-" + std::to_string(getpid());
  std::error_code error;
  fs::remove_all(staging, error);  // left by an earlier process of the same number

  auto fail = [&staging](const std::error_code& cause) {
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    return cause.message();
  };
  if (!fs::create_directory(staging, error)) return fail(error ? error : std::make_error_code(std::errc::file_exists));
  // The iterator does not enter linked folders; links themselves are skipped below.
  fs::recursive_directory_iterator entry(from, error), end;
  for (; !error && entry != end; entry.increment(error)) {
    const fs::path copy = staging / entry->path().lexically_relative(from);
    const fs::file_status status = entry->symlink_status(error);
    if (error) break;
    if (fs::is_directory(status)) {
      fs::create_directory(copy, error);
    } else if (fs::is_regular_file(status)) {
      fs::copy_file(entry->path(), copy, error);
      // An installed template may be read-only; the copy is the user's to change.
      if (!error) fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    }
  }
  if (error) return fail(error);

  fs::rename(staging, to, error);
  if (error) {
    // Another start may have put its copy in place meanwhile: then that one is used.
    const std::string reason = fail(error);
    return IsFolder(to) ? std::string() : reason;
  }
  return {};
}

std::string HelperPath(const std::string& programFolder, const std::string& name) {
  const std::string beside = PathText(FilePath(programFolder) / name);
  const std::string installed = PathText((FilePath(programFolder) / KELVO_INSTALLED_HELPERS / name).lexically_normal());
  std::error_code error;
  if (!fs::is_regular_file(FilePath(beside), error) && fs::is_regular_file(FilePath(installed), error)) return installed;
  return beside;
}

std::string ScriptHostPath(const std::string& programFolder) { return HelperPath(programFolder, kScriptHostName); }

}  // namespace kelvo
