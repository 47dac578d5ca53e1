// The keyboard layout in use under a Wayland compositor. The compositor hands its keymap to every
// client that asks for the keyboard, focused or not; Qt keeps its copy to itself, so the keymap is
// fetched once over a short connection of our own and the connection closed again.
#include <QKeyEvent>

#include "layout_sources.h"

#if KELVO_WAYLAND_LAYOUT
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstring>
#include <memory>
#include <string>

#include "xkb_layout.h"

namespace kelvo {
namespace {

// The one conversation with the compositor: find the seat, ask for its keyboard, take the keymap.
class KeymapFetch {
 public:
  // The keymap text, or empty when there is no compositor, no keyboard or no keymap.
  static std::string Run() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) return {};
    KeymapFetch fetch;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &fetch);
    // Three rounds: the globals, the seat's capabilities, the keyboard's keymap.
    for (int round = 0; round < 3 && fetch.keymap_.empty(); ++round)
      if (wl_display_roundtrip(display) < 0) break;
    if (fetch.keyboard_ != nullptr) wl_keyboard_destroy(fetch.keyboard_);
    if (fetch.seat_ != nullptr) wl_seat_destroy(fetch.seat_);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return fetch.keymap_;
  }

 private:
  static void Global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
    auto* fetch = static_cast<KeymapFetch*>(data);
    if (fetch->seat_ != nullptr || std::strcmp(interface, wl_seat_interface.name) != 0) return;
    fetch->seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, version < 4 ? version : 4));
    wl_seat_add_listener(fetch->seat_, &kSeatListener, fetch);
  }
  static void GlobalRemove(void*, wl_registry*, uint32_t) {}

  static void Capabilities(void* data, wl_seat* seat, uint32_t capabilities) {
    auto* fetch = static_cast<KeymapFetch*>(data);
    if (fetch->keyboard_ != nullptr || !(capabilities & WL_SEAT_CAPABILITY_KEYBOARD)) return;
    fetch->keyboard_ = wl_seat_get_keyboard(seat);
    wl_keyboard_add_listener(fetch->keyboard_, &kKeyboardListener, fetch);
  }
  static void SeatName(void*, wl_seat*, const char*) {}

  static void Keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
    auto* fetch = static_cast<KeymapFetch*>(data);
    // A keymap beyond a few megabytes is no keymap; the text ends at its first NUL.
    constexpr uint32_t kLargest = 8u << 20;
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 0 && size <= kLargest) {
      void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
      if (text != MAP_FAILED) {
        fetch->keymap_.assign(static_cast<const char*>(text), strnlen(static_cast<const char*>(text), size));
        munmap(text, size);
      }
    }
    close(fd);
  }
  static void Enter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
  static void Leave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
  static void Key(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {}
  static void Modifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
  static void RepeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

  static constexpr wl_registry_listener kRegistryListener{Global, GlobalRemove};
  static constexpr wl_seat_listener kSeatListener{Capabilities, SeatName};
  static constexpr wl_keyboard_listener kKeyboardListener{Keymap, Enter, Leave, Key, Modifiers, RepeatInfo};

  wl_seat* seat_ = nullptr;
  wl_keyboard* keyboard_ = nullptr;
  std::string keymap_;
};

class WaylandKeyboardLayout {
 public:
  const KeyboardLayout* For(const QKeyEvent* event) {
    if (event == nullptr) {
      if (keymap_ == nullptr && !tried_) Load();
      return keymap_ != nullptr ? &layout_ : nullptr;
    }
    const quint32 keyCode = event->nativeScanCode();
    const auto symbol = static_cast<xkb_keysym_t>(event->nativeVirtualKey());
    if (keymap_ == nullptr && !tried_) Load();
    if (keymap_ == nullptr) return nullptr;
    // Wayland tells the client no layout group with the key: the group that gives the symbol.
    if (!xkb::GroupGives(keymap_.get(), group_, keyCode, symbol)) {
      xkb_layout_index_t group = xkb::GroupGiving(keymap_.get(), group_, keyCode, symbol);
      if (!xkb::GroupGives(keymap_.get(), group, keyCode, symbol) && keyCode != lastMiss_) {
        Load();  // perhaps a new keymap
        if (keymap_ == nullptr) return nullptr;
        group = xkb::GroupGiving(keymap_.get(), 0, keyCode, symbol);
        lastMiss_ = xkb::GroupGives(keymap_.get(), group, keyCode, symbol) ? 0 : keyCode;
      }
      if (group != group_) {
        group_ = group;
        layout_ = xkb::LayoutOf(keymap_.get(), group_);
      }
    }
    return &layout_;
  }

 private:
  void Load() {
    tried_ = true;
    keymap_.reset();
    const std::string text = KeymapFetch::Run();
    if (text.empty()) return;
    if (context_ == nullptr) context_.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (context_ == nullptr) return;
    keymap_.reset(xkb_keymap_new_from_string(context_.get(), text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                             XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (keymap_ == nullptr) return;
    group_ = 0;
    layout_ = xkb::LayoutOf(keymap_.get(), group_);
  }

  std::unique_ptr<xkb_context, xkb::ContextDeleter> context_;
  std::unique_ptr<xkb_keymap, xkb::KeymapDeleter> keymap_;
  bool tried_ = false;
  xkb_layout_index_t group_ = 0;
  quint32 lastMiss_ = 0;
  KeyboardLayout layout_;
};

}  // namespace

const KeyboardLayout* layout_sources::FromWayland(const QKeyEvent* event) {
  static WaylandKeyboardLayout wayland;
  return wayland.For(event);
}

}  // namespace kelvo

#else

namespace kelvo {
const KeyboardLayout* layout_sources::FromWayland(const QKeyEvent*) { return nullptr; }
}  // namespace kelvo

#endif
