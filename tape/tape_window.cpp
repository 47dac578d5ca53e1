#include "tape_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

#include "tape_delegate.h"
#include "tape_export.h"
#include "tape_format.h"
#include "tape_model.h"
#include "tape_roll.h"

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

bool WriteWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
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
  list_->setUniformItemSizes(true);  // a million rows are laid out without measuring each
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setItemDelegate(new TapeDelegate(list_));
  list_->setModel(model_);
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  find_ = new QLineEdit(this);
  find_->setObjectName(QStringLiteral("TapeFind"));
  find_->setPlaceholderText(QStringLiteral("検索 (Ctrl+F)"));
  plainCopy_ = new QCheckBox(QStringLiteral("区切りなしでコピー"), this);
  plainCopy_->setObjectName(QStringLiteral("PlainCopy"));

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(find_, 1);
  bottom->addWidget(plainCopy_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(list_, 1);
  layout->addLayout(bottom);
  resize(340, 480);

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

  connect(list_, &QListView::activated, this, &TfrmTape::EnterFigureOf);
  connect(find_, &QLineEdit::returnPressed, this, [this] { FindUpwards(find_->text()); });

  askSavePath = AskSavePath;
  askToClear = AskToClear;
  showError = [](QWidget* parent, const QString& text) { QMessageBox::warning(parent, QStringLiteral("Kelvo"), text); };
}

void TfrmTape::Reload() {
  model_->Load(tape_.TapeFilePath());
  list_->scrollToBottom();
  if (model_->rowCount() > 0) list_->setCurrentIndex(model_->index(model_->rowCount() - 1));
  list_->setFocus();
}

void TfrmTape::AddBlock(const std::string& block) {
  const bool atEnd = list_->currentIndex().row() == model_->rowCount() - 1;
  model_->AddBlock(block);
  if (atEnd) {
    list_->setCurrentIndex(model_->index(model_->rowCount() - 1));
    list_->scrollToBottom();
  }
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

bool TfrmTape::SaveAs(const QString& path) {
  const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
  const tape::TapeIndex& index = model_->Index();
  if (suffix == QLatin1String("pdf")) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QPdfWriter writer(&file);
    writer.setTitle(QStringLiteral("テープ"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    if (!tape::PaintRoll(writer, index)) return false;
    return file.commit();
  }
  if (suffix == QLatin1String("txt")) return WriteWhole(path, tape::PlainText(index));
  return WriteWhole(path, tape::CsvText(index));
}

void TfrmTape::Save() {
  const QString path = askSavePath(this);
  if (path.isEmpty()) return;
  if (!SaveAs(path)) showError(this, QStringLiteral("保存できませんでした。\n") + path);
}

void TfrmTape::Print() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  preview.setWindowTitle(QStringLiteral("テープの印刷"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { tape::PaintRoll(*target, model_->Index()); });
  preview.exec();
}

void TfrmTape::ClearTape() {
  if (!askToClear(this)) return;
  if (!tape_.ClearTape()) {
    showError(this, QStringLiteral("テープを消去できませんでした。"));
    return;
  }
  model_->Clear();
}

void TfrmTape::EnterFigureOf(const QModelIndex& index) {
  if (!index.isValid() || index.data(TapeModel::IsDateRole).toBool()) return;
  const QString figure = index.data(TapeModel::FigureRole).toString();
  if (!figure.isEmpty()) tape_.EnterFigure(figure);
}

void TfrmTape::closeEvent(QCloseEvent* event) {
  host_.SideWindowClosed(kId);
  QWidget::closeEvent(event);
}

#include "moc_tape_window.cpp"
