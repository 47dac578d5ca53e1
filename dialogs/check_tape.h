#pragma once

#include <QWidget>

#include "side_window_host.h"

class QTextEdit;

// The check tape window frmKenzan: the previous calculation above ("前回"), the current one
// below ("今回"), line by line, right-aligned. It opens without taking the keyboard from the main
// window, so the calculator keys go on working while it is shown.
class TfrmKenzan : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kId = '1';

  TfrmKenzan(kelvo::SideWindowHost& host, QWidget* parent = nullptr);

  // Shows the two tapes (lines ending in CR LF or LF), each followed by one empty line and
  // scrolled to its end, and shows the window where it stands.
  void ShowTapes(const QString& previous, const QString& current);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  kelvo::SideWindowHost& host_;
  QTextEdit* zcalc_ = nullptr;  // 前回
  QTextEdit* kcalc_ = nullptr;  // 今回
};
