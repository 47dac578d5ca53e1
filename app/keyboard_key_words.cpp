#include "keyboard_key_words.h"

#include <QStringList>

#include "key_names.h"
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

QString KeyWords(int virtualKey) {
  // "[PgUp]" and "[ A ]" lose their brackets and padding.
  QString name = QString::fromStdString(kelvo::KeyDisplayName(virtualKey));
  if (name.startsWith(u'[') && name.endsWith(u']')) name = name.mid(1, name.size() - 2).trimmed();
  return name.isEmpty() ? FixedKeyWords(virtualKey) : name;
}

}  // namespace

QString KeyboardKeysFor(int keyCode, const Slots& table) {
  QStringList assigned, fixed;
  for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
    const KeyDown down = RouteKeyDown(virtualKey, /*shift=*/false, /*miniSize=*/false, table);
    if (down.kind != KeyDown::Press || down.code != keyCode) continue;
    const QString words = KeyWords(virtualKey);
    if (words.isEmpty()) continue;
    (FixedKeyWords(virtualKey).isEmpty() ? assigned : fixed) << words;
  }
  return (assigned + fixed).join(QStringLiteral("、"));
}

}  // namespace key_routing
