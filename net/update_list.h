#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The update list AppVer.csv of the download server: the latest version and its installer.
namespace kelvo {

// Lines are read as comma lists; only the first field of a line counts. Its first five
// characters are the tag, the rest is the value: "[Ver]2.10.02". Lines with other tags are
// ignored; a tag on several lines takes the value of the last one.
struct UpdateList {
  QString version;   // [Ver] the latest version
  QString url;       // [Url] where the installer is, absolute or relative to the list
  QString fileName;  // [Fil] the installer's name: fetched as "<name>.new" in the program folder, then Update.exe
  QString host;      // [Hos] a short description of the server
  QString sha256;    // [Sha] the installer's SHA-256 in hexadecimal; empty: not checked

  // There may be an installer to fetch: [Fil] is a plain file name (see IsPlainFileName). Whether
  // the name is free in the program folder is IsFreeInstallerName (installer.h).
  bool HasInstaller() const;
};

// The program folder's copy of the list, and what is read of it at most (so also the most a
// download of the list may bring).
inline constexpr const char* kUpdateListFile = "KelvoFiles/_sys/AppVer.csv";
inline constexpr qint64 kMaxUpdateListBytes = 1 << 20;

UpdateList ParseUpdateList(const QByteArray& content);
// The value of the first "[Ver]" line, or nothing when no line has that tag.
std::optional<QString> FirstListedVersion(const QByteArray& content);
// The first kMaxUpdateListBytes of a file; a missing file reads as empty.
QByteArray ReadUpdateListFile(const QString& path);

// Is the listed version newer than the current one? Versions of digits and dots (none of them
// empty) compare number by number, a missing number counting as 0, so "2.10.01" is newer than
// "2.9.00". Any other texts compare character by character, a text that extends another being
// the greater.
bool IsNewerVersion(const QString& listed, const QString& current);

// A name that stays in the folder it is put in: not empty, no "/", "\", "..", leading dot or
// control character.
bool IsPlainFileName(const QString& name);

// The installer's address: [Url] as it stands when absolute, else taken relative to the list's.
QString InstallerUrl(const QString& listUrl, const QString& url);

// Does the file's SHA-256 equal `hex` (either letter case)? False for a missing file.
bool Sha256Matches(const QString& path, const QString& hex);

}  // namespace kelvo
