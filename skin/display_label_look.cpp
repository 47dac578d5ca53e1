#include "display_label_look.h"

#include <QImage>
#include <QLabel>
#include <QPalette>
#include <cmath>

#include "renderer.h"

namespace kelvo {
namespace {

double Luminance(const QColor& c) {
  auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
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
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = panelComposite.pixelColor(x, y);
      if (pixel.alpha() == 0) continue;
      sum += Luminance(pixel);
      ++count;
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
