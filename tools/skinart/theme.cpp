#include "theme.h"

#include <QStringList>

#include <algorithm>

#include "display_label_look.h"

namespace skinart {

using kelvo::ContrastRatio;

double WeakestCaptionContrast(const KeyColors& colors) {
  const QColor pressed = colors.face.darker(108);
  double weakest = 21;
  for (const QColor& face : {colors.face.lighter(114), colors.face, pressed.darker(106), pressed.lighter(103)})
    weakest = std::min(weakest, ContrastRatio(colors.caption, face));
  return weakest;
}

QString WeakCaptions(const Theme& theme) {
  const std::pair<const char*, const KeyColors*> groups[] = {
      {"digit", &theme.digit}, {"function", &theme.function}, {"operator", &theme.op},   {"equals", &theme.equals},
      {"clear", &theme.clear}, {"memory", &theme.memory},     {"tax", &theme.tax},       {"check", &theme.check}};
  QStringList weak;
  auto check = [&weak](const char* name, double ratio) {
    if (ratio < 4.5) weak << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(ratio, 0, 'f', 2);
  };
  for (const auto& [name, colors] : groups) check(name, WeakestCaptionContrast(*colors));
  // The texts on the body and the liquid-crystal ink on the glass, at both ends of their shading.
  check("brand", std::min(ContrastRatio(theme.brand, theme.bodyTop), ContrastRatio(theme.brand, theme.bodyBottom)));
  check("ink", std::min(ContrastRatio(theme.ink, theme.glassTop), ContrastRatio(theme.ink, theme.glassBottom)));
  return weak.join(QStringLiteral(", "));
}

Theme StandardTheme() {
  Theme t;
  t.bodyTop = QColor(0xd4, 0xd7, 0xdb);
  t.bodyBottom = QColor(0xb4, 0xb8, 0xbe);
  t.keypadWell = QColor(0xa9, 0xae, 0xb5);
  t.brand = QColor(0x3c, 0x41, 0x48);
  t.bezelTop = QColor(0x3a, 0x3f, 0x46);
  t.bezelBottom = QColor(0x24, 0x28, 0x2d);
  t.glassTop = QColor(0xcb, 0xdb, 0xc2);
  t.glassBottom = QColor(0xc3, 0xd4, 0xba);
  t.ghost = QColor(0x20, 0x30, 0x20, 12);
  t.ink = QColor(0x1d, 0x24, 0x22);
  t.digit = {QColor(0x3b, 0x40, 0x47), QColor(0xf7, 0xf7, 0xf4)};
  // Every caption reads at 4.5:1 or more over its face (WeakCaptions).
  t.function = {QColor(0x62, 0x67, 0x6e), QColor(0xff, 0xff, 0xff)};
  t.op = {QColor(0x61, 0x67, 0x70), QColor(0xff, 0xff, 0xff)};
  t.equals = {QColor(0xee, 0x84, 0x2c), QColor(0x1a, 0x1a, 0x1a)};
  t.clear = {QColor(0xb1, 0x41, 0x34), QColor(0xff, 0xff, 0xff)};
  t.memory = {QColor(0x49, 0x68, 0x8d), QColor(0xff, 0xff, 0xff)};
  t.tax = {QColor(0x30, 0x73, 0x50), QColor(0xff, 0xff, 0xff)};
  t.check = {QColor(0xc2, 0x95, 0x2c), QColor(0x1a, 0x1a, 0x1a)};
  return t;
}

Theme NightTheme() {
  Theme t = StandardTheme();
  t.bodyTop = QColor(0x2a, 0x2d, 0x33);
  t.bodyBottom = QColor(0x17, 0x19, 0x1c);
  t.keypadWell = QColor(0x12, 0x13, 0x16);
  t.brand = QColor(0x9a, 0xa3, 0xad);
  t.bezelTop = QColor(0x0d, 0x0e, 0x10);
  t.bezelBottom = QColor(0x05, 0x06, 0x07);
  t.glassTop = QColor(0xc0, 0xd2, 0xc6);
  t.glassBottom = QColor(0xb3, 0xc7, 0xba);
  t.ghost = QColor(0x10, 0x20, 0x20, 14);
  t.ink = QColor(0x10, 0x18, 0x1c);
  t.digit = {QColor(0x33, 0x37, 0x3e), QColor(0xf2, 0xf2, 0xf2)};
  t.function = {QColor(0x4a, 0x50, 0x59), QColor(0xf2, 0xf2, 0xf2)};
  t.op = {QColor(0x43, 0x48, 0x50), QColor(0xff, 0xb8, 0x5c)};
  t.equals = {QColor(0xf0, 0x8a, 0x24), QColor(0x1a, 0x1a, 0x1a)};
  t.clear = {QColor(0xb8, 0x3b, 0x3b), QColor(0xff, 0xff, 0xff)};
  t.memory = {QColor(0x2d, 0x55, 0x63), QColor(0xd8, 0xf3, 0xf8)};
  t.tax = {QColor(0x2e, 0x6b, 0x4c), QColor(0xdd, 0xf7, 0xe6)};
  t.check = {QColor(0x6b, 0x56, 0x2a), QColor(0xff, 0xe7, 0xb0)};
  t.segments = {3.0, 0.6, 1.2};
  return t;
}

Theme PaperTheme() {
  Theme t = StandardTheme();
  t.bodyTop = QColor(0xf6, 0xf3, 0xec);
  t.bodyBottom = QColor(0xe6, 0xe1, 0xd6);
  t.keypadWell = QColor(0xdd, 0xd7, 0xca);
  t.brand = QColor(0x5c, 0x53, 0x44);
  t.bezelTop = QColor(0xcf, 0xc9, 0xbd);
  t.bezelBottom = QColor(0xb5, 0xae, 0xa0);
  t.glassTop = QColor(0xd3, 0xdc, 0xc6);
  t.glassBottom = QColor(0xc8, 0xd2, 0xba);
  t.ghost = QColor();
  t.ink = QColor(0x2b, 0x2f, 0x2a);
  t.digit = {QColor(0xff, 0xfe, 0xfb), QColor(0x3a, 0x3a, 0x3a)};
  t.function = {QColor(0xe4, 0xdf, 0xd4), QColor(0x4a, 0x46, 0x40)};
  t.op = {QColor(0xd8, 0xd2, 0xc5), QColor(0x3a, 0x36, 0x30)};
  t.equals = {QColor(0x7f, 0xb8, 0x9a), QColor(0x0f, 0x2a, 0x1d)};
  t.clear = {QColor(0xe8, 0x8a, 0x7a), QColor(0x3a, 0x0e, 0x09)};
  t.memory = {QColor(0xa9, 0xc1, 0xd9), QColor(0x24, 0x34, 0x48)};
  t.tax = {QColor(0xb9, 0xd6, 0xa8), QColor(0x2e, 0x46, 0x24)};
  t.check = {QColor(0xf0, 0xd3, 0x8a), QColor(0x5a, 0x45, 0x12)};
  t.segments = {2.4, 0.6, 0.0};
  t.keyRadius = 9.0;
  return t;
}

}  // namespace skinart
