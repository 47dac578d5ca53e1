#pragma once

#include <QImage>
#include <QPainterPath>
#include <vector>

// Small drawing helpers shared by the sheets.
namespace skinart {

QImage Solid(int w, int h, QRgb rgb);
void Fill(QImage& image, int x, int y, int w, int h, QRgb rgb);

// Cuts a picture drawn `scale` times larger into whole pixels: a pixel is ink when at least
// `fraction` of it is covered. Returns one flag per pixel, row by row.
std::vector<bool> Threshold(const QImage& big, int scale, double fraction);

// Which pixels of a w x h image the path touches at all (antialiased edges included).
std::vector<bool> Coverage(const QPainterPath& path, int w, int h);

}  // namespace skinart
