// The script host's whole path: the script text it reads, the answer path the script names, and
// the folder and file it would then open. Whatever the text, an accepted answer path opens
// exactly the bytes that were checked: the system calls read C strings up to their first NUL, so
// those strings, put back together, must give the path itself; the path holds no control
// character and no empty, "." or ".." part, and ends in "/KelvoFiles/_sys/Calc/" and an answer
// file's name.
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "script_text.h"

namespace {

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto request = kelvo::wsh::ParseScript(text);
  if (!request) return 0;
  const std::string& path = request->answerPath;
  const auto answer = kelvo::wsh::AnswerFileOf(path);
  if (answer.has_value() != kelvo::wsh::IsAnswerFilePath(path)) std::abort();
  if (!answer) return 0;

  // What kelvo-wsh hands to open() and openat(): the data folder, "_sys", "Calc", the name.
  const char* folder = answer->dataFolder.c_str();
  const char* name = answer->name.c_str();
  if (std::string(folder) + "/_sys/Calc/" + name != path) std::abort();
  if (std::strchr(name, '/') != nullptr) std::abort();
  if (folder[0] != '/' || !EndsWith(folder, "/KelvoFiles")) std::abort();
  if (name != std::string_view("CalcAns.ini") && !(EndsWith(name, "CalcAns.ini") && std::strncmp(name, "PID", 3) == 0))
    std::abort();
  for (const char c : path)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
  const std::string walked = path + "/";
  for (const char* part : {"//", "/./", "/../"})
    if (walked.find(part) != std::string::npos) std::abort();

  // The program's own script for that path is read back as it was written.
  const std::string script = kelvo::wsh::BuildScript(path, request->expression, 1);
  const auto again = kelvo::wsh::ParseScript(script);
  if (!again || again->answerPath != path) std::abort();
  return 0;
}
