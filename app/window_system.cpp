#include "window_system.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>

namespace window_system {
namespace {

bool Wayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

bool PlacesWindows() { return !Wayland(); }

bool KeepsOnTop() { return !Wayland(); }

void ExplainAlwaysOnTop(QAction* item, QMenu* menu) {
  if (KeepsOnTop() || item == nullptr) return;
  item->setToolTip(QStringLiteral("このデスクトップ (Wayland) では、ウィンドウを常に手前に表示できません。"));
  if (menu != nullptr) menu->setToolTipsVisible(true);
}

}  // namespace window_system
