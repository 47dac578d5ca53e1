#include "faces.h"

#include <QFont>
#include <QPainter>

#include "body_art.h"
#include "engine.h"
#include "key_art.h"
#include "key_script.h"
#include "lcd_art.h"
#include "layout.h"
#include "renderer.h"
#include "skin_display.h"

namespace skinart {
namespace {

constexpr int kPreviewWidth = 115, kPreviewHeight = 169;

void DrawLabels(QImage& face, const kelvo::EngineState& state) {
  QPainter p(&face);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(13);
  p.setFont(font);
  p.setPen(Qt::black);
  auto draw = [&](const char* control, const QString& text) {
    for (const kelvo::LabelCell& label : kelvo::kDisplayLabels) {
      if (label.control != control) continue;
      const kelvo::Rect& r = label.rect;
      const int align = label.alignment > 0 ? Qt::AlignRight : label.alignment == 0 ? Qt::AlignHCenter : Qt::AlignLeft;
      p.drawText(QRect(r.x, r.y, r.width, r.height), align | Qt::AlignVCenter, text);
    }
  };
  draw("labAns", QString::fromStdString(state.answer));
  draw("labIpt", QString::fromStdString(state.input));
  draw("labRs", QStringLiteral("F"));
  draw("labDc", QStringLiteral("5"));
}

// The engine's display for pictures: draws, and records a frame at every key press and release.
class FrameDisplay : public kelvo::SkinDisplay {
 public:
  using SkinDisplay::SkinDisplay;
  kelvo::Engine* engine = nullptr;
  std::vector<GifFrame>* frames = nullptr;

  QImage Face() const {
    QImage face = renderer_.ComposeFace();
    if (engine != nullptr) DrawLabels(face, engine->State());
    return face;
  }
  void AddFrame(int delay) {
    if (frames != nullptr) frames->push_back({PreviewSize(Face()), delay});
  }
};

}  // namespace

SheetSet PaintSkin(const Theme& theme) {
  SheetSet s;
  auto at = [&](kelvo::SkinPart part) -> QImage& { return s[static_cast<size_t>(part)]; };
  at(kelvo::SkinPart::BackPanel) = PaintBackPanel(theme);
  const QImage& back = at(kelvo::SkinPart::BackPanel);
  at(kelvo::SkinPart::DigitalPanel) = PaintDigitalPanel(theme, back);
  at(kelvo::SkinPart::ButtonUp) = PaintButtonSheet(theme, back, false);
  at(kelvo::SkinPart::ButtonDown) = PaintButtonSheet(theme, back, true);
  at(kelvo::SkinPart::DigitalNumber) = PaintDigitSheet(theme);
  at(kelvo::SkinPart::DigitalMark) = PaintMarkSheet(theme);
  return s;
}

QImage PaintFace(const SheetSet& sheets, const QString& keys, std::vector<GifFrame>* frames) {
  kelvo::Renderer renderer;
  for (const kelvo::SkinPartInfo& info : kelvo::kSkinParts) renderer.SetSheet(info.part, sheets[static_cast<size_t>(info.part)]);
  renderer.BuildPanelComposite();
  renderer.DrawAllButtonsUp();
  renderer.ClearMarkStrip();
  renderer.DrawNumber("0");
  FrameDisplay display(renderer);
  kelvo::Engine engine(display);
  display.engine = &engine;
  display.frames = frames;
  display.AddFrame(120);
  for (const QString& token : keys.split(u' ', Qt::SkipEmptyParts)) {
    const int code = kelvo::KeyTokenCode(token.toStdString());
    engine.PressKey(code);
    display.AddFrame(18);
    engine.ReleaseKey(code);
    display.AddFrame(32);
  }
  if (frames != nullptr && !frames->empty()) frames->back().delayCentiseconds = 260;
  return display.Face();
}

QImage PreviewSize(const QImage& face) {
  return face.scaled(kPreviewWidth, kPreviewHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage PaintNoImage() {
  QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
  image.fill(QColor(0xee, 0xee, 0xec));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xb8, 0xb8, 0xb4), 1, Qt::DashLine));
  p.drawRoundedRect(QRectF(6.5, 6.5, kPreviewWidth - 13, kPreviewHeight - 13), 6, 6);
  // A small calculator outline above the words.
  p.setPen(QPen(QColor(0xa0, 0xa0, 0x9c), 1.5));
  p.drawRoundedRect(QRectF(42.5, 44.5, 30, 42), 3, 3);
  p.drawRect(QRectF(47.5, 49.5, 20, 8));
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) p.drawRect(QRectF(47.5 + c * 7, 62.5 + r * 7, 4, 4));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(0x80, 0x80, 0x7c));
  p.drawText(QRect(0, 96, kPreviewWidth, 16), Qt::AlignCenter, QStringLiteral("NO IMAGE"));
  QFont jp(QStringLiteral("IPAPGothic"));
  jp.setPixelSize(10);
  p.setFont(jp);
  p.drawText(QRect(0, 113, kPreviewWidth, 14), Qt::AlignCenter, QStringLiteral("プレビューなし"));
  return image;
}

}  // namespace skinart
