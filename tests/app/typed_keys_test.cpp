// Keys in the main window on the keyboards people have: what a key types decides the operators on
// every layout but the Japanese one, whose keys keep their places. The layouts are the real XKB
// ones, handed over as keymap text the way a Wayland compositor hands them (the X server's come
// through the same reading).
#include <gtest/gtest.h>

#include <QKeyEvent>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>

#include "keyboard_key_words.h"
#include "keyboard_layout.h"
#include "key_names.h"
#include "key_slots.h"
#include "keycodes.h"
#include "typed_key_routing.h"
#include "virtual_key.h"
#include "xkb_layout.h"

#if defined(__SANITIZE_ADDRESS__)
// Key events made without an application make Qt create its keyboard device, which Qt keeps to the
// end without deleting it: Qt's, not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:QInputDevice::primaryKeyboard\n"; }
#endif

namespace {

using kelvo::xkb::ContextDeleter;
using kelvo::xkb::KeymapDeleter;

// The layout named, compiled by xkbcommon, written out as text and read back from that text.
const kelvo::KeyboardLayout& Layout(const std::string& name) {
  static std::map<std::string, kelvo::KeyboardLayout> layouts;
  if (const auto known = layouts.find(name); known != layouts.end()) return known->second;
  std::unique_ptr<xkb_context, ContextDeleter> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
  const xkb_rule_names names{"evdev", "pc105", name.c_str(), "", ""};
  std::unique_ptr<xkb_keymap, KeymapDeleter> compiled(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
  EXPECT_NE(compiled, nullptr) << name;
  std::unique_ptr<char, decltype(&free)> text(compiled ? xkb_keymap_get_as_string(compiled.get(), XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr, &free);
  std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(
      text ? xkb_keymap_new_from_string(context.get(), text.get(), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr);
  return layouts[name] = kelvo::xkb::LayoutOf(keymap.get(), 0);
}

key_routing::Slots Factory() {
  key_routing::Slots table{};
  for (int slot = 1; slot <= kelvo::kKeySlotCount; ++slot) table[static_cast<size_t>(slot)] = kelvo::KeySlotDefault(slot);
  return table;
}

// A press as X11 and Wayland deliver it: the XKB key code as scan code, the text it types.
int CalculatorKey(const std::string& layoutName, quint32 keyCode, bool shift, const char* text, const key_routing::Slots& table) {
  const kelvo::KeyboardLayout& layout = Layout(layoutName);
  const QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, shift ? Qt::ShiftModifier : Qt::NoModifier, keyCode, 0, 0,
                        QString::fromUtf8(text));
  key_routing::KeyEventRouter router;
  const key_routing::KeyDown down = router.Down(event, kelvo::VirtualKeyCode(event, &layout), &layout, false, table);
  if (down.kind != key_routing::KeyDown::Press) return 0;
  const QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, keyCode, 0, 0);
  EXPECT_EQ(router.Up(release, kelvo::VirtualKeyCode(release, &layout), &layout, table), down.code)
      << layoutName << " " << text << ": the key that went down comes up";
  return down.code;
}

constexpr int kPlus = kelvo::kKeyPlus, kMinus = kelvo::kKeyMinus, kTimes = kelvo::kKeyMultiply,
              kDivide = kelvo::kKeyDivide, kEquals = kelvo::kKeyEquals, kPercent = kelvo::kKeyPercent,
              kPoint = kelvo::kKeyPoint;
constexpr int Digit(int d) { return kelvo::kKeyDigit0 + d; }

struct Press {
  const char* layout;
  quint32 keyCode;  // XKB key code: 10..19 the top-row digits, 20 right of 0, 21 left of Backspace
  bool shift;
  const char* text;
  int calculatorKey;  // 0: nothing
};

void ExpectPresses(std::initializer_list<Press> presses, const key_routing::Slots& table) {
  for (const Press& row : presses)
    EXPECT_EQ(CalculatorKey(row.layout, row.keyCode, row.shift, row.text, table), row.calculatorKey)
        << row.layout << " key " << row.keyCode << (row.shift ? " with Shift" : "") << " typing " << row.text;
}

TEST(TypedKeys, EveryLayoutTypesTheOperatorsItShows) {
  ExpectPresses({
      {"us", 17, true, "*", kTimes},     {"us", 21, false, "=", kEquals},   {"us", 14, true, "%", kPercent},
      {"us", 21, true, "+", kPlus},      {"us", 20, false, "-", kMinus},    {"us", 61, false, "/", kDivide},
      {"us", 60, false, ".", kPoint},    {"us", 17, false, "8", Digit(8)},  {"us", 47, false, ";", 0},
      {"us", 48, false, "'", 0},         {"us", 60, true, ">", 0},          {"us", 14, false, "5", Digit(5)},
      {"gb", 17, true, "*", kTimes},     {"gb", 21, false, "=", kEquals},   {"gb", 14, true, "%", kPercent},
      {"gb", 51, false, "#", 0},         {"gb", 61, false, "/", kDivide},
      {"de", 35, false, "+", kPlus},     {"de", 35, true, "*", kTimes},     {"de", 61, false, "-", kMinus},
      {"de", 16, true, "/", kDivide},    {"de", 19, true, "=", kEquals},    {"de", 14, true, "%", kPercent},
      {"de", 60, false, ".", kPoint},    {"de", 16, false, "7", Digit(7)},  {"de", 20, false, "ß", 0},
      {"fr", 21, false, "=", kEquals},   {"fr", 21, true, "+", kPlus},      {"fr", 51, false, "*", kTimes},
      {"fr", 15, false, "-", kMinus},    {"fr", 15, true, "6", Digit(6)},   {"fr", 48, true, "%", kPercent},
      {"fr", 59, true, ".", kPoint},     {"fr", 60, true, "/", kDivide},    {"fr", 10, false, "&", Digit(1)},
      // Japanese: the places, as they always were.
      {"jp", 48, true, "*", kTimes},     {"jp", 48, false, ":", kTimes},    {"jp", 47, false, ";", kPlus},
      {"jp", 47, true, "+", kPlus},      {"jp", 20, true, "=", kMinus},     {"jp", 14, true, "%", Digit(5)},
      {"jp", 17, true, "(", Digit(8)},   {"jp", 61, false, "/", kDivide},   {"jp", 60, false, ".", kPoint},
  }, Factory());
}

TEST(TypedKeys, AKeyTheUserAssignedKeepsItsMeaning) {
  key_routing::Slots table = Factory();
  table[1] = 187;   // percent on the key that carries 187: "=+" on a US keyboard
  table[19] = 'X';  // multiply on X
  ExpectPresses({{"us", 21, false, "=", kPercent}, {"us", 21, true, "+", kPercent}, {"us", 53, false, "x", kTimes},
                 {"us", 17, true, "*", kTimes}, {"jp", 47, false, ";", kPercent}},  // 187 on JIS is the ";+" key
                table);
}

TEST(TypedKeys, KeySettingsNameKeysAsTheLayoutPrintsThem) {
  struct Row {
    const char* layout;
    int slot, code;
    const char* name;
  };
  const Row rows[] = {
      {"us", 17, 187, "[ + ]"}, {"us", 19, 186, "[ * ]"}, {"us", 18, 189, "[ - ]"}, {"us", 21, 190, "[ . ]"},
      {"us", 15, 187, "[ = ]"}, {"us", 15, 186, "[ ; ]"}, {"us", 15, 222, "[ ' ]"}, {"us", 15, 'G', "[ G ]"},
      {"de", 15, 219, "[ ü ]"}, {"de", 15, 187, "[ + ]"}, {"gb", 15, 220, "[ # ]"},
      {"jp", 17, 187, "[ ; ]"}, {"jp", 19, 186, "[ : ]"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(kelvo::KeySlotFieldName(row.slot, row.code, &Layout(row.layout)), row.name) << row.layout << " " << row.code;
  EXPECT_EQ(kelvo::KeySlotFieldName(17, 187, nullptr), "[ ; ]");  // no layout known: the Japanese names
}

TEST(TypedKeys, KeyDescriptionsNameTheKeysThatWorkThemOnTheLayoutInUse) {
  struct Row {
    const char* layout;
    int keyCode;
    const char* words;
  };
  const Row rows[] = {
      {"us", kEquals, "=、Enter"},        {"us", kMinus, "-、テンキー-"},     {"us", kPlus, "+、テンキー+"},
      {"us", kTimes, "*、テンキー*"},     {"us", kDivide, "/、テンキー/"},    {"us", kPoint, ".、テンキー."},
      {"us", kPercent, "%、P"},           {"us", kelvo::kKeySqrt, "R"},       {"us", Digit(7), "7、テンキー7"},
      {"de", kDivide, "/、テンキー/"},
      // Japanese: the keys by their places and printed names.
      {"jp", kEquals, "Enter"},           {"jp", kPlus, ";、テンキー+"},      {"jp", kPercent, "P"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(key_routing::KeyboardKeysFor(row.keyCode, Factory(), &Layout(row.layout)).toStdString(), row.words)
        << row.layout << " " << row.keyCode;
}

}  // namespace
