// Skin bitmaps: anything named .bmp is either a sheet of a sane size or refused with a reason.
#include <cstdlib>

#include "fuzz_file.h"
#include "sheet_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString path = QString::fromStdString(WriteFuzzFile(data, size, ".bmp"));
  QString error;
  const QImage sheet = kelvo::LoadSkinSheet(path, &error);
  if (sheet.isNull() == error.isEmpty()) std::abort();
  if (!sheet.isNull() && (sheet.width() > kelvo::kMaxSheetSide || sheet.height() > kelvo::kMaxSheetSide)) std::abort();
  return 0;
}
