#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

// What a flush reports. On failure `message` is a text for the user (the caller shows it in a
// message box captioned "Kelvo"); the file on disk is then exactly as it was before.
struct FlushResult {
  bool ok = true;
  std::string message;
  explicit operator bool() const { return ok; }
};

// A settings file held in memory: the whole file is read when the object is made, changed in
// memory and written back whole by Flush.
//
// The text format: lines end in CR LF, CR or LF and are trimmed; empty lines, lines starting
// with ";" and lines before the first section are dropped; "[name]" opens a section; any other
// line is split at its first "=" into a trimmed key and value, or kept as it stands when it has
// no "=". Names are compared without regard to letter case, and the first of two equal
// sections or keys is the one that is read and changed. Flush writes each section as "[name]",
// its lines, and an empty line, with CR LF line ends.
//
// The file is held in that written form, so memory stays near the size of the file. A file that
// exists but cannot be read, is larger than kMaxFileBytes or holds more than kMaxLines lines (no
// settings file comes near either; such a file is damaged or was made to hurt) reads as empty
// and is never overwritten: Flush reports it instead. Flush also refuses to write a file the
// reader would refuse.
class IniFile {
 public:
  static constexpr std::size_t kMaxFileBytes = 64u << 20;
  static constexpr std::size_t kMaxLines = 100000;

  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }
  // The file exists but could not be read; every value takes its default.
  bool Unreadable() const { return unreadable_; }

  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // Decimal or "0x" hexadecimal; anything else (an empty value included) gives the fallback.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
  // An integer read with the fallback 1 or 0; any non-zero number is true.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  double ReadReal(std::string_view section, std::string_view key, double fallback) const;

  // Changes the first matching key, or appends the key at the end of its section, or appends
  // the section at the end of the file. Line breaks in the value become spaces, so a value can
  // never split into lines of its own. A name the file could not give back as written is
  // refused and nothing changes (see CanHoldNames); the result tells.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);
  bool WriteReal(std::string_view section, std::string_view key, double value);

  // Whether a section and key can be written and found again: no control characters in either,
  // and a key that holds no "=" and starts with neither ";" nor "[" (it would read back as a
  // comment or a section).
  static bool CanHoldNames(std::string_view section, std::string_view key);

  // Writes the whole file through a temporary file beside it that then replaces it, so the
  // file on disk is always either the old one or the new one.
  FlushResult Flush() const;

  // The file as Flush writes it.
  const std::string& Text() const { return text_; }

 private:
  struct Span {
    std::size_t begin;
    std::size_t end;
  };
  void Load();
  void Parse(std::string_view content);
  std::optional<Span> FindSectionBody(std::string_view section) const;
  std::optional<Span> FindKeyLine(Span body, std::string_view key) const;
  // The text changed at `at` by `delta` bytes: the remembered section moves with it.
  void Edited(std::size_t at, std::ptrdiff_t delta);

  std::string path_;
  std::string text_;
  std::size_t lines_ = 0;  // section and key lines of text_
  bool unreadable_ = false;

  // The section found last, so that reading many keys of one section walks the file once.
  struct FoundSection {
    std::string name;
    Span body;
  };
  mutable std::optional<FoundSection> found_;
};

}  // namespace kelvo
