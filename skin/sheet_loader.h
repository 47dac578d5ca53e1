#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reading skin sheets from files that may be missing, truncated, huge or not bitmaps at all.
namespace kelvo {

// No sheet may be wider or higher than this; a larger one is unreadable.
inline constexpr int kMaxSheetSide = 4096;
// Nor may its file be longer than the largest sheet needs (4096 x 4096 pixels of 32 bits, with
// room for the headers and a palette): the most a skin file download may bring.
inline constexpr qint64 kMaxSheetFileBytes = qint64{kMaxSheetSide} * kMaxSheetSide * 4 + 64 * 1024;

// Checks the headers of a Windows bitmap before anything is decoded: the signature, a size of
// 1..kMaxSheetSide in both directions, a known bit depth, a file of at most kMaxSheetFileBytes
// and (for uncompressed pixels) one long enough to hold every row. Returns an empty text when the file may be decoded, else why not
// (a sentence for the user).
QString CheckBitmapHeader(const QByteArray& head, qint64 fileSize);

// Loads a bitmap file as a Format_RGB32 sheet. On failure returns a null image and puts the
// message for the user into *error.
QImage LoadSkinSheet(const QString& path, QString* error);

// The message shown for a skin file that exists but cannot be read, with the reason on its own line.
QString UnreadableSkinFileMessage(const QString& path, const QString& reason);

}  // namespace kelvo
