// The keyboard layout in use, read from the X server through XKB.
#include <QGuiApplication>
#include <QKeyEvent>

#include "layout_sources.h"

#if KELVO_XKB_X11
#include <xkbcommon/xkbcommon-x11.h>

#include <memory>

#include "xkb_layout.h"

namespace kelvo {
namespace {

class X11KeyboardLayout {
 public:
  const KeyboardLayout* For(const QKeyEvent* event) {
    if (event == nullptr) {
      if (keymap_ == nullptr) Load(requestedGroup_);
      return keymap_ != nullptr ? &layout_ : nullptr;
    }
    const quint32 keyCode = event->nativeScanCode();
    const auto group = static_cast<xkb_layout_index_t>((event->nativeModifiers() >> 13) & 3);  // XKB group bits
    const auto symbol = static_cast<xkb_keysym_t>(event->nativeVirtualKey());
    if (keymap_ == nullptr || group != requestedGroup_ ||
        (keyCode != lastMiss_ && !xkb::GroupGives(keymap_.get(), group_, keyCode, symbol))) {
      Load(group);
      // No reload at every press of a key the keymap does not know.
      lastMiss_ = (keymap_ != nullptr && !xkb::GroupGives(keymap_.get(), group_, keyCode, symbol)) ? keyCode : 0;
    }
    return keymap_ != nullptr ? &layout_ : nullptr;
  }

 private:
  void Load(xkb_layout_index_t group) {
    keymap_.reset();
    requestedGroup_ = group;
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* connection = x11->connection();
    if (context_ == nullptr) context_.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (context_ == nullptr || device < 0) return;
    keymap_.reset(xkb_x11_keymap_new_from_device(context_.get(), connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (keymap_ == nullptr) return;
    group_ = group < xkb_keymap_num_layouts(keymap_.get()) ? group : 0;
    layout_ = xkb::LayoutOf(keymap_.get(), group_);
  }

  std::unique_ptr<xkb_context, xkb::ContextDeleter> context_;
  std::unique_ptr<xkb_keymap, xkb::KeymapDeleter> keymap_;
  xkb_layout_index_t requestedGroup_ = 0;  // as the events tell it
  xkb_layout_index_t group_ = 0;           // as the keymap has it
  quint32 lastMiss_ = 0;
  KeyboardLayout layout_;
};

}  // namespace

const KeyboardLayout* layout_sources::FromX11(const QKeyEvent* event) {
  static X11KeyboardLayout x11;
  return x11.For(event);
}

}  // namespace kelvo

#else

namespace kelvo {
const KeyboardLayout* layout_sources::FromX11(const QKeyEvent*) { return nullptr; }
}  // namespace kelvo

#endif
