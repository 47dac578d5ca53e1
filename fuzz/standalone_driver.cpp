// Runs a fuzz target without libFuzzer: every file named on the command line (or found in a
// folder named there), then a seeded batch of random inputs made by cutting and mixing them.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr int kRounds = 300;  // enough to keep a target honest in the test suite; libFuzzer goes on for hours

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> seeds;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path(argv[i]);
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::directory_iterator(path))
        if (entry.is_regular_file()) seeds.push_back(ReadWhole(entry.path()));
    } else {
      seeds.push_back(ReadWhole(path));
    }
  }
  for (const std::string& seed : seeds) Run(seed);
  // Mutations: cut, splice, flip bytes, repeat; the same every run.
  std::mt19937 random(20261207);
  if (seeds.empty()) seeds.push_back("");
  for (int round = 0; round < kRounds; ++round) {
    std::string input = seeds[random() % seeds.size()];
    const std::string& other = seeds[random() % seeds.size()];
    switch (random() % 4) {
      case 0: if (!input.empty()) input.resize(random() % input.size()); break;
      case 1: input.insert(input.empty() ? 0 : random() % input.size(), other); break;
      case 2: for (int i = 0; i < 8 && !input.empty(); ++i) input[random() % input.size()] = static_cast<char>(random()); break;
      case 3: for (int i = 0; i < 3; ++i) input += input.substr(0, 4096); break;
    }
    Run(input);
  }
  std::printf("%zu seeds and %d mutations ran\n", seeds.size(), kRounds);
  return 0;
}
