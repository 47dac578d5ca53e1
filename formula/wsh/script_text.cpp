#include "script_text.h"

#include <algorithm>
#include <array>

namespace kelvo::wsh {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kPathPrefix = "strFileFullPath = \"";
constexpr std::string_view kExpressionPrefix = "strAns = ";
constexpr std::string_view kStampPrefix = "strID = \"";

// Lines 1 to 6 and 10 to 22, as they stand (trailing blanks included).
constexpr std::array<std::string_view, 6> kHead = {
    "On Error Resume Next ", "Dim fso, f1, Sc      ", "Dim strFileFullPath  ",
    "Dim strAns           ", "Dim strCalc          ", "Dim strMsg           "};
constexpr std::array<std::string_view, 13> kTail = {
    "If Err.Number <> 0 Then",
    "   strMsg = \"失敗:  \" & Err.Description ",
    "   strAns = \"error\"",
    "Else",
    "   strMsg = \"成功:  \"",
    "End If",
    "Set fso = CreateObject(\"Scripting.FileSystemObject\")",
    "Set f1 = fso.CreateTextFile(strFileFullPath, True)",
    "f1.WriteLine (\"[CalcAns]\")",
    "f1.WriteLine (\"Answer=\" & strAns) ",
    "f1.WriteLine (\"AnsMsg=\" & strMsg) ",
    "f1.WriteLine (\"ID=\" & strID) ",
    "f1.Close"};

std::string DoubleQuotes(std::string_view text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  return out;
}

// Reads a string literal body up to its closing quote; "" stands for one quote.
std::optional<std::string> UndoubleQuotes(std::string_view body) {
  std::string out;
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '"') {
      out += body[i];
      continue;
    }
    if (i + 1 >= body.size() || body[i + 1] != '"') return std::nullopt;
    out += '"';
    ++i;
  }
  return out;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::string BuildScript(std::string_view answerPath, std::string_view expression, std::uint32_t stamp) {
  std::string text;
  for (std::string_view line : kHead) text.append(kCrLf).append(line);
  text.append(kCrLf).append(kPathPrefix).append(DoubleQuotes(answerPath)).append("\"");
  text.append(kCrLf).append(kExpressionPrefix).append(expression);
  text.append(kCrLf).append(kStampPrefix).append(std::to_string(stamp)).append("\"");
  for (std::string_view line : kTail) text.append(kCrLf).append(line);
  return text;
}

std::optional<ScriptRequest> ParseScript(std::string_view text) {
  // Split at CR LF; the text must begin with one and hold exactly 22 lines after it.
  if (!StartsWith(text, kCrLf)) return std::nullopt;
  text.remove_prefix(kCrLf.size());
  std::array<std::string_view, 22> lines;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::size_t end = text.find(kCrLf);
    if ((end == std::string_view::npos) != (n + 1 == lines.size())) return std::nullopt;
    lines[n] = text.substr(0, end);
    if (end != std::string_view::npos) text.remove_prefix(end + kCrLf.size());
  }
  for (std::size_t n = 0; n < kHead.size(); ++n)
    if (lines[n] != kHead[n]) return std::nullopt;
  for (std::size_t n = 0; n < kTail.size(); ++n)
    if (lines[9 + n] != kTail[n]) return std::nullopt;
  for (std::string_view line : lines)
    if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;

  const std::string_view path = lines[6];
  if (!StartsWith(path, kPathPrefix) || path.size() < kPathPrefix.size() + 1 || path.back() != '"') return std::nullopt;
  std::optional<std::string> answerPath = UndoubleQuotes(path.substr(kPathPrefix.size(), path.size() - kPathPrefix.size() - 1));
  if (!answerPath) return std::nullopt;

  const std::string_view stampLine = lines[8];
  if (!StartsWith(stampLine, kStampPrefix) || stampLine.back() != '"') return std::nullopt;
  const std::string_view stamp = stampLine.substr(kStampPrefix.size(), stampLine.size() - kStampPrefix.size() - 1);
  if (!AllDigits(stamp) || stamp.size() > 10) return std::nullopt;

  if (!StartsWith(lines[7], kExpressionPrefix)) return std::nullopt;
  return ScriptRequest{*answerPath, std::string(lines[7].substr(kExpressionPrefix.size())), std::string(stamp)};
}

std::optional<CalcFile> CalcFileOf(std::string_view path) {
  constexpr std::string_view kFolder = "/KelvoFiles/_sys/Calc/";
  if (path.empty() || path.front() != '/') return std::nullopt;
  for (const char c : path)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
  // Every part between slashes: none empty, none "." or "..".
  for (std::size_t start = 1; start <= path.size();) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return std::nullopt;
    start = end + 1;
  }
  const std::size_t slash = path.rfind('/');
  if (slash + 1 < kFolder.size() || path.substr(slash + 1 - kFolder.size(), kFolder.size()) != kFolder)
    return std::nullopt;
  const std::size_t dataEnd = slash + 1 - kFolder.size() + std::string_view("/KelvoFiles").size();
  return CalcFile{std::string(path.substr(0, dataEnd)), std::string(path.substr(slash + 1))};
}

std::optional<CalcFile> AnswerFileOf(std::string_view path) {
  constexpr std::string_view kName = "CalcAns.ini";
  std::optional<CalcFile> file = CalcFileOf(path);
  if (!file) return std::nullopt;
  const std::string_view name = file->name;
  if (name == kName) return file;
  if (!StartsWith(name, "PID") || name.size() <= 3 + kName.size() || name.substr(name.size() - kName.size()) != kName)
    return std::nullopt;
  if (!AllDigits(name.substr(3, name.size() - 3 - kName.size()))) return std::nullopt;
  return file;
}

std::string AnswerText(const Outcome& outcome, std::string_view stamp) {
  std::string answer = "error";
  std::string message = "失敗:  ";
  switch (outcome.kind) {
    case Outcome::Value:
      answer = ToText(outcome.value);
      message = "成功:  ";
      break;
    case Outcome::RuntimeError: message += ErrorDescription(outcome.error); break;
    case Outcome::SyntaxError: message += kSyntaxErrorDescription; break;
  }
  std::string text = "[CalcAns]\r\n";
  text.append("Answer=").append(answer).append(kCrLf);
  text.append("AnsMsg=").append(message).append(kCrLf);
  text.append("ID=").append(stamp).append(kCrLf);
  return text;
}

}  // namespace kelvo::wsh
