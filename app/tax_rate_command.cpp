// The main window's tax-rate switch: the items Mb_Keigen and MigiKuriPop_Keigen, and the rate
// label labZei on the display with its popup.
#include <QAction>
#include <QMenu>

#include "layout.h"
#include "main_window.h"
#include "settings.h"
#include "tax_rate_label.h"
#include "text_colour.h"

using kelvo::MenuCheck;

void TfrmMain::ConnectTaxRateCommands() {
  labZei_ = new TaxRateLabel(centralWidget());  // the client area, above the other labels
  const kelvo::Rect& r = kelvo::kTaxRateLabelRect;
  labZei_->setGeometry(r.x, r.y, r.width, r.height);
  labZei_->setFont(labRs_->font());
  connect(labZei_, &TaxRateLabel::rateChosen, this, &TfrmMain::ChooseTaxRate);
  connect(labZei_, &TaxRateLabel::contextMenuAsked, menus_.migiKuriPop, [this](QPoint at) { menus_.migiKuriPop->popup(at); });
  KeepSelectorPopupOpenOnItsLabel(labZei_->Popup(), "labZei");

  for (const char* name : {"Mb_Keigen", "MigiKuriPop_Keigen"}) {
    connect(menus_[name], &QAction::triggered, this, [this](bool checked) {
      ToggleSetting(MenuCheck::ReducedTaxRate, checked);
      ShowTaxRate();
    });
  }
  // The label's text takes the colour that reads best on the skin's panel under it.
  connect(&renderer_, &kelvo::Renderer::panelChanged, labZei_, [this] { ShowTaxRate(); });
  ShowTaxRate();
}

void TfrmMain::ChooseTaxRate(bool reduced) {
  if (reduced != IsChecked(MenuCheck::ReducedTaxRate)) Report(kelvo::ToggleMenuSetting(*this, MenuCheck::ReducedTaxRate));
  ShowTaxRate();
}

void TfrmMain::ShowTaxRate() {
  const kelvo::SettingValues& values = kelvo::Settings();
  labZei_->ShowRates(values.taxRate, values.reducedTaxRate, values.reducedTaxRateOn);
  // The composite lies at its own place on the window; the label's area is taken from it.
  const kelvo::Rect& panel = kelvo::kPanelCompositeRect;
  const QColor colour =
      kelvo::ReadableTextColour(renderer_.PanelComposite(), labZei_->geometry().translated(-panel.x, -panel.y));
  QPalette palette = labZei_->palette();
  if (palette.color(QPalette::WindowText) != colour) {
    palette.setColor(QPalette::WindowText, colour);
    labZei_->setPalette(palette);
  }
}
