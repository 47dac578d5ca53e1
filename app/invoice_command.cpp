// The main window's side of the tax per rate window: Mb_Invoice and MigiKuriPop_Invoice, and the
// engine's tax registers it shows.
#include "invoice_window.h"
#include "main_window.h"
#include "settings.h"

void TfrmMain::ToggleInvoiceWindow() {
  if (CloseSideWindow(TfrmInvoice::kId)) return;
  // Beside the main window, as the paper tape opens.
  QWidget* window = SideWindow(TfrmInvoice::kId, 1, [this] { return new TfrmInvoice(*this, *this, this); });
  window->show();
  window->activateWindow();
  window->raise();
}

void TfrmMain::RefreshInvoiceWindow() {
  if (auto* window = OpenSideWindow<TfrmInvoice>(TfrmInvoice::kId)) window->Refresh();
}

const kelvo::InvoiceRegisters& TfrmMain::TaxRegisters() { return engine_.Invoice(); }

void TfrmMain::ClearTaxRegisters() { engine_.ClearInvoice(); }

double TfrmMain::StandardTaxRate() { return kelvo::Settings().taxRate; }

double TfrmMain::ReducedTaxRate() { return kelvo::Settings().reducedTaxRate; }
