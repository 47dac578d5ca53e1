#include "update_window.h"

#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "download.h"
#include "download_pane.h"
#include "installer.h"
#include "self_update.h"
#include "server_url.h"
#include "shell_paths.h"
#include "side_window_host.h"
#include "spoken_message.h"

namespace {

const QString kPressCheck = QStringLiteral("[バージョンアップを確認] ボタンを押すと、\r\nインターネットに接続し、リストを取得します。");
const QString kConnecting = QStringLiteral("...接続中");
const QString kLatest = QStringLiteral("現在最新バージョンをお使いです。\r\nバージョンアップの必要はありません。");
const QString kDownloaded = QStringLiteral("ダウンロード成功");
const QString kRunUpdate = QStringLiteral("ダウンロードに成功しました。\r\nアップデートを実行しますか？");
const QString kNotInstalled = QStringLiteral("アップデートファイルを Update.exe として保存出来ませんでした。");
// The second line of the failure of an installer that is not the one the list describes.
const QString kChecksumMismatch = QStringLiteral("ファイルがチェックサムと一致しませんでした。\r\n");

QString FoundMessage(const QString& version) {
  return QStringLiteral("アップデートファイルが見つかりました。\r\n最新バージョンは ") + version +
         QStringLiteral(" です。\r\n\r\nアップデートファイルをダウンロードする場合、\r\n[ダウンロード]ボタンを押して下さい。");
}

// A newer version whose list names no file the installer could safely be stored under.
QString NoInstallerMessage(const QString& version) {
  return QStringLiteral("最新バージョンは ") + version +
         QStringLiteral(" です。\r\n\r\nリストのアップデートファイル名が正しくないため、\r\nダウンロード出来ません。");
}

// The texts keep CR LF line ends; the widgets show them as plain line breaks.
QString Shown(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

QString LocalListPath() { return QString::fromStdString(kelvo::ProgramPath(kelvo::kUpdateListFile)); }

constexpr int kBarWidth = 197;

}  // namespace

TfrmUpdate::TfrmUpdate(kelvo::SideWindowHost& host, QString currentVersion, bool foundAtStart, QWidget* parent)
    : QDialog(parent, kelvo::kSideWindowFlags),
      host_(host),
      currentVersion_(std::move(currentVersion)),
      foundAtStart_(foundAtStart) {
  setObjectName(QStringLiteral("frmUpdate"));
  setWindowTitle(QStringLiteral("バージョンアップの確認"));
  if (parent != nullptr) setFont(parent->font());
  askYesNo = [](QWidget* owner, const QString& text) {
    return QMessageBox::question(owner, QStringLiteral("Kelvo"), Shown(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
  };
  showMessage = [](QWidget* owner, const QString& text) {
    QMessageBox::warning(owner, QStringLiteral("Kelvo"), Shown(text));
  };
  CreateControls();
}

TfrmUpdate::~TfrmUpdate() { pane_->Close(); }

void TfrmUpdate::CreateControls() {
  setFixedSize(297, 181);

  txtMsg_ = new QPlainTextEdit(this);
  txtMsg_->setObjectName(QStringLiteral("txtMsg"));
  txtMsg_->setAccessibleName(QStringLiteral("メッセージ"));
  txtMsg_->setReadOnly(true);
  txtMsg_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtMsg_->setGeometry(8, 8, 281, 86);
  QPalette silver = txtMsg_->palette();
  silver.setColor(QPalette::Base, QColor(192, 192, 192));
  silver.setColor(QPalette::Text, Qt::black);  // a dark desktop's light text would vanish on silver
  txtMsg_->setPalette(silver);

  // The bar: a white box of the full width with a blue one over it that grows.
  auto box = [this](const char* name, const QColor& colour, const QRect& rect) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
    edit->setGeometry(rect);
    return edit;
  };
  txtIngBarMax_ = box("txtIngBarMax", Qt::white, {50, 99, kBarWidth, 10});
  txtIngBarAct_ = box("txtIngBarAct", Qt::blue, {50, 99, 0, 10});
  txtIngBarAct_->setFrame(false);
  txtProgressStatus_ = box("txtProgressStatus", QColor(192, 192, 192), {50, 111, kBarWidth, 17});
  txtProgressStatus_->setAlignment(Qt::AlignRight);
  txtProgressStatus_->setFrame(false);
  txtProgressStatus_->setAccessibleName(QStringLiteral("進行状況"));

  auto button = [this](const char* name, const QString& caption, const QRect& rect, void (TfrmUpdate::*click)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::NoFocus);  // none of the buttons is a tab stop
    b->setAutoDefault(false);
    b->setGeometry(rect);
    if (click != nullptr) connect(b, &QPushButton::clicked, this, click);
    return b;
  };
  btDownload_ = button("btDownload", QStringLiteral("ダウンロード"), {8, 131, 138, 23}, &TfrmUpdate::DownloadInstaller);
  btConnect_ = button("btConnect", QStringLiteral("バージョンアップを確認"), {151, 131, 138, 23}, &TfrmUpdate::CheckForUpdate);
  btConnectStop_ = button("btConnectStop", QStringLiteral("接続を切断"), {8, 156, 138, 23}, nullptr);
  btClose_ = button("btClose", QStringLiteral("Close (&X)"), {151, 156, 138, 23}, nullptr);
  pane_ = std::make_unique<kelvo::DownloadPane>(btConnectStop_, txtProgressStatus_);
  connect(btClose_, &QPushButton::clicked, this, &QWidget::close);
}

int TfrmUpdate::ShowModal() {
  host_.PlaceWindow(this, 3);
  return exec();
}

void TfrmUpdate::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  ShowProgressControls(false);
  if (foundAtStart_) {
    listUrl_ = kelvo::ServerBaseUrl() + QStringLiteral("AppVer.csv");
    list_ = kelvo::ParseUpdateList(kelvo::ReadUpdateListFile(LocalListPath()));
    ShowFoundList(list_);
  } else {
    SetMessage(kPressCheck);
    btDownload_->setEnabled(false);
  }
}

void TfrmUpdate::reject() {
  pane_->Close();  // a running transfer ends before the window goes
  QFile::remove(LocalListPath());
  QDialog::reject();
}

bool TfrmUpdate::Download(const QString& url, const QString& localPath, qint64 maxBytes) {
  const int code = pane_->Transfer([&] {
    return kelvo::DownloadFile(url, localPath, maxBytes, QString(), 2,
                               [this](const QString& text, double bar) { ShowProgress(text, bar); });
  });
  SetMessage(kelvo::DownloadResultText(code));
  return code == kelvo::kDownloadOk;
}

void TfrmUpdate::CheckForUpdate() {
  btConnect_->setEnabled(false);
  btDownload_->setEnabled(false);
  btClose_->setEnabled(false);
  ShowProgressControls(false);
  SetMessage(kConnecting);
  listUrl_ = kelvo::ServerBaseUrl() + QStringLiteral("AppVer.csv");
  const bool fetched = Download(listUrl_, LocalListPath(), kelvo::kMaxUpdateListBytes);
  if (pane_->Closing()) {
    QFile::remove(LocalListPath());  // it may have arrived after the window deleted it
    return;
  }
  if (fetched) {
    list_ = kelvo::ParseUpdateList(kelvo::ReadUpdateListFile(LocalListPath()));
    if (kelvo::IsNewerVersion(list_.version, currentVersion_)) {
      ShowFoundList(list_);
    } else {
      SetMessage(kLatest);
    }
  }
  btConnect_->setEnabled(true);
  btClose_->setEnabled(true);
}

void TfrmUpdate::DownloadInstaller() {
  if (!kelvo::IsFreeInstallerName(list_.fileName) || !kelvo::SelfUpdateAllowed()) return;
  btDownload_->setEnabled(false);
  btClose_->setEnabled(false);
  btConnect_->setEnabled(false);
  ShowProgressControls(true);
  ShowProgress(QString(), 0);
  SetMessage(kConnecting + u' ' + list_.host);

  // Fetched and checked under a working name; only then does it become Update.exe.
  const QString local = kelvo::InstallerDownloadPath(list_.fileName);
  bool fetched = Download(kelvo::InstallerUrl(listUrl_, list_.url), local, kelvo::kMaxInstallerBytes);
  if (pane_->Closing()) {
    if (fetched) QFile::remove(local);  // nobody is left to ask
    return;
  }
  if (fetched && !list_.sha256.isEmpty() && !kelvo::Sha256Matches(local, list_.sha256)) {
    QFile::remove(local);  // not the installer the list describes: never started
    SetMessage(kelvo::DownloadResultText(kelvo::kDownloadSizeMismatch) + kChecksumMismatch);
    fetched = false;
  }
  ShowProgressControls(false);
  if (fetched) {
    if (!kelvo::InstallAsUpdateExe(local)) {
      SetMessage(kNotInstalled);
      showMessage(this, kNotInstalled);
    } else {
      SetMessage(kDownloaded);
      if (askYesNo(this, kRunUpdate)) {
        installerAccepted_ = true;
        close();
        return;
      }
    }
  }
  btConnect_->setEnabled(true);
  btClose_->setEnabled(true);
}

void TfrmUpdate::ShowFoundList(const kelvo::UpdateList& list) {
  if (!kelvo::SelfUpdateAllowed()) {
    SetMessage(kelvo::NewerForPackageManagerMessage(list.version));
    btDownload_->setEnabled(false);
    return;
  }
  const bool installer = kelvo::IsFreeInstallerName(list.fileName);
  SetMessage(installer ? FoundMessage(list.version) : NoInstallerMessage(list.version));
  btDownload_->setEnabled(installer);
}

void TfrmUpdate::ShowProgressControls(bool show) {
  txtIngBarMax_->setVisible(show);
  txtIngBarAct_->setVisible(show);
  pane_->ShowProgressLine(show);
}

void TfrmUpdate::ShowProgress(const QString& text, double barFraction) {
  // Called after every block: only what changed is touched, so only that repaints.
  pane_->ShowProgress(text);
  if (barFraction < 0) return;
  const int width = qRound(barFraction * txtIngBarMax_->width());
  if (txtIngBarAct_->width() != width) txtIngBarAct_->resize(width, txtIngBarAct_->height());
}

void TfrmUpdate::SetMessage(const QString& text) {
  txtMsg_->setPlainText(Shown(text));
  kelvo::Announce(this, txtMsg_->toPlainText());
}

#include "moc_update_window.cpp"
