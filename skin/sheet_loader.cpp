#include "sheet_loader.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace kelvo {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;   // the old OS/2 header: 16-bit width and height
constexpr int kInfoHeaderSize = 40;
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

uint32_t U16(const QByteArray& b, int at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}
uint32_t U32(const QByteArray& b, int at) { return U16(b, at) | U16(b, at + 2) << 16; }
int32_t I32(const QByteArray& b, int at) { return static_cast<int32_t>(U32(b, at)); }

}  // namespace

QString CheckBitmapHeader(const QByteArray& head, qint64 fileSize) {
  if (head.size() < kFileHeaderSize + kCoreHeaderSize || head[0] != 'B' || head[1] != 'M')
    return QStringLiteral("ビットマップ形式のファイルではありません。");
  if (fileSize > kMaxSheetFileBytes) return QStringLiteral("ファイルが大きすぎます。");
  const uint32_t pixelOffset = U32(head, 10);
  const uint32_t infoSize = U32(head, kFileHeaderSize);
  int64_t width = 0, height = 0;
  uint32_t bits = 0, compression = kRgb;
  if (infoSize == kCoreHeaderSize) {
    width = U16(head, 18);
    height = U16(head, 20);
    bits = U16(head, 24);
  } else if (infoSize >= kInfoHeaderSize && head.size() >= kFileHeaderSize + kInfoHeaderSize) {
    width = I32(head, 18);
    height = I32(head, 22);
    if (height < 0) height = -height;  // top-down rows
    bits = U16(head, 28);
    compression = U32(head, 30);
  } else {
    return QStringLiteral("ビットマップのヘッダーが読み取れません。");
  }
  if (width < 1 || height < 1 || width > kMaxSheetSide || height > kMaxSheetSide)
    return QStringLiteral("画像の大きさが 1～4096 ピクセルの範囲にありません。");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return QStringLiteral("対応していない色数です。");
  if (compression == kRgb || compression == kBitfields) {
    const int64_t stride = (width * bits + 31) / 32 * 4;
    if (static_cast<int64_t>(pixelOffset) + stride * height > fileSize)
      return QStringLiteral("ファイルが途中で切れています。");
  } else if (compression == kRle8 || compression == kRle4) {
    if (static_cast<int64_t>(pixelOffset) >= fileSize) return QStringLiteral("ファイルが途中で切れています。");
  } else {
    return QStringLiteral("対応していない圧縮形式です。");
  }
  return {};
}

QString UnreadableSkinFileMessage(const QString& path, const QString& reason) {
  QString message = QStringLiteral("スキンファイルを読み込めません。\n%1").arg(QDir::toNativeSeparators(path));
  if (!reason.isEmpty()) message += u'\n' + reason;
  return message;
}

QImage LoadSkinSheet(const QString& path, QString* error) {
  auto fail = [&](const QString& reason) {
    if (error != nullptr) *error = UnreadableSkinFileMessage(path, reason);
    return QImage();
  };
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
  const QString why = CheckBitmapHeader(file.read(kFileHeaderSize + 124), file.size());
  if (!why.isEmpty()) return fail(why);
  file.seek(0);
  QImageReader reader(&file, "bmp");
  reader.setAutoDetectImageFormat(false);  // only the bitmap decoder ever sees a skin file
  // The header check above already bounds the size; the decoder's own view must agree.
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxSheetSide || size.height() > kMaxSheetSide))
    return fail(QStringLiteral("画像の大きさが 1～4096 ピクセルの範囲にありません。"));
  QImage image = reader.read();
  if (image.isNull()) return fail(QStringLiteral("画像を読み込めません（%1）。").arg(reader.errorString()));
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace kelvo
