#pragma once

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "skin_catalogue.h"
#include "skin_chooser_host.h"

class QAction;
class QCheckBox;
class QListWidget;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace kelvo {

class DownloadPane;
class PreviewPicture;

// The skin chooser frmSkinCh: browses the local skin library by category, previews and applies
// skins, returns to the standard skin, deletes skins, saves the current parts as a user skin and
// removes old-format skins; its internet tab lists the skins of the download server, fetches
// their previews and downloads, applies and keeps them. A side window with identifier "7".
class TfrmSkinCh : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr char kWindowId = '7';
  static constexpr int kLocalTab = 0;
  static constexpr int kInternetTab = 1;

  explicit TfrmSkinCh(std::unique_ptr<SkinChooserHost> host, QWidget* parent = nullptr);
  ~TfrmSkinCh() override;

  // Set from the moment the window closes: a running operation stops touching it.
  bool Closing() const;
  bool Busy() const { return busy_; }

  // The questions and messages the window asks and shows; tests replace them.
  struct Prompts {
    // The title of a user skin, starting from `initial`; nothing when cancelled.
    std::function<std::optional<QString>(QWidget*, const QString& initial)> askTitle;
    std::function<bool(QWidget*, const QString& text)> askYesNo;  // captioned "Kelvo"
    std::function<void(QWidget*, const QString& text)> tell;      // captioned "Kelvo", OK
    std::function<void(QWidget*, const QString& text)> showError;
    std::function<void(const QUrl&)> openUrl;  // a folder or web page in the desktop's program
  };
  Prompts prompts;

  // The commands of the window's buttons, keys and menus.
  void ListCategory();
  void ApplyOrDownload();  // double-click, Enter, the popup's first item
  void UseStandardSkin();
  void DeleteSelected();
  void SaveAsUserSkin();
  void CleanUpOldSkins();
  void FetchCatalogue();
  void FetchPreview();
  void DownloadSelected();
  void StopTransfer();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  void OnShow();
  void UpdateSkinKind();  // caption, DefCK and btHozon from CustumSkinType
  int OuterTab() const;
  int Category() const;
  bool Descending() const;
  void OnOuterTabChanged(int index);
  void OnOrderClicked();
  void SetOrder(bool descending);  // without listing again
  void SelectCategory(int category);
  void FlipOuterTab();
  bool OnListKey(QKeyEvent* key);
  void OnSelected();
  void ShowLocalPreview(const QString& folderName);
  void ShowCachedPreview(const CatalogueSkin& skin);
  void ClearPreview();
  void ApplyLocal();
  void ApplyInFolder(const QString& folder, int category);
  void FillLocalList();
  void FillInternetList();
  const CatalogueSkin* SelectedCatalogueSkin() const;
  QString PreviewCachePath(const CatalogueSkin& skin) const;

  // Transfers.
  void EnterBusy();
  void LeaveBusy();
  void UpdateTabControls();
  QList<QWidget*> ControlsLockedWhileBusy() const;
  bool MakePreviewCache() const;
  int Transfer(const QString& url, const QString& localPath, qint64 maxBytes, const QString& label, bool showResult);
  void SetMessage(const QString& text);
  void AppendMessage(const QString& text);

  std::unique_ptr<SkinChooserHost> host_;
  SkinFolders folders_;

  QPlainTextEdit* txtMsg_ = nullptr;
  QLineEdit* txtProgressStatus_ = nullptr;
  QTabWidget* tabForm_ = nullptr;
  QTabWidget* tabMain_ = nullptr;
  QLineEdit* txtSname_ = nullptr;
  PreviewPicture* prvPicCh_ = nullptr;
  QListWidget* lstSkinFiles_ = nullptr;
  QPushButton* btDef_ = nullptr;
  QCheckBox* defCK_ = nullptr;
  QRadioButton* optName_ = nullptr;
  QRadioButton* optDate_ = nullptr;
  QPushButton* btDownLoad_ = nullptr;
  QPushButton* btHozon_ = nullptr;
  QPushButton* btConnectStop_ = nullptr;
  QPushButton* btClose_ = nullptr;
  QPushButton* btPrvGet_ = nullptr;
  QAction* mbAutoPreview_ = nullptr;
  QAction* mbLocalSave_ = nullptr;
  QMenu* lstSkinPop_ = nullptr;
  QAction* slPopHenkou_ = nullptr;
  QAction* slPopDelete_ = nullptr;
  QAction* slPopGetPreview_ = nullptr;

  std::unique_ptr<DownloadPane> pane_;  // btConnectStop, txtProgressStatus and the closing flag
  bool busy_ = false;
  bool switchingTabs_ = false;     // the order buttons are set, not clicked
  int shownOuterTab_ = kLocalTab;  // the outer tab whose order the buttons show
  bool descendingOf_[2] = {false, true};
  bool listJustFetched_ = false;
  bool listHadFocus_ = false;
  QString skinServerUrl_;          // from the catalogue's first line
  SkinCatalogue catalogue_;        // its safe skin lines
  // Transfers let the window's messages run: the window may be closed meanwhile. It is then
  // deleted only once the outermost running operation has finished with it.
  class Operation;
  int operations_ = 0;
  bool deleteWhenDone_ = false;
};

}  // namespace kelvo
