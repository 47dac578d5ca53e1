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
// The file is held in that written form, so memory stays near the size of the file even for
// huge files of tiny lines. A file that exists but cannot be read (or is larger than
// kMaxFileBytes) reads as empty and is never overwritten: Flush reports it instead.
class IniFile {
 public:
  static constexpr std::size_t kMaxFileBytes = 64u << 20;

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
  // never split into lines of its own.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteReal(std::string_view section, std::string_view key, double value);

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

  std::string path_;
  std::string text_;
  bool unreadable_ = false;
};

}  // namespace kelvo
