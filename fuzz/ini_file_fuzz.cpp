// The settings file: whatever the file holds, reading never fails, what is written reads back
// as it was held, and names the store refuses change nothing.
#include <cstdlib>
#include <string>

#include "fuzz_file.h"
#include "ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = WriteFuzzFile(data, size, ".ini");
  kelvo::IniFile file(path);
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string name = text.substr(0, 12), value = text.substr(size / 2, 20);
  file.ReadInteger(name, value, 1);
  file.ReadReal(value, name, 0.05);
  const std::string before = file.Text();
  if (!file.WriteString(name, value, text.substr(0, 40)) && file.Text() != before) std::abort();
  if (!file.Unreadable() && file.Flush()) {
    const kelvo::IniFile again(path);
    if (again.Text() != file.Text()) std::abort();
  }
  return 0;
}
