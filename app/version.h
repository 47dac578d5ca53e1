#pragma once

// The program's version text: the about box shows it, the update check compares it and
// `kelvo --version` prints it. Set once in the top CMakeLists (KELVO_APP_VERSION).
inline constexpr const char* kVersionText = KELVO_APP_VERSION;
