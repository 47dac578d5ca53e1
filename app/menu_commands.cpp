// The main window's menu items: their check marks as settings, and what each item does.
#include <QAction>
#include <QUrl>

#include "help_document.h"
#include "main_window.h"
#include "open_document.h"
#include "settings.h"
#include "shell_paths.h"
#include "skin_chooser_command.h"

using kelvo::MenuCheck;

QList<QAction*> TfrmMain::CheckActions(MenuCheck item) const {
  switch (item) {
    case MenuCheck::KeyPanelOn: return {menus_["Mb_KeyPanelOn"], menus_["MigiKuriPop_KeyPanelOn"]};
    case MenuCheck::KeyButtonOn: return {menus_["Mb_KeyButtonOn"]};
    case MenuCheck::StartUpEndOn: return {menus_["Mb_StartUpEndOn"]};
    case MenuCheck::TaskBarIn: return {menus_["Mb_TaskBarIn"], menus_["MigiKuriPop_TaskBarIn"]};
    case MenuCheck::PerSharp: return {menus_["Mb_PerSharp"]};
    case MenuCheck::PerCasio: return {menus_["Mb_PerCasio"]};
    case MenuCheck::GrandTotal: return {menus_["Mb_GrandTotal"]};
    case MenuCheck::AnswerCK: return {menus_["Mb_AnswerCK"]};
    case MenuCheck::FrontSideOn: return {menus_["Mb_FrontSideOn"]};
    case MenuCheck::AutoUpdate: return {menus_["Mb_AutoUpdate"]};
    case MenuCheck::ReducedTaxRate: return {menus_["Mb_Keigen"], menus_["MigiKuriPop_Keigen"]};
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
  const MainMenus& m = menus_;
  auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };

  on(m["Mb_Cpy"], [this] { CopyToClipboard(); });
  on(m["MigiKuriPop_Cpy"], [this] { CopyToClipboard(); });
  on(m["Mb_Paste"], [this] { PasteFromClipboard(); });
  on(m["MigiKuriPop_Paste"], [this] { PasteFromClipboard(); });
  on(m["Mb_Quit"], [this] { QuitRequested(); });
  on(m["MigiKuriPop_Quit"], [this] { QuitRequested(); });
  on(m["Pop_Task_End"], [this] { QuitRequested(); });
  on(m["Pop_Task_ZyocyuOff"], [this] { EndResidency(); });

  on(m["Mb_KeyPanelOn"], [this](bool checked) { SetChecked(MenuCheck::KeyPanelOn, !checked); ToggleMiniSize(); });
  on(m["MigiKuriPop_KeyPanelOn"], [this](bool checked) { SetChecked(MenuCheck::KeyPanelOn, !checked); ToggleMiniSize(); });
  on(m["Mb_KeyButtonOn"], [this](bool checked) { SetChecked(MenuCheck::KeyButtonOn, !checked); ToggleButtonDisplay(); });
  on(m["Mb_TaskBarIn"], [this](bool checked) { SetChecked(MenuCheck::TaskBarIn, !checked); ToggleTaskBarIn(); });
  on(m["MigiKuriPop_TaskBarIn"], [this](bool checked) { SetChecked(MenuCheck::TaskBarIn, !checked); ToggleTaskBarIn(); });
  on(m["Mb_FrontSideOn"], [this](bool checked) { ToggleSetting(MenuCheck::FrontSideOn, checked); });
  on(m["Mb_StartUpEndOn"], [this](bool checked) { ToggleSetting(MenuCheck::StartUpEndOn, checked); });
  on(m["Mb_GrandTotal"], [this](bool checked) { ToggleSetting(MenuCheck::GrandTotal, checked); });
  on(m["Mb_AutoUpdate"], [this](bool checked) { ToggleSetting(MenuCheck::AutoUpdate, checked); });
  on(m["Mb_AnswerCK"], [this](bool checked) {
    ToggleSetting(MenuCheck::AnswerCK, checked);
    engine_.ResetLastAnswer();
  });
  on(m["Mb_SushikiOn"], [this] { ToggleFormula(); });
  on(m["Mb_PerSharp"], [this] { Report(kelvo::ChoosePercentType(*this, 1)); });
  on(m["Mb_PerCasio"], [this] { Report(kelvo::ChoosePercentType(*this, 2)); });

  for (const char* name : {"Mb_RsF", "Mb_RsCUT", "Mb_RsUP", "Mb_Rs45", "RsPop1", "RsPop2", "RsPop3", "RsPop4"}) {
    QAction* action = m[name];
    on(action, [this, action] { ChooseRoundSelector(action->data().toInt()); });
  }
  for (const char* name : {"Mb_SsF", "Mb_Ss5", "Mb_Ss4", "Mb_Ss3", "Mb_Ss2", "Mb_Ss1", "Mb_Ss0", "SsPopF", "SsPop5",
                           "SsPop4", "SsPop3", "SsPop2", "SsPop1", "SsPop0"}) {
    QAction* action = m[name];
    on(action, [this, action] { ChooseDecimalSelector(action->data().toInt()); });
  }

  on(m["KelvoHelp"], [this] {
    const QString sys = QString::fromStdString(kelvo::ProgramPath("KelvoFiles/_sys/"));
    kelvo::OpenDocument(this, QUrl::fromLocalFile(kelvo::HelpDocumentPath(sys, QStringLiteral("KelvoHelp"))));
  });
  on(m["Mb_SkinChange"], [this](bool checked) { ToggleSkinChooser(*this, checked); });
  on(m["MorvaneHp"], [this] { kelvo::OpenDocument(this, QUrl(QStringLiteral(KELVO_HOME_PAGE))); });
  on(m["Mb_Update"], [this] { OpenUpdateWindow(/*foundAtStart=*/false); });

  ConnectSideWindowCommands();
  ConnectTaxRateCommands();
  ConnectTapeCommands();
  ConnectTimeDaysCommands();
}
