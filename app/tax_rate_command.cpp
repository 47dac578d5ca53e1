// The main window's tax-rate switch: the items Mb_Keigen and MigiKuriPop_Keigen, and the rate
// label labZei on the display with its popup.
#include <QAction>
#include <QMenu>

#include "accessible_face.h"
#include "layout.h"
#include "main_window.h"
#include "settings.h"
#include "display_label_look.h"
#include "tax_rate_text.h"
#include "tax_rate_label.h"

using kelvo::MenuCheck;

void TfrmMain::ConnectTaxRateCommands() {
  labZei_ = new TaxRateLabel(centralWidget());  // the client area, above the other labels
  const kelvo::Rect& r = kelvo::kTaxRateLabelRect;
  labZei_->setGeometry(r.x, r.y, r.width, r.height);
  labZei_->setFont(labRs_->font());
  connect(labZei_, &TaxRateLabel::rateChosen, this, &TfrmMain::ChooseTaxRate);
  connect(labZei_, &TaxRateLabel::contextMenuAsked, menus_.migiKuriPop, [this](QPoint at) { menus_.migiKuriPop->popup(at); });
  KeepSelectorPopupOpenOnItsLabel(labZei_->Popup(), "labZei");

  for (QAction* item : {Action("Mb_Keigen"), Action("MigiKuriPop_Keigen")}) {
    connect(item, &QAction::triggered, this, [this](bool checked) {
      ToggleSetting(MenuCheck::ReducedTaxRate, checked);
      ShowTaxRate();
    });
  }
  // Like the other labels on the display, coloured from the skin's panel under it.
  kelvo::ColourFromSkin(labZei_, renderer_);
  ShowTaxRate();
}

void TfrmMain::ChooseTaxRate(bool reduced) {
  if (reduced != IsChecked(MenuCheck::ReducedTaxRate)) Report(kelvo::ToggleMenuSetting(*this, MenuCheck::ReducedTaxRate));
  ShowTaxRate();
}

void TfrmMain::ShowTaxRate() {
  const kelvo::SettingValues& values = kelvo::Settings();
  labZei_->ShowRates(values.taxRate, values.reducedTaxRate, values.reducedTaxRateOn);
  RefreshInvoiceWindow();  // its empty rows are named by the rates
  kelvo::AnnounceDisplay(widgets_.numberStrip);
}

void TfrmMain::ResetRefusedTaxRates() {
  const kelvo::RefusedTaxRates refused = kelvo::ResetRefusedTaxRates();
  if (refused.settings.empty()) return;
  QString text = QStringLiteral("設定ファイルの税率が 0 ～ 100 % の数ではないため、初期値に戻しました。\n");
  for (const std::string& setting : refused.settings) text += QLatin1Char('\n') + QString::fromStdString(setting);
  showError(this, text + QStringLiteral("\n\n税率は Opt メニューの［税率設定］で変えられます。"));
  Report(refused.written);
}
