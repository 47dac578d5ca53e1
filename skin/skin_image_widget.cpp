#include "skin_image_widget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "accessible_face.h"

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
    : SkinImageWidget(renderer, Surface::Key, keyCode, parent) {
  setFocusPolicy(Qt::TabFocus);
}

void KeyImageWidget::Click() {
  emit pressed(keyCode_, Qt::LeftButton, mapToGlobal(rect().center()));
  emit released(keyCode_, Qt::LeftButton);
}

void KeyImageWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
    Click();
    return;
  }
  SkinImageWidget::keyPressEvent(event);
}

bool KeyImageWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), KeyToolTip(keyCode_), this);
    return true;
  }
  return SkinImageWidget::event(event);
}

void KeyImageWidget::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit pressed(keyCode_, event->button(), event->globalPosition().toPoint());
}

void KeyImageWidget::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit released(keyCode_, event->button());
}

}  // namespace kelvo

#include "moc_skin_image_widget.cpp"
