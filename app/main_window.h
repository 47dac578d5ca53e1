#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "engine.h"
#include "ini_file.h"
#include "main_menu.h"
#include "read_aloud.h"
#include "renderer.h"
#include "settings_checks.h"
#include "shell_paths.h"
#include "side_window_host.h"
#include "skin_display.h"
#include "skin_widgets.h"
#include "tape_recorder.h"
#include "tape_window_host.h"
#include "tape_writer.h"
#include "time_days_host.h"
#include "invoice_host.h"
#include "typed_key_routing.h"

class QLabel;
class QSystemTrayIcon;
class InstanceChannel;
class TaxRateLabel;
class TfrmMain;

// The engine's display as the main window provides it: the renderer draws, the window keeps the
// focus, the register labels and the settings.
class MainDisplay : public kelvo::SkinDisplay {
 public:
  MainDisplay(kelvo::Renderer& renderer, TfrmMain& window) : SkinDisplay(renderer), window_(window) {}

  void MirrorToEnlargedPanel() override;
  void ReturnFocus() override;
  void ShowRegisters(const std::string& input, const std::string& answer) override;
  void ToggleCheckTape() override;
  void RefreshCheckTape() override;
  kelvo::EngineSettings Settings() const override;

 private:
  TfrmMain& window_;
};

// The main window frmMain: the skinned calculator face, its menus, keyboard and mouse routing,
// window modes, tray residency, and the start and end of the program around it.
class TfrmMain : public QMainWindow,
                 public kelvo::SettingsChecks,
                 public kelvo::SideWindowHost,
                 public TapeWindowHost,
                 public TimeDaysHost,
                 public InvoiceHost {
  Q_OBJECT

 public:
  // channel may be null (tests): the window then neither listens nor sends.
  TfrmMain(bool primaryInstance, InstanceChannel* channel, QWidget* parent = nullptr);
  ~TfrmMain() override;

  bool IsPrimaryInstance() const override { return primary_; }
  bool FirstActivationDone() const { return !firstActivation_; }
  // True while the windows are being shown again from the task tray.
  bool TrayRestoring() const { return trayRestoring_; }
  kelvo::Engine& Engine() { return engine_; }
  kelvo::Renderer& Renderer() { return renderer_; }
  const MainMenus& Menus() const { return menus_; }
  // A menu item, by a name of the menu table: Action("Mb_Kenzan").
  QAction* Action(main_menu::MenuItem item) const { return menus_[item]; }
  const kelvo::SkinWidgets& Widgets() const { return widgets_; }

  // The first activation's work: pass 2, the selectors, the key assignment. Runs once.
  void FirstActivation();

  // The end (quit_commands.cpp).
  // The shutdown steps, run once after the message loop has ended.
  void Shutdown();
  // Quit as the Quit command does, also in tray residency (signals, the tray's end item).
  void QuitRequested();
  // A child started while this primary instance was hidden: show every window again.
  void ShowRequested();
  void CloseTopWindow();  // F12

  // The clipboard (keyboard_and_clipboard.cpp).
  void CopyToClipboard();
  // Types the clipboard's number as if its keys were pressed; anything else changes nothing.
  void PasteFromClipboard();

  // The round and decimal selectors (selector_commands.cpp).
  void ApplyRoundSelector(int value);
  void ApplyDecimalSelector(int value);

  // The window modes (window_modes.cpp).
  void ToggleMiniSize();
  void ToggleButtonDisplay();
  void ToggleTaskBarIn();
  void EndResidency();  // Pop_Task_ZyocyuOff
  void FitWindow();
  void ShowAllWindows(bool show);
  // A second start asks this primary to come back: hidden in the tray it shows itself and the
  // start goes on as a child; minimised for want of a tray it is restored and the start is done
  // (true).
  bool ComeBackRequested();

  // The side windows and dialogs (side_window_commands.cpp).
  // Opens the side window of an identifier, or closes it when it is open: what its menu items do.
  void ToggleSideWindow(char id);
  void ToggleCheckTape();   // Mb_Kenzan, the 検算 key
  void ShowCheckTape();     // opens the check tape or shows the tapes anew
  // The enlarged panel and the key settings open without taking the keyboard from the face,
  // unless the user chose them from a menu (where the keyboard is for the new window).
  void ToggleBigPanel(bool fromMenu = false);    // Mb_BigPanelOn, MigiKuriPop_BigPanelOn, key slot 24
  void ToggleKeySettings(bool fromMenu = false); // Mb_KeySetOn, key slot 22
  void ToggleFormula();     // Mb_SushikiOn, key slot 26
  void ToggleTapeWindow();  // Mb_Tape, MigiKuriPop_Tape
  void ToggleSkinChooser(); // Mb_SkinChange
  void OpenTaxRateDialog(); // Mb_Zeiritu
  void OpenAboutBox();      // Mb_Ver
  void MirrorToEnlargedPanel();
  // The tax-rate switch (tax_rate_command.cpp): Mb_Keigen, MigiKuriPop_Keigen and labZei.
  void ChooseTaxRate(bool reduced);
  void ShowTaxRate();  // the rate label after a change of the rates, the switch or the skin
  void ResetRefusedTaxRates();  // after the settings were read: rates that cannot be, back to the defaults
  // The paper tape (tape_command.cpp): what a key adds to it, and its window's host.
  std::string TapeFilePath() override;
  bool ClearTape() override;
  void EnterFigure(const QString& figure) override;
  // Appends a calculation to the tape and to the open tape window; false when recording is off.
  kelvo::TapeRecordResult RecordCalculation(const std::vector<std::string>& lines) override;
  // The read-aloud (read_aloud_command.cpp): Opt > 読み上げ, [Speech] Mode, and the tape's lines.
  speech::SpeechMode SpeechMode() const { return readAloud_.Mode(); }
  void ChooseSpeechMode(int mode);
  void ReadAloud(std::vector<std::string> texts) override;
  void StopReading() override;
  // The time and day counts (time_days_command.cpp): their window, Mb_TimeDays.
  void ToggleTimeDaysWindow();
  timecalc::Rounding CurrentRounding() override;
  // The tax per rate window (invoice_command.cpp): Mb_Invoice, MigiKuriPop_Invoice.
  void ToggleInvoiceWindow();
  void RefreshInvoiceWindow();  // after a key or a change of the rates
  const kelvo::InvoiceRegisters& TaxRegisters() override;
  void ClearTaxRegisters() override;
  double StandardTaxRate() override;
  double ReducedTaxRate() override;
  // SideWindowHost (side_window_host.cpp): what the side windows ask of this window.
  void AttachSideWindow(char id, QWidget* window) override;
  void SideWindowActivated(char id) override;
  void SideWindowClosed(char id) override;
  void PlaceWindow(QWidget* side, int mode) override;
  void BringToFront(QWidget* side) override;
  void ReturnFocus() override;
  std::string SettingsFilePath() const override;
  void ReportFailedWrite(const kelvo::FlushResult& result) override { Report(result); }

  // The update commands (update_command.cpp): the update window of Mb_Update, and the check at
  // start that runs after the first paint when AutoUpdate is on.
  void OpenUpdateWindow(bool foundAtStart);
  void CheckForUpdateAtStart();
  // How the update check asks its yes-or-no questions; tests replace it.
  std::function<bool(QWidget*, const QString&)> askUpdate;

  // How the read-aloud's voice is made, when something is first to be said; tests replace it.
  std::function<std::unique_ptr<speech::Voice>(speech::VoiceListener&)> makeVoice;

  // How the window asks "Kelvoを終了します。よろしいですか？"; tests replace it.
  std::function<bool(QWidget*)> askToQuit;
  // How a failed settings write is shown; tests replace it.
  std::function<void(QWidget*, const QString&)> showError;
  // Whether the desktop has a system tray to reside in; tests replace it.
  std::function<bool()> trayAvailable;

  // SettingsChecks (menu_commands.cpp): the check marks of the menu items that are settings.
  bool IsChecked(kelvo::MenuCheck item) const override;
  void SetChecked(kelvo::MenuCheck item, bool checked) override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;  // keyboard_and_clipboard.cpp
  void closeEvent(QCloseEvent* event) override;                // quit_commands.cpp

 private:
  friend class MainDisplay;  // its hooks: main_display.cpp and beside the commands they serve
  class Client;

  void CreateControls();
  void PlaceAtStart(bool restorePosition, int left, int top);
  void OnActivated();
  void ApplyAlwaysOnTop();
  void Report(const kelvo::FlushResult& result);
  // The menu items (menu_commands.cpp) and the files that wire the rest of them.
  void ConnectMenus();
  void ToggleSetting(kelvo::MenuCheck item, bool qtChecked);
  QList<QAction*> CheckActions(kelvo::MenuCheck item) const;
  void ConnectSideWindowCommands();
  void ConnectTaxRateCommands();
  void ConnectTapeCommands();
  // The read-aloud (read_aloud_command.cpp).
  void ConnectReadAloudCommands();
  void ApplySpeechMode(speech::SpeechMode mode);
  bool SayKey();  // says what the key in progress asks for; true when something is said
  void ShowReadAloudMissing();
  // The keys (keyboard_and_clipboard.cpp).
  void PressKey(int keyCode);
  void OnKeyImagePressed(int keyCode, Qt::MouseButton button, QPoint globalPosition);
  bool OnKeyDown(QKeyEvent* event);
  bool OnKeyUp(QKeyEvent* event);
  // The selectors (selector_commands.cpp).
  void ChooseRoundSelector(int tag);
  void ChooseDecimalSelector(int tag);
  void OnSelectorLabelClicked(QMenu* popup, int value, QPoint globalPosition);
  void KeepSelectorPopupOpenOnItsLabel(QMenu* popup, const char* labelPrefix);
  // Tray residency (window_modes.cpp).
  void TrayIcon(bool add);
  void ExplainResidencyWithoutTray();
  void ScheduleUpdateCheckAtStart();  // update_command.cpp

  const bool primary_;
  InstanceChannel* channel_;
  bool firstActivation_ = true;
  bool forcedQuit_ = false;
  bool trayRestoring_ = false;
  bool shutDown_ = false;
  bool installerStarted_ = false;  // Update.exe runs: the exit leaves it alone

  kelvo::Renderer renderer_;
  MainDisplay display_{renderer_, *this};
  kelvo::Calculator calculator_{display_};  // the engine and the paper-tape recorder
  kelvo::Engine& engine_ = calculator_.Engine();

  Client* client_ = nullptr;
  kelvo::SkinWidgets widgets_;
  QLabel* labAns_ = nullptr;
  QLabel* labIpt_ = nullptr;
  QLabel* labRs_ = nullptr;
  QLabel* labDc_ = nullptr;
  TaxRateLabel* labZei_ = nullptr;
  MainMenus menus_;
  speech::ReadAloud readAloud_{[this](speech::VoiceListener& listener) { return makeVoice(listener); }};
  int keyToSay_ = 0;  // the key whose work is in progress, for SayKey
  tape::TapeWriter tapeWriter_{[] { return kelvo::CurrentSettingsPath(); }, [] { return tape::TapeFilePath(); }};
  QPointer<QSystemTrayIcon> tray_;
  QHash<char, QPointer<QWidget>> sideWindows_;
  key_routing::KeyEventRouter keyRouter_;

  // The side windows by identifier (side_window_host.cpp). The open one of an identifier, or null:
  QWidget* OpenSideWindow(char id) const;
  template <typename Window>
  Window* OpenSideWindow(char id) const {
    return qobject_cast<Window*>(OpenSideWindow(id));
  }
  QWidget* WindowOf(char id);  // the main window for "0" and any unknown identifier
  // The open side window of an identifier, made by `make` first when there is none: attached
  // under the identifier and placed by `placeMode` (PlaceWindow), not yet shown.
  QWidget* SideWindow(char id, int placeMode, const std::function<QWidget*()>& make);
  // Closes the side window of an identifier; false when none was open.
  bool CloseSideWindow(char id);
  // Ticks the menu items of a side window when it is open, unticks them when not.
  void TickSideWindowItems(char id);
};
