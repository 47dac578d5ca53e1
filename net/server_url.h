#pragma once

#include <QString>

namespace kelvo {

// The download server's base URL, always ending in "/": section Net, key ServerUrl of the current
// settings file when it is set, else the address built into the program. The update list and the
// skin catalogue lie directly below it.
QString ServerBaseUrl();

// The address built into the program.
QString BuiltInServerUrl();

// `url` trimmed and ending in "/"; the empty text stays empty.
QString WithTrailingSlash(const QString& url);

}  // namespace kelvo
