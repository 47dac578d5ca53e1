#pragma once

#include <array>
#include <string_view>

// Where everything sits: the 32 keys with their cells on the button sheets and their places on the
// main window, the two display strips, the panel composite and the small text labels. The main
// window places its widgets from these tables; the renderer cuts its cells from them.
namespace kelvo {

inline constexpr int kClientWidth = 272;
inline constexpr int kClientHeight = 400;
inline constexpr int kMiniClientHeight = 116;  // mini size shows the display only

inline constexpr int kKeyWidth = 41;
inline constexpr int kKeyHiddenRows = 2;  // the last two rows of a cell are never shown

struct ButtonCell {
  int keyCode;
  std::string_view control;  // widget object name
  std::string_view caption;  // what the key says; its accessible name
  int cellX, cellY, cellHeight;  // on the button sheets
  int windowX, windowY;          // on the main window
  constexpr int VisibleHeight() const { return cellHeight - kKeyHiddenRows; }
};

inline constexpr std::array<ButtonCell, 32> kButtonCells{{
    {9, "btRoute", "√", 50, 5, 27, 66, 128},
    {10, "btKenzan", "検算", 95, 5, 27, 114, 128},
    {11, "btZeikomi", "税込", 140, 5, 27, 162, 128},
    {12, "btZeinuki", "税抜", 185, 5, 27, 210, 128},
    {2, "btCE", "CE", 5, 35, 27, 18, 160},
    {13, "btBackS", "→", 50, 35, 27, 66, 160},
    {14, "btPM", "+/-", 95, 35, 27, 114, 160},
    {15, "btGT", "GT", 140, 35, 27, 162, 160},
    {16, "btCA", "CA", 185, 35, 27, 210, 160},
    {3, "btMC", "MC", 5, 65, 35, 18, 192},
    {1, "btPer", "%", 50, 65, 35, 66, 192},
    {20, "btWaru", "÷", 95, 65, 35, 114, 192},
    {19, "btKakeru", "×", 140, 65, 35, 162, 192},
    {18, "btMinus", "-", 185, 65, 35, 210, 192},
    {4, "btMR", "MR", 5, 105, 35, 18, 232},
    {107, "bt7", "7", 50, 105, 35, 66, 232},
    {108, "bt8", "8", 95, 105, 35, 114, 232},
    {109, "bt9", "9", 140, 105, 35, 162, 232},
    {17, "btPlus", "+", 185, 105, 75, 210, 232},
    {5, "btMP", "M+", 5, 145, 35, 18, 272},
    {104, "bt4", "4", 50, 145, 35, 66, 272},
    {105, "bt5", "5", 95, 145, 35, 114, 272},
    {106, "bt6", "6", 140, 145, 35, 162, 272},
    {6, "btMM", "M-", 5, 185, 35, 18, 312},
    {101, "bt1", "1", 50, 185, 35, 66, 312},
    {102, "bt2", "2", 95, 185, 35, 114, 312},
    {103, "bt3", "3", 140, 185, 35, 162, 312},
    {99, "btEq", "=", 185, 185, 75, 210, 312},
    {7, "btC", "C", 5, 225, 35, 18, 352},
    {100, "bt0", "0", 50, 225, 35, 66, 352},
    {110, "bt00", "00", 95, 225, 35, 114, 352},
    {21, "btCanma", ".", 140, 225, 35, 162, 352},
}};

// Index of a key code in kButtonCells, or -1 for a code without a key image (8, 22 ...).
inline constexpr int ButtonIndex(int keyCode) {
  for (size_t i = 0; i < kButtonCells.size(); ++i)
    if (kButtonCells[i].keyCode == keyCode) return static_cast<int>(i);
  return -1;
}

inline constexpr const ButtonCell* FindButtonCell(int keyCode) {
  const int i = ButtonIndex(keyCode);
  return i < 0 ? nullptr : &kButtonCells[static_cast<size_t>(i)];
}

struct Rect {
  int x, y, width, height;
};

// Display surfaces and labels on the main window.
inline constexpr Rect kNumberStripRect{13, 51, 245, 30};  // picDgPnl
inline constexpr Rect kMarkStripRect{13, 39, 245, 10};    // picDgMark
inline constexpr Rect kPanelCompositeRect{5, 9, 261, 100};  // where the panel composite is painted
inline constexpr int kPanelBackgroundX = 6;  // the composite takes its background from x 6, not 5

struct LabelCell {
  std::string_view control;
  Rect rect;
  int alignment;  // -1 left, 0 centred, 1 right
};

inline constexpr std::array<LabelCell, 6> kDisplayLabels{{
    {"labAns", {112, 17, 145, 13}, 1},
    {"labIpt", {13, 90, 145, 13}, 1},
    {"labRsL", {200, 90, 13, 13}, -1},
    {"labRs", {213, 90, 22, 13}, 0},
    {"labDcL", {236, 90, 14, 13}, -1},
    {"labDc", {250, 90, 10, 13}, -1},
}};

// The tax-rate label labZei, between the input label and the selector labels.
inline constexpr Rect kTaxRateLabelRect{160, 90, 38, 13};

// The enlarged panel's strips.
inline constexpr int kEnlargedNumberWidth = 544, kEnlargedNumberHeight = 66;
inline constexpr int kEnlargedMarkWidth = 544, kEnlargedMarkHeight = 22;

}  // namespace kelvo
