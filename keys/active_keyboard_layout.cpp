// Which source tells the keyboard layout: the X server, the Wayland compositor, or nobody.
#include <QGuiApplication>
#include <QKeyEvent>

#include "keyboard_layout.h"
#include "layout_sources.h"

namespace kelvo {
namespace {

const KeyboardLayout* FromPlatform(const QKeyEvent* event) {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("xcb")) return layout_sources::FromX11(event);
  if (platform.startsWith(QLatin1String("wayland"))) return layout_sources::FromWayland(event);
  return nullptr;
}

}  // namespace

const KeyboardLayout* ActiveKeyboardLayout(const QKeyEvent& event) {
  if (event.nativeScanCode() == 0) return nullptr;  // made up by a program: no place to look up
  return FromPlatform(&event);
}

const KeyboardLayout* CurrentKeyboardLayout() { return FromPlatform(nullptr); }

}  // namespace kelvo
