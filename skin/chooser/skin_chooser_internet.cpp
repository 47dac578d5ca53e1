// The internet tab: the catalogue, previews and skin downloads, and the busy state around them.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QUrl>
#include <algorithm>

#include "download_abort.h"
#include "download_pane.h"
#include "folder_utils.h"
#include "preview_picture.h"
#include "skin_chooser.h"
#include "skin_download_plan.h"

namespace kelvo {
namespace {

const QString kConnecting = QStringLiteral("[インターネットに接続]\n");

}  // namespace

// Counts the operations under way; a window closed meanwhile is deleted after the last one.
class TfrmSkinCh::Operation {
 public:
  explicit Operation(TfrmSkinCh& window) : window_(window) { ++window_.operations_; }
  ~Operation() {
    if (--window_.operations_ == 0 && window_.deleteWhenDone_) window_.deleteLater();
  }
  Operation(const Operation&) = delete;
  Operation& operator=(const Operation&) = delete;

 private:
  TfrmSkinCh& window_;
};

bool TfrmSkinCh::Closing() const { return pane_->Closing(); }

void TfrmSkinCh::closeEvent(QCloseEvent* event) {
  pane_->Close();
  if (operations_ > 0 && testAttribute(Qt::WA_DeleteOnClose)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    deleteWhenDone_ = true;
  }
  host_->Windows().SideWindowClosed(kWindowId);
  event->accept();
}

// ---- Messages and the busy state ----

void TfrmSkinCh::SetMessage(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  txtMsg_->setPlainText(shown);
}

void TfrmSkinCh::AppendMessage(const QString& text) { SetMessage(txtMsg_->toPlainText() + text); }

QList<QWidget*> TfrmSkinCh::ControlsLockedWhileBusy() const {
  return {btDownLoad_, btClose_, btPrvGet_, lstSkinFiles_, tabMain_, btDef_, tabForm_, optName_, optDate_, btHozon_};
}

void TfrmSkinCh::EnterBusy() {
  busy_ = true;
  if (Closing()) return;
  listHadFocus_ = lstSkinFiles_->hasFocus();
  for (QWidget* control : ControlsLockedWhileBusy()) control->setEnabled(false);
  pane_->ShowProgressLine(true);
}

void TfrmSkinCh::LeaveBusy() {
  busy_ = false;
  if (Closing()) return;
  pane_->ShowProgressLine(false);
  for (QWidget* control : ControlsLockedWhileBusy()) control->setEnabled(true);
  UpdateTabControls();
  UpdateSkinKind();
  if (listHadFocus_) lstSkinFiles_->setFocus();
}

void TfrmSkinCh::UpdateTabControls() {
  const bool internet = OuterTab() == kInternetTab && !busy_;
  btDownLoad_->setEnabled(internet);
  btPrvGet_->setEnabled(internet);
}

int TfrmSkinCh::Transfer(const QString& url, const QString& localPath, qint64 maxBytes, const QString& label,
                         bool showResult) {
  const int code = pane_->Transfer([&] {
    return host_->Download(url, localPath, maxBytes, label, [this](const QString& text) { pane_->ShowProgress(text); });
  });
  if (showResult && !Closing()) SetMessage(host_->DownloadResultText(code));
  return code;
}

void TfrmSkinCh::StopTransfer() { pane_->Stop(); }

// ---- The catalogue ----

void TfrmSkinCh::FetchCatalogue() {
  if (busy_) return;
  Operation operation(*this);
  EnterBusy();
  const QString path = folders_.Catalogue();
  QFile::remove(path);
  catalogue_ = {};
  SetMessage(kConnecting + QStringLiteral("スキンリストの取得中・・・。"));
  const QString catalogueUrl = host_->ServerBaseUrl() + QStringLiteral("T7_SkinFilesList.csv");
  const int code = Transfer(catalogueUrl, path, kMaxCatalogueBytes, QStringLiteral("1/1"), true);
  if (Closing()) return;
  if (code == 0) {
    // The reader leaves out every line whose names could lead out of the skin folders.
    catalogue_ = ReadSkinCatalogue(path);
    // A skin server given relative to the catalogue ("T7/") lies beside it, wherever it is served.
    if (catalogue_.hasBaseUrl) skinServerUrl_ = QUrl(catalogueUrl).resolved(QUrl(catalogue_.baseUrl)).toString();
    SetMessage(QStringLiteral("OK: リストの取得成功。"));
  }
  LeaveBusy();
  listJustFetched_ = true;
  ListCategory();
  listJustFetched_ = false;
}

// ---- Previews ----

bool TfrmSkinCh::MakePreviewCache() const {
  // The cache lives in _sys/, which the program never creates itself.
  const QDir cache(folders_.PreviewCache());
  return cache.exists() || QDir(folders_.kelvoFiles + QStringLiteral("_sys")).mkdir(QStringLiteral("prvpic"));
}

void TfrmSkinCh::FetchPreview() {
  const CatalogueSkin* selected = SelectedCatalogueSkin();
  if (selected == nullptr || busy_) return;
  const CatalogueSkin skin = *selected;
  const QString path = PreviewCachePath(skin);
  if (QFile::exists(path)) return;
  Operation operation(*this);
  EnterBusy();
  SetMessage(kConnecting + QStringLiteral("プレビュー画像の取得中・・・。"));
  MakePreviewCache();
  const int code = Transfer(skinServerUrl_ + skin.id + QStringLiteral("/Preview.gif"), path, kMaxPreviewBytes,
                            QStringLiteral("1/1"), true);
  if (Closing()) return;
  if (code == 0) {
    if (listJustFetched_) SetMessage(QStringLiteral("OK: リストの取得成功。\n"));
    AppendMessage(QStringLiteral("OK: プレビュー取得成功。"));
  }
  LeaveBusy();
  if (QFile::exists(path)) ShowCachedPreview(skin);
  else ClearPreview();
}

// ---- Skin download ----

void TfrmSkinCh::DownloadSelected() {
  const CatalogueSkin* selected = SelectedCatalogueSkin();
  if (selected == nullptr || busy_) return;
  const CatalogueSkin skin = *selected;
  const int category = Category();
  Operation operation(*this);
  EnterBusy();

  const QString temporary = folders_.Library() + QStringLiteral("DownLoadSkin");
  DeleteFolderTree(temporary.toStdString());
  QDir().mkpath(temporary);
  const QStringList files = SkinDownloadFiles(category);
  SetMessage(kConnecting + QStringLiteral("スキンファイルの取得中・・・。"));

  DownloadTally tally;
  const QString prefix = skinServerUrl_ + skin.id;
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QString label = QStringLiteral("%1/%2").arg(i + 1).arg(files.size());
    const int code = Transfer(prefix + files[i], temporary + files[i], MaxSkinFileBytes(files[i]), label, false);
    if (Closing()) {
      DeleteFolderTree(temporary.toStdString());
      return;
    }
    ++(code == 0 ? tally.fetched : tally.failed);
    // A stop also ends the download while its first file arrives.
    if (DownloadAbortRequested()) {
      tally.stopped = true;
      break;
    }
  }

  DownloadOutcome outcome = JudgeDownload(tally, category);
  QString refused;
  if (outcome == DownloadOutcome::Fetched) {
    // A bitmap the skin loader refuses is a failed download: the skin in use stays as it is.
    refused = FindRefusedBitmap(temporary);
    if (!refused.isEmpty()) outcome = DownloadOutcome::Failed;
  }
  QString log;
  bool moved = false;
  switch (outcome) {
    case DownloadOutcome::Stopped:
      SetMessage({});
      log = QStringLiteral("***強制切断***");
      break;
    case DownloadOutcome::Failed:
      SetMessage(refused.isEmpty() ? QString() : QStringLiteral("NG: %1 を読み込めません。\n").arg(refused));
      log = QStringLiteral("***スキンファイルの取得失敗***");
      break;
    case DownloadOutcome::Fetched: {
      SetMessage(QStringLiteral("OK: スキンファイルの取得成功 \n( %1 )").arg(skin.LocalFolderName()));
      ApplyInFolder(temporary + u'/', category);
      if (!mbAutoPreview_->isChecked()) {
        const QString cached = PreviewCachePath(skin);
        QFile::remove(cached);
        if (MakePreviewCache() && QFile::copy(temporary + QStringLiteral("/Preview.gif"), cached)) ShowCachedPreview(skin);
        else ClearPreview();
      }
      if (mbLocalSave_->isChecked()) {
        const QString kept = folders_.Library() + skin.LocalFolderName();
        DeleteFolderTree(kept.toStdString());
        moved = QDir().rename(temporary, kept);
      }
      break;
    }
  }
  if (!moved) DeleteFolderTree(temporary.toStdString());
  LeaveBusy();
  AppendMessage(log);
  lstSkinFiles_->setFocus();
}

}  // namespace kelvo
