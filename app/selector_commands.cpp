// The round and decimal selectors: their menu items, their labels on the face and the popups the
// labels open.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "accessible_face.h"
#include "main_window.h"
#include "settings.h"

void TfrmMain::ApplyRoundSelector(int value) {
  static constexpr const char* kTexts[] = {"F", "CT", "UP", "5/4"};
  value = kelvo::EffectiveRoundSelector(value);
  for (const main_menu::MenuItem item : main_menu::kRoundItems) Action(item)->setChecked(item.Tag() == value);
  labRs_->setText(QString::fromLatin1(kTexts[value - 1]));
  labRs_->setAccessibleName(kelvo::SpokenRoundSelector(value));
  kelvo::Settings().roundSelector = value;
  MirrorToEnlargedPanel();
  kelvo::AnnounceDisplay(widgets_.numberStrip);
}

void TfrmMain::ApplyDecimalSelector(int value) {
  value = kelvo::EffectiveDecimalSelector(value);
  for (const main_menu::MenuItem item : main_menu::kDecimalItems) Action(item)->setChecked(item.Tag() == value);
  labDc_->setText(value < 0 ? QStringLiteral("F") : QString::number(value));
  labDc_->setAccessibleName(kelvo::SpokenDecimalSelector(value));
  kelvo::Settings().decimalSelector = value;
  MirrorToEnlargedPanel();
  kelvo::AnnounceDisplay(widgets_.numberStrip);
}

void TfrmMain::ChooseRoundSelector(int tag) {
  ApplyRoundSelector(tag);
  Report(kelvo::SaveRoundSelector(tag));
}

void TfrmMain::ChooseDecimalSelector(int tag) {
  ApplyDecimalSelector(tag);
  Report(kelvo::SaveDecimalSelector(tag));
}

void TfrmMain::OnSelectorLabelClicked(QMenu* popup, int value, QPoint globalPosition) {
  for (QAction* action : popup->actions())
    if (action->isCheckable()) action->setChecked(action->data().toInt() == value);
  popup->popup(globalPosition);
}

void TfrmMain::KeepSelectorPopupOpenOnItsLabel(QMenu* popup, const char* labelPrefix) {
  // A press outside an open popup closes it and goes nowhere else, so the second click of a
  // double-click on the label would close the popup its first click opened: open it again.
  connect(popup, &QMenu::aboutToHide, this, [this, popup, labelPrefix] {
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    if (under == nullptr || under->window() != this || !under->objectName().startsWith(QLatin1String(labelPrefix)))
      return;
    const QPoint at = popup->pos();
    QTimer::singleShot(0, popup, [popup, at] { popup->popup(at); });
  });
}
