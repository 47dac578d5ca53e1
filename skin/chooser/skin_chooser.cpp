// The chooser window: its controls, menus and the questions it asks.
#include "skin_chooser.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "download_pane.h"
#include "preview_picture.h"

namespace kelvo {
namespace {

constexpr int kChooserWidth = 371, kChooserHeight = 432;  // the client area

const QString kKelvo = QStringLiteral("Kelvo");

std::optional<QString> AskTitle(QWidget* parent, const QString& initial) {
  const QString prompt = QStringLiteral(
      "現在適用中のスキンを保存します。\n\nお好きなタイトルを付けて下さい。\n\n(文字列中のスペースは除去して保存します。)");
  bool ok = false;
  const QString title = QInputDialog::getText(parent, QStringLiteral("スキンの保存"), prompt, QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return title;
}

// The window's greys: the message and progress fields, and the name field's white text on grey.
void MakeGrey(QWidget* widget, QColor text) {
  QPalette palette = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, palette.color(QPalette::Active, QPalette::Window));
    palette.setColor(group, QPalette::Text, text);
  }
  widget->setPalette(palette);
}

// Tabs with a narrower margin around their captions, so that the seven categories fit the strip.
class NarrowTabs : public QProxyStyle {
 public:
  explicit NarrowTabs(QObject* owner) : QProxyStyle(nullptr) { setParent(owner); }
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace) return 10;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(rect);
  button->setFocusPolicy(Qt::NoFocus);  // the keys stay with the list
  return button;
}

}  // namespace

TfrmSkinCh::TfrmSkinCh(std::unique_ptr<SkinChooserHost> host, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      host_(std::move(host)),
      folders_(host_->SkinChangeTarget().context.folders) {
  setObjectName(QStringLiteral("frmSkinCh"));
  setWindowTitle(QStringLiteral("スキンの変更"));
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA P Gothic"), QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(12);
  setFont(font);

  prompts.askTitle = AskTitle;
  prompts.askYesNo = [](QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kKelvo, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  prompts.tell = [](QWidget* parent, const QString& text) { QMessageBox::information(parent, kKelvo, text); };
  prompts.showError = [](QWidget* parent, const QString& text) { QMessageBox::critical(parent, kKelvo, text); };
  prompts.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };

  CreateControls();
  CreateMenus();
  setFixedSize(sizeHint());
}

void TfrmSkinCh::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  client->setFixedSize(kChooserWidth, kChooserHeight);
  setCentralWidget(client);

  // Creation order is stacking order: the two tab strips first, the controls on them after.
  tabForm_ = new QTabWidget(client);
  tabForm_->setObjectName(QStringLiteral("tabForm"));
  tabForm_->setGeometry(0, 40, 369, 393);
  tabMain_ = new QTabWidget(client);
  tabMain_->setObjectName(QStringLiteral("tabMain"));
  tabMain_->setGeometry(8, 108, 353, 257);
  tabMain_->tabBar()->setStyle(new NarrowTabs(tabMain_));

  txtMsg_ = new QPlainTextEdit(client);
  txtMsg_->setObjectName(QStringLiteral("txtMsg"));
  txtMsg_->setGeometry(0, 2, 369, 35);
  txtMsg_->setReadOnly(true);
  txtMsg_->setFocusPolicy(Qt::NoFocus);
  txtMsg_->setFrameShape(QFrame::NoFrame);
  txtMsg_->setAccessibleName(QStringLiteral("メッセージ"));
  MakeGrey(txtMsg_, palette().color(QPalette::WindowText));

  txtProgressStatus_ = new QLineEdit(client);
  txtProgressStatus_->setObjectName(QStringLiteral("txtProgressStatus"));
  txtProgressStatus_->setGeometry(156, 15, 189, 19);
  txtProgressStatus_->setReadOnly(true);
  txtProgressStatus_->setFocusPolicy(Qt::NoFocus);
  txtProgressStatus_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  MakeGrey(txtProgressStatus_, palette().color(QPalette::WindowText));
  txtProgressStatus_->hide();

  txtSname_ = new QLineEdit(client);
  txtSname_->setObjectName(QStringLiteral("txtSname"));
  txtSname_->setGeometry(12, 134, 345, 20);
  txtSname_->setEnabled(false);
  txtSname_->setAccessibleName(QStringLiteral("スキン名"));
  MakeGrey(txtSname_, Qt::white);
  QPalette sname = txtSname_->palette();
  sname.setColor(QPalette::Disabled, QPalette::Base, QColor(128, 128, 128));
  txtSname_->setPalette(sname);

  prvPicCh_ = new PreviewPicture(client);
  prvPicCh_->setObjectName(QStringLiteral("prvPicCh"));
  prvPicCh_->setGeometry(241, 158, 115, 169);
  prvPicCh_->setAccessibleName(QStringLiteral("プレビュー"));

  lstSkinFiles_ = new QListWidget(client);
  lstSkinFiles_->setObjectName(QStringLiteral("lstSkinFiles"));
  lstSkinFiles_->setGeometry(12, 158, 225, 201);
  lstSkinFiles_->setAccessibleName(QStringLiteral("スキン一覧"));
  lstSkinFiles_->setContextMenuPolicy(Qt::CustomContextMenu);
  lstSkinFiles_->installEventFilter(this);
  connect(lstSkinFiles_, &QListWidget::currentRowChanged, this, [this] { OnSelected(); });
  connect(lstSkinFiles_, &QListWidget::itemDoubleClicked, this, [this] { ApplyOrDownload(); });
  connect(lstSkinFiles_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { lstSkinPop_->popup(lstSkinFiles_->viewport()->mapToGlobal(at)); });

  btDef_ = Button(client, "btDef", QStringLiteral("標準のスキンを使用する。 (&H)"), {32, 78, 241, 25});
  connect(btDef_, &QPushButton::clicked, this, &TfrmSkinCh::UseStandardSkin);
  defCK_ = new QCheckBox(client);
  defCK_->setObjectName(QStringLiteral("DefCK"));
  defCK_->setGeometry(12, 76, 17, 25);
  defCK_->setEnabled(false);
  defCK_->setAccessibleName(QStringLiteral("標準"));

  optName_ = new QRadioButton(QStringLiteral("昇順 (&N)"), client);
  optName_->setObjectName(QStringLiteral("optName"));
  optName_->setGeometry(288, 77, 80, 17);
  optDate_ = new QRadioButton(QStringLiteral("降順 (&D)"), client);
  optDate_->setObjectName(QStringLiteral("optDate"));
  optDate_->setGeometry(288, 93, 80, 17);
  for (QRadioButton* option : {optName_, optDate_}) connect(option, &QRadioButton::clicked, this, [this] { OnOrderClicked(); });

  btDownLoad_ = Button(client, "btDownLoad", QStringLiteral("ダウンロード (&D)"), {12, 370, 169, 25});
  connect(btDownLoad_, &QPushButton::clicked, this, &TfrmSkinCh::DownloadSelected);
  btHozon_ = Button(client, "btHozon", QStringLiteral("カスタムを保存 (&T)"), {188, 370, 169, 25});
  connect(btHozon_, &QPushButton::clicked, this, &TfrmSkinCh::SaveAsUserSkin);
  btConnectStop_ = Button(client, "btConnectStop", QStringLiteral("接続を切断 (&P)"), {12, 400, 169, 25});
  pane_ = std::make_unique<DownloadPane>(btConnectStop_, txtProgressStatus_);
  btClose_ = Button(client, "btClose", QStringLiteral("Close (&X)"), {188, 400, 169, 25});
  connect(btClose_, &QPushButton::clicked, this, &QWidget::close);
  btPrvGet_ = Button(client, "btPrvGet", QStringLiteral("プレビュー(&P)"), {244, 333, 109, 25});
  connect(btPrvGet_, &QPushButton::clicked, this, &TfrmSkinCh::FetchPreview);

  connect(tabForm_, &QTabWidget::currentChanged, this, &TfrmSkinCh::OnOuterTabChanged);
  connect(tabMain_, &QTabWidget::currentChanged, this, [this] {
    if (!switchingTabs_) ListCategory();
  });
}

void TfrmSkinCh::CreateMenus() {
  auto add = [](QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("File "));
  file->setObjectName(QStringLiteral("Mb_File"));
  connect(add(file, "Mb_TOpen", QStringLiteral("カスタムスキンのフォルダを開く　(&G)")), &QAction::triggered, this,
          [this] { prompts.openUrl(QUrl::fromLocalFile(folders_.Library())); });
  file->addSeparator();
  connect(add(file, "Mb_GB", QStringLiteral("現バージョンで使えないスキンを削除する (&D)")), &QAction::triggered, this,
          &TfrmSkinCh::CleanUpOldSkins);
  file->addSeparator();
  connect(add(file, "Mb_Close", QStringLiteral("Close (&X)")), &QAction::triggered, this, &QWidget::close);

  QMenu* option = menuBar()->addMenu(QStringLiteral("Opt "));
  option->setObjectName(QStringLiteral("Mb_Opt"));
  mbAutoPreview_ = add(option, "Mb_AutoPreview", QStringLiteral("プレビュー画像を自動でダウンロード (&P)"));
  mbLocalSave_ = add(option, "Mb_LocalSave", QStringLiteral("インターネットで変更したスキンをローカルに保存 (&L)"));
  for (QAction* tick : {mbAutoPreview_, mbLocalSave_}) tick->setCheckable(true);

  QMenu* support = menuBar()->addMenu(QStringLiteral("Spt "));
  support->setObjectName(QStringLiteral("Mb_Spt"));
  connect(add(support, "CustumSkinHP", QStringLiteral("Kelvoカスタムスキンのホームページへ (&P)")), &QAction::triggered,
          this, [this] { prompts.openUrl(QUrl(QStringLiteral(KELVO_SKIN_PAGE))); });

  lstSkinPop_ = new QMenu(this);
  lstSkinPop_->setObjectName(QStringLiteral("lstSkinPop"));
  slPopHenkou_ = add(lstSkinPop_, "slPop_Henkou", QStringLiteral("変更(&H)"));
  connect(slPopHenkou_, &QAction::triggered, this, &TfrmSkinCh::ApplyOrDownload);
  lstSkinPop_->addSeparator();
  slPopDelete_ = add(lstSkinPop_, "slPop_Delete", QStringLiteral("削除 (&D)"));
  connect(slPopDelete_, &QAction::triggered, this, &TfrmSkinCh::DeleteSelected);
  slPopGetPreview_ = add(lstSkinPop_, "slPop_GetPreview", QStringLiteral("プレビュー画像の取得 (&P)"));
  connect(slPopGetPreview_, &QAction::triggered, this, &TfrmSkinCh::FetchPreview);
}

}  // namespace kelvo

#include "moc_skin_chooser.cpp"
