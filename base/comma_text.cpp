#include "comma_text.h"

namespace kelvo {
namespace {

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::vector<std::string> SplitCommaText(std::string_view line) {
  const size_t end = std::min(line.find('\0'), line.size());
  line = line.substr(0, end);
  std::vector<std::string> fields;
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < line.size() && IsBlank(line[i])) ++i;
  };
  skipBlanks();
  while (i < line.size()) {
    std::string field;
    if (line[i] == '"') {
      ++i;
      while (i < line.size()) {
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;  // the closing quote
          break;
        }
        field += line[i++];
      }
    } else {
      const size_t start = i;
      while (i < line.size() && !IsBlank(line[i]) && line[i] != ',') ++i;
      field.assign(line.substr(start, i - start));
    }
    fields.push_back(std::move(field));
    skipBlanks();
    if (i < line.size() && line[i] == ',') {
      if (i + 1 == line.size()) fields.emplace_back();  // a trailing comma: one more, empty field
      ++i;
      skipBlanks();
    }
  }
  return fields;
}

std::vector<std::string_view> SplitLines(std::string_view text, size_t maxLines) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size() && lines.size() < maxLines; ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size() && lines.size() < maxLines) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace kelvo
