#pragma once

#include <QDialog>
#include <functional>

#include "settings.h"
#include "side_window_host.h"

class QLineEdit;
class QRadioButton;

// The tax-rate dialog frmZeiritu, modal: the standard and the reduced rate typed as percentages,
// stored as fractions in section Tax at once. The decimals and the rounding ride along in hidden controls.
class TfrmZeiritu : public QDialog {
  Q_OBJECT

 public:
  // Filled from the tax values in memory.
  TfrmZeiritu(kelvo::SideWindowHost& host, QWidget* parent = nullptr);

  // How a refused input is told ("Kelvo", OK); tests replace it.
  std::function<void(QWidget*, const QString&)> showMessage;

  void cmdOKClick();          // "更新 (&O)": check, store, close
  void cmdDefaultSetClick();  // "初期値（消費税）に戻す(&S)": store 10 % and 8 %, stay open

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Writes the values; only when that worked are they taken in memory.
  bool Store(const kelvo::TaxSettings& tax);
  int CheckedRounding() const;

  kelvo::SideWindowHost& host_;
  QLineEdit* zeiritu_ = nullptr;        // the standard rate
  QLineEdit* keigenZeiritu_ = nullptr;  // the reduced rate
  QLineEdit* dc_ = nullptr;
  QRadioButton* rounding_[4] = {};  // RsFull, RsCut, RsUp, Rs45
};
