// The keyboard layout in use, read from the X server through XKB.
#include <QGuiApplication>
#include <QKeyEvent>

#include <memory>
#include <string_view>

#include "keyboard_layout.h"

#if QT_CONFIG(xcb) && __has_include(<xkbcommon/xkbcommon-x11.h>)
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace kelvo {
namespace {

struct KeymapDeleter {
  void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct ContextDeleter {
  void operator()(xkb_context* context) const { xkb_context_unref(context); }
};

class X11KeyboardLayout {
 public:
  // The layout for a key event, reloading the keymap when the event shows it has changed.
  const KeyboardLayout* For(const QKeyEvent& event) {
    const quint32 keyCode = event.nativeScanCode();
    const auto group = static_cast<xkb_layout_index_t>((event.nativeModifiers() >> 13) & 3);  // XKB group bits
    const auto symbol = static_cast<xkb_keysym_t>(event.nativeVirtualKey());
    if (keymap_ == nullptr || group != requestedGroup_ || (keyCode != lastMiss_ && !Knows(keyCode, symbol))) {
      Load(group);
      lastMiss_ = (keymap_ != nullptr && !Knows(keyCode, symbol)) ? keyCode : 0;  // no reload at every press
    }
    return keymap_ != nullptr ? &layout_ : nullptr;
  }

 private:
  // Whether the keymap held here gives `symbol` on that key at any level of the group.
  bool Knows(quint32 keyCode, xkb_keysym_t symbol) const {
    if (symbol == XKB_KEY_NoSymbol || keyCode < 8 || keyCode > 255) return true;
    const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap_.get(), keyCode, group_);
    for (xkb_level_index_t level = 0; level < levels; ++level) {
      const xkb_keysym_t* symbols = nullptr;
      const int count = xkb_keymap_key_get_syms_by_level(keymap_.get(), keyCode, group_, level, &symbols);
      for (int i = 0; i < count; ++i)
        if (symbols[i] == symbol) return true;
    }
    return false;
  }

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
    const char* name = xkb_keymap_layout_get_name(keymap_.get(), group_);
    layout_.japanese = name != nullptr && std::string_view(name).starts_with("Japanese");
    for (xkb_keycode_t keyCode = 8; keyCode < layout_.baseCharacter.size(); ++keyCode) {
      const xkb_keysym_t* symbols = nullptr;
      const int count = xkb_keymap_key_get_syms_by_level(keymap_.get(), keyCode, group_, 0, &symbols);
      layout_.baseCharacter[keyCode] = count == 1 ? xkb_keysym_to_utf32(symbols[0]) : 0;
    }
  }

  std::unique_ptr<xkb_context, ContextDeleter> context_;
  std::unique_ptr<xkb_keymap, KeymapDeleter> keymap_;
  xkb_layout_index_t requestedGroup_ = 0;  // as the events tell it
  xkb_layout_index_t group_ = 0;           // as the keymap has it
  quint32 lastMiss_ = 0;
  KeyboardLayout layout_;
};

}  // namespace

const KeyboardLayout* ActiveKeyboardLayout(const QKeyEvent& event) {
  if (event.nativeScanCode() == 0 || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  static X11KeyboardLayout x11;
  return x11.For(event);
}

}  // namespace kelvo

#else

namespace kelvo {
const KeyboardLayout* ActiveKeyboardLayout(const QKeyEvent&) { return nullptr; }
}  // namespace kelvo

#endif
