#pragma once

#include <QLabel>

class QAction;
class QMenu;

// The small label labZei on the display that names the tax rate the tax keys use ("10%", or
// "軽8%" for the reduced rate). A left click opens its popup ZeiPop with the two rates
// (ZeiPop1 standard, ZeiPop2 reduced), the one in use checked; a right click asks for the
// window's popup. It knows no window: the main window acts on its signals.
class TaxRateLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TaxRateLabel(QWidget* parent);

  // Shows the rates and which one is in use: the label's text, its name for screen readers
  // ("税率: 標準 10%") and the popup's captions and check mark.
  void ShowRates(double standardRate, double reducedRate, bool reducedOn);
  QMenu* Popup() const { return popup_; }

 signals:
  void rateChosen(bool reduced);         // an item of the popup
  void contextMenuAsked(QPoint global);  // the right button

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }

 private:
  QMenu* popup_ = nullptr;
  QAction* standard_ = nullptr;
  QAction* reduced_ = nullptr;
};
