#include "skin_image_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "layout.h"
#include "pixels.h"

namespace kelvo {

SkinImageWidget::SkinImageWidget(Renderer* renderer, Surface surface, int keyCode, QWidget* parent)
    : QWidget(parent), keyCode_(keyCode), renderer_(renderer), surface_(surface) {}

void SkinImageWidget::ImageChanged() {
  stale_ = true;
  update();
}

const QImage& SkinImageWidget::KeyedImage() {
  if (stale_ && renderer_ != nullptr) {
    switch (surface_) {
      case Surface::Key: {
        const ButtonCell* cell = FindButtonCell(keyCode_);
        MakeKeyedImage(renderer_->KeyImage(keyCode_), cell != nullptr ? cell->VisibleHeight() : -1, keyed_);
        break;
      }
      case Surface::NumberStrip: MakeKeyedImage(renderer_->NumberStrip(), -1, keyed_); break;
      case Surface::MarkStrip: MakeKeyedImage(renderer_->MarkStrip(), -1, keyed_); break;
    }
    stale_ = false;
  }
  return keyed_;
}

void SkinImageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // On a dense screen each skin pixel becomes an exact block, never a blend of its neighbours.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(0, 0, KeyedImage());
}

void SkinImageWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }

KeyImageWidget::KeyImageWidget(Renderer* renderer, int keyCode, QWidget* parent)
    : SkinImageWidget(renderer, Surface::Key, keyCode, parent) {}

void KeyImageWidget::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit pressed(keyCode_, event->button(), event->globalPosition().toPoint());
}

void KeyImageWidget::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit released(keyCode_, event->button());
}

}  // namespace kelvo
