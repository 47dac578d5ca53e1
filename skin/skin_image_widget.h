#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "renderer.h"

namespace kelvo {

// An image control of the main window: shows one of the renderer's surfaces with its colour key
// transparent (every pixel of the colour of the image's bottom-left pixel lets the window show
// through). The keyed copy is made once per change of the image, when the widget next paints.
// A mouse press on it is taken, so it never reaches the window background.
class SkinImageWidget : public QWidget {
  Q_OBJECT

 public:
  enum class Surface { Key, NumberStrip, MarkStrip };

  SkinImageWidget(Renderer* renderer, Surface surface, int keyCode, QWidget* parent);

  Surface Shows() const { return surface_; }
  // The renderer changed the image: rebuild the keyed copy at the next paint.
  void ImageChanged();
  // The keyed copy the widget paints (rebuilt first if the image changed).
  const QImage& KeyedImage();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

  int keyCode_;

 private:
  QPointer<Renderer> renderer_;
  Surface surface_;
  QImage keyed_;
  bool stale_ = true;
};

// A calculator key. Hit-testing covers its whole rectangle, transparent corners included.
class KeyImageWidget : public SkinImageWidget {
  Q_OBJECT

 public:
  KeyImageWidget(Renderer* renderer, int keyCode, QWidget* parent);
  int KeyCode() const { return keyCode_; }
  // Presses and releases the key as a left click does (a screen reader's press action, or
  // Space while the key has the focus).
  void Click();

 signals:
  // Any mouse button; the main window decides (the right one opens its popup menu).
  void pressed(int keyCode, Qt::MouseButton button, QPoint globalPosition);
  void released(int keyCode, Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The tool tip names the key and its keyboard keys, read when it shows: the assignment changes.
  bool event(QEvent* event) override;
};

}  // namespace kelvo
