#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "invoice.h"
#include "invoice_host.h"
#include "side_window_host.h"

class QLabel;
class QRadioButton;
class QPushButton;
class QTableWidget;

// The side window "税率別合計": the tax registers as a qualified invoice states them, a row for
// each rate and the total, the tax of each rate rounded once by the rounding chosen in the window
// ([Invoice] Rounding). It follows the registers while it is open (the main window calls Refresh
// after each key). クリア empties the registers, テープに記録 puts the table on the paper tape,
// Ctrl+C copies it as tab-separated text.
class TfrmInvoice : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kId = '9';

  TfrmInvoice(kelvo::SideWindowHost& host, InvoiceHost& calculator, QWidget* parent = nullptr);

  // Shows the registers and the rates as they are now; nothing to do when none of them (nor the
  // rounding) changed since the table was last made, as after most keys.
  void Refresh();

  kelvo::InvoiceRounding Rounding() const { return rounding_; }
  const std::vector<kelvo::InvoiceRow>& Table() const { return table_; }
  // The table as Ctrl+C copies it.
  QString CopyText() const;
  void Copy();

  // How the window asks before emptying the registers, and shows a refusal; tests replace them.
  std::function<bool(QWidget*, const QString&)> askToClear;
  std::function<void(QWidget*, const QString&)> showError;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChooseRounding(kelvo::InvoiceRounding rounding);
  void ClearRegisters();
  void Record();

  kelvo::SideWindowHost& host_;
  InvoiceHost& calculator_;
  kelvo::InvoiceRounding rounding_ = kelvo::InvoiceRounding::Down;
  std::vector<kelvo::InvoiceRow> table_;
  // What table_ was made from.
  struct MadeFrom {
    std::uint64_t changes;
    double standardRate;
    double reducedRate;
    kelvo::InvoiceRounding rounding;
    bool operator==(const MadeFrom&) const = default;
  };
  std::optional<MadeFrom> madeFrom_;
  QTableWidget* grid_ = nullptr;
  QRadioButton* roundingButtons_[3] = {};
  QLabel* status_ = nullptr;
};
