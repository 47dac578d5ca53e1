#include "ini_file.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "file_path.h"
#include "number_text.h"

namespace kelvo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSectionEnd = "\r\n\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Blanks are spaces and every control character, as in the files this program has always read.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool IsSectionLine(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// Names and values are kept on one line: a line break inside them becomes a space.
std::string OneLine(std::string_view text) {
  std::string line(Trim(text));
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return std::string(Trim(line));
}

FlushResult FlushFailure(const std::string& path, const QString& reason) {
  return {false, "設定ファイルを保存できませんでした。\n" + path + "\n" + reason.toStdString()};
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) { Load(); }

void IniFile::Load() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path file = FilePath(path_);
  const fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) return;  // a missing file reads as empty
  // Anything else that is not a plain file (a folder, a pipe that would block) is not read.
  if (error || status.type() != fs::file_type::regular) {
    unreadable_ = true;
    return;
  }
  const std::uintmax_t size = fs::file_size(file, error);
  if (error || size > kMaxFileBytes) {
    unreadable_ = true;
    return;
  }
  std::ifstream in(file, std::ios::binary);
  std::string content(static_cast<std::size_t>(size), '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  if (!in.is_open() || in.bad()) {
    unreadable_ = true;
    return;
  }
  content.resize(static_cast<std::size_t>(in.gcount()));  // the file may have shrunk meanwhile
  Parse(content);
}

void IniFile::Parse(std::string_view content) {
  if (content.starts_with(kUtf8Bom)) content.remove_prefix(kUtf8Bom.size());
  text_.reserve(content.size() + 2);
  bool inSection = false;
  while (!content.empty()) {
    const std::size_t end = std::min(content.find_first_of("\r\n"), content.size());
    const std::string_view line = Trim(content.substr(0, end));
    content.remove_prefix(std::min(end + 1, content.size()));
    if (line.empty() || line.front() == ';') continue;
    if ((inSection || IsSectionLine(line)) && ++lines_ > kMaxLines) {
      text_.clear();
      lines_ = 0;
      unreadable_ = true;
      return;
    }
    if (IsSectionLine(line)) {
      if (inSection) text_ += kLineEnd;
      text_ += '[';
      text_ += Trim(line.substr(1, line.size() - 2));
      text_ += ']';
      inSection = true;
    } else if (!inSection) {
      continue;
    } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
      text_ += Trim(line.substr(0, eq));
      text_ += '=';
      text_ += Trim(line.substr(eq + 1));
    } else {
      text_ += line;
    }
    text_ += kLineEnd;
  }
  if (inSection) text_ += kLineEnd;
}

// text_ is a row of sections, each "[name]" CR LF, its lines (never empty) each ending in CR LF,
// and one empty line; so a section's body ends at the first empty line after its name.
std::optional<IniFile::Span> IniFile::FindSectionBody(std::string_view section) const {
  const std::string_view wanted = Trim(section);
  if (found_ && SameName(found_->name, wanted)) return found_->body;
  std::size_t pos = 0;
  while (pos < text_.size()) {
    const std::size_t nameEnd = text_.find(kLineEnd, pos);
    const std::size_t separator = text_.find(kSectionEnd, nameEnd);
    const std::string_view header = std::string_view(text_).substr(pos, nameEnd - pos);
    if (SameName(header.substr(1, header.size() - 2), wanted)) {
      found_ = FoundSection{std::string(wanted), Span{nameEnd + kLineEnd.size(), separator + kLineEnd.size()}};
      return found_->body;
    }
    pos = separator + kSectionEnd.size();
  }
  return std::nullopt;
}

void IniFile::Edited(std::size_t at, std::ptrdiff_t delta) {
  if (!found_) return;
  Span& body = found_->body;
  if (body.begin > at) body.begin = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(body.begin) + delta);
  if (body.end >= at) body.end = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(body.end) + delta);
}

bool IniFile::CanHoldNames(std::string_view section, std::string_view key) {
  auto hasControl = [](std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < ' ' || c == 0x7F; });
  };
  const std::string_view name = Trim(key);
  if (hasControl(section) || hasControl(key)) return false;
  return name.find('=') == std::string_view::npos && !name.starts_with(';') && !name.starts_with('[');
}

std::optional<IniFile::Span> IniFile::FindKeyLine(Span body, std::string_view key) const {
  const std::string_view wanted = Trim(key);
  std::size_t pos = body.begin;
  while (pos < body.end) {
    const std::size_t lineEnd = text_.find(kLineEnd, pos);
    const std::string_view line = std::string_view(text_).substr(pos, lineEnd - pos);
    const std::size_t eq = line.find('=');
    if (eq != std::string_view::npos && SameName(line.substr(0, eq), wanted)) return Span{pos, lineEnd};
    pos = lineEnd + kLineEnd.size();
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
  const auto body = FindSectionBody(section);
  if (!body) return std::nullopt;
  const auto line = FindKeyLine(*body, key);
  if (!line) return std::nullopt;
  const std::size_t eq = text_.find('=', line->begin);
  return text_.substr(eq + 1, line->end - eq - 1);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  auto value = Read(section, key);
  return value ? *value : std::string(fallback);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
  const auto value = Read(section, key);
  if (!value) return fallback;
  return ParseIntegerText(*value).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double IniFile::ReadReal(std::string_view section, std::string_view key, double fallback) const {
  const auto value = Read(section, key);
  if (!value) return fallback;
  return ParseDecimalNumber(*value).value_or(fallback);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!CanHoldNames(section, key)) return false;
  const std::string name(Trim(key));
  const std::string text = OneLine(value);
  const auto body = FindSectionBody(section);
  if (!body) {
    text_ += "[" + std::string(Trim(section)) + "]\r\n" + name + "=" + text + "\r\n\r\n";
    lines_ += 2;
    return true;
  }
  if (const auto line = FindKeyLine(*body, name)) {
    const std::size_t valueBegin = text_.find('=', line->begin) + 1;
    text_.replace(valueBegin, line->end - valueBegin, text);
    Edited(valueBegin, static_cast<std::ptrdiff_t>(text.size()) - static_cast<std::ptrdiff_t>(line->end - valueBegin));
    return true;
  }
  const std::string added = name + "=" + text + "\r\n";
  text_.insert(body->end, added);
  Edited(body->end, static_cast<std::ptrdiff_t>(added.size()));
  ++lines_;
  return true;
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::WriteReal(std::string_view section, std::string_view key, double value) {
  return WriteString(section, key, FormatReal(value));
}

FlushResult IniFile::Flush() const {
  if (unreadable_) return FlushFailure(path_, "元のファイルを読み込めなかったため、上書きしません。");
  // What the reader would refuse is never written: the next start would lose every setting.
  if (text_.size() > kMaxFileBytes || lines_ > kMaxLines)
    return FlushFailure(path_, "設定ファイルが大きくなりすぎるため、保存しません。");
  QSaveFile file(QString::fromStdString(path_));
  // In a folder where no file may be made beside it, a writable file is written in place.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return FlushFailure(path_, file.errorString());
  const auto size = static_cast<qint64>(text_.size());
  if (file.write(text_.data(), size) != size) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return FlushFailure(path_, reason);
  }
  if (!file.commit()) return FlushFailure(path_, file.errorString());
  return {};
}

}  // namespace kelvo
