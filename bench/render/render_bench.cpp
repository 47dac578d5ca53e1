// Cost of one key press with drawing: PressKey and ReleaseKey through the real renderer, offscreen,
// on a realistic office session. Items are keys.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <random>
#include <vector>

#include "engine.h"
#include "keycodes.h"
#include "renderer.h"
#include "skin_display.h"
#include "skin_widgets.h"

namespace {

// Amounts with decimals, sums, products, percentages, memory and tax, as an office worker types.
std::vector<int> OfficeSession(size_t keys) {
  using namespace kelvo;
  std::mt19937 rng(11);
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
      }
      out.push_back(t + 1 < terms ? ops[rng() % 5] : finish[rng() % 8]);
    }
  }
  out.resize(keys);
  return out;
}

const std::vector<int>& Session() {
  static const std::vector<int> keys = OfficeSession(2000);
  return keys;
}

// The renderer's own work: rectangle copies into the key images and the strips.
void PressKeyThroughRenderer(benchmark::State& state) {
  kelvo::Renderer renderer;
  renderer.LoadBuiltInSheets();
  renderer.BuildPanelComposite();
  renderer.DrawAllButtonsUp();
  kelvo::SkinDisplay display(renderer);
  kelvo::Engine engine(display);
  for (auto _ : state) {
    for (const int key : Session()) {
      engine.PressKey(key);
      engine.ReleaseKey(key);
    }
    benchmark::DoNotOptimize(renderer.NumberStrip().constBits());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * Session().size()));
}
BENCHMARK(PressKeyThroughRenderer)->Unit(benchmark::kMillisecond);

// A main window as far as painting goes: the back panel and the composite under the widgets.
class FaceWindow : public QWidget {
 public:
  explicit FaceWindow(const kelvo::Renderer& renderer) : renderer_(renderer) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    renderer_.PaintBackground(painter);
  }

 private:
  const kelvo::Renderer& renderer_;
};

// The same with the window repainting what changed after every press and every release, as it
// does when its events are processed between keys.
void PressKeyWithWindowRepaint(benchmark::State& state) {
  kelvo::Renderer renderer;
  renderer.LoadBuiltInSheets();
  FaceWindow window(renderer);
  window.resize(kelvo::kClientWidth, kelvo::kClientHeight);
  kelvo::CreateSkinWidgets(&window, &renderer);
  renderer.BuildPanelComposite();
  renderer.DrawAllButtonsUp();
  window.show();
  QApplication::processEvents();
  kelvo::SkinDisplay display(renderer);
  kelvo::Engine engine(display);
  const size_t keys = 400;
  for (auto _ : state) {
    for (size_t i = 0; i < keys; ++i) {
      const int key = Session()[i];
      engine.PressKey(key);
      QApplication::processEvents();
      engine.ReleaseKey(key);
      QApplication::processEvents();
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * keys));
}
BENCHMARK(PressKeyWithWindowRepaint)->Unit(benchmark::kMillisecond);

// Start-up: the six built-in sheets out of the program's resources.
void LoadBuiltInSheets(benchmark::State& state) {
  for (auto _ : state) {
    kelvo::Renderer renderer;
    benchmark::DoNotOptimize(renderer.LoadBuiltInSheets());
  }
}
BENCHMARK(LoadBuiltInSheets)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
