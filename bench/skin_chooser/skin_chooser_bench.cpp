// Opening the skin chooser on a library of 200 skins, and moving the selection from one entry to
// the next with its preview shown, offscreen.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>

#include "fake_chooser_host.h"
#include "program_folder.h"
#include "renderer.h"
#include "skin_chooser.h"
#include "state.h"

namespace {

constexpr int kSkins = 200;

// A program folder whose library holds 200 sets, every fourth with the animated sample preview.
struct Library {
  Library() {
    folders = kelvo::SkinFolders::BesideProgram(QString::fromStdString(program.Root()));
    QDir().mkpath(folders.Standard());
    QFile::copy(QStringLiteral(KELVO_TEMPLATE "/_sys/Default/NoImage.gif"), folders.Standard() + "NoImage.gif");
    for (int i = 0; i < kSkins; ++i) {
      const QString folder = folders.Library() + QStringLiteral("SET_Office_%1/").arg(i, 3, 10, QChar(u'0'));
      QDir().mkpath(folder);
      const char* sample = i % 4 == 0 ? "SET_Kelvo_Night" : "SET_Kelvo_Paper";
      QFile::copy(QStringLiteral(KELVO_TEMPLATE "/Skin/T7/%1/Preview.gif").arg(sample), folder + "Preview.gif");
    }
  }
  kelvo::test::ProgramFolder program;
  kelvo::SkinFolders folders;
  kelvo::Renderer renderer;
  kelvo::EngineState state;
};

Library& TheLibrary() {
  static Library library;
  return library;
}

std::unique_ptr<kelvo::TfrmSkinCh> OpenChooser() {
  Library& library = TheLibrary();
  auto chooser = std::make_unique<kelvo::TfrmSkinCh>(
      std::make_unique<kelvo::test::ChooserHost>(library.renderer, library.state, library.folders, true));
  chooser->show();
  return chooser;
}

void BM_OpenChooser(benchmark::State& state) {
  for (auto _ : state) {
    auto chooser = OpenChooser();
    QCoreApplication::processEvents();  // the first paint
    benchmark::DoNotOptimize(chooser.get());
    state.PauseTiming();
    chooser.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenChooser)->Unit(benchmark::kMillisecond);

void BM_SelectNextEntry(benchmark::State& state) {
  auto chooser = OpenChooser();
  auto* list = chooser->findChild<QListWidget*>(QStringLiteral("lstSkinFiles"));
  int row = 0;
  for (auto _ : state) {
    row = (row + 1) % list->count();
    list->setCurrentRow(row);
    QCoreApplication::processEvents();  // the new preview painted
  }
}
BENCHMARK(BM_SelectNextEntry)->Unit(benchmark::kMillisecond);

}  // namespace
