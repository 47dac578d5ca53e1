#pragma once

#include <QLineEdit>
#include <QWidget>
#include <array>
#include <optional>

#include "key_slots.h"
#include "side_window_host.h"

class QCheckBox;
class QLabel;

namespace kelvo {

// One slot's field in the key settings dialog: shows the name of the slot's key and hands every
// key typed into it (as a virtual-key code) to the dialog. Tab is never taken: it moves on.
class KeyField : public QLineEdit {
  Q_OBJECT

 public:
  KeyField(int slot, QWidget* parent);
  int Slot() const { return slot_; }

 signals:
  void keyTyped(int slot, int vk, bool shift);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const int slot_;
};

}  // namespace kelvo

// The key settings dialog frmKeySet: one field per key slot, laid out like the keypad. Every
// change goes into the key table and the settings file at once; there is no OK or Cancel.
class TfrmKeySet : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kId = '2';

  // The dialog opens locked (chkRock checked, the lock message shown): while it is locked, keys
  // typed into the fields change nothing. It reports to the main window only through `host`.
  TfrmKeySet(kelvo::SideWindowHost& host, QWidget* parent = nullptr);

  void txtKeyDown(int slot, int vk, bool shift);  // a key typed into a slot's field
  void btDefClick();                              // "初期値に戻す (&D)"

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Shows a message and has a screen reader say it, with `namedSlot`'s INI key (if any) said as
  // the key's name in words.
  void ShowMessage(const QString& text, std::optional<std::uint32_t> colour = std::nullopt, int namedSlot = 0);
  void ShowSlot(int slot);  // the field shows the name of the slot's key

  kelvo::SideWindowHost& host_;
  QCheckBox* chkRock_ = nullptr;
  QLabel* txtMsg_ = nullptr;
  std::array<kelvo::KeyField*, kelvo::kKeySlotCount + 1> fields_{};
};
