// kelvo-wsh: the script host of the formula window. It runs one formula script, given by its
// file name, the way the system would run it: evaluates the expression and writes the answer
// file the script names. A file that is not a formula script of this program is refused: it
// writes nothing and exits with 2. So is a script whose answer file is not in the Calc folder
// that holds the script (the program's own data folder), a path with a control character or an
// empty, "." or ".." part, and a script or Calc folder reached through a link or that is not a
// regular file or folder. It reads nothing but the script, writes nothing but the answer file
// (always a new file renamed over the old one, which is never written into) and starts nothing.
// An answer file that exists but is not a regular file is left alone: exit 1.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "calc_files.h"
#include "script_text.h"

namespace {

// A script is at most the expression limit plus its fixed lines and a long path.
constexpr std::size_t kMaxScriptBytes = kelvo::wsh::kMaxExpressionBytes + 64 * 1024;

// Closes a descriptor when it goes out of scope.
struct Folder {
  int fd;
  ~Folder() {
    if (fd >= 0) close(fd);
  }
};

bool SameFolder(int a, int b) {
  struct stat first {}, second {};
  return fstat(a, &first) == 0 && fstat(b, &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kelvo-wsh SCRIPT\n");
    return 2;
  }
  // The script: a regular file (never a link, never waited on), in the folder its name says.
  const std::string argument = argv[1];
  const std::size_t slash = argument.rfind('/');
  const std::string scriptFolder =
      slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : argument.substr(0, slash);
  const std::string scriptName = slash == std::string::npos ? argument : argument.substr(slash + 1);
  const Folder scripts{open(scriptFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  std::string script;
  if (scripts.fd < 0 || !kelvo::wsh::ReadRegularFile(scripts.fd, scriptName, kMaxScriptBytes, script)) return 2;

  // The answer file: named by an answer path, in the very Calc folder that holds the script, and
  // opened part by part from the checked text alone.
  const auto request = kelvo::wsh::ParseScript(script);
  if (!request) return 2;
  const std::optional<kelvo::wsh::CalcFile> answer = kelvo::wsh::AnswerFileOf(request->answerPath);
  if (!answer) return 2;
  const Folder calc{kelvo::wsh::OpenCalcFolder(*answer)};
  if (calc.fd < 0 || !SameFolder(calc.fd, scripts.fd)) return 2;

  const kelvo::wsh::Outcome outcome = kelvo::wsh::Evaluate(request->expression, kelvo::wsh::LocalClock());
  return kelvo::wsh::ReplaceFileIn(calc.fd, answer->name, kelvo::wsh::AnswerText(outcome, request->stamp)) ? 0 : 1;
}
