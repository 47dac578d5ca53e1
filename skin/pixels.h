#pragma once

#include <QImage>
#include <cstdint>

// Plain rectangle copies between 32-bit images and colour-key transparency. Every function
// clips to both images: what lies outside the source is not copied, so a sheet smaller than
// its cells leaves the destination as it was there.
namespace kelvo {

inline uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFFu; }

// Copies w x h pixels from (sx, sy) of src to (dx, dy) of dst. Both images are Format_RGB32.
void CopyRect(const QImage& src, int sx, int sy, int w, int h, QImage& dst, int dx, int dy);

void FillRect(QImage& dst, int x, int y, int w, int h, uint32_t rgb);

// Whether (x, y) lies inside the image.
inline bool HasPixel(const QImage& image, int x, int y) {
  return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

// The colour key of an image control: its bottom-left pixel.
uint32_t BottomLeftRgb(const QImage& image);

// The image as it is drawn over what lies beneath: the top visibleHeight rows (all rows when
// negative), fully transparent wherever a pixel has the colour of the image's bottom-left pixel.
QImage MakeKeyedImage(const QImage& image, int visibleHeight = -1);
// The same into `keyed`, reusing its memory when it already has the right size.
void MakeKeyedImage(const QImage& image, int visibleHeight, QImage& keyed);

// A Format_RGB32 image of the given size filled with one colour.
QImage SolidImage(int w, int h, uint32_t rgb);

}  // namespace kelvo
