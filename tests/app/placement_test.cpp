// Where the main window reopens and where side windows go, over work areas of every shape.
#include <gtest/gtest.h>

#include "placement.h"

using placement::Edges;

namespace {

const QSize kMain(272, 445);

TEST(RestoredPosition, PulledIntoTheWorkArea) {
  struct Row {
    const char* what;
    QPoint saved;
    Edges area;
    QPoint expected;
  };
  const Edges screen{0, 0, 1280, 1024};
  const Edges taskbarLeft{60, 0, 1280, 1024};
  const Edges taskbarBottom{0, 0, 1280, 984};
  const Row rows[] = {
      {"inside stays", {100, 200}, screen, {100, 200}},
      {"left of the work area", {-500, 200}, screen, {0, 200}},
      {"beyond the right edge", {1200, 200}, screen, {1280 - 272, 200}},
      {"top 10 above the bottom", {100, 1014}, screen, {100, 1024 - 445}},
      {"top 21 above the bottom is kept", {100, 1003}, screen, {100, 1003}},
      {"top 20 above the bottom is kept", {100, 1004}, screen, {100, 1004}},
      {"above the top", {100, -40}, screen, {100, 0}},
      {"taskbar on the left, saved left 0", {0, 10}, taskbarLeft, {60, 10}},
      {"taskbar at the bottom", {10, 980}, taskbarBottom, {10, 984 - 445}},
      {"far below and right", {5000, 5000}, screen, {1280 - 272, 1024 - 445}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(placement::RestoredPosition(row.saved, kMain, row.area), row.expected) << row.what;
}

TEST(PlaceWindow, ModesAroundTheMainWindow) {
  struct Row {
    const char* what;
    int mode;
    QRect main;
    QSize side;
    Edges area;
    int caption;
    QPoint expected;
  };
  const Edges screen{0, 0, 1280, 1024};
  const Edges shifted{100, 50, 1280, 1024};
  const QSize tape(318, 450), about(301, 200), big(583, 250);
  const Row rows[] = {
      {"enlarged panel: work area corner", 0, {500, 300, 272, 445}, big, shifted, 24, {100, 50}},
      {"beside: left when there is room", 1, {500, 300, 272, 445}, tape, screen, 24, {182, 300}},
      {"beside: right when the left is full", 1, {200, 300, 272, 445}, tape, screen, 24, {472, 300}},
      {"beside: centred when neither fits", 1, {300, 300, 272, 445}, {700, 450}, {0, 0, 1000, 1024}, 24, {86, 300}},
      {"beside: pulled up from the bottom", 1, {500, 800, 272, 445}, tape, screen, 24, {182, 1024 - 450}},
      {"below caption: centred", 2, {500, 300, 272, 445}, about, screen, 24, {485, 324}},
      {"below caption: off the right", 2, {1200, 300, 272, 445}, about, screen, 24, {1280 - 24 - 301, 324}},
      {"below caption: off the left", 2, {-100, 300, 272, 445}, about, screen, 24, {24, 324}},
      {"cascaded one caption in", 3, {500, 300, 272, 445}, about, screen, 24, {524, 324}},
      {"cascaded left of the work area", 3, {-100, 300, 272, 445}, about, shifted, 24, {124, 324}},
      {"cascaded touching the right", 3, {1000, 300, 272, 445}, about, screen, 24, {1280 - 24 - 301, 324}},
      {"a caption height out of range counts 0", 3, {500, 300, 272, 445}, about, screen, 99, {500, 300}},
      {"top never above the work area", 3, {500, 10, 272, 445}, about, shifted, 24, {524, 50}},
      {"centring truncates toward zero", 2, {-10, 300, 272, 445}, {301, 200}, {-500, 0, 1280, 1024}, 0, {-24, 300}},
  };
  for (const Row& row : rows) {
    const QRect side(QPoint(7, 7), row.side);
    EXPECT_EQ(placement::PlaceWindowPosition(row.mode, row.main, side, row.area, row.caption), row.expected) << row.what;
  }
}

TEST(PlaceWindow, UnknownModeOnlyKeepsTheTopInTheWorkArea) {
  const Edges area{0, 100, 1280, 1024};
  EXPECT_EQ(placement::PlaceWindowPosition(9, {500, 300, 272, 445}, {40, 20, 300, 200}, area, 24), QPoint(40, 100));
}

}  // namespace
