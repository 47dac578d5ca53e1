#include "keyboard_key_words.h"

#include <QStringList>

#include "key_names.h"
#include "keyboard_layout.h"
#include "typed_key_routing.h"
#include "vk_codes.h"

namespace key_routing {
namespace {

namespace vk = kelvo::vk;

// The keys the key settings dialog cannot name: the keypad and Enter.
QString FixedKeyWords(int virtualKey) {
  if (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad9)
    return QStringLiteral("テンキー") + QString::number(virtualKey - vk::kNumpad0);
  switch (virtualKey) {
    case vk::kReturn: return QStringLiteral("Enter");
    case vk::kMultiply: return QStringLiteral("テンキー*");
    case vk::kAdd: return QStringLiteral("テンキー+");
    case vk::kSubtract: return QStringLiteral("テンキー-");
    case vk::kDecimal: return QStringLiteral("テンキー.");
    case vk::kDivide: return QStringLiteral("テンキー/");
    default: return {};
  }
}

QString KeyWords(int virtualKey, const kelvo::KeyboardLayout* layout) {
  // The dialog's name of the key under the layout ("[PgUp]", "[ ; ]"), without brackets and padding.
  QString name = QString::fromStdString(kelvo::KeySlotFieldName(/*slot=*/0, virtualKey, layout));
  if (name.startsWith(u'[') && name.endsWith(u']')) name = name.mid(1, name.size() - 2).trimmed();
  return name;
}

}  // namespace

QString KeyboardKeysFor(int keyCode, const Slots& table, const kelvo::KeyboardLayout* layout) {
  const bool japanese = layout == nullptr || layout->japanese;
  QStringList typed, assigned, fixed;
  if (!japanese) {
    for (const char32_t c : U"+-*/=%.")
      if (TypedCalculatorKey(std::u32string_view(&c, 1)) == keyCode) typed << QString::fromUcs4(&c, 1);
  }
  const Slots routed = SlotsForLayout(table, japanese);
  for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
    const KeyDown down = RouteKeyDown(virtualKey, /*shift=*/false, /*miniSize=*/false, routed);
    if (down.kind != KeyDown::Press || down.code != keyCode) continue;
    if (const QString words = FixedKeyWords(virtualKey); !words.isEmpty()) {
      fixed << words;
    } else if (const QString name = KeyWords(virtualKey, layout); !name.isEmpty()) {
      assigned << name;
    }
  }
  return (typed + assigned + fixed).join(QStringLiteral("、"));
}

}  // namespace key_routing
