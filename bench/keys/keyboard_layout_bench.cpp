// The work of a keymap reload on the key press that finds the layout changed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "xkb_layout.h"

namespace {

using kelvo::xkb::ContextDeleter;
using kelvo::xkb::KeymapDeleter;

// The keymap text of a layout, as a Wayland compositor sends it.
std::string KeymapText(xkb_context* context, const char* layout) {
  const xkb_rule_names names{"evdev", "pc105", layout, "", ""};
  std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
  if (keymap == nullptr) return {};
  char* text = xkb_keymap_get_as_string(keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1);
  std::string result = text != nullptr ? text : "";
  std::free(text);
  return result;
}

void CompileKeymapAndReadLayout(benchmark::State& state) {
  std::unique_ptr<xkb_context, ContextDeleter> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
  const std::string text = KeymapText(context.get(), "us");
  if (text.empty()) {
    state.SkipWithError("no XKB data");
    return;
  }
  for (auto _ : state) {
    std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(
        xkb_keymap_new_from_string(context.get(), text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS));
    benchmark::DoNotOptimize(kelvo::xkb::LayoutOf(keymap.get(), 0));
  }
}
BENCHMARK(CompileKeymapAndReadLayout)->Unit(benchmark::kMillisecond);

void ReadLayoutOfACompiledKeymap(benchmark::State& state) {
  std::unique_ptr<xkb_context, ContextDeleter> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
  const xkb_rule_names names{"evdev", "pc105", "us,jp", "", ""};
  std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
  xkb_layout_index_t group = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kelvo::xkb::LayoutOf(keymap.get(), group));
    group ^= 1;  // switching between the two layouts
  }
}
BENCHMARK(ReadLayoutOfACompiledKeymap)->Unit(benchmark::kMicrosecond);

}  // namespace
