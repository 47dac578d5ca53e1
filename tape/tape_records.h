#pragma once

#include <optional>
#include <string>
#include <string_view>

// The record lines of the tape file: one line in braces between calculations, which a reader that
// does not know them skips like any other line outside a calculation.
//
// A calculation's trailer follows its closing empty line and says how it was made:
//   {round=2 decimals=0 percent=1 rate=0.1 reduced=0}
// and, for a correction, which calculation it corrects (" corrects=1", see below). A note record
// is appended whenever a note is set, changed or removed, wherever the tape then ends:
//   {note 2026-12-07 15:44:41 1 交通費}
// Both refer to a calculation by the time of its header and a count: the n-th calculation before
// the record with that header (1 the nearest), so that calculations made in the same second stay
// apart, and neither a trim (which drops the oldest calculations) nor later appends change what a
// record refers to. Each record is followed by an empty line, so that an append after it sees a
// tape that ends whole.
namespace tape {

// The longest record line, in bytes, a reader takes.
inline constexpr std::size_t kMaxRecordBytes = 1024;
// The longest note, in characters.
inline constexpr std::size_t kMaxNoteChars = 100;

// The settings a calculation was made with.
struct CalcSettings {
  int round = 1;        // 1 F, 2 Cut, 3 Up, 4 5/4
  int decimals = 5;     // 0..5 places, -9 F
  int percent = 1;      // the percent convention, 1 or 2
  double rate = 0.10;   // the tax rate used, a fraction from 0 to 1
  bool reduced = false;  // that rate is the reduced one
  bool operator==(const CalcSettings&) const = default;
};

struct Trailer {
  std::optional<CalcSettings> settings;  // none when a field is missing or out of range
  // A correction: the count of the calculation it corrects among those before it with the time
  // its first line names (CorrectionLine). 0 for any other calculation.
  int corrects = 0;
};

// Whether `line` is a record line: "{...}", valid UTF-8 without control characters, at most
// kMaxRecordBytes long.
bool IsRecordLine(std::string_view line);

// Whether a record line is a trailer (any record but a note record).
bool IsTrailerLine(std::string_view line);

// The trailer line (without its line end). Fields a reader does not know are skipped, so that
// more can be added.
std::string FormatTrailer(const Trailer& trailer);
Trailer ParseTrailer(std::string_view line);

// The first line of a correction: the time of the calculation corrected and the mark 訂正
// ("2026-12-07 15:44:41訂正"), so that the tape says what it is even to a reader that skips the
// trailer. The stamp such a line names; nothing for any other line.
inline constexpr std::string_view kCorrectionMark = "訂正";
std::string CorrectionLine(std::string_view stamp);
std::optional<std::string_view> CorrectedStamp(std::string_view line);

// Whether a note can be kept in the file as it is: valid UTF-8 of at most kMaxNoteChars
// characters on one line, without control characters, line or paragraph separators or the
// characters that turn the direction of the text around it. The empty note removes one.
bool IsNoteText(std::string_view text);

struct NoteRecord {
  std::string_view stamp;  // "YYYY-MM-DD HH:MM:SS" of the calculation's header
  int back = 1;            // the n-th calculation before the record with that header
  std::string_view note;   // empty: the note was removed
};

// The note record line (without its line end); empty when the note is no IsNoteText or the
// reference is malformed.
std::string FormatNoteRecord(std::string_view stamp, int back, std::string_view note);
std::optional<NoteRecord> ParseNoteRecord(std::string_view line);

}  // namespace tape
