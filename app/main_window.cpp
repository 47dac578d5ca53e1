#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>
#include <unistd.h>

#include <optional>

#include "accessible_face.h"
#include "accessible_windows.h"
#include "after_first_paint.h"
#include "app_icon.h"
#include "desktop_look.h"
#include "display_label_look.h"
#include "instance_channel.h"
#include "key_assignment.h"
#include "keyboard_key_words.h"
#include "keyboard_layout.h"
#include "layout.h"
#include "placement.h"
#include "settings.h"
#include "shell_paths.h"
#include "side_windows.h"
#include "skin_folders.h"
#include "spoken_message.h"
#include "unshown_window_events.h"
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

// ---- Construction and creation ----

TfrmMain::TfrmMain(bool primaryInstance, InstanceChannel* channel, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      primary_(primaryInstance),
      channel_(channel) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(primary_ ? QStringLiteral("Kelvo") : QStringLiteral("KelvoChild PID"));
  setWindowIconText(primary_ ? QStringLiteral("Kelvo") : QStringLiteral("KC "));
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
  // The icon is drawn in code, at four sizes: the window shows without it for a moment.
  RunAfterFirstPaint(client_, [this] { setWindowIcon(KelvoIcon()); });

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

  FitWindow();  // and the keys shown or not
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
  InstallMenuAccessibility();
  kelvo::DropEventsOfUnshownWindows();
  kelvo::SetAnnouncingWindow(this);
  client_ = new Client(*this);
  client_->setFixedSize(kelvo::kClientWidth, kelvo::kClientHeight);
  setCentralWidget(client_);

  // Creation order is stacking order: strips and keys first, the labels above them.
  widgets_ = kelvo::CreateSkinWidgets(client_, &renderer_);
  kelvo::SetKeyboardKeysSource([](int keyCode) {
    return key_routing::KeyboardKeysFor(keyCode, kelvo::KeyAssignment, kelvo::CurrentKeyboardLayout());
  });
  kelvo::SetDisplayReading(widgets_.numberStrip, [this] {
    const kelvo::EngineState& s = engine_.State();
    const kelvo::SettingValues& values = kelvo::Settings();
    return kelvo::DisplayReading{s.display, s.error, s.marks, values.roundSelector, values.decimalSelector,
                                 kelvo::SpokenTaxRate(kelvo::ActiveTaxRate(), values.reducedTaxRateOn)};
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

  menus_ = BuildMainMenus(menuBar(), this);
  window_system::ExplainAlwaysOnTop(Action("Mb_FrontSideOn"), menus_.file);
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
  ResetRefusedTaxRates();
  ApplyRoundSelector(kelvo::Settings().roundSelector);
  ApplyDecimalSelector(kelvo::Settings().decimalSelector);
  ApplySpeechMode(speech::SpeechModeFromSetting(kelvo::Settings().speechMode));
  ShowTaxRate();
  Report(kelvo::LoadKeyAssignment());
  if (!primary_) {
    const QString pid = QString::number(getpid());
    setWindowTitle(windowTitle() + pid);
    setWindowIconText(windowIconText() + pid);
    for (QAction* item : {Action("Mb_StartUpEndOn"), Action("Mb_TaskBarIn"), Action("MigiKuriPop_TaskBarIn"),
                          Action("Mb_SkinDownload"), Action("Mb_Update")})
      item->setEnabled(false);
    if (channel_ != nullptr) channel_->ListenAsChild(QStringLiteral("PID") + pid);
  }
  if (kelvo::Settings().autoUpdate) ScheduleUpdateCheckAtStart();
  kelvo::StartDisplayAnnouncements(widgets_.numberStrip);
  firstActivation_ = false;
}

void TfrmMain::ApplyAlwaysOnTop() {
  // Set on the native window: changing the widget's flags would hide and re-show it.
  QWindow* handle = windowHandle();
  if (handle == nullptr) return;
  const bool onTop = kelvo::Settings().alwaysOnTop;
  if (handle->flags().testFlag(Qt::WindowStaysOnTopHint) != onTop) handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
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

void TfrmMain::Report(const kelvo::FlushResult& result) {
  if (!result.ok) showError(this, QString::fromStdString(result.message));
}

#include "moc_main_window.cpp"
