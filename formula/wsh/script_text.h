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

// Is the path an answer file of this program: ".../KelvoFiles/_sys/Calc/CalcAns.ini" or a child
// instance's ".../PID<digits>CalcAns.ini" in that folder?
bool IsAnswerFilePath(std::string_view path);

// The four lines the script writes into the answer file, each ending in CR LF:
// "[CalcAns]", "Answer=" value or "error", "AnsMsg=成功:  " or "失敗:  " and the error's
// description (a script that does not compile reports a syntax error), "ID=" stamp.
std::string AnswerText(const Outcome& outcome, std::string_view stamp);

}  // namespace kelvo::wsh
