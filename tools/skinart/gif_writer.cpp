#include "gif_writer.h"

#include <gif_lib.h>

#include <QFile>

#include <algorithm>
#include <cstring>

namespace skinart {
namespace {

// The bounding box of the pixels that differ between two images of one size.
QRect ChangedRect(const QImage& a, const QImage& b) {
  int left = a.width(), top = a.height(), right = -1, bottom = -1;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  if (right < 0) return QRect(0, 0, 1, 1);  // nothing changed: a one-pixel frame keeps the delay
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool PutLoopForever(GifFileType* gif) {
  static const char kNetscape[] = "NETSCAPE2.0";
  const unsigned char loop[3] = {1, 0, 0};  // sub-block 1, loop count 0: forever
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, kNetscape) == GIF_OK && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrame(GifFileType* gif, const QImage& image, QRect box, int delay) {
  const int w = box.width(), h = box.height();
  std::vector<GifByteType> r(static_cast<size_t>(w * h)), g(r.size()), b(r.size()), index(r.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const QRgb c = image.pixel(box.x() + x, box.y() + y);
      const size_t i = static_cast<size_t>(y * w + x);
      r[i] = static_cast<GifByteType>(qRed(c)), g[i] = static_cast<GifByteType>(qGreen(c)), b[i] = static_cast<GifByteType>(qBlue(c));
    }
  int colours = 256;
  GifColorType palette[256];
  std::memset(palette, 0, sizeof palette);
  if (GifQuantizeBuffer(static_cast<unsigned>(w), static_cast<unsigned>(h), &colours, r.data(), g.data(), b.data(),
                        index.data(), palette) != GIF_OK)
    return false;
  ColorMapObject* map = GifMakeMapObject(256, palette);
  GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  bool ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
            EGifPutImageDesc(gif, box.x(), box.y(), w, h, false, map) == GIF_OK;
  for (int y = 0; ok && y < h; ++y) ok = EGifPutLine(gif, index.data() + y * w, w) == GIF_OK;
  GifFreeMapObject(map);
  return ok;
}

}  // namespace

bool WriteGif(const QString& path, const std::vector<GifFrame>& frames) {
  if (frames.empty()) return false;
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
  if (gif == nullptr) return false;
  EGifSetGifVersion(gif, true);
  const QImage first = frames.front().image.convertToFormat(QImage::Format_RGB32);
  bool ok = EGifPutScreenDesc(gif, first.width(), first.height(), 8, 0, nullptr) == GIF_OK;
  if (ok && frames.size() > 1) ok = PutLoopForever(gif);
  QImage previous;
  for (const GifFrame& frame : frames) {
    if (!ok) break;
    const QImage image = frame.image.convertToFormat(QImage::Format_RGB32);
    const QRect box = previous.isNull() ? image.rect() : ChangedRect(previous, image);
    ok = PutFrame(gif, image, box, frame.delayCentiseconds);
    previous = image;
  }
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  // giflib creates the file for its owner only; a picture is for everyone to read.
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  return ok;
}

}  // namespace skinart
