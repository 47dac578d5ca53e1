#include "tape_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

#include "tape_delegate.h"
#include "tape_export.h"
#include "tape_format.h"
#include "tape_model.h"
#include "utterances.h"

namespace {

QString AskSavePath(QWidget* parent) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileDialog::getSaveFileName(parent, QStringLiteral("テープの保存"), folder + QStringLiteral("/テープ.csv"),
                                      QStringLiteral("CSV (*.csv);;テキスト (*.txt);;PDF (*.pdf)"));
}

bool AskToClear(QWidget* parent) {
  return QMessageBox::question(parent, QStringLiteral("Kelvo"), QStringLiteral("テープを消去します。よろしいですか？")) ==
         QMessageBox::Yes;
}

// The date row texts and figures a search compares, without digit-group commas and with dates
// written with slashes.
QString Comparable(QString text) {
  text.remove(QLatin1Char(','));
  text.replace(QLatin1Char('-'), QLatin1Char('/'));
  return text;
}

}  // namespace

TfrmTape::TfrmTape(kelvo::SideWindowHost& host, TapeWindowHost& tape, QWidget* parent)
    : QWidget(parent, kelvo::kSideWindowFlags & ~Qt::MSWindowsFixedSizeDialogHint), host_(host), tape_(tape) {
  setWindowTitle(QStringLiteral("テープ"));
  setObjectName(QStringLiteral("frmTape"));
  model_ = new TapeModel(this);
  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("TapeList"));
  list_->setAccessibleName(QStringLiteral("テープ"));
  list_->setUniformItemSizes(true);  // a million rows are laid out without measuring each
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setItemDelegate(new TapeDelegate(list_));
  list_->setModel(model_);
  // The list's own actions as its context menu, with tool tips: a disabled item says why.
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.setToolTipsVisible(true);
    menu.addActions(list_->actions());
    menu.exec(list_->viewport()->mapToGlobal(at));
  });
  find_ = new QLineEdit(this);
  find_->setObjectName(QStringLiteral("TapeFind"));
  find_->setPlaceholderText(QStringLiteral("検索 (Ctrl+F)"));
  plainCopy_ = new QCheckBox(QStringLiteral("区切りなしでコピー"), this);
  plainCopy_->setObjectName(QStringLiteral("PlainCopy"));
  range_ = new QComboBox(this);
  range_->setObjectName(QStringLiteral("TapeRange"));
  range_->addItems({QStringLiteral("テープ全体"), QStringLiteral("選択した計算"), QStringLiteral("この日の計算")});
  range_->setAccessibleName(QStringLiteral("保存と印刷の範囲"));
  auto* rangeLabel = new QLabel(QStringLiteral("保存・印刷(&R):"), this);
  rangeLabel->setBuddy(range_);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("TapeStatus"));
  status_->setAccessibleName(QStringLiteral("テープの状態"));
  status_->setWordWrap(true);

  auto* findRow = new QHBoxLayout;
  findRow->addWidget(find_, 1);
  findRow->addWidget(plainCopy_);
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(rangeLabel);
  rangeRow->addWidget(range_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(list_, 1);
  layout->addLayout(findRow);
  layout->addLayout(rangeRow);
  layout->addWidget(status_);
  resize(340, 500);

  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &TfrmTape::CheckTapeFile);

  auto add = [this](const QString& caption, const QKeySequence& keys, auto slot, bool onList) {
    auto* action = new QAction(caption, this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, slot);
    QWidget::addAction(action);
    if (onList) list_->addAction(action);
    return action;
  };
  add(QStringLiteral("コピー (&C)"), QKeySequence::Copy, [this] { CopySelection(); }, true);
  add(QStringLiteral("検索 (&F)"), QKeySequence::Find, [this] {
    find_->setFocus();
    find_->selectAll();
  }, true);
  add(QStringLiteral("保存 (&S)..."), QKeySequence::Save, [this] { Save(); }, true);
  add(QStringLiteral("印刷 (&P)..."), QKeySequence::Print, [this] { Print(); }, true);
  add(QStringLiteral("テープの消去 (&D)..."), QKeySequence(), [this] { ClearTape(); }, true);
  readAloud_ = add(QStringLiteral("読み上げ (&Y)"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { ReadSelection(); }, true);
  readAloud_->setObjectName(QStringLiteral("TapeReadAloud"));
  add(QStringLiteral("読み上げの停止"), QKeySequence(Qt::Key_Escape), [this] { tape_.StopReading(); }, false);

  connect(list_, &QListView::activated, this, &TfrmTape::EnterFigureOf);
  connect(find_, &QLineEdit::returnPressed, this, [this] { FindUpwards(find_->text()); });

  askSavePath = AskSavePath;
  askToClear = AskToClear;
  showError = [](QWidget* parent, const QString& text) { QMessageBox::warning(parent, QStringLiteral("Kelvo"), text); };
}

void TfrmTape::Reload() {
  path_ = tape_.TapeFilePath();
  model_->Load(path_);
  known_ = model_->Index().Loaded();
  WatchTapeFile();
  list_->scrollToBottom();
  if (model_->rowCount() > 0) list_->setCurrentIndex(model_->index(model_->rowCount() - 1));
  list_->setFocus();
}

void TfrmTape::WatchTapeFile() {
  // A file replaced by a rename is no longer watched: its new one is.
  const QString path = QString::fromStdString(path_);
  if (!path.isEmpty() && !watcher_->files().contains(path) && QFileInfo::exists(path)) watcher_->addPath(path);
}

void TfrmTape::AddBlock(const std::string& block, bool trimmed) {
  if (exporting_ > 0) {
    waitingBlocks_.emplace_back(block, trimmed);
    return;
  }
  // What this program wrote is no reason to read the file again.
  const tape::FileState now = tape::FileState::Of(path_);
  if (trimmed || !known_.exists) {
    known_ = now;
  } else if (now.SameFile(known_)) {
    known_.size = now.size;
  }
  WatchTapeFile();
  const bool atEnd = list_->currentIndex().row() == model_->rowCount() - 1;
  model_->AddBlock(block);
  if (atEnd) {
    list_->setCurrentIndex(model_->index(model_->rowCount() - 1));
    list_->scrollToBottom();
  }
}

void TfrmTape::CheckTapeFile() {
  if (exporting_ > 0) {
    checkWanted_ = true;
    return;
  }
  WatchTapeFile();
  const tape::FileState now = tape::FileState::Of(path_);
  QString why;
  if (!now.SameFile(known_)) {
    why = now.exists ? QStringLiteral("テープのファイルがほかのプログラムで置き換えられたため、読み直しました。")
                     : QStringLiteral("テープのファイルがなくなったため、読み直しました。");
  } else if (now.size < known_.size) {
    why = QStringLiteral("テープのファイルが短くなったため、読み直しました。");
  } else {
    known_.size = now.size;
    return;
  }
  Reload();
  ShowStatus(why);
}

void TfrmTape::ShowStatus(const QString& text) { status_->setText(text); }

QString TfrmTape::StatusText() const { return status_->text(); }

bool TfrmTape::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) CheckTapeFile();
  return QWidget::event(event);
}

void TfrmTape::CopySelection() {
  std::vector<std::size_t> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedIndexes())
    rows.push_back(static_cast<std::size_t>(index.row()));
  std::sort(rows.begin(), rows.end());
  if (rows.empty()) return;
  QApplication::clipboard()->setText(tape::CopyText(model_->Index(), rows, plainCopy_->isChecked()));
}

bool TfrmTape::FindUpwards(const QString& text) {
  const QString wanted = Comparable(text.trimmed());
  const int rows = model_->rowCount();
  if (wanted.isEmpty() || rows == 0) return false;
  const int start = list_->currentIndex().isValid() ? list_->currentIndex().row() : rows;
  for (int step = 1; step <= rows; ++step) {
    const int row = ((start - step) % rows + rows) % rows;
    const QModelIndex index = model_->index(row);
    const bool isDate = index.data(TapeModel::IsDateRole).toBool();
    const QString haystack = isDate ? index.data(Qt::DisplayRole).toString()
                                    : Comparable(index.data(TapeModel::FigureRole).toString()) + QLatin1Char(' ') +
                                          index.data(TapeModel::TimeRole).toString();
    if (haystack.contains(wanted)) {
      list_->setCurrentIndex(index);
      list_->scrollTo(index, QAbstractItemView::PositionAtCenter);
      return true;
    }
  }
  return false;
}

void TfrmTape::ClearTape() {
  if (!askToClear(this)) return;
  if (!tape_.ClearTape()) {
    showError(this, QStringLiteral("テープを消去できませんでした。"));
    return;
  }
  model_->Clear();
  known_ = tape::FileState::Of(path_);
  WatchTapeFile();
  ShowStatus({});
}

void TfrmTape::hideEvent(QHideEvent* event) {
  if (exporting_ > 0) stopWanted_ = true;
  QWidget::hideEvent(event);
}

void TfrmTape::ReadSelection() {
  // Hours of reading at most: a whole tape selected by mistake is not turned into a million texts.
  constexpr std::size_t kMostLines = 1000;
  QModelIndexList selected = list_->selectionModel()->selectedIndexes();
  std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  std::vector<std::string> texts;
  for (const QModelIndex& index : selected) {
    if (texts.size() == kMostLines) break;
    if (index.data(TapeModel::IsDateRole).toBool()) continue;
    const std::string line = index.data(Qt::DisplayRole).toString().toStdString();
    const tape::SplitLine split = tape::Split(line);
    texts.push_back(speech::TapeLineUtterance(split.figure, split.mark));
  }
  if (!texts.empty()) tape_.ReadAloud(std::move(texts));
}

void TfrmTape::ShowReadAloudMissing(const QString& missing) {
  readAloudMissing_ = missing;
  readAloud_->setEnabled(false);
  readAloud_->setToolTip(missing);
  readAloud_->setStatusTip(missing);
}

void TfrmTape::EnterFigureOf(const QModelIndex& index) {
  if (!index.isValid() || index.data(TapeModel::IsDateRole).toBool()) return;
  const QString figure = index.data(TapeModel::FigureRole).toString();
  if (!figure.isEmpty()) tape_.EnterFigure(figure);
}

void TfrmTape::closeEvent(QCloseEvent* event) {
  if (exporting_ > 0) {  // the export stops first, then the window closes
    closeWanted_ = stopWanted_ = true;
    event->ignore();
    return;
  }
  host_.SideWindowClosed(kId);
  QWidget::closeEvent(event);
}

#include "moc_tape_window.cpp"
