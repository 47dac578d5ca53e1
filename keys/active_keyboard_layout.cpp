// Which source tells the keyboard layout: the X server, the Wayland compositor, or nobody.
#include <QGuiApplication>
#include <QKeyEvent>

#include "keyboard_layout.h"
#include "layout_sources.h"

namespace kelvo {
namespace {

enum class Platform { X11, Wayland, Other };

// The platform stays what it was at start: asked once, not at every key.
Platform CurrentPlatform() {
  static const Platform platform = [] {
    const QString name = QGuiApplication::platformName();
    if (name == QLatin1String("xcb")) return Platform::X11;
    return name.startsWith(QLatin1String("wayland")) ? Platform::Wayland : Platform::Other;
  }();
  return platform;
}

const KeyboardLayout* FromPlatform(const QKeyEvent* event) {
  switch (CurrentPlatform()) {
    case Platform::X11: return layout_sources::FromX11(event);
    case Platform::Wayland: return layout_sources::FromWayland(event);
    case Platform::Other: return nullptr;
  }
  return nullptr;
}

}  // namespace

const KeyboardLayout* ActiveKeyboardLayout(const QKeyEvent& event) {
  if (event.nativeScanCode() == 0) return nullptr;  // made up by a program: no place to look up
  return FromPlatform(&event);
}

const KeyboardLayout* CurrentKeyboardLayout() { return FromPlatform(nullptr); }

}  // namespace kelvo
