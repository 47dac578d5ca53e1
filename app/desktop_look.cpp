#include "desktop_look.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

#include <cmath>

namespace {

constexpr int kDesignPixelSize = 12;  // the font the side windows were laid out for

QStringList JapaneseGothic() {
  return {QStringLiteral("IPAPGothic"), QStringLiteral("IPA P Gothic"), QStringLiteral("Noto Sans CJK JP")};
}

int Scaled(int value, double factor) { return static_cast<int>(std::lround(value * factor)); }

// Containers laid out by hand hold children to move; any other widget places its own parts.
bool IsPlainContainer(const QWidget* widget) {
  const QMetaObject* type = widget->metaObject();
  return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
         type == &QGroupBox::staticMetaObject;
}

void ScaleChildren(QWidget* parent, double factor) {
  if (parent->layout() != nullptr) return;  // a layout follows the fonts by itself
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (child == nullptr || child->isWindow()) continue;
    const QRect place = child->geometry();
    const QSize size(Scaled(place.width(), factor), Scaled(place.height(), factor));
    if (child->minimumSize() == child->maximumSize() && child->minimumWidth() > 0) child->setFixedSize(size);
    child->setGeometry(QRect(QPoint(Scaled(place.x(), factor), Scaled(place.y(), factor)), size));
    // A font of its own in pixels (a larger display, a caption) grows alike.
    if ((child->font().resolveMask() & QFont::SizeResolved) && child->font().pixelSize() > 0) {
      QFont font = child->font();
      font.setPixelSize(Scaled(font.pixelSize(), factor));
      child->setFont(font);
    }
    if (IsPlainContainer(child)) ScaleChildren(child, factor);
  }
}

}  // namespace

void LoadQtTranslation(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
  else
    delete translator;
}

QFont DesktopUiFont() {
  QFont font = QApplication::font();
  font.setFamilies(JapaneseGothic());
  return font;
}

void UseDesktopFontSize() { QApplication::setFont(DesktopUiFont()); }

double DesktopFontScale() {
  QFont design = DesktopUiFont();
  design.setPixelSize(kDesignPixelSize);
  const double factor = QFontMetricsF(DesktopUiFont()).height() / QFontMetricsF(design).height();
  return factor > 1.05 ? factor : 1.0;  // a pixel of rounding is no reason to move anything
}

void FitToDesktopFont(QWidget* window) {
  const double factor = DesktopFontScale();
  if (window == nullptr || factor == 1.0) return;
  ScaleChildren(window, factor);
  const QSize size(Scaled(window->width(), factor), Scaled(window->height(), factor));
  if (window->minimumSize() == window->maximumSize())
    window->setFixedSize(size);
  else
    window->resize(size);
}
