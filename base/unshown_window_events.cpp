#include "unshown_window_events.h"

#include <QAccessible>
#include <QWidget>
#include <QWindow>

namespace kelvo {
namespace {

constexpr char kShownProperty[] = "kelvoShownToAssistiveTechnology";

void Forward(QAccessibleEvent* event);

void Filter(QAccessibleEvent* event) {
  QObject* object = event->object();
  if (object == nullptr || !object->isWidgetType()) {
    Forward(event);
    return;
  }
  auto* widget = static_cast<QWidget*>(object);
  QWidget* window = widget->window();
  if (widget == window) {
    // A window's own events always count; its first showing comes after its widgets' showing.
    if (event->type() == QAccessible::ObjectShow) window->setProperty(kShownProperty, true);
    Forward(event);
    return;
  }
  if (ShownToAssistiveTechnologies(window)) Forward(event);
}

// Qt hands events either to a handler or to the platform's bridge: the bridge is reached by
// raising the event again without the handler.
void Forward(QAccessibleEvent* event) {
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(Filter);
}

}  // namespace

bool ShownToAssistiveTechnologies(QWidget* window) {
  // On the screen also counts: a window may have been shown before anyone listened.
  if (window->property(kShownProperty).toBool()) return true;
  const QWindow* handle = window->windowHandle();
  if (handle == nullptr || !handle->isExposed()) return false;
  window->setProperty(kShownProperty, true);
  return true;
}

void DropEventsOfUnshownWindows() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installUpdateHandler(Filter);
}

}  // namespace kelvo
