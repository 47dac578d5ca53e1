#pragma once

#include <QImage>
#include <QObject>
#include <array>
#include <string_view>

#include "layout.h"
#include "marks.h"
#include "skin_parts.h"

class QPainter;

namespace kelvo {

struct EngineState;

// Whatever shows the enlarged copy of the display; set on the renderer while it is open.
class EnlargedPanelTarget {
 public:
  virtual ~EnlargedPanelTarget() = default;
  // The number strip scaled to 544 x 66 and the mark strip to 544 x 22, colour key intact.
  virtual void ShowStrips(const QImage& numberStrip, const QImage& markStrip) = 0;
};

// Draws the calculator's face from the six skin sheets: key images, the number and mark strips
// and the panel composite. Every drawing operation is a few rectangle copies; the images are
// kept for the renderer's life and announced through the signals when they change.
class Renderer : public QObject {
  Q_OBJECT

 public:
  explicit Renderer(QObject* parent = nullptr);

  // The built-in sheets, embedded in the program. Returns false if one cannot be read (a
  // broken build); the sheets then stay blank.
  bool LoadBuiltInSheets();

  const QImage& Sheet(SkinPart part) const { return sheets_[static_cast<size_t>(part)]; }
  // Replaces a sheet (converted to 32 bits). Nothing is redrawn: see ApplySkinFolder.
  void SetSheet(SkinPart part, const QImage& image);

  // Key images.
  void DrawButton(int keyCode, bool pressed);
  void DrawAllButtonsUp();

  // Number strip.
  void DrawNumber(std::string_view text);
  void RedrawNumber(const EngineState& state);
  void DrawErrorMark(bool on);

  // Mark strip. Which marks are lit is the engine's to say (EngineState::marks): the renderer
  // only draws.
  void DrawMark(Mark mark, bool on);
  void ClearOperatorMarks();
  void ClearTransientMarks();
  void ClearMemoryMarks();
  void ClearMarkStrip();
  // After a change of the mark sheet: draws the marks the engine has lit, and the E mark in error.
  void RedrawMarks(const EngineState& state);

  // Panel composite: the digital panel keyed over the back panel.
  void BuildPanelComposite();

  // Copies the strips into the enlarged panel while one is set; does nothing otherwise.
  void SetEnlargedPanel(EnlargedPanelTarget* target) { enlarged_ = target; }
  void MirrorToEnlargedPanel();

  // The main window's own painting: the back panel at (0, 0), then the composite at (5, 9).
  void PaintBackground(QPainter& painter) const;
  // The whole face as the window shows it (background, strips, keys), for previews and tests.
  QImage ComposeFace() const;

  // What each surface shows, at full size (key images keep their two hidden rows).
  const QImage& KeyImage(int keyCode) const;
  const QImage& NumberStrip() const { return numberStrip_; }
  const QImage& MarkStrip() const { return markStrip_; }
  const QImage& PanelComposite() const { return panelComposite_; }
  const QImage& Blank() const { return blank_; }

 signals:
  void keyImageChanged(int keyCode);
  void numberStripChanged();
  void markStripChanged();
  void panelChanged();  // the composite or the back panel changed: repaint the window

 private:
  void CopyMark(int sourceX, int width, int destX);

  std::array<QImage, kSkinPartCount> sheets_;
  std::array<QImage, kButtonCells.size()> keyImages_;
  QImage blank_;  // cls: the blank liquid-crystal image
  QImage numberStrip_;
  QImage markStrip_;
  QImage panelComposite_;
  EnlargedPanelTarget* enlarged_ = nullptr;
};

}  // namespace kelvo
