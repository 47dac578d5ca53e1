#include "command_line.h"

#include <string_view>

#include "text_escape.h"

namespace command_line {
namespace {

constexpr std::string_view kUsage =
    "使い方: kelvo [--help | --version]\n"
    "Usage:  kelvo [--help | --version]\n"
    "\n"
    "電卓を起動します。ほかに引数はありません。\n"
    "Starts the calculator; it takes no other arguments.\n"
    "\n"
    "  --help     この説明を表示して終了します。 Show this help and exit.\n"
    "  --version  バージョンを表示して終了します。 Show the version and exit.\n";

// Options QApplication reads itself; those in the first list take the next argument as value.
constexpr std::string_view kQtOptionsWithValue[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-qwindowtitle",
    "-qwindowicon", "-display", "-geometry", "-title", "-name", "-style", "-stylesheet", "-session",
    "-visual", "-ncols", "-cmap", "-fontengine"};
constexpr std::string_view kQtFlags[] = {"-reverse", "-widgetcount", "-sync", "-nograb", "-dograb", "-testability"};

// Qt takes its options with one dash or two, and a value after "=" too.
std::string_view QtName(std::string_view argument) {
  if (argument.starts_with("--")) argument.remove_prefix(1);
  return argument.substr(0, argument.find('='));
}

bool IsQtOption(std::string_view name, bool& takesValue) {
  for (const std::string_view option : kQtOptionsWithValue)
    if (name == option) return takesValue = true;
  for (const std::string_view flag : kQtFlags)
    if (name == flag) return !(takesValue = false);
  return name.starts_with("-qmljsdebugger");
}

}  // namespace

Outcome Read(const std::vector<std::string>& arguments, const std::string& version) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help" || argument == "-h") return {false, 0, std::string(kUsage), {}};
    if (argument == "--version") return {false, 0, "Kelvo " + version + "\n", {}};
    if (argument.size() < 2 || argument[0] != '-') continue;  // a plain word (or "-"): nothing to say
    if (argument == "--") break;
    const std::string_view name = QtName(argument);
    bool takesValue = false;
    if (IsQtOption(name, takesValue)) {
      if (takesValue && argument.find('=') == std::string_view::npos) ++i;  // its value is no option
      continue;
    }
    // Printed escaped: an argument may hold bytes that a terminal would take as commands.
    return {false, 2, {}, "kelvo: 不明なオプション / unknown option: " + kelvo::VisibleText(argument) + "\n\n" + std::string(kUsage)};
  }
  return {};
}

}  // namespace command_line
