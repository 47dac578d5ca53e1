#pragma once

#include <array>
#include <cstddef>

namespace kelvo {

// The menu items whose check mark is itself a setting (or carries one beside its flag). The main
// window owns the real items; where one setting has two items, the main window keeps both in step
// (KeyPanelOn: Mb_KeyPanelOn and MigiKuriPop_KeyPanelOn; TaskBarIn: Mb_TaskBarIn and
// MigiKuriPop_TaskBarIn; ReducedTaxRate: Mb_Keigen and MigiKuriPop_Keigen).
enum class MenuCheck {
  KeyPanelOn,    // Mb_KeyPanelOn: mini-size display
  KeyButtonOn,   // Mb_KeyButtonOn: the 32 button images are shown
  StartUpEndOn,  // Mb_StartUpEndOn: restore the window position at start
  TaskBarIn,     // Mb_TaskBarIn: task-tray residency
  PerSharp,      // Mb_PerSharp: first percent convention
  PerCasio,      // Mb_PerCasio: second percent convention
  GrandTotal,    // Mb_GrandTotal
  AnswerCK,      // Mb_AnswerCK
  FrontSideOn,   // Mb_FrontSideOn: always on top
  AutoUpdate,    // Mb_AutoUpdate: check for a newer version at start
  ReducedTaxRate,  // Mb_Keigen: the tax keys use the reduced rate
};
inline constexpr std::size_t kMenuCheckCount = 11;

// The check marks the settings passes set and the setting writers read.
class SettingsChecks {
 public:
  virtual ~SettingsChecks() = default;
  virtual bool IsChecked(MenuCheck item) const = 0;
  virtual void SetChecked(MenuCheck item, bool checked) = 0;
};

// Check marks kept in memory: every item starts unchecked, as menu items do when the main window
// is created. Tests use it, and so may anything that runs without the main window.
class MemorySettingsChecks : public SettingsChecks {
 public:
  bool IsChecked(MenuCheck item) const override { return checked_[static_cast<std::size_t>(item)]; }
  void SetChecked(MenuCheck item, bool checked) override { checked_[static_cast<std::size_t>(item)] = checked; }

 private:
  std::array<bool, kMenuCheckCount> checked_{};
};

}  // namespace kelvo
