#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text form of the paper tape, shared by the writer, the reader and the exports.
//
// The file is UTF-8, one line per tape line, LF line ends. Each calculation is a block:
//   [2026-12-07 15:44:41]      its date and time
//   12＋　                      tape lines: the figure, then a mark of exactly two characters
//   34＝　
//   46＊　
//                              an empty line closes the block
//   {round=1 decimals=5 ...}   how it was made, a record line that older readers skip
//                              (tape_records.h), and an empty line after it
// A block without its closing empty line was cut short while being written and is skipped
// (tape_blocks.h says exactly what is read as a block).
namespace tape {

// The longest tape line, in bytes, the reader accepts; the calculator's lines are far shorter.
inline constexpr std::size_t kMaxLineBytes = 200;
// Length of "[YYYY-MM-DD HH:MM:SS]".
inline constexpr std::size_t kStampLineBytes = 21;

// One whole calculation as written: the header line, the lines, the closing empty line, and its
// trailer line when it has one (tape_records.h), followed by an empty line of its own.
// `stamp` is "YYYY-MM-DD HH:MM:SS"; the lines carry no line ends.
std::string FormatBlock(std::string_view stamp, const std::vector<std::string>& lines, std::string_view trailer = {});

// The current local date and time as "YYYY-MM-DD HH:MM:SS".
std::string NowStamp();

// Whether `line` is a block header "[YYYY-MM-DD HH:MM:SS]" (digits where digits belong).
bool IsStampLine(std::string_view line);

// Whether a header's "YYYY-MM-DD HH:MM:SS" is a date and time that exist (month 1 to 12, a day
// of that month, 00:00:00 to 23:59:60). A block whose header is not is shown without a date.
bool IsRealStamp(std::string_view stamp);

// The date "YYYY-MM-DD" and the time "HH:MM:SS" of a stamp; empty for an empty stamp.
std::string_view StampDate(std::string_view stamp);
std::string_view StampTime(std::string_view stamp);

// Whether `line` can be a tape line: two characters (a mark alone) up to kMaxLineBytes bytes of valid UTF-8 without control
// characters that does not start with "[".
bool IsTapeLine(std::string_view line);

// A tape line split into its figure and its mark (the last two characters, trailing blanks and
// ideographic spaces removed).
struct SplitLine {
  std::string_view figure;
  std::string_view mark;
};
SplitLine Split(std::string_view line);

// The mark with its padding: what follows the figure in a line.
std::string_view MarkField(std::string_view line);

// A figure without its digit-group commas ("1,050" -> "1050").
std::string WithoutGrouping(std::string_view figure);

// The code points of a UTF-8 text; false when it is not valid UTF-8 (overlong forms, surrogates,
// values past U+10FFFF and sequences cut short included).
bool DecodeUtf8(std::string_view text, std::u32string& out);

}  // namespace tape
