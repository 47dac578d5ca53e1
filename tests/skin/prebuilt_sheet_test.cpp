// The built-in sheets as the program carries them: the same pixels as the installed bitmaps, and
// bytes that are not a whole prebuilt sheet read as none.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "prebuilt_sheet.h"
#include "renderer.h"
#include "sheet_loader.h"
#include "skin_parts.h"

namespace kelvo {
namespace {

TEST(BuiltInSheets, EveryBuiltInSheetHasThePixelsOfItsInstalledBitmap) {
  Renderer renderer;
  ASSERT_TRUE(renderer.LoadBuiltInSheets());
  for (const SkinPartInfo& info : kSkinParts) {
    const std::string name(info.name);
    SCOPED_TRACE(name);
    const QImage installed =
        LoadSkinSheet(QStringLiteral(KELVO_TEMPLATE "/_sys/Default/") + QString::fromStdString(name) + ".bmp", nullptr);
    ASSERT_FALSE(installed.isNull());
    EXPECT_EQ(renderer.Sheet(info.part), installed);
    EXPECT_EQ(renderer.Sheet(info.part).size(), QSize(info.builtInWidth, info.builtInHeight));
  }
}

QImage Sample() {
  QImage image(5, 3, QImage::Format_RGB32);  // rows of 20 bytes
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 40, y * 80, 7));
  return image;
}

void SetField(QByteArray& bytes, int index, uint32_t value) { std::memcpy(bytes.data() + index * 4, &value, 4); }

struct BytesCase {
  const char* name;
  std::function<void(QByteArray&)> change;
  bool readable;
};

TEST(PrebuiltSheet, OnlyAWholeSheetIsRead) {
  const std::vector<BytesCase> cases = {
      {"whole", [](QByteArray&) {}, true},
      {"cut short", [](QByteArray& b) { b.chop(1); }, false},
      {"longer than its rows", [](QByteArray& b) { b.append('x'); }, false},
      {"header only", [](QByteArray& b) { b.truncate(16); }, false},
      {"less than a header", [](QByteArray& b) { b.truncate(15); }, false},
      {"another mark", [](QByteArray& b) { b[0] = 'X'; }, false},
      {"no width", [](QByteArray& b) { SetField(b, 1, 0); }, false},
      {"rows narrower than the width", [](QByteArray& b) { SetField(b, 3, 16); }, false},
      {"rows not whole pixels", [](QByteArray& b) { SetField(b, 3, 22); }, false},
      {"wider than any sheet", [](QByteArray& b) { SetField(b, 1, 5000); }, false},
  };
  for (const BytesCase& c : cases) {
    SCOPED_TRACE(c.name);
    QByteArray bytes = PrebuiltSheetBytes(Sample());
    c.change(bytes);
    const QImage sheet = SheetFromPrebuilt(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
    EXPECT_EQ(!sheet.isNull(), c.readable);
    if (c.readable) {
      EXPECT_EQ(sheet, Sample());
    }
  }
}

TEST(PrebuiltSheet, BytesAtAnOddAddressAreReadAsWell) {
  const QByteArray bytes = PrebuiltSheetBytes(Sample());
  QByteArray shifted = "x" + bytes;
  const QImage sheet = SheetFromPrebuilt(reinterpret_cast<const uchar*>(shifted.constData()) + 1, bytes.size());
  shifted.fill('\0');  // the sheet holds its own copy of rows that were not aligned
  EXPECT_EQ(sheet, Sample());
}

}  // namespace
}  // namespace kelvo
