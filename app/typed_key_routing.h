#pragma once

#include <QHash>

#include <string_view>

#include "key_routing.h"

class QKeyEvent;

namespace kelvo {
struct KeyboardLayout;
}

// Keyboard keys in the main window, by what they type. The key table keeps the codes of the
// Japanese keyboard's keys, whose operator keys carry + * - / as printed; on any other layout the
// same codes sit on keys printed otherwise (";" on a US keyboard carries the code of the ": *"
// key). There a key that types + - * / = % . acts as that calculator key, and the factory codes of
// the operator slots, meant for the Japanese keys, no longer match by place. Keys a user assigned
// themself keep their meaning everywhere.
namespace key_routing {

// The calculator key of a typed text: one of + - * / = % . alone, else 0.
int TypedCalculatorKey(std::u32string_view text);

// The slots as they apply under a layout: unchanged on a Japanese one; elsewhere the operator
// slots still holding their factory code are emptied (the typed character does their work).
Slots SlotsForLayout(const Slots& table, bool japanese);

// Whether `virtualKey` sits in a slot with a code other than that slot's factory code.
bool AssignedByUser(const Slots& table, int virtualKey);

// The routing of whole key events, which remembers the calculator key each typed key pressed so
// that it is the one released, whatever the modifiers are when the key comes up.
class KeyEventRouter {
 public:
  // `layout` as ActiveKeyboardLayout gives it: null stands for a Japanese one.
  KeyDown Down(const QKeyEvent& event, int virtualKey, const kelvo::KeyboardLayout* layout, bool miniSize,
               const Slots& table);
  int Up(const QKeyEvent& event, int virtualKey, const kelvo::KeyboardLayout* layout, const Slots& table);

 private:
  QHash<quint32, int> typedDown_;  // native scan code -> calculator key pressed by its character
};

}  // namespace key_routing
