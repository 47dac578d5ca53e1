#pragma once

#include <array>
#include <string_view>

// The six skin sheets a skin may replace, the groups they redraw, and the skin categories.
namespace kelvo {

// In the order a skin folder is applied.
enum class SkinPart { ButtonUp, ButtonDown, DigitalNumber, BackPanel, DigitalPanel, DigitalMark };
inline constexpr int kSkinPartCount = 6;

enum class SkinGroup { Buttons, Digits, Panel, Marks };

struct SkinPartInfo {
  SkinPart part;
  std::string_view name;  // file name without ".bmp"
  SkinGroup group;
  int builtInWidth, builtInHeight;
};

inline constexpr std::array<SkinPartInfo, kSkinPartCount> kSkinParts{{
    {SkinPart::ButtonUp, "imgButtonUp", SkinGroup::Buttons, 231, 261},
    {SkinPart::ButtonDown, "imgButtonDown", SkinGroup::Buttons, 231, 261},
    {SkinPart::DigitalNumber, "imgDigitalNumber", SkinGroup::Digits, 224, 25},
    {SkinPart::BackPanel, "imgBackPanel", SkinGroup::Panel, 272, 400},
    {SkinPart::DigitalPanel, "imgDigitalPanel", SkinGroup::Panel, 261, 102},
    {SkinPart::DigitalMark, "imgDigitalMark", SkinGroup::Marks, 360, 13},
}};

inline constexpr const SkinPartInfo& PartInfo(SkinPart part) { return kSkinParts[static_cast<size_t>(part)]; }

inline constexpr std::string_view kPreviewFileName = "Preview.gif";
inline constexpr std::string_view kNoImageFileName = "NoImage.gif";

// Skin categories: the chooser's tabs, the folder-name prefixes and what a skin of each provides.
struct SkinCategory {
  int index;
  std::string_view caption;
  std::string_view prefix;  // folder names start with it
};

inline constexpr std::array<SkinCategory, 7> kSkinCategories{{
    {0, "セット", "SET_"},
    {1, "背景", "PNL_"},
    {2, "液晶パネル", "DGP_"},
    {3, "ボタン", "BTN_"},
    {4, "デジタル", "DGN_"},
    {5, "マーク", "DGM_"},
    {6, "保存", "HOZ_"},
}};

inline constexpr int kCategorySet = 0;
inline constexpr int kCategoryUserSaved = 6;

// CustumSkinType: which kind of skin is in use.
enum CustumSkinType : int {
  kSkinStandard = 0,
  kSkinSet = 1,
  kSkinCustom = 2,
  kSkinUserSaved = 3,
};

// The chooser's caption text for each kind ("[標準]" ...).
inline constexpr std::array<std::string_view, 4> kSkinTypeCaptions{{"[標準]", "[セット]", "[カスタム]", "[ユーザー保存]"}};

}  // namespace kelvo
