#include "renderer.h"

#include <QPainter>
#include <QResource>
#include <cmath>

#include "ascii.h"
#include "format.h"
#include "pixels.h"
#include "prebuilt_sheet.h"
#include "sheet_geometry.h"
#include "state.h"

namespace kelvo {
namespace {

// Source x of a display character on the digit sheet, or -1 for one the sheet has no glyph for.
int GlyphSourceX(char c) {
  if (IsAsciiDigit(c)) return DigitSourceX(c - '0');
  switch (c) {
    case '-': return kMinusSourceX;
    case 'E': return kLetterESourceX;
    case ':': return kColonSourceX;
    default: return -1;
  }
}

const QImage kNoImage;

}  // namespace

Renderer::Renderer(QObject* parent) : QObject(parent) {
  blank_ = SolidImage(kBlankWidth, kBlankHeight, kBlankRgb);
  numberStrip_ = blank_.copy();
  markStrip_ = blank_.copy(0, 0, kMarkStripRect.width, kMarkStripRect.height);
  for (size_t i = 0; i < kButtonCells.size(); ++i)
    keyImages_[i] = SolidImage(kKeyWidth, kButtonCells[i].cellHeight, kBuiltInKeyRgb);
  panelComposite_ = QImage(kPanelCompositeRect.width, kPanelCompositeRect.height, QImage::Format_ARGB32_Premultiplied);
  panelComposite_.fill(0);
}

bool Renderer::LoadBuiltInSheets() {
  bool all = true;
  for (const SkinPartInfo& info : kSkinParts) {
    const QResource resource(QStringLiteral(":/kelvo/skin/%1.sheet").arg(QLatin1StringView(info.name)));
    const QImage sheet = resource.compressionAlgorithm() == QResource::NoCompression
                             ? SheetFromPrebuilt(resource.data(), resource.size())
                             : QImage();
    all = all && !sheet.isNull();
    SetSheet(info.part, sheet);
  }
  return all;
}

void Renderer::SetSheet(SkinPart part, const QImage& image) {
  sheets_[static_cast<size_t>(part)] =
      image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

const QImage& Renderer::KeyImage(int keyCode) const {
  const int i = ButtonIndex(keyCode);
  return i < 0 ? kNoImage : keyImages_[static_cast<size_t>(i)];
}

void Renderer::DrawButton(int keyCode, bool pressed) {
  const int i = ButtonIndex(keyCode);
  if (i < 0) return;
  const ButtonCell& cell = kButtonCells[static_cast<size_t>(i)];
  const QImage& sheet = Sheet(pressed ? SkinPart::ButtonDown : SkinPart::ButtonUp);
  QImage& image = keyImages_[static_cast<size_t>(i)];
  const int bottom = cell.cellY + cell.cellHeight - 1;
  if (!HasPixel(sheet, cell.cellX, cell.cellY) || !HasPixel(sheet, cell.cellX + kKeyWidth - 1, bottom)) {
    // A sheet smaller than its grid: what is missing takes the key colour, so it stays unseen.
    const bool hasCorner = HasPixel(sheet, cell.cellX, bottom);
    FillRect(image, 0, 0, kKeyWidth, cell.cellHeight, hasCorner ? Rgb(sheet.pixel(cell.cellX, bottom)) : kBuiltInKeyRgb);
  }
  CopyRect(sheet, cell.cellX, cell.cellY, kKeyWidth, cell.cellHeight, image, 0, 0);
  emit keyImageChanged(keyCode);
}

void Renderer::DrawAllButtonsUp() {
  for (int code = 99; code <= 110; ++code) DrawButton(code, false);
  for (int code = 1; code <= 25; ++code) DrawButton(code, false);
}

void Renderer::DrawNumber(std::string_view text) {
  CopyRect(blank_, 0, 0, kBlankWidth, kBlankHeight, numberStrip_, 0, 0);
  const QImage& digits = Sheet(SkinPart::DigitalNumber);
  int d = 1;  // display position, counted from the right
  int c = 0;  // digits after the point
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    if (*it == '.') {
      // The point sits in the gap right of the digit at position d, at the foot of the glyphs.
      CopyRect(digits, kPointSourceX, kGlyphRow, kPointSize, kPointSize, numberStrip_, 256 - kGlyphPitch * d, 25);
      c = d - 1;
      continue;
    }
    const int sourceX = GlyphSourceX(*it);
    if (sourceX >= 0)
      CopyRect(digits, sourceX, kGlyphRow, kGlyphWidth, kGlyphHeight, numberStrip_, 244 - kGlyphPitch * d, 6);
    ++d;
  }
  // Triad separators above the gaps, counted from the units digit; the magnitude decides.
  const double magnitude = std::fabs(ReadDouble(text));
  double threshold = 1000.0;
  for (int k = 1; k <= 4 && magnitude >= threshold; ++k, threshold *= 1000.0)
    CopyRect(digits, kSeparatorSourceX, kGlyphRow, kSeparatorWidth, kSeparatorHeight, numberStrip_,
             240 - kGlyphPitch * c - 48 * k, 2);
  // An integer always shows a point after its last digit.
  if (c == 0) CopyRect(digits, kPointSourceX, kGlyphRow, kPointSize, kPointSize, numberStrip_, 240, 25);
  emit numberStripChanged();
}

void Renderer::RedrawNumber(const EngineState& state) {
  DrawNumber(state.display);
  if (state.error) DrawErrorMark(true);
}

void Renderer::DrawErrorMark(bool on) {
  CopyRect(Sheet(SkinPart::DigitalMark), on ? kMarkErrorX : kMarkBlankX, kMarkRow, kErrorMarkSize, kErrorMarkSize,
           numberStrip_, kErrorMarkX, kErrorMarkY);
  emit numberStripChanged();
}

void Renderer::CopyMark(int sourceX, int width, int destX) {
  CopyRect(Sheet(SkinPart::DigitalMark), sourceX, kMarkRow, width, kMarkHeight, markStrip_, destX, 0);
  emit markStripChanged();
}

void Renderer::DrawMark(Mark mark, bool on) {
  const MarkCell* cell = FindMarkCell(mark);
  if (cell == nullptr) return;
  CopyMark(on ? cell->sourceX : kMarkBlankX, cell->width, cell->destX);
}

void Renderer::ClearOperatorMarks() {
  CopyRect(blank_, 0, 0, kOperatorMarksWidth, kMarkHeight, markStrip_, kOperatorMarksX, 0);
  emit markStripChanged();
}

void Renderer::ClearTransientMarks() {
  CopyRect(blank_, 0, 0, kTransientMarksWidth, kMarkHeight, markStrip_, kTransientMarksX, 0);
  CopyRect(blank_, 0, 0, kEqualsMarksWidth, kMarkHeight, markStrip_, kEqualsMarksX, 0);
  emit markStripChanged();
}

void Renderer::ClearMemoryMarks() {
  DrawMark(Mark::MemoryMinus, false);
  DrawMark(Mark::MemoryPlus, false);
  DrawMark(Mark::MemoryRecalled, false);
}

void Renderer::ClearMarkStrip() {
  CopyRect(blank_, 0, 0, kMarkStripRect.width, kMarkStripRect.height, markStrip_, 0, 0);
  emit markStripChanged();
}

void Renderer::RedrawMarks(const EngineState& state) {
  for (const Mark mark : state.marks.Lit()) DrawMark(mark, true);
  if (state.error) DrawErrorMark(true);
}

void Renderer::BuildPanelComposite() {
  const QImage& panel = Sheet(SkinPart::DigitalPanel);
  const QImage& back = Sheet(SkinPart::BackPanel);
  const bool hasKey = HasPixel(panel, kPanelKeyX, kPanelKeyY);
  const uint32_t key = hasKey ? Rgb(panel.pixel(kPanelKeyX, kPanelKeyY)) : 0;
  // Whole rows at a time (the sheets are Format_RGB32); none where the sheet ends.
  const auto row = [](const QImage& sheet, int y) {
    return HasPixel(sheet, 0, y) ? reinterpret_cast<const uint32_t*>(sheet.constScanLine(y)) : nullptr;
  };
  const int panelWidth = panel.width(), backWidth = back.width();
  for (int y = 0; y < panelComposite_.height(); ++y) {
    auto* out = reinterpret_cast<uint32_t*>(panelComposite_.scanLine(y));
    const uint32_t* panelRow = row(panel, y);
    const uint32_t* backRow = row(back, y + kPanelCompositeRect.y);
    for (int x = 0; x < panelComposite_.width(); ++x) {
      if (panelRow != nullptr && x < panelWidth) {
        const uint32_t rgb = Rgb(panelRow[x]);
        if (!hasKey || rgb != key) {
          out[x] = 0xFF000000u | rgb;
          continue;
        }
      }
      // Keyed out (or missing): the background shows, or nothing where the back panel ends.
      const int bx = x + kPanelBackgroundX;
      out[x] = backRow != nullptr && bx >= 0 && bx < backWidth ? 0xFF000000u | Rgb(backRow[bx]) : 0u;
    }
  }
  emit panelChanged();
}

void Renderer::MirrorToEnlargedPanel() {
  if (enlarged_ == nullptr) return;
  // Nearest-neighbour scaling keeps every colour exact, so the strips stay keyable.
  enlarged_->ShowStrips(
      numberStrip_.scaled(kEnlargedNumberWidth, kEnlargedNumberHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation),
      markStrip_.scaled(kEnlargedMarkWidth, kEnlargedMarkHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void Renderer::PaintBackground(QPainter& painter) const {
  painter.drawImage(0, 0, Sheet(SkinPart::BackPanel), 0, 0, kClientWidth, kClientHeight);
  painter.drawImage(kPanelCompositeRect.x, kPanelCompositeRect.y, panelComposite_);
}

QImage Renderer::ComposeFace() const {
  QImage face = SolidImage(kClientWidth, kClientHeight, 0x404040);
  QPainter painter(&face);
  PaintBackground(painter);
  painter.drawImage(kMarkStripRect.x, kMarkStripRect.y, MakeKeyedImage(markStrip_));
  painter.drawImage(kNumberStripRect.x, kNumberStripRect.y, MakeKeyedImage(numberStrip_));
  for (size_t i = 0; i < kButtonCells.size(); ++i) {
    const ButtonCell& cell = kButtonCells[i];
    painter.drawImage(cell.windowX, cell.windowY, MakeKeyedImage(keyImages_[i], cell.VisibleHeight()));
  }
  return face;
}

}  // namespace kelvo

#include "moc_renderer.cpp"
