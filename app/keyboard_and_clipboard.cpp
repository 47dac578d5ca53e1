// The main window's keys: the face's key images, the keyboard as the key assignment routes it, and
// copying the display to and typing a number from the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>

#include "accessible_face.h"
#include "key_assignment.h"
#include "key_routing.h"
#include "keyboard_layout.h"
#include "main_window.h"
#include "paste_number.h"
#include "virtual_key.h"
#include "vk_codes.h"

using kelvo::MenuCheck;

namespace {

// Ctrl+V pastes whatever the key assignment says; V alone keeps its assigned meaning.
bool IsPasteKey(const QKeyEvent& event, int vk) {
  return vk == kelvo::vk::kV && (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ==
                                    Qt::ControlModifier;
}

}  // namespace

void TfrmMain::PressKey(int keyCode) {
  readAloud_.BeforeKey(engine_.State());
  keyToSay_ = keyCode;  // said when the key's work ends (MainDisplay::ReturnFocus)
  const std::vector<std::string> lines = calculator_.PressKey(keyCode);
  keyToSay_ = 0;
  if (!lines.empty()) RecordCalculation(lines);
  RefreshInvoiceWindow();
}

void TfrmMain::OnKeyImagePressed(int keyCode, Qt::MouseButton button, QPoint globalPosition) {
  if (button == Qt::RightButton) {
    menus_.migiKuriPop->popup(globalPosition);
    return;
  }
  PressKey(keyCode);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  // Keys meant for this window, taken once at their first receiver: the focus widget, or the
  // window itself when nothing in it has the focus (the filter sees the event at every hop).
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  const QWidget* focus = QApplication::focusWidget();
  if (widget != focus && !(focus == nullptr && widget == widget->window())) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (widget->window() != this) {
    // F12 closes the side window or dialog that has the focus and never reaches this window.
    if (type != QEvent::KeyPress || key->key() != Qt::Key_F12 || key->modifiers() != Qt::NoModifier ||
        qobject_cast<QMenu*>(widget->window()) != nullptr)
      return false;
    widget->window()->close();
    return true;
  }
  return type == QEvent::KeyPress ? OnKeyDown(key) : OnKeyUp(key);
}

bool TfrmMain::OnKeyDown(QKeyEvent* event) {
  if (windowState() & Qt::WindowMinimized) return false;
  const kelvo::KeyboardLayout* layout = kelvo::ActiveKeyboardLayout(*event);
  const int vk = kelvo::VirtualKeyCode(*event, layout);
  if (IsPasteKey(*event, vk)) {
    if (!event->isAutoRepeat()) PasteFromClipboard();
    return true;
  }
  using key_routing::KeyDown;
  const KeyDown action = keyRouter_.Down(*event, vk, layout, IsChecked(MenuCheck::KeyPanelOn), kelvo::KeyAssignment);
  switch (action.kind) {
    case KeyDown::Press: PressKey(action.code); return true;
    case KeyDown::Copy: CopyToClipboard(); return true;
    case KeyDown::CloseTopWindow: CloseTopWindow(); return true;
    case KeyDown::ToggleMiniSize: ToggleMiniSize(); return true;
    case KeyDown::ToggleButtons: ToggleButtonDisplay(); return true;
    case KeyDown::ToggleFormula: ToggleFormula(); return true;
    case KeyDown::ToggleKeySettings: ToggleKeySettings(); return true;
    case KeyDown::ToggleBigPanel: ToggleBigPanel(); return true;
    case KeyDown::None:
      break;
  }
  return vk == kelvo::vk::kF10;  // F10 never opens the menu bar
}

bool TfrmMain::OnKeyUp(QKeyEvent* event) {
  if (event->isAutoRepeat()) return false;  // a held key releases once, when it comes up
  const kelvo::KeyboardLayout* layout = kelvo::ActiveKeyboardLayout(*event);
  const int vk = kelvo::VirtualKeyCode(*event, layout);
  if (IsPasteKey(*event, vk)) return true;
  const int code = keyRouter_.Up(*event, vk, layout, kelvo::KeyAssignment);
  if (code == 0) return false;
  engine_.ReleaseKey(code);
  return true;
}

void TfrmMain::CopyToClipboard() {
  engine_.ShowCopied();
  QGuiApplication::clipboard()->setText(QString::fromStdString(engine_.State().display));
  display_.MirrorToEnlargedPanel();
  kelvo::AnnounceDisplay(widgets_.numberStrip);
}

void TfrmMain::PasteFromClipboard() {
  const QString text = QGuiApplication::clipboard()->text();
  const std::vector<int> keys = paste_number::KeysFor(text.toStdU32String());
  // A text that is no figure changes nothing, and says so as a key that does nothing would.
  if (keys.empty()) QApplication::beep();
  for (const int code : keys) {
    PressKey(code);
    engine_.ReleaseKey(code);
  }
}
