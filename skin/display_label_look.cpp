#include "display_label_look.h"

#include <QImage>
#include <QLabel>
#include <QPalette>
#include <array>
#include <cmath>

#include "renderer.h"

namespace kelvo {
namespace {

double LinearChannel(double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }

double Luminance(const QColor& c) {
  return 0.2126 * LinearChannel(c.redF()) + 0.7152 * LinearChannel(c.greenF()) + 0.0722 * LinearChannel(c.blueF());
}

// The same for an opaque 8-bit colour, from a table: a label's area holds a few thousand pixels.
double Luminance(QRgb rgb) {
  static const std::array<double, 256> linear = [] {
    std::array<double, 256> table{};
    for (int i = 0; i < 256; ++i) table[static_cast<size_t>(i)] = LinearChannel(i / 255.0);
    return table;
  }();
  return 0.2126 * linear[static_cast<size_t>(qRed(rgb))] + 0.7152 * linear[static_cast<size_t>(qGreen(rgb))] +
         0.0722 * linear[static_cast<size_t>(qBlue(rgb))];
}

void Apply(QLabel* label, const QColor& text) {
  QPalette palette = label->palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, text);
    palette.setColor(group, QPalette::Text, text);
  }
  label->setPalette(palette);
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a) + 0.05, lb = Luminance(b) + 0.05;
  return la > lb ? la / lb : lb / la;
}

QColor ReadableTextOn(const QColor& background) {
  return ContrastRatio(background, Qt::black) >= ContrastRatio(background, Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

QColor DisplayLabelTextColour(const QImage& panelComposite, const Rect& labelRect) {
  // The label's place on the composite, which the window paints at kPanelCompositeRect.
  const QRect area = QRect(labelRect.x - kPanelCompositeRect.x, labelRect.y - kPanelCompositeRect.y, labelRect.width,
                           labelRect.height)
                         .intersected(panelComposite.rect());
  double sum = 0;
  int count = 0;
  const bool premultiplied = panelComposite.format() == QImage::Format_ARGB32_Premultiplied;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(panelComposite.constScanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      // The composite's pixels are opaque or wholly transparent and are read straight; any other
      // pixel through QColor.
      const QRgb raw = premultiplied ? line[x] : 0;
      if (premultiplied && qAlpha(raw) == 0) continue;
      if (premultiplied && qAlpha(raw) == 255) {
        sum += Luminance(raw);
        ++count;
        continue;
      }
      const QColor pixel = panelComposite.pixelColor(x, y);
      if (pixel.alpha() == 0) continue;
      sum += Luminance(pixel);
      ++count;
    }
  }
  if (count == 0) return Qt::black;
  const double background = sum / count;
  const double againstBlack = (background + 0.05) / 0.05, againstWhite = 1.05 / (background + 0.05);
  return againstBlack >= againstWhite ? QColor(Qt::black) : QColor(Qt::white);
}

void ColourFromSkin(QLabel* label, const Renderer& renderer) {
  const Rect place{label->x(), label->y(), label->width(), label->height()};
  auto recolour = [label, &renderer, place] { Apply(label, DisplayLabelTextColour(renderer.PanelComposite(), place)); };
  recolour();
  QObject::connect(&renderer, &Renderer::panelChanged, label, recolour);
}

void DescribeDisplayLabel(QLabel* label, const QString& meaning) { label->setAccessibleDescription(meaning); }

}  // namespace kelvo
