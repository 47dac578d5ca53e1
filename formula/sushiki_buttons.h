#pragma once

#include <QString>
#include <vector>

namespace kelvo {

// One insert button of the formula window: its object name, caption, tag, the text it inserts
// and its tool tip (rows 1 and 2 only).
struct InsertButton {
  const char* name;
  QString caption;
  int tag;
  QString tip;
  int row;  // 1, 2 or 3
};

const std::vector<InsertButton>& InsertButtons();

// The text a tag inserts: 0 to 9 the digits, 10 ".", 11 "+", 12 "-", 13 "*", 14 "/",
// 100 to 109 "Sin(" to "Fix(", 1000 "^", 1002 "Sqr(", 1003 a backslash, 1008 "(", 1009 ")",
// 1011 to 1015 "{Mod}" "{And}" "{Or}" "{Not}" "{Xor}"; anything else inserts nothing.
QString TextOfTag(int tag);

}  // namespace kelvo
