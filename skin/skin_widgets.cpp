#include "skin_widgets.h"

#include "spoken_face.h"

namespace kelvo {
namespace {

template <typename Widget>
void Place(Widget* widget, const Rect& rect, const char* name, const QString& accessibleName) {
  widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setAccessibleName(accessibleName);
}

}  // namespace

KeyImageWidget* SkinWidgets::Key(int keyCode) const {
  const int i = ButtonIndex(keyCode);
  return i < 0 ? nullptr : keys[static_cast<size_t>(i)];
}

void SkinWidgets::ShowKeys(bool show) const {
  for (KeyImageWidget* key : keys) key->setVisible(show);
}

SkinWidgets CreateSkinWidgets(QWidget* window, Renderer* renderer) {
  using Surface = SkinImageWidget::Surface;
  SkinWidgets w;
  w.markStrip = new SkinImageWidget(renderer, Surface::MarkStrip, 0, window);
  Place(w.markStrip, kMarkStripRect, "picDgMark", QStringLiteral("マーク"));
  w.numberStrip = new SkinImageWidget(renderer, Surface::NumberStrip, 0, window);
  Place(w.numberStrip, kNumberStripRect, "picDgPnl", QStringLiteral("表示"));
  w.numberStrip->setFocusPolicy(Qt::TabFocus);  // the face's keyboard focus rests on the display
  QObject::connect(renderer, &Renderer::markStripChanged, w.markStrip, &SkinImageWidget::ImageChanged);
  QObject::connect(renderer, &Renderer::numberStripChanged, w.numberStrip, &SkinImageWidget::ImageChanged);

  for (size_t i = 0; i < kButtonCells.size(); ++i) {
    const ButtonCell& cell = kButtonCells[i];
    auto* key = new KeyImageWidget(renderer, cell.keyCode, window);
    const std::string name(cell.control);
    Place(key, Rect{cell.windowX, cell.windowY, kKeyWidth, cell.VisibleHeight()}, name.c_str(),
          SpokenKeyName(cell.keyCode));
    w.keys[i] = key;
  }
  // One connection for all keys: the renderer names the key that changed.
  QObject::connect(renderer, &Renderer::keyImageChanged, window, [keys = w.keys](int keyCode) {
    const int i = ButtonIndex(keyCode);
    if (i >= 0) keys[static_cast<size_t>(i)]->ImageChanged();
  });
  return w;
}

}  // namespace kelvo
