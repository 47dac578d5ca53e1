// The template refresh at start, on a copy of the real template: the usual start (stamps equal),
// and the first start after a newer package (a walk of the template that adds one sample skin).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "template_refresh.h"

namespace {

namespace fs = std::filesystem;

struct Folders {
  Folders() {
    root = fs::temp_directory_path() / ("kelvo-refresh-bench-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
    fs::copy(KELVO_TEMPLATE, Template(), fs::copy_options::recursive);
    std::ofstream(Template() / kelvo::kTemplateStampFile) << "2.10.01\n";
    fs::copy(Template(), Copy(), fs::copy_options::recursive);
    kelvo::RefreshFromTemplate(Template().string(), Copy().string());  // writes the list it was given
  }
  ~Folders() { fs::remove_all(root); }
  fs::path Template() const { return root / "template"; }
  fs::path Copy() const { return root / "copy"; }
  fs::path root;
};

void BM_StartWithACurrentCopy(benchmark::State& state) {
  Folders folders;
  for (auto _ : state) benchmark::DoNotOptimize(kelvo::RefreshFromTemplate(folders.Template().string(), folders.Copy().string()));
}
BENCHMARK(BM_StartWithACurrentCopy)->Unit(benchmark::kMicrosecond);

void BM_FirstStartAfterANewerPackage(benchmark::State& state) {
  Folders folders;
  const fs::path newSkin = folders.Template() / "Skin/T7/SET_Kelvo_New";
  fs::copy(folders.Template() / "Skin/T7/SET_Kelvo_Night", newSkin);
  const fs::path copyStamp = folders.Copy() / kelvo::kTemplateStampFile;
  std::ostringstream before;
  before << std::ifstream(copyStamp).rdbuf();
  std::ofstream(folders.Template() / kelvo::kTemplateStampFile) << "2.10.02\n";
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(folders.Copy() / "Skin/T7/SET_Kelvo_New");
    std::ofstream(copyStamp, std::ios::trunc) << before.str();  // back to the copy of 2.10.01
    state.ResumeTiming();
    benchmark::DoNotOptimize(kelvo::RefreshFromTemplate(folders.Template().string(), folders.Copy().string()));
  }
}
BENCHMARK(BM_FirstStartAfterANewerPackage)->Unit(benchmark::kMicrosecond);

}  // namespace
