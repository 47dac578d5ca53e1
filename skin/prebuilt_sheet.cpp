#include "prebuilt_sheet.h"

#include <cstdint>
#include <cstring>

#include "sheet_loader.h"

namespace kelvo {
namespace {

constexpr uint32_t kMark = 0x4B534831;  // "KSH1" read as a number: a wrong byte order fails it
constexpr qsizetype kHeaderSize = 16;

uint32_t Field(const uchar* data, int index) {
  uint32_t value = 0;
  std::memcpy(&value, data + index * 4, sizeof value);
  return value;
}

}  // namespace

QByteArray PrebuiltSheetBytes(const QImage& sheet) {
  const QImage rgb = sheet.convertToFormat(QImage::Format_RGB32);
  const uint32_t header[4] = {kMark, static_cast<uint32_t>(rgb.width()), static_cast<uint32_t>(rgb.height()),
                              static_cast<uint32_t>(rgb.bytesPerLine())};
  QByteArray bytes(reinterpret_cast<const char*>(header), kHeaderSize);
  bytes.append(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
  return bytes;
}

QImage SheetFromPrebuilt(const uchar* data, qsizetype size) {
  if (data == nullptr || size < kHeaderSize || Field(data, 0) != kMark) return {};
  const uint32_t width = Field(data, 1), height = Field(data, 2), bytesPerLine = Field(data, 3);
  if (width < 1 || height < 1 || width > kMaxSheetSide || height > kMaxSheetSide || bytesPerLine < width * 4 ||
      bytesPerLine % 4 != 0 || size - kHeaderSize != qsizetype{bytesPerLine} * height)
    return {};
  const uchar* pixels = data + kHeaderSize;
  const QImage view(pixels, static_cast<int>(width), static_cast<int>(height), static_cast<qsizetype>(bytesPerLine),
                    QImage::Format_RGB32);
  // Rows that are not aligned for 32-bit reads are copied once.
  return reinterpret_cast<std::uintptr_t>(pixels) % 4 == 0 ? view : view.copy();
}

}  // namespace kelvo
