// The main window as the host of its side windows: the auxiliary window list, the menu items
// that follow each side window, placement and the focus.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWindow>

#include "big_panel.h"
#include "desktop_look.h"
#include "main_window.h"
#include "placement.h"
#include "shell_paths.h"
#include "side_windows.h"

namespace {

// Moves an attached side window to the end of the list, and above the main window, whenever it
// becomes active.
class ActivationWatch : public QObject {
 public:
  ActivationWatch(QWidget* window, char id, kelvo::SideWindowHost& host) : QObject(window), id_(id), host_(host) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) {
      host_.SideWindowActivated(id_);
      host_.BringToFront(static_cast<QWidget*>(watched));
    }
    return false;
  }

 private:
  const char id_;
  kelvo::SideWindowHost& host_;
};

}  // namespace

void TfrmMain::AttachSideWindow(char id, QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (id != TfrmBigPanel::kId) FitToDesktopFont(window);  // the enlarged panel is the face, pixel for pixel
  window->installEventFilter(new ActivationWatch(window, id, *this));
  sideWindows_.insert(id, window);
  SideWindowActivated(id);  // in the list from now on, even if it never becomes active
  TickSideWindowItems(id);
}

void TfrmMain::SideWindowActivated(char id) { kelvo::SideWindowActivated(id); }

void TfrmMain::SideWindowClosed(char id) {
  kelvo::SideWindowClosed(id);
  sideWindows_.remove(id);
  TickSideWindowItems(id);
}

QWidget* TfrmMain::OpenSideWindow(char id) const { return sideWindows_.value(id).data(); }

QWidget* TfrmMain::WindowOf(char id) {
  QWidget* side = OpenSideWindow(id);
  return side != nullptr ? side : this;
}

QWidget* TfrmMain::SideWindow(char id, int placeMode, const std::function<QWidget*()>& make) {
  if (QWidget* open = OpenSideWindow(id)) return open;
  QWidget* window = make();
  AttachSideWindow(id, window);
  PlaceWindow(window, placeMode);
  return window;
}

bool TfrmMain::CloseSideWindow(char id) {
  QWidget* open = OpenSideWindow(id);
  if (open == nullptr) return false;
  open->close();  // its close handling takes it off the list and unticks its items
  return true;
}

void TfrmMain::TickSideWindowItems(char id) {
  const bool open = OpenSideWindow(id) != nullptr;
  for (std::size_t row = 0; row < main_menu::kRowCount; ++row)
    if (main_menu::kRows[row].window == id) menus_.actions[row]->setChecked(open);
}

void TfrmMain::PlaceWindow(QWidget* side, int mode) {
  QScreen* screen = this->screen();
  if (side == nullptr || screen == nullptr) return;
  const int caption = geometry().top() - frameGeometry().top();
  const QPoint at = placement::PlaceWindowPosition(mode, frameGeometry(), side->frameGeometry(),
                                                   placement::Edges::Of(screen->availableGeometry()), caption);
  side->move(at);
}

void TfrmMain::BringToFront(QWidget* side) {
  if (QWindow* handle = windowHandle(); handle != nullptr && (handle->flags() & Qt::WindowStaysOnTopHint))
    handle->setFlag(Qt::WindowStaysOnTopHint, false);
  if (side != nullptr) side->raise();
}

void TfrmMain::ReturnFocus() {
  // The face keeps the focus: on a key a keyboard user moved to with Tab, else on the display.
  const QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus->window() == this && qobject_cast<const kelvo::KeyImageWidget*>(focus) != nullptr) return;
  if (widgets_.numberStrip != nullptr && !widgets_.numberStrip->hasFocus()) widgets_.numberStrip->setFocus();
}

std::string TfrmMain::SettingsFilePath() const { return kelvo::CurrentSettingsPath(); }
