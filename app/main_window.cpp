#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <unistd.h>

#include <optional>

#include "accessible_face.h"
#include "accessible_windows.h"
#include "app_icon.h"
#include "desktop_look.h"
#include "display_label_look.h"
#include "download_abort.h"
#include "help_document.h"
#include "instance_channel.h"
#include "key_assignment.h"
#include "keyboard_key_words.h"
#include "key_routing.h"
#include "keyboard_layout.h"
#include "layout.h"
#include "open_document.h"
#include "paste_number.h"
#include "placement.h"
#include "settings.h"
#include "shell_paths.h"
#include "shutdown.h"
#include "side_windows.h"
#include "skin_chooser_command.h"
#include "skin_folders.h"
#include "version.h"
#include "virtual_key.h"
#include "vk_codes.h"
#include "window_system.h"

using kelvo::MenuCheck;

namespace {

// The proportional Japanese Gothic of the window's texts, by pixel height.
QFont UiFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA P Gothic"), QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(pixelSize);
  return font;
}

// A label of the display area. The selector labels (and the empty ones left of them) open their
// popup on a click; the others only take the right button, which opens the window's popup.
class DisplayLabel : public QLabel {
 public:
  DisplayLabel(QWidget* parent, std::function<void(QMouseEvent*)> onPress)
      : QLabel(parent), onPress_(std::move(onPress)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override { onPress_(event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { onPress_(event); }

 private:
  std::function<void(QMouseEvent*)> onPress_;
};

// Ctrl+V pastes whatever the key assignment says; V alone keeps its assigned meaning.
bool IsPasteKey(const QKeyEvent& event, int vk) {
  return vk == kelvo::vk::kV && (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ==
                                    Qt::ControlModifier;
}

}  // namespace

// ---- The client area: paints the skin's background and takes background clicks ----

class TfrmMain::Client : public QWidget {
 public:
  Client(TfrmMain& window) : QWidget(&window), window_(window) {
    setObjectName(QStringLiteral("Client"));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // exact blocks on dense screens
    window_.renderer_.PaintBackground(painter);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) {
      // A drag on the background moves the window, as a drag on its caption would; where the
      // window manager will not move it (or there is none), the window follows the mouse itself.
      QWindow* handle = window_.windowHandle();
      if (handle == nullptr || !handle->startSystemMove())
        dragOffset_ = event->globalPosition().toPoint() - window_.pos();
    } else if (event->button() == Qt::RightButton) {
      window_.menus_.migiKuriPop->popup(event->globalPosition().toPoint());
    }
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) window_.move(event->globalPosition().toPoint() - *dragOffset_);
  }
  void mouseReleaseEvent(QMouseEvent*) override { dragOffset_.reset(); }
  // The Menu key (or Shift+F10) on the face opens the window's popup menu below the display.
  void contextMenuEvent(QContextMenuEvent* event) override {
    if (event->reason() != QContextMenuEvent::Keyboard) {
      event->ignore();  // the right button has opened it already
      return;
    }
    const QWidget* display = window_.widgets_.numberStrip;
    window_.menus_.migiKuriPop->popup(display->mapToGlobal(QPoint(0, display->height())));
  }

 private:
  TfrmMain& window_;
  std::optional<QPoint> dragOffset_;  // the mouse's offset from the window while it drags it
};

// ---- Engine display hooks ----

void MainDisplay::ReturnFocus() {
  window_.ReturnFocus();
  kelvo::AnnounceDisplay(window_.widgets_.numberStrip);  // every key ends here
}

void MainDisplay::ShowRegisters(const std::string& input, const std::string& answer) {
  const QString in = QString::fromStdString(input), ans = QString::fromStdString(answer);
  if (window_.labIpt_->text() != in) window_.labIpt_->setText(in);
  if (window_.labAns_->text() != ans) window_.labAns_->setText(ans);
}

kelvo::EngineSettings MainDisplay::Settings() const {
  const kelvo::SettingValues& values = kelvo::Settings();
  kelvo::EngineSettings s;
  s.roundSelector = values.roundSelector;
  s.decimalSelector = values.decimalSelector;
  s.percentType = values.percentType;
  s.taxRate = kelvo::ActiveTaxRate();
  s.reducedTaxRate = values.reducedTaxRateOn;
  s.grandTotalOn = window_.IsChecked(MenuCheck::GrandTotal);
  s.answerCheckOn = window_.IsChecked(MenuCheck::AnswerCK);
  s.checkTapeOpen = window_.menus_["Mb_Kenzan"]->isChecked();
  return s;
}

// ---- Construction and creation ----

TfrmMain::TfrmMain(bool primaryInstance, InstanceChannel* channel, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      primary_(primaryInstance),
      channel_(channel) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(primary_ ? QStringLiteral("Kelvo") : QStringLiteral("KelvoChild PID"));
  setWindowIconText(primary_ ? QStringLiteral("Kelvo") : QStringLiteral("KC "));
  setWindowIcon(KelvoIcon());
  setFont(DesktopUiFont());  // the menus follow the desktop; the face's labels keep their pixels
  askToQuit = [](QWidget* parent) {
    return QMessageBox::question(parent, QStringLiteral("Kelvo"), QStringLiteral("Kelvoを終了します。よろしいですか？"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  showError = [](QWidget* parent, const QString& text) { QMessageBox::critical(parent, QStringLiteral("Kelvo"), text); };
  askUpdate = [](QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QStringLiteral("Kelvo"), text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };

  // No key stays drawn pressed when the user switches to another program.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive) renderer_.DrawAllButtonsUp();
  });
  qApp->installEventFilter(this);  // the window sees every key before its controls do

  CreateControls();
  ConnectMenus();

  kelvo::UsePrimaryInstanceFiles();
  const kelvo::SettingsPass1 pass1 = kelvo::LoadSettingsPass1(*this, primary_);

  // The skin in use: the built-in sheets, then the saved skin's parts over them.
  renderer_.LoadBuiltInSheets();
  kelvo::SkinTarget target{renderer_, engine_.State(),
                           {kelvo::SkinFolders::BesideProgram(QString::fromStdString(kelvo::ProgramFolder())),
                            /*startingUp=*/true, primary_}};
  const QString skinError = kelvo::RestoreSkinAtStartUp(target, kelvo::Settings().skinKind);
  if (!skinError.isEmpty()) {
    QTimer::singleShot(0, this, [this, skinError] { kelvo::ShowSkinError(this, skinError); });
  }
  renderer_.DrawNumber("0");
  if (!pass1.keyButtonOn) widgets_.ShowKeys(false);

  FitWindow();
  PlaceAtStart(pass1.restorePosition, pass1.left, pass1.top);
}

TfrmMain::~TfrmMain() {
  // The renderer and the engine go before the child widgets: nothing may reach them from now on.
  qApp->removeEventFilter(this);
  disconnect(qApp, nullptr, this, nullptr);
}

void TfrmMain::CreateControls() {
  // Before any widget exists: an assistive technology may ask for a widget's interface at once.
  kelvo::InstallFaceAccessibility();
  InstallSideWindowAccessibility();
  client_ = new Client(*this);
  client_->setFixedSize(kelvo::kClientWidth, kelvo::kClientHeight);
  setCentralWidget(client_);

  // Creation order is stacking order: strips and keys first, the labels above them.
  widgets_ = kelvo::CreateSkinWidgets(client_, &renderer_);
  kelvo::SetKeyboardKeysSource([](int keyCode) { return key_routing::KeyboardKeysFor(keyCode, kelvo::KeyAssignment); });
  kelvo::SetDisplayWords(widgets_.numberStrip, [this] {
    const kelvo::EngineState& s = engine_.State();
    return kelvo::DisplayWords{kelvo::SpokenNumber(s.display, s.error),
                               kelvo::SpokenDisplayDescription(s.error, renderer_.Lit(), kelvo::Settings().roundSelector,
                                                               kelvo::Settings().decimalSelector)};
  });
  connect(&renderer_, &kelvo::Renderer::panelChanged, client_, qOverload<>(&QWidget::update));
  for (kelvo::KeyImageWidget* key : widgets_.keys) {
    connect(key, &kelvo::KeyImageWidget::pressed, this, &TfrmMain::OnKeyImagePressed);
    connect(key, &kelvo::KeyImageWidget::released, this, [this](int keyCode, Qt::MouseButton) {
      engine_.ReleaseKey(keyCode);
    });
  }

  const QFont font = UiFont(13);
  for (const kelvo::LabelCell& cell : kelvo::kDisplayLabels) {
    const QString name = QString::fromLatin1(cell.control.data(), static_cast<qsizetype>(cell.control.size()));
    auto* label = new DisplayLabel(client_, [this, name](QMouseEvent* event) {
      const QPoint at = event->globalPosition().toPoint();
      if (name.startsWith(QLatin1String("labRs")) && event->button() == Qt::LeftButton) {
        OnSelectorLabelClicked(menus_.rsPop, kelvo::Settings().roundSelector, at);
      } else if (name.startsWith(QLatin1String("labDc")) && event->button() == Qt::LeftButton) {
        OnSelectorLabelClicked(menus_.ssPop, kelvo::Settings().decimalSelector, at);
      } else if (event->button() == Qt::RightButton) {
        menus_.migiKuriPop->popup(at);
      }
    });
    label->setObjectName(name);
    label->setGeometry(cell.rect.x, cell.rect.y, cell.rect.width, cell.rect.height);
    label->setFont(font);
    label->setAlignment((cell.alignment > 0 ? Qt::AlignRight : cell.alignment == 0 ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    kelvo::ColourFromSkin(label, renderer_);
    if (name == QLatin1String("labAns")) labAns_ = label;
    if (name == QLatin1String("labIpt")) labIpt_ = label;
    if (name == QLatin1String("labRs")) labRs_ = label;
    if (name == QLatin1String("labDc")) labDc_ = label;
  }
  labAns_->setText(QStringLiteral("0"));
  labIpt_->setText(QStringLiteral("0"));
  kelvo::DescribeDisplayLabel(labAns_, QStringLiteral("答え"));
  kelvo::DescribeDisplayLabel(labIpt_, QStringLiteral("入力"));

  // Below the visible client area: the version text. The keyboard focus rests on the display.
  auto* version = new QLineEdit(QString::fromLatin1(kVersionText), client_);
  version->setObjectName(QStringLiteral("AppVer"));
  version->setGeometry(0, kelvo::kClientHeight + 30, 60, 16);
  version->hide();

  menus_ = BuildMainMenus(menuBar(), this);
  window_system::ExplainAlwaysOnTop(menus_["Mb_FrontSideOn"], menus_.file);
  for (QMenu* menu : {menus_.file, menus_.migiKuriPop})
    connect(menu, &QMenu::aboutToShow, this, &TfrmMain::ExplainResidencyWithoutTray);
  KeepSelectorPopupOpenOnItsLabel(menus_.rsPop, "labRs");
  KeepSelectorPopupOpenOnItsLabel(menus_.ssPop, "labDc");
}

void TfrmMain::PlaceAtStart(bool restorePosition, int left, int top) {
  QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QSize outer = frameGeometry().size().expandedTo(size());
  if (restorePosition) {
    move(placement::RestoredPosition({left, top}, outer, placement::Edges::Of(available)));
  } else {
    const QRect whole = screen->geometry();
    move(whole.x() + (whole.width() - outer.width()) / 2, whole.y() + (whole.height() - outer.height()) / 2);
  }
}

// ---- Activation ----

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) OnActivated();
  return QMainWindow::event(event);
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Some desktops never activate a window that was not clicked (focus-stealing prevention, or no
  // window manager at all); the start must not wait for that. Once the first paint is out of the
  // way, the first activation's work runs if no activation came before.
  if (firstActivation_) QTimer::singleShot(0, this, [this] { FirstActivation(); });
}

void TfrmMain::OnActivated() {
  ApplyAlwaysOnTop();
  FirstActivation();
  kelvo::SideWindowActivated('0');
}

void TfrmMain::FirstActivation() {
  if (!firstActivation_) return;
  engine_.Reset();
  kelvo::LoadSettingsPass2(*this, primary_, static_cast<std::uint32_t>(getpid()));
  ApplyRoundSelector(kelvo::Settings().roundSelector);
  ApplyDecimalSelector(kelvo::Settings().decimalSelector);
  ShowTaxRate();
  Report(kelvo::LoadKeyAssignment());
  if (!primary_) {
    const QString pid = QString::number(getpid());
    setWindowTitle(windowTitle() + pid);
    setWindowIconText(windowIconText() + pid);
    for (const char* name : {"Mb_StartUpEndOn", "Mb_TaskBarIn", "MigiKuriPop_TaskBarIn", "Mb_SkinDownload", "Mb_Update"})
      menus_[name]->setEnabled(false);
    if (channel_ != nullptr) channel_->ListenAsChild(QStringLiteral("PID") + pid);
  }
  if (kelvo::Settings().autoUpdate) ScheduleUpdateCheckAtStart();
  firstActivation_ = false;
}

void TfrmMain::ApplyAlwaysOnTop() {
  if (!kelvo::Settings().alwaysOnTop) return;
  // Set on the native window: changing the widget's flags would hide and re-show it.
  if (QWindow* handle = windowHandle(); handle != nullptr && !(handle->flags() & Qt::WindowStaysOnTopHint))
    handle->setFlag(Qt::WindowStaysOnTopHint, true);
}

void TfrmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) renderer_.DrawAllButtonsUp();
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) && primary_ &&
      IsChecked(MenuCheck::TaskBarIn) && trayAvailable()) {
    // In tray residency minimising hides every window instead.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    QTimer::singleShot(0, this, [this] { ShowAllWindows(false); });
  }
  QMainWindow::changeEvent(event);
}

// ---- Closing and the end ----

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (forcedQuit_) SetChecked(MenuCheck::TaskBarIn, false);
  if (IsChecked(MenuCheck::TaskBarIn)) {
    // Stay resident in the tray; without a tray, nothing could bring hidden windows back, so the
    // window is only minimised.
    if (trayAvailable())
      ShowAllWindows(false);
    else
      showMinimized();
    event->ignore();
    return;
  }
  event->accept();
  kelvo::RequestDownloadAbort();
  qApp->quit();
}

void TfrmMain::QuitRequested() {
  SetChecked(MenuCheck::TaskBarIn, false);
  close();
}

void TfrmMain::ShowRequested() {
  if (isVisible()) return;  // only a primary hidden in the tray answers
  showNormal();
  ShowAllWindows(true);
}

void TfrmMain::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  kelvo::RequestDownloadAbort();
  if (!primary_) {
    kelvo::DeleteChildInstanceFile();
    return;
  }
  TrayIcon(false);
  const QPoint position = frameGeometry().topLeft();
  using LeftTop = std::pair<std::int32_t, std::int32_t>;
  Report(kelvo::WriteExitSettings(window_system::PlacesWindows() ? std::optional(LeftTop(position.x(), position.y()))
                                                                 : std::nullopt));
  shutdown::CleanUpScratchFiles(/*keepUpdateExe=*/installerStarted_);
  shutdown::CloseChildInstances([](const std::string& baseName) {
    return InstanceChannel::SendToChild(QString::fromStdString(baseName), InstanceChannel::kCloseMessage);
  });
}

// ---- Check marks ----

QList<QAction*> TfrmMain::CheckActions(MenuCheck item) const {
  switch (item) {
    case MenuCheck::KeyPanelOn: return {menus_["Mb_KeyPanelOn"], menus_["MigiKuriPop_KeyPanelOn"]};
    case MenuCheck::KeyButtonOn: return {menus_["Mb_KeyButtonOn"]};
    case MenuCheck::StartUpEndOn: return {menus_["Mb_StartUpEndOn"]};
    case MenuCheck::TaskBarIn: return {menus_["Mb_TaskBarIn"], menus_["MigiKuriPop_TaskBarIn"]};
    case MenuCheck::PerSharp: return {menus_["Mb_PerSharp"]};
    case MenuCheck::PerCasio: return {menus_["Mb_PerCasio"]};
    case MenuCheck::GrandTotal: return {menus_["Mb_GrandTotal"]};
    case MenuCheck::AnswerCK: return {menus_["Mb_AnswerCK"]};
    case MenuCheck::FrontSideOn: return {menus_["Mb_FrontSideOn"]};
    case MenuCheck::AutoUpdate: return {menus_["Mb_AutoUpdate"]};
    case MenuCheck::ReducedTaxRate: return {menus_["Mb_Keigen"], menus_["MigiKuriPop_Keigen"]};
  }
  return {};
}

bool TfrmMain::IsChecked(MenuCheck item) const { return CheckActions(item).front()->isChecked(); }

void TfrmMain::SetChecked(MenuCheck item, bool checked) {
  for (QAction* action : CheckActions(item)) action->setChecked(checked);
}

void TfrmMain::Report(const kelvo::FlushResult& result) {
  if (!result.ok) showError(this, QString::fromStdString(result.message));
}

// ---- Keys ----

void TfrmMain::PressKey(int keyCode) {
  tapeRecorder_.BeforeKey(engine_.State());
  engine_.PressKey(keyCode);
  RecordKey(keyCode);
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

// ---- Commands ----

void TfrmMain::CopyToClipboard() {
  renderer_.DrawMark(12, true);
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

void TfrmMain::CloseTopWindow() {
  // F12 closes the side windows from the most recently activated one backwards, then asks to quit.
  const std::string& list = kelvo::SideWindowList();
  if (!list.empty()) {
    if (QWidget* top = WindowOf(list.back()); top != this) {
      top->close();  // its close handling takes it off the list
      return;
    }
    if (list.size() > 1) {
      // The main window is last: close the side window before it; "0" stays last.
      if (QWidget* side = WindowOf(list[list.size() - 2]); side != this) side->close();
      return;
    }
  }
  if (!primary_) {
    close();
    return;
  }
  renderer_.DrawAllButtonsUp();
  if (askToQuit(this)) close();
}

void TfrmMain::ApplyRoundSelector(int value) {
  static constexpr const char* kItems[] = {"Mb_RsF", "Mb_RsCUT", "Mb_RsUP", "Mb_Rs45"};
  static constexpr const char* kTexts[] = {"F", "CT", "UP", "5/4"};
  for (const char* item : kItems) menus_[item]->setChecked(false);
  value = kelvo::EffectiveRoundSelector(value);
  labRs_->setText(QString::fromLatin1(kTexts[value - 1]));
  labRs_->setAccessibleName(kelvo::SpokenRoundSelector(value));
  kelvo::Settings().roundSelector = value;
  menus_[kItems[value - 1]]->setChecked(true);
  MirrorToEnlargedPanel();
  kelvo::AnnounceDisplay(widgets_.numberStrip);
}

void TfrmMain::ApplyDecimalSelector(int value) {
  static constexpr const char* kItems[] = {"Mb_Ss0", "Mb_Ss1", "Mb_Ss2", "Mb_Ss3", "Mb_Ss4", "Mb_Ss5"};
  menus_["Mb_SsF"]->setChecked(false);
  for (const char* item : kItems) menus_[item]->setChecked(false);
  value = kelvo::EffectiveDecimalSelector(value);
  menus_[value < 0 ? "Mb_SsF" : kItems[value]]->setChecked(true);
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

void TfrmMain::ToggleSetting(MenuCheck item, bool qtChecked) {
  // Qt has already flipped the item; the settings writer flips and writes, so undo Qt's flip.
  SetChecked(item, !qtChecked);
  Report(kelvo::ToggleMenuSetting(*this, item));
}

void TfrmMain::ConnectMenus() {
  const MainMenus& m = menus_;
  auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };

  on(m["Mb_Cpy"], [this] { CopyToClipboard(); });
  on(m["MigiKuriPop_Cpy"], [this] { CopyToClipboard(); });
  on(m["Mb_Paste"], [this] { PasteFromClipboard(); });
  on(m["MigiKuriPop_Paste"], [this] { PasteFromClipboard(); });
  on(m["Mb_Quit"], [this] { QuitRequested(); });
  on(m["MigiKuriPop_Quit"], [this] { QuitRequested(); });
  on(m["Pop_Task_End"], [this] { QuitRequested(); });
  on(m["Pop_Task_ZyocyuOff"], [this] { EndResidency(); });

  on(m["Mb_KeyPanelOn"], [this](bool checked) { SetChecked(MenuCheck::KeyPanelOn, !checked); ToggleMiniSize(); });
  on(m["MigiKuriPop_KeyPanelOn"], [this](bool checked) { SetChecked(MenuCheck::KeyPanelOn, !checked); ToggleMiniSize(); });
  on(m["Mb_KeyButtonOn"], [this](bool checked) { SetChecked(MenuCheck::KeyButtonOn, !checked); ToggleButtonDisplay(); });
  on(m["Mb_TaskBarIn"], [this](bool checked) { SetChecked(MenuCheck::TaskBarIn, !checked); ToggleTaskBarIn(); });
  on(m["MigiKuriPop_TaskBarIn"], [this](bool checked) { SetChecked(MenuCheck::TaskBarIn, !checked); ToggleTaskBarIn(); });
  on(m["Mb_FrontSideOn"], [this](bool checked) { ToggleSetting(MenuCheck::FrontSideOn, checked); });
  on(m["Mb_StartUpEndOn"], [this](bool checked) { ToggleSetting(MenuCheck::StartUpEndOn, checked); });
  on(m["Mb_GrandTotal"], [this](bool checked) { ToggleSetting(MenuCheck::GrandTotal, checked); });
  on(m["Mb_AutoUpdate"], [this](bool checked) { ToggleSetting(MenuCheck::AutoUpdate, checked); });
  on(m["Mb_AnswerCK"], [this](bool checked) {
    ToggleSetting(MenuCheck::AnswerCK, checked);
    engine_.ResetLastAnswer();
  });
  on(m["Mb_SushikiOn"], [this] { ToggleFormula(); });
  on(m["Mb_PerSharp"], [this] { Report(kelvo::ChoosePercentType(*this, 1)); });
  on(m["Mb_PerCasio"], [this] { Report(kelvo::ChoosePercentType(*this, 2)); });

  for (const char* name : {"Mb_RsF", "Mb_RsCUT", "Mb_RsUP", "Mb_Rs45", "RsPop1", "RsPop2", "RsPop3", "RsPop4"}) {
    QAction* action = m[name];
    on(action, [this, action] { ChooseRoundSelector(action->data().toInt()); });
  }
  for (const char* name : {"Mb_SsF", "Mb_Ss5", "Mb_Ss4", "Mb_Ss3", "Mb_Ss2", "Mb_Ss1", "Mb_Ss0", "SsPopF", "SsPop5",
                           "SsPop4", "SsPop3", "SsPop2", "SsPop1", "SsPop0"}) {
    QAction* action = m[name];
    on(action, [this, action] { ChooseDecimalSelector(action->data().toInt()); });
  }

  on(m["KelvoHelp"], [this] {
    const QString sys = QString::fromStdString(kelvo::ProgramPath("KelvoFiles/_sys/"));
    kelvo::OpenDocument(this, QUrl::fromLocalFile(kelvo::HelpDocumentPath(sys, QStringLiteral("KelvoHelp"))));
  });
  on(m["Mb_SkinChange"], [this](bool checked) { ToggleSkinChooser(*this, checked); });
  on(m["MorvaneHp"], [this] { kelvo::OpenDocument(this, QUrl(QStringLiteral(KELVO_HOME_PAGE))); });
  on(m["Mb_Update"], [this] { OpenUpdateWindow(/*foundAtStart=*/false); });

  ConnectSideWindowCommands();
  ConnectTaxRateCommands();
  ConnectTapeCommands();
}
