// Skin files that are missing, truncated, huge or not bitmaps at all: refused before decoding.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "pixels.h"
#include "sheet_loader.h"

namespace kelvo {
namespace {

QByteArray Le(uint32_t v, int bytes) {
  QByteArray b;
  for (int i = 0; i < bytes; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  return b;
}

// A bitmap with the given header values and `pixelBytes` bytes of pixels after it.
QByteArray Bitmap(int32_t width, int32_t height, int bits, int pixelBytes, uint32_t compression = 0) {
  QByteArray b = "BM" + Le(54 + pixelBytes, 4) + Le(0, 4) + Le(54, 4);
  b += Le(40, 4) + Le(static_cast<uint32_t>(width), 4) + Le(static_cast<uint32_t>(height), 4) + Le(1, 2) + Le(bits, 2);
  b += Le(compression, 4) + Le(pixelBytes, 4) + Le(2835, 4) + Le(2835, 4) + Le(0, 4) + Le(0, 4);
  return b + QByteArray(pixelBytes, '\x40');
}

QByteArray Saved(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

struct FileCase {
  const char* name;
  std::function<QByteArray()> content;
  bool readable;
  const char* reason;  // the line the message ends with
};

const char* const kNotBitmap = "ビットマップ形式のファイルではありません。";
const char* const kTruncated = "ファイルが途中で切れています。";
const char* const kSize = "画像の大きさが 1～4096 ピクセルの範囲にありません。";
const char* const kDepth = "対応していない色数です。";
const char* const kCompression = "対応していない圧縮形式です。";

TEST(HostileSkinFiles, AreRefusedAsUnreadableWithoutLargeAllocations) {
  const QImage picture = SolidImage(40, 30, 0x336699);
  const std::vector<FileCase> cases = {
      {"zero bytes", [] { return QByteArray(); }, false, kNotBitmap},
      {"text named .bmp", [] { return QByteArray("this is not a picture\r\n"); }, false, kNotBitmap},
      {"signature only", [] { return QByteArray("BM"); }, false, kNotBitmap},
      {"truncated", [&] { return Saved(picture).left(Saved(picture).size() / 2); }, false, kTruncated},
      {"100000 x 100000 header", [] { return Bitmap(100000, 100000, 24, 64); }, false, kSize},
      {"width over 4096", [] { return Bitmap(4097, 1, 24, 12292); }, false, kSize},
      {"height over 4096", [] { return Bitmap(1, 4097, 24, 4 * 4097); }, false, kSize},
      {"most negative height", [] { return Bitmap(10, INT32_MIN, 24, 64); }, false, kSize},
      {"zero width", [] { return Bitmap(0, 10, 24, 64); }, false, kSize},
      {"unknown depth", [] { return Bitmap(4, 4, 7, 64); }, false, kDepth},
      {"unknown compression", [] { return Bitmap(4, 4, 24, 64, 9); }, false, kCompression},
      {"24 bit", [&] { return Saved(picture); }, true, ""},
      {"8 bit", [&] { return Saved(picture.convertToFormat(QImage::Format_Indexed8)); }, true, ""},
      {"1 bit", [&] { return Saved(picture.convertToFormat(QImage::Format_Mono)); }, true, ""},
      {"top-down rows", [] { return Bitmap(4, -4, 24, 48); }, true, ""},
      {"4096 wide", [] { return Bitmap(4096, 1, 24, 4096 * 3); }, true, ""},
  };
  QTemporaryDir dir;
  for (const FileCase& c : cases) {
    const QString path = dir.filePath(QStringLiteral("imgBackPanel.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.content());
    file.close();
    QString error;
    const QImage sheet = LoadSkinSheet(path, &error);
    EXPECT_EQ(!sheet.isNull(), c.readable) << c.name;
    EXPECT_EQ(error.isEmpty(), c.readable) << c.name;
    if (c.readable) {
      EXPECT_EQ(sheet.format(), QImage::Format_RGB32) << c.name;
    } else {
      EXPECT_TRUE(error.startsWith(QStringLiteral("スキンファイルを読み込めません。\n"))) << c.name;
      EXPECT_TRUE(error.contains(QStringLiteral("imgBackPanel.bmp"))) << c.name;
      EXPECT_TRUE(error.endsWith(QString::fromUtf8(c.reason))) << c.name << ": " << error.toStdString();
    }
  }
}

TEST(HostileSkinFiles, AFileLongerThanTheLargestSheetIsRefused) {
  // The most a skin file download may bring is what the loader would take.
  const QByteArray head = Bitmap(4096, 4096, 32, 0);
  EXPECT_EQ(CheckBitmapHeader(head, kMaxSheetFileBytes), QString());
  EXPECT_EQ(CheckBitmapHeader(head, kMaxSheetFileBytes + 1), QStringLiteral("ファイルが大きすぎます。"));
  EXPECT_GE(kMaxSheetFileBytes, 54 + qint64{4096} * 4096 * 4);
}

TEST(HostileSkinFiles, AMissingFileIsUnreadableToo) {
  QString error;
  EXPECT_TRUE(LoadSkinSheet(QStringLiteral("/nonexistent/imgButtonUp.bmp"), &error).isNull());
  EXPECT_FALSE(error.isEmpty());
}

TEST(HostileSkinFiles, ColoursSurviveLoading) {
  QTemporaryDir dir;
  QImage picture = SolidImage(5, 3, 0x102030);
  picture.setPixel(0, 2, 0xFFFFFF00u);
  const QString path = dir.filePath(QStringLiteral("x.bmp"));
  ASSERT_TRUE(picture.save(path, "BMP"));
  const QImage sheet = LoadSkinSheet(path, nullptr);
  EXPECT_EQ(BottomLeftRgb(sheet), 0xFFFF00u);
  EXPECT_EQ(Rgb(sheet.pixel(4, 0)), 0x102030u);
}

}  // namespace
}  // namespace kelvo
