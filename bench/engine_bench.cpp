// Cost of the decimal operations and of a realistic key session through the engine.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "decimal.h"
#include "engine.h"
#include "invoice.h"
#include "keycodes.h"
#include "recording_display.h"

namespace {

const char* const kA = "12345678901234";
const char* const kB = "98765432109876";
const char* const kC = "-4567.890123456";

void DecAddFourteenDigits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvo::DecAdd(kA, kC));
}
BENCHMARK(DecAddFourteenDigits);

void DecMultiplyFourteenDigits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvo::DecMultiply(kA, kB));
}
BENCHMARK(DecMultiplyFourteenDigits);

void DecDivideFourteenDigits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvo::DecDivide(kB, kA));
}
BENCHMARK(DecDivideFourteenDigits);

void DecDivideRepeatingQuotient(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvo::DecDivide("1", "98765432109876"));
}
BENCHMARK(DecDivideRepeatingQuotient);

// What an office worker types: amounts with decimals, sums, products, percentages, memory and tax.
std::vector<int> OfficeSession(size_t keys) {
  using namespace kelvo;
  std::mt19937 rng(7);
  std::vector<int> out;
  const int ops[] = {kKeyPlus, kKeyPlus, kKeyMinus, kKeyMultiply, kKeyDivide};
  const int finish[] = {kKeyEquals, kKeyEquals, kKeyEquals, kKeyPercent, kKeyMPlus, kKeyZeikomi, kKeyGT, kKeyC};
  while (out.size() < keys) {
    const int terms = 2 + static_cast<int>(rng() % 4);
    for (int t = 0; t < terms; ++t) {
      const int digits = 1 + static_cast<int>(rng() % 8);
      for (int d = 0; d < digits; ++d) out.push_back(kKeyDigit0 + static_cast<int>(rng() % 10));
      if (rng() % 3 == 0) {
        out.push_back(kKeyPoint);
        out.push_back(kKeyDigit0 + static_cast<int>(rng() % 10));
        out.push_back(kKeyDigit0 + static_cast<int>(rng() % 10));
      }
      out.push_back(t + 1 < terms ? ops[rng() % 5] : finish[rng() % 8]);
    }
  }
  out.resize(keys);
  return out;
}

void SessionOfficeKeys(benchmark::State& state) {
  const std::vector<int> keys = OfficeSession(10000);
  for (auto _ : state) {
    kelvo::RecordingDisplay display;
    kelvo::Engine engine(display);
    for (const int key : keys) {
      engine.PressKey(key);
      engine.ReleaseKey(key);
    }
    benchmark::DoNotOptimize(engine.State().display);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(keys.size()));
}
BENCHMARK(SessionOfficeKeys)->Unit(benchmark::kMillisecond);

// The table the tax per rate window works out after each key while open: registers that hold a
// long day of invoice lines at both rates, with and without tax.
void InvoiceTableOfADay(benchmark::State& state) {
  kelvo::InvoiceRegisters registers;
  std::mt19937 rng(7);
  for (int line = 0; line < 10000; ++line) {
    const bool reduced = rng() % 3 == 0;
    const auto direction = rng() % 4 == 0 ? kelvo::TaxDirection::RemoveTax : kelvo::TaxDirection::AddTax;
    registers.Add(reduced ? 0.08 : 0.1, reduced, direction, std::to_string(rng() % 10000000) + ".5");
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(kelvo::InvoiceTable(registers, kelvo::InvoiceRounding::HalfUp, 0.1, 0.08));
  }
}
BENCHMARK(InvoiceTableOfADay)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
