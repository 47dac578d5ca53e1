#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "vb_expression.h"

namespace kelvo::wsh {

// The formula script: an empty first line, then 22 lines joined by CR LF, no final line break.
// Only the answer file's path (its double quotes doubled, so that no folder name can end the
// string early), the expression and the run stamp vary.
std::string BuildScript(std::string_view answerPath, std::string_view expression, std::uint32_t stamp);

// What a script asks for: the answer file, the expression and the stamp text.
struct ScriptRequest {
  std::string answerPath;
  std::string expression;
  std::string stamp;
};

// Reads a script of exactly the shape BuildScript writes; anything else gives nothing.
std::optional<ScriptRequest> ParseScript(std::string_view text);

// A file of a Calc folder, "<data folder>/_sys/Calc/<name>", as the host opens it: the data folder
// (an absolute path ending in "/KelvoFiles"), then "_sys" and "Calc" below it, then the name.
struct CalcFile {
  std::string dataFolder;
  std::string name;
};

// Splits an absolute path ".../KelvoFiles/_sys/Calc/<name>". Nothing for a path holding a control
// character (NUL included) or an empty, "." or ".." part, or one that does not end so. Put back
// together, the two parts are the path, byte for byte, and neither holds a NUL.
std::optional<CalcFile> CalcFileOf(std::string_view path);

// The same for an answer file of this program: ".../KelvoFiles/_sys/Calc/CalcAns.ini" or a child
// instance's ".../PID<digits>CalcAns.ini" in that folder.
std::optional<CalcFile> AnswerFileOf(std::string_view path);
inline bool IsAnswerFilePath(std::string_view path) { return AnswerFileOf(path).has_value(); }

// The four lines the script writes into the answer file, each ending in CR LF:
// "[CalcAns]", "Answer=" value or "error", "AnsMsg=成功:  " or "失敗:  " and the error's
// description (a script that does not compile reports a syntax error), "ID=" stamp.
std::string AnswerText(const Outcome& outcome, std::string_view stamp);

}  // namespace kelvo::wsh
