// kelvo-wsh: the script host of the formula window. It runs one formula script, given by its
// file name, the way the system would run it: evaluates the expression and writes the answer
// file the script names. A file that is not a formula script of this program is refused: it
// writes nothing and exits with 2. It reads nothing but the script, writes nothing but the
// answer file and starts nothing.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "script_text.h"

namespace {

// A script is at most the expression limit plus its fixed lines and a long path.
constexpr std::size_t kMaxScriptBytes = kelvo::wsh::kMaxExpressionBytes + 64 * 1024;

bool ReadWhole(const char* path, std::string& out) {
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char buffer[16384];
  bool ok = true;
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) { ok = false; break; }
    if (n == 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
    if (out.size() > kMaxScriptBytes) { ok = false; break; }
  }
  close(fd);
  return ok;
}

// Creates or truncates the answer file and writes it in one piece; never follows a link.
bool WriteAnswer(const std::string& path, const std::string& text) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return close(fd) == 0 && done == text.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kelvo-wsh SCRIPT\n");
    return 2;
  }
  std::string script;
  if (!ReadWhole(argv[1], script)) return 2;
  const auto request = kelvo::wsh::ParseScript(script);
  if (!request || !kelvo::wsh::IsAnswerFilePath(request->answerPath)) return 2;
  const kelvo::wsh::Outcome outcome = kelvo::wsh::Evaluate(request->expression, kelvo::wsh::LocalClock());
  return WriteAnswer(request->answerPath, kelvo::wsh::AnswerText(outcome, request->stamp)) ? 0 : 1;
}
