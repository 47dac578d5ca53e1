#include "tape_records.h"

#include <charconv>
#include <cmath>
#include <string>

#include "tape_format.h"

namespace tape {
namespace {

constexpr std::string_view kNotePrefix = "{note ";
constexpr int kMostBack = 999999;

bool Refused(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) ||  // control characters
         c == 0x2028 || c == 0x2029 ||             // line and paragraph separators
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);  // direction embeddings and isolates
}

std::optional<int> Integer(std::string_view text, int lowest, int highest) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || text.front() == '+') return std::nullopt;
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<double> Rate(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value < 0 || value > 1)
    return std::nullopt;
  return value;
}

std::string RateText(double rate) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, rate);  // the shortest text that reads back as `rate`
  return std::string(text, result.ptr);
}

bool IsStamp(std::string_view stamp) { return IsStampLine("[" + std::string(stamp) + "]"); }

}  // namespace

bool IsRecordLine(std::string_view line) {
  if (line.size() < 2 || line.size() > kMaxRecordBytes || line.front() != '{' || line.back() != '}') return false;
  std::u32string characters;
  if (!DecodeUtf8(line, characters)) return false;
  for (const char32_t c : characters)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

bool IsTrailerLine(std::string_view line) { return IsRecordLine(line) && !line.starts_with(kNotePrefix); }

std::string FormatTrailer(const Trailer& trailer) {
  std::string line = "{";
  if (const auto& s = trailer.settings) {
    line += "round=" + std::to_string(s->round) + " decimals=" + std::to_string(s->decimals) +
            " percent=" + std::to_string(s->percent) + " rate=" + RateText(s->rate) +
            " reduced=" + (s->reduced ? "1" : "0");
  }
  if (trailer.corrects > 0) line += (line.size() > 1 ? " corrects=" : "corrects=") + std::to_string(trailer.corrects);
  return line + "}";
}

Trailer ParseTrailer(std::string_view line) {
  Trailer trailer;
  if (!IsTrailerLine(line)) return trailer;
  std::string_view fields = line.substr(1, line.size() - 2);
  std::optional<int> round, decimals, percent, reduced;
  std::optional<double> rate;
  while (!fields.empty()) {
    const std::size_t space = fields.find(' ');
    const std::string_view field = fields.substr(0, space);
    fields = space == std::string_view::npos ? std::string_view() : fields.substr(space + 1);
    const std::size_t equals = field.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = field.substr(0, equals), value = field.substr(equals + 1);
    if (key == "round") round = Integer(value, 1, 4);
    if (key == "decimals") decimals = value == "-9" ? std::optional<int>(-9) : Integer(value, 0, 5);
    if (key == "percent") percent = Integer(value, 1, 2);
    if (key == "rate") rate = Rate(value);
    if (key == "reduced") reduced = Integer(value, 0, 1);
    if (key == "corrects") trailer.corrects = Integer(value, 1, kMostBack).value_or(0);
  }
  if (round && decimals && percent && rate && reduced) trailer.settings = CalcSettings{*round, *decimals, *percent, *rate, *reduced == 1};
  return trailer;
}

std::string CorrectionLine(std::string_view stamp) { return std::string(stamp) + std::string(kCorrectionMark); }

std::optional<std::string_view> CorrectedStamp(std::string_view line) {
  if (!line.ends_with(kCorrectionMark)) return std::nullopt;
  const std::string_view stamp = line.substr(0, line.size() - kCorrectionMark.size());
  if (!IsStamp(stamp)) return std::nullopt;
  return stamp;
}

bool IsNoteText(std::string_view text) {
  std::u32string characters;
  if (!DecodeUtf8(text, characters) || characters.size() > kMaxNoteChars) return false;
  for (const char32_t c : characters)
    if (Refused(c)) return false;
  return true;
}

std::string FormatNoteRecord(std::string_view stamp, int back, std::string_view note) {
  if (!IsStamp(stamp) || back < 1 || back > kMostBack || !IsNoteText(note)) return {};
  return std::string(kNotePrefix) + std::string(stamp) + " " + std::to_string(back) + " " + std::string(note) + "}";
}

std::optional<NoteRecord> ParseNoteRecord(std::string_view line) {
  if (!IsRecordLine(line) || !line.starts_with(kNotePrefix)) return std::nullopt;
  std::string_view rest = line.substr(kNotePrefix.size(), line.size() - kNotePrefix.size() - 1);
  constexpr std::size_t kStampBytes = 19;
  if (rest.size() < kStampBytes + 2 || rest[kStampBytes] != ' ') return std::nullopt;
  NoteRecord record;
  record.stamp = rest.substr(0, kStampBytes);
  rest.remove_prefix(kStampBytes + 1);
  const std::size_t space = rest.find(' ');
  const std::optional<int> back = Integer(rest.substr(0, space), 1, kMostBack);
  if (!IsStamp(record.stamp) || !back) return std::nullopt;
  record.back = *back;
  record.note = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
  if (!IsNoteText(record.note)) return std::nullopt;
  return record;
}

}  // namespace tape
