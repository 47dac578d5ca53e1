#pragma once

#include <string>
#include <vector>

// The program's own command-line options, read before any window system is touched so that they
// work without a display. The calculator takes no arguments: "--help" and "--version" answer and
// end the program; an unknown option shows the usage on stderr and ends it with status 2. Qt's
// generic options ("-platform wayland", "-style Fusion") and plain words pass on to Qt unchanged.
namespace command_line {

struct Outcome {
  bool run = true;   // false: end now with `exitCode`
  int exitCode = 0;
  std::string out;   // for stdout
  std::string err;   // for stderr
};

// `arguments` without the program name.
Outcome Read(const std::vector<std::string>& arguments, const std::string& version);

}  // namespace command_line
