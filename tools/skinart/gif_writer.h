#pragma once

#include <QImage>
#include <QString>
#include <vector>

// Writes GIF pictures (Qt reads them but cannot write them), through giflib.
namespace skinart {

struct GifFrame {
  QImage image;
  int delayCentiseconds = 0;
};

// One frame is a still picture; several play as an endless loop. Frames after the first store
// only the rectangle that changed. All frames must have the size of the first.
bool WriteGif(const QString& path, const std::vector<GifFrame>& frames);

}  // namespace skinart
