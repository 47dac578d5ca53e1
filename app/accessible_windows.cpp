#include "accessible_windows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Only windows made straight from QWidget: dialogs and main windows have their own interfaces.
QAccessibleInterface* SideWindowFactory(const QString& className, QObject* object) {
  if (!object->isWidgetType() || object->metaObject()->superClass() != &QWidget::staticMetaObject ||
      className != QLatin1String(object->metaObject()->className()))
    return nullptr;
  auto* window = static_cast<QWidget*>(object);
  const Qt::WindowType type = window->windowType();
  if (type != Qt::Dialog && type != Qt::Window) return nullptr;  // popups and tool tips keep theirs
  // The name is the caption: QAccessibleWidget names a window by its title.
  return new QAccessibleWidget(window, type == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
}

}  // namespace

void InstallSideWindowAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(SideWindowFactory);
}
