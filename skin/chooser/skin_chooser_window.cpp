// The chooser's life (show, activation, close, end), its tabs, lists, selection and keys.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>

#include "download_pane.h"
#include "preview_picture.h"
#include "settings.h"
#include "skin_chooser.h"
#include "skin_library.h"

namespace kelvo {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool IsModifierKey(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
         key == Qt::Key_AltGr || key == Qt::Key_CapsLock;
}

// Ctrl+Tab and Ctrl+PgDn go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the previous one, as
// in any tabbed window. Returns the step, or 0 for any other key.
int TabStep(const QKeyEvent& key) {
  if (!(key.modifiers() & Qt::ControlModifier)) return 0;
  const bool shift = key.modifiers() & Qt::ShiftModifier;
  switch (key.key()) {
    case Qt::Key_Tab: return shift ? -1 : 1;
    case Qt::Key_Backtab: return -1;
    case Qt::Key_PageDown: return 1;
    case Qt::Key_PageUp: return -1;
    default: return 0;
  }
}

void StepTab(QTabWidget* tabs, int step) {
  if (tabs->count() > 1) tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
}

}  // namespace

TfrmSkinCh::~TfrmSkinCh() {
  pane_->Close();
  QFile::remove(folders_.Catalogue());
  const FlushResult written = SaveSkinChooserOptions({mbAutoPreview_->isChecked(), mbLocalSave_->isChecked()});
  if (!written.ok) prompts.showError(nullptr, QString::fromStdString(written.message));
}

// ---- Showing, activation and closing ----

void TfrmSkinCh::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // A window shown again from the task tray, or restored from the task bar, keeps its state.
  if (!event->spontaneous() && !host_->TrayRestoring()) OnShow();
}

void TfrmSkinCh::OnShow() {
  pane_->Open();
  const SkinChooserOptions options = LoadSkinChooserOptions();
  mbAutoPreview_->setChecked(options.autoPreview);
  mbLocalSave_->setChecked(options.localSave);

  switchingTabs_ = true;
  if (tabForm_->count() == 0) {
    tabForm_->addTab(new QWidget, QStringLiteral("ローカル"));
    if (host_->Windows().IsPrimaryInstance()) tabForm_->addTab(new QWidget, QStringLiteral("インターネット"));
    for (const SkinCategory& category : kSkinCategories) tabMain_->addTab(new QWidget, Utf8(category.caption));
  }
  tabForm_->setCurrentIndex(kLocalTab);
  tabMain_->setCurrentIndex(0);
  switchingTabs_ = false;

  txtSname_->clear();
  txtMsg_->clear();
  shownOuterTab_ = kLocalTab;
  descendingOf_[kLocalTab] = false;
  descendingOf_[kInternetTab] = true;
  SetOrder(false);
  ListCategory();
  slPopDelete_->setVisible(true);
  slPopGetPreview_->setVisible(false);
  btConnectStop_->setEnabled(false);
  UpdateSkinKind();
  lstSkinFiles_->setFocus();
}

bool TfrmSkinCh::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) UpdateSkinKind();
  return QMainWindow::event(event);
}

void TfrmSkinCh::UpdateSkinKind() {
  const int kind = Settings().skinKind;
  const QString shown = kind >= 0 && kind < static_cast<int>(kSkinTypeCaptions.size()) ? Utf8(kSkinTypeCaptions[kind]) : QString();
  setWindowTitle(QStringLiteral("スキンの変更　現在：") + shown);
  defCK_->setChecked(kind == kSkinStandard);
  btHozon_->setEnabled(kind == kSkinCustom && !busy_);
}

// ---- Tabs and order ----

int TfrmSkinCh::OuterTab() const { return tabForm_->currentIndex() == kInternetTab ? kInternetTab : kLocalTab; }
int TfrmSkinCh::Category() const { return std::max(0, tabMain_->currentIndex()); }
bool TfrmSkinCh::Descending() const { return optDate_->isChecked(); }

void TfrmSkinCh::SetOrder(bool descending) {
  optName_->setChecked(!descending);
  optDate_->setChecked(descending);
}

void TfrmSkinCh::OnOrderClicked() {
  if (!switchingTabs_ && !busy_) ListCategory();
}

void TfrmSkinCh::OnOuterTabChanged(int index) {
  if (switchingTabs_ || index < 0) return;
  // Each outer tab keeps its own order.
  descendingOf_[shownOuterTab_] = Descending();
  shownOuterTab_ = index == kInternetTab ? kInternetTab : kLocalTab;
  SetOrder(descendingOf_[shownOuterTab_]);
  const bool internet = shownOuterTab_ == kInternetTab;
  slPopDelete_->setVisible(!internet);
  slPopGetPreview_->setVisible(internet);
  if (internet) {
    FetchCatalogue();
  } else {
    ListCategory();
    txtMsg_->clear();
  }
}

void TfrmSkinCh::FlipOuterTab() {
  if (tabForm_->count() > 1) tabForm_->setCurrentIndex(OuterTab() == kLocalTab ? kInternetTab : kLocalTab);
}

void TfrmSkinCh::SelectCategory(int category) {
  category = std::clamp(category, 0, static_cast<int>(kSkinCategories.size()) - 1);
  if (category == tabMain_->currentIndex()) {
    ListCategory();  // the tab stays; its list is read again
  } else {
    tabMain_->setCurrentIndex(category);  // lists it
  }
}

// ---- Keys ----

void TfrmSkinCh::keyPressEvent(QKeyEvent* event) {
  // Keys no control took: Ctrl+Tab and its kin switch the outer tabs.
  if (const int step = TabStep(*event); step != 0 && tabForm_->isEnabled()) {
    StepTab(tabForm_, step);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool TfrmSkinCh::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstSkinFiles_ && event->type() == QEvent::KeyPress) return OnListKey(static_cast<QKeyEvent*>(event));
  return QMainWindow::eventFilter(watched, event);
}

bool TfrmSkinCh::OnListKey(QKeyEvent* key) {
  if (busy_) return false;
  if (const int step = TabStep(*key); step != 0) {
    StepTab(tabMain_, step);
    return true;
  }
  if (key->modifiers() & Qt::ShiftModifier) {
    // Shift with a key flips between the local and the internet tab.
    if (IsModifierKey(key->key()) || key->isAutoRepeat()) return false;
    FlipOuterTab();
    return true;
  }
  switch (key->key()) {
    case Qt::Key_Delete:
      if (OuterTab() == kLocalTab) DeleteSelected();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      ApplyOrDownload();
      return true;
    case Qt::Key_Left:
      SelectCategory(Category() - 1);
      return true;
    case Qt::Key_Right:
      SelectCategory(Category() + 1);
      return true;
    default:
      return false;
  }
}

// ---- Lists and selection ----

void TfrmSkinCh::ListCategory() {
  const bool internet = OuterTab() == kInternetTab;
  {
    const QSignalBlocker quiet(lstSkinFiles_);
    lstSkinFiles_->clear();
    if (internet) FillInternetList(); else FillLocalList();
    if (lstSkinFiles_->count() > 0) lstSkinFiles_->setCurrentRow(0);
  }
  slPopHenkou_->setText(internet ? QStringLiteral("ダウンロード(&N)") : QStringLiteral("変更(&H)"));
  UpdateTabControls();
  if (lstSkinFiles_->count() == 0) {
    ClearPreview();
    txtSname_->clear();
  } else {
    OnSelected();
  }
}

void TfrmSkinCh::FillLocalList() {
  std::vector<LibrarySkin> skins = ListLibrarySkins(folders_.Library(), Category());
  const bool descending = Descending();
  std::sort(skins.begin(), skins.end(), [descending](const LibrarySkin& a, const LibrarySkin& b) {
    return ListTextBefore(a.listText, b.listText, descending);
  });
  for (const LibrarySkin& skin : skins) {
    auto* item = new QListWidgetItem(skin.listText, lstSkinFiles_);
    item->setData(Qt::UserRole, skin.folderName);
  }
}

void TfrmSkinCh::FillInternetList() {
  // Each entry keeps the index of its catalogue skin, so that equal texts never get mixed up.
  std::vector<int> shown;
  for (size_t i = 0; i < catalogue_.skins.size(); ++i)
    if (catalogue_.skins[i].category == Category()) shown.push_back(static_cast<int>(i));
  const bool descending = Descending();
  std::stable_sort(shown.begin(), shown.end(), [this, descending](int a, int b) {
    return ListTextBefore(catalogue_.skins[a].InternetListText(), catalogue_.skins[b].InternetListText(), descending);
  });
  for (int index : shown) {
    auto* item = new QListWidgetItem(catalogue_.skins[index].InternetListText(), lstSkinFiles_);
    item->setData(Qt::UserRole, index);
  }
}

const CatalogueSkin* TfrmSkinCh::SelectedCatalogueSkin() const {
  const QListWidgetItem* item = lstSkinFiles_->currentItem();
  if (item == nullptr || OuterTab() != kInternetTab) return nullptr;
  const int index = item->data(Qt::UserRole).toInt();
  return index >= 0 && index < static_cast<int>(catalogue_.skins.size()) ? &catalogue_.skins[index] : nullptr;
}

void TfrmSkinCh::OnSelected() {
  const QListWidgetItem* item = lstSkinFiles_->currentItem();
  if (item == nullptr) return;
  txtSname_->setText(item->text());
  if (OuterTab() == kLocalTab) {
    ShowLocalPreview(item->data(Qt::UserRole).toString());
    return;
  }
  const CatalogueSkin* skin = SelectedCatalogueSkin();
  if (skin == nullptr) return;
  if (QFile::exists(PreviewCachePath(*skin))) ShowCachedPreview(*skin);
  else if (mbAutoPreview_->isChecked()) FetchPreview();
  else ClearPreview();
}

void TfrmSkinCh::ShowLocalPreview(const QString& folderName) {
  // A skin without a readable preview shows the standard "no image" picture; without that too,
  // the picture stays as it is.
  if (!prvPicCh_->ShowGif(folders_.Library() + folderName + u'/' + Utf8(kPreviewFileName)))
    prvPicCh_->ShowGif(folders_.Standard() + Utf8(kNoImageFileName));
}

void TfrmSkinCh::ShowCachedPreview(const CatalogueSkin& skin) {
  if (!prvPicCh_->ShowGif(PreviewCachePath(skin)) && !prvPicCh_->ShowGif(folders_.Standard() + Utf8(kNoImageFileName)))
    ClearPreview();
}

void TfrmSkinCh::ClearPreview() { prvPicCh_->Clear(); }

QString TfrmSkinCh::PreviewCachePath(const CatalogueSkin& skin) const {
  return folders_.PreviewCache() + skin.id + QStringLiteral(".gif");
}

void TfrmSkinCh::ApplyOrDownload() {
  if (OuterTab() == kInternetTab) DownloadSelected();
  else ApplyLocal();
}

}  // namespace kelvo
