// kelvo-keys: drives the calculation engine from text.
//
//   kelvo-keys        each input line is one scenario on a fresh engine; prints one JSON line each
//   kelvo-keys -i     interactive: one engine for the whole session, the display after every key
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "key_script.h"

namespace {

std::string Describe(const kelvo::KeyScript& script) {
  const kelvo::EngineState& st = script.State();
  std::string line = st.display;
  line.insert(0, line.size() < 18 ? 18 - line.size() : 0, ' ');
  if (script.Display().errorMark) line += "  E";
  line += "  marks:";
  for (const kelvo::Mark mark : st.marks.Lit()) line += " " + std::to_string(static_cast<int>(mark));
  return line;
}

int Interactive() {
  std::cout << "Kelvo keys: type tokens such as 12 + 3.5 = (q quits, \"new\" starts afresh)\n";
  auto script = std::make_unique<kelvo::KeyScript>();
  std::string line;
  while (std::cout << "> " << std::flush, std::getline(std::cin, line)) {
    std::istringstream in(line);
    std::string token;
    while (in >> token) {
      if (token == "q" || token == "quit") return 0;
      if (token == "new") {
        script = std::make_unique<kelvo::KeyScript>();
        continue;
      }
      if (!script->Apply(token)) {
        std::cout << "unknown token: " << token << "\n";
        continue;
      }
      if (token == "invoice") {
        for (const kelvo::InvoiceRow& row : *script->InvoiceShown())
          std::cout << row.label << "\t" << row.count << "\t" << row.excluded << "\t" << row.tax << "\t" << row.included
                    << "\n";
        continue;
      }
      std::cout << token << "\t" << Describe(*script) << "\n";
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "-i") == 0) return Interactive();
  if (argc > 1) {
    std::cerr << "usage: kelvo-keys [-i]\n";
    return 2;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::cout << kelvo::RunKeyScript(line) << "\n";
  }
  return 0;
}
