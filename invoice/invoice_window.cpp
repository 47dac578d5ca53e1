#include "invoice_window.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "format.h"
#include "settings.h"
#include "spoken_message.h"

namespace {

constexpr int kColumns = 4;  // 件数, 税抜金額, 消費税, 税込金額

QString Grouped(const std::string& cell) {
  return QString::fromStdString(cell == "E" ? cell : kelvo::GroupDigits(cell));
}

}  // namespace

TfrmInvoice::TfrmInvoice(kelvo::SideWindowHost& host, InvoiceHost& calculator, QWidget* parent)
    : QWidget(parent, kelvo::kSideWindowFlags), host_(host), calculator_(calculator) {
  setWindowTitle(QStringLiteral("税率別合計"));
  setObjectName(QStringLiteral("frmInvoice"));
  askToClear = [](QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QStringLiteral("Kelvo"), text) == QMessageBox::Yes;
  };
  showError = [](QWidget* parent, const QString& text) { QMessageBox::warning(parent, QStringLiteral("Kelvo"), text); };

  grid_ = new QTableWidget(0, kColumns, this);
  grid_->setObjectName(QStringLiteral("InvoiceTable"));
  grid_->setAccessibleName(QStringLiteral("税率別合計"));
  grid_->setHorizontalHeaderLabels(
      {QStringLiteral("件数"), QStringLiteral("税抜金額"), QStringLiteral("消費税"), QStringLiteral("税込金額")});
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->installEventFilter(this);  // Ctrl+C copies the whole table, not the current cell

  auto* roundingBox = new QGroupBox(QStringLiteral("端数処理"), this);
  auto* roundingLayout = new QHBoxLayout(roundingBox);
  const QString captions[] = {QStringLiteral("切り捨て (&D)"), QStringLiteral("切り上げ (&U)"),
                              QStringLiteral("四捨五入 (&R)")};
  const char* names[] = {"RoundDown", "RoundUp", "RoundHalfUp"};
  rounding_ = kelvo::InvoiceRoundingOf(kelvo::LoadInvoiceRounding());
  for (int i = 0; i < 3; ++i) {
    roundingButtons_[i] = new QRadioButton(captions[i], roundingBox);
    roundingButtons_[i]->setObjectName(QString::fromLatin1(names[i]));
    roundingButtons_[i]->setChecked(static_cast<int>(rounding_) == i);
    roundingLayout->addWidget(roundingButtons_[i]);
    connect(roundingButtons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) ChooseRounding(static_cast<kelvo::InvoiceRounding>(i));
    });
  }

  auto* clear = new QPushButton(QStringLiteral("クリア (&C)"), this);
  clear->setObjectName(QStringLiteral("InvoiceClear"));
  auto* record = new QPushButton(QStringLiteral("テープに記録 (&T)"), this);
  record->setObjectName(QStringLiteral("InvoiceRecord"));
  connect(clear, &QPushButton::clicked, this, &TfrmInvoice::ClearRegisters);
  connect(record, &QPushButton::clicked, this, &TfrmInvoice::Record);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear);
  buttons->addWidget(record);
  buttons->addStretch(1);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("InvoiceStatus"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the window is as large as the table
  layout->addWidget(grid_);
  layout->addWidget(roundingBox);
  layout->addLayout(buttons);
  layout->addWidget(status_);

  auto* copy = new QAction(QStringLiteral("コピー (&C)"), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QAction::triggered, this, &TfrmInvoice::Copy);
  addAction(copy);

  Refresh();
  adjustSize();  // its size is known before the main window places it
}

void TfrmInvoice::Refresh() {
  const MadeFrom now{calculator_.TaxRegisters().Changes(), calculator_.StandardTaxRate(), calculator_.ReducedTaxRate(),
                     rounding_};
  if (madeFrom_ == now) return;
  madeFrom_ = now;
  table_ = kelvo::InvoiceTable(calculator_.TaxRegisters(), rounding_, now.standardRate, now.reducedRate);
  grid_->setRowCount(static_cast<int>(table_.size()));
  for (int row = 0; row < static_cast<int>(table_.size()); ++row) {
    const kelvo::InvoiceRow& r = table_[static_cast<std::size_t>(row)];
    grid_->setVerticalHeaderItem(row, new QTableWidgetItem(QString::fromStdString(r.label)));
    const QString cells[kColumns] = {QString::number(r.count), Grouped(r.excluded), Grouped(r.tax),
                                     Grouped(r.included)};
    for (int column = 0; column < kColumns; ++column) {
      QTableWidgetItem* item = grid_->item(row, column);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->setItem(row, column, item);
      }
      item->setText(cells[column]);
    }
  }
  // Room for an invoice's usual figures, so that the window does not widen at every key.
  const int amountWidth = grid_->fontMetrics().horizontalAdvance(QStringLiteral("0,000,000,000"));
  grid_->resizeColumnsToContents();
  for (int column = 1; column < kColumns; ++column)
    grid_->setColumnWidth(column, std::max(amountWidth, grid_->columnWidth(column)));
  grid_->updateGeometry();
}

QString TfrmInvoice::CopyText() const { return QString::fromStdString(kelvo::InvoiceCopyText(table_)); }

void TfrmInvoice::Copy() { QApplication::clipboard()->setText(CopyText()); }

void TfrmInvoice::ChooseRounding(kelvo::InvoiceRounding rounding) {
  if (rounding == rounding_) return;
  rounding_ = rounding;
  Refresh();
  host_.ReportFailedWrite(kelvo::SaveInvoiceRounding(static_cast<std::int32_t>(rounding)));
}

void TfrmInvoice::ClearRegisters() {
  status_->clear();
  if (!calculator_.TaxRegisters().Empty() &&
      !askToClear(this, QStringLiteral("税率別合計をクリアします。よろしいですか？")))
    return;
  calculator_.ClearTaxRegisters();
  Refresh();
}

void TfrmInvoice::Record() {
  const std::vector<std::string> lines = kelvo::InvoiceTapeLines(table_, rounding_);
  if (lines.empty()) {
    status_->clear();
    showError(this, QStringLiteral("記録する税額計算がありません。"));
    return;
  }
  switch (calculator_.RecordCalculation(lines)) {
    case kelvo::TapeRecordResult::Recorded: status_->setText(QStringLiteral("テープに記録しました。")); break;
    case kelvo::TapeRecordResult::RecordingOff:
      status_->clear();
      showError(this, QStringLiteral("テープへの記録は止められています（Kelvo.ini の [Tape] で Recording=0）。"));
      return;
    case kelvo::TapeRecordResult::NotWritten: status_->setText(QStringLiteral("テープに記録できませんでした。")); break;
  }
  kelvo::Announce(this, status_->text());
}

bool TfrmInvoice::eventFilter(QObject* watched, QEvent* event) {
  // The table would copy its current cell; the window's Ctrl+C copies every row.
  if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    if (event->type() == QEvent::KeyPress) Copy();
    event->accept();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmInvoice::closeEvent(QCloseEvent* event) {
  host_.SideWindowClosed(kId);
  QWidget::closeEvent(event);
}

#include "moc_invoice_window.cpp"
