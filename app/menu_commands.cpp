// The main window's menu items: their check marks as settings, and what each item does.
#include <QAction>
#include <QUrl>

#include "help_document.h"
#include "main_window.h"
#include "open_document.h"
#include "settings.h"
#include "shell_paths.h"

using kelvo::MenuCheck;

QList<QAction*> TfrmMain::CheckActions(MenuCheck item) const {
  // The items whose check mark is a setting; the main menu's item comes first.
  switch (item) {
    case MenuCheck::KeyPanelOn: return {Action("Mb_KeyPanelOn"), Action("MigiKuriPop_KeyPanelOn")};
    case MenuCheck::KeyButtonOn: return {Action("Mb_KeyButtonOn")};
    case MenuCheck::StartUpEndOn: return {Action("Mb_StartUpEndOn")};
    case MenuCheck::TaskBarIn: return {Action("Mb_TaskBarIn"), Action("MigiKuriPop_TaskBarIn")};
    case MenuCheck::PerSharp: return {Action("Mb_PerSharp")};
    case MenuCheck::PerCasio: return {Action("Mb_PerCasio")};
    case MenuCheck::GrandTotal: return {Action("Mb_GrandTotal")};
    case MenuCheck::AnswerCK: return {Action("Mb_AnswerCK")};
    case MenuCheck::FrontSideOn: return {Action("Mb_FrontSideOn")};
    case MenuCheck::AutoUpdate: return {Action("Mb_AutoUpdate")};
    case MenuCheck::ReducedTaxRate: return {Action("Mb_Keigen"), Action("MigiKuriPop_Keigen")};
  }
  return {};
}

bool TfrmMain::IsChecked(MenuCheck item) const { return CheckActions(item).front()->isChecked(); }

void TfrmMain::SetChecked(MenuCheck item, bool checked) {
  for (QAction* action : CheckActions(item)) action->setChecked(checked);
}

void TfrmMain::ToggleSetting(MenuCheck item, bool qtChecked) {
  // Qt has already flipped the item; the settings writer flips and writes, so undo Qt's flip.
  SetChecked(item, !qtChecked);
  Report(kelvo::ToggleMenuSetting(*this, item));
}

void TfrmMain::ConnectMenus() {
  auto on = [this](main_menu::MenuItem item, auto handler) { connect(Action(item), &QAction::triggered, this, handler); };

  on("Mb_Cpy", [this] { CopyToClipboard(); });
  on("MigiKuriPop_Cpy", [this] { CopyToClipboard(); });
  on("Mb_Paste", [this] { PasteFromClipboard(); });
  on("MigiKuriPop_Paste", [this] { PasteFromClipboard(); });
  on("Mb_Quit", [this] { QuitRequested(); });
  on("MigiKuriPop_Quit", [this] { QuitRequested(); });
  on("Pop_Task_End", [this] { QuitRequested(); });
  on("Pop_Task_ZyocyuOff", [this] { EndResidency(); });

  on("Mb_KeyPanelOn", [this](bool checked) { SetChecked(MenuCheck::KeyPanelOn, !checked); ToggleMiniSize(); });
  on("MigiKuriPop_KeyPanelOn", [this](bool checked) { SetChecked(MenuCheck::KeyPanelOn, !checked); ToggleMiniSize(); });
  on("Mb_KeyButtonOn", [this](bool checked) { SetChecked(MenuCheck::KeyButtonOn, !checked); ToggleButtonDisplay(); });
  on("Mb_TaskBarIn", [this](bool checked) { SetChecked(MenuCheck::TaskBarIn, !checked); ToggleTaskBarIn(); });
  on("MigiKuriPop_TaskBarIn", [this](bool checked) { SetChecked(MenuCheck::TaskBarIn, !checked); ToggleTaskBarIn(); });
  on("Mb_FrontSideOn", [this](bool checked) {
    ToggleSetting(MenuCheck::FrontSideOn, checked);
    ApplyAlwaysOnTop();  // the window is active: it joins or leaves the top band now
  });
  on("Mb_StartUpEndOn", [this](bool checked) { ToggleSetting(MenuCheck::StartUpEndOn, checked); });
  on("Mb_GrandTotal", [this](bool checked) { ToggleSetting(MenuCheck::GrandTotal, checked); });
  on("Mb_AutoUpdate", [this](bool checked) { ToggleSetting(MenuCheck::AutoUpdate, checked); });
  on("Mb_AnswerCK", [this](bool checked) {
    ToggleSetting(MenuCheck::AnswerCK, checked);
    engine_.ResetLastAnswer();
  });
  on("Mb_PerSharp", [this] { Report(kelvo::ChoosePercentType(*this, 1)); });
  on("Mb_PerCasio", [this] { Report(kelvo::ChoosePercentType(*this, 2)); });

  for (const main_menu::MenuItem item : main_menu::kRoundItems) on(item, [this, item] { ChooseRoundSelector(item.Tag()); });
  for (const main_menu::MenuItem item : main_menu::kRoundPopItems) on(item, [this, item] { ChooseRoundSelector(item.Tag()); });
  for (const main_menu::MenuItem item : main_menu::kDecimalItems) on(item, [this, item] { ChooseDecimalSelector(item.Tag()); });
  for (const main_menu::MenuItem item : main_menu::kDecimalPopItems) on(item, [this, item] { ChooseDecimalSelector(item.Tag()); });

  on("KelvoHelp", [this] {
    const QString sys = QString::fromStdString(kelvo::ProgramPath("KelvoFiles/_sys/"));
    kelvo::OpenDocument(this, QUrl::fromLocalFile(kelvo::HelpDocumentPath(sys, QStringLiteral("KelvoHelp"))));
  });
  on("MorvaneHp", [this] { kelvo::OpenDocument(this, QUrl(QStringLiteral(KELVO_HOME_PAGE))); });
  on("Mb_Update", [this] { OpenUpdateWindow(/*foundAtStart=*/false); });

  ConnectSideWindowCommands();
  ConnectTaxRateCommands();
  ConnectTapeCommands();
  ConnectReadAloudCommands();
}
