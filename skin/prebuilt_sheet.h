#pragma once

#include <QByteArray>
#include <QImage>

// The built-in sheets are compiled in already decoded, as the renderer keeps them (Format_RGB32),
// so that the start neither unpacks nor decodes them and a sheet's pixels are read from the
// program file only where they are drawn. The build turns each bitmap into this form.
namespace kelvo {

// A 16-byte header (a mark, the width, the height and the bytes per row, each a 32-bit number in
// the machine's order) and the rows.
QByteArray PrebuiltSheetBytes(const QImage& sheet);

// The sheet held in `data`, which must outlive it; pixels are not copied when `data` is aligned
// for 32-bit reads. A null image when the bytes are not a whole prebuilt sheet.
QImage SheetFromPrebuilt(const uchar* data, qsizetype size);

}  // namespace kelvo
