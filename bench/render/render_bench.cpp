// Cost of one key press with drawing: PressKey and ReleaseKey through the real renderer, offscreen,
// on a realistic office session. Items are keys.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <vector>

#include "accessible_face.h"
#include "engine.h"
#include "key_script.h"
#include "renderer.h"
#include "skin_display.h"
#include "skin_widgets.h"
#include "spoken_message.h"

namespace {

// A morning at the office, in kelvo-keys tokens: invoices summed, prices with tax, unit prices,
// discounts, memory and grand total, corrections.
const char* const kOfficeWork[] = {
    "1 2 8 0 0 + 3 4 5 0 + 9 8 0 + 1 5 0 0 0 = gt",
    "2 4 8 0 0 tax+ m+ 1 9 8 0 tax+ m+ mr",
    "3 5 0 0 0 0 / 1 2 = 2 9 1 6 6 . 6 6 * 3 =",
    "1 2 5 0 0 * 1 5 % 1 2 5 0 0 - 1 8 7 5 =",
    "9 8 . 7 6 * 1 2 . 5 = m- 4 5 6 7 8 9 bs bs 0 0 ce 1 2 3 4 =",
    "1 0 8 0 0 0 tax- tax- c 5 5 0 0 0 + 6 6 0 0 0 + 7 7 0 0 0 = gt gt",
    "2 sqrt * 1 0 0 0 0 0 = +/- + 1 2 3 4 5 6 7 8 9 0 1 2 3 4 =",
    "8 8 0 0 / 1 . 1 = = = m+ mc ca",
};

const std::vector<int>& Session() {
  static const std::vector<int> keys = [] {
    std::vector<int> out;
    for (const char* line : kOfficeWork)
      for (const QString& token : QString::fromLatin1(line).split(u' ', Qt::SkipEmptyParts))
        out.push_back(kelvo::KeyTokenCode(token.toStdString()));
    return out;
  }();
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
  for (auto _ : state) {
    for (const int key : Session()) {
      engine.PressKey(key);
      QApplication::processEvents();
      engine.ReleaseKey(key);
      QApplication::processEvents();
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * Session().size()));
}
BENCHMARK(PressKeyWithWindowRepaint)->Unit(benchmark::kMillisecond);

// A display that ends every key as the main window's does: the display's words are worked out and
// compared, and each change said (to a counting hook), as while a screen reader listens.
class AnnouncingDisplay : public kelvo::SkinDisplay {
 public:
  AnnouncingDisplay(kelvo::Renderer& renderer, QWidget* strip) : SkinDisplay(renderer), strip_(strip) {}
  void ReturnFocus() override { kelvo::AnnounceDisplay(strip_); }

 private:
  QWidget* strip_;
};

void PressKeyWithScreenReaderListening(benchmark::State& state) {
  kelvo::Renderer renderer;
  renderer.LoadBuiltInSheets();
  QWidget window;
  const kelvo::SkinWidgets widgets = kelvo::CreateSkinWidgets(&window, &renderer);
  kelvo::InstallFaceAccessibility();
  AnnouncingDisplay display(renderer, widgets.numberStrip);
  kelvo::Engine engine(display);
  kelvo::SetDisplayReading(widgets.numberStrip, [&] {
    const kelvo::EngineState& s = engine.State();
    return kelvo::DisplayReading{s.display, s.error, renderer.Lit(), 2, 2, kelvo::SpokenTaxRate(0.1, false)};
  });
  window.show();  // a window says nothing before it is on the screen
  QApplication::processEvents();
  int raised = 0;
  kelvo::SetAnnouncementHook([&raised](QWidget*, const QString&) { ++raised; });
  kelvo::StartDisplayAnnouncements(widgets.numberStrip);
  kelvo::SetDisplayAnnouncementDelay(0);  // every key said, as keys typed one by one are
  for (auto _ : state) {
    for (const int key : Session()) {
      engine.PressKey(key);
      engine.ReleaseKey(key);
      QApplication::processEvents();
    }
  }
  kelvo::SetDisplayAnnouncementDelay(40);
  kelvo::SetAnnouncementHook({});
  state.counters["announcements_per_key"] =
      benchmark::Counter(static_cast<double>(raised) / static_cast<double>(state.iterations() * Session().size()));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * Session().size()));
}
BENCHMARK(PressKeyWithScreenReaderListening)->Unit(benchmark::kMillisecond);

// Start-up: the six built-in sheets out of the program's resources.
void LoadBuiltInSheets(benchmark::State& state) {
  for (auto _ : state) {
    kelvo::Renderer renderer;
    benchmark::DoNotOptimize(renderer.LoadBuiltInSheets());
  }
}
BENCHMARK(LoadBuiltInSheets)->Unit(benchmark::kMillisecond);

}  // namespace
