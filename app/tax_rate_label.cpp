#include "tax_rate_label.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

#include "tax_rate_name.h"

namespace {

QString RateName(double rate, bool reduced) { return QString::fromStdString(kelvo::TaxRateName(rate, reduced)); }

}  // namespace

TaxRateLabel::TaxRateLabel(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("labZei"));
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setAttribute(Qt::WA_TranslucentBackground);
  setAccessibleDescription(QStringLiteral("クリックで標準税率と軽減税率を切り替えます"));

  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("ZeiPop"));
  standard_ = popup_->addAction(QString());
  standard_->setObjectName(QStringLiteral("ZeiPop1"));
  reduced_ = popup_->addAction(QString());
  reduced_->setObjectName(QStringLiteral("ZeiPop2"));
  for (QAction* action : {standard_, reduced_}) action->setCheckable(true);
  connect(standard_, &QAction::triggered, this, [this] { emit rateChosen(false); });
  connect(reduced_, &QAction::triggered, this, [this] { emit rateChosen(true); });
}

void TaxRateLabel::ShowRates(double standardRate, double reducedRate, bool reducedOn) {
  const double rate = reducedOn ? reducedRate : standardRate;
  const QString text = RateName(rate, reducedOn);
  if (this->text() != text) setText(text);
  // Read aloud as words: "軽" alone would not say which rate this is.
  setAccessibleName(QStringLiteral("税率: ") + (reducedOn ? QStringLiteral("軽減 ") : QStringLiteral("標準 ")) +
                    RateName(rate, false));
  standard_->setText(QStringLiteral("標準税率 ") + RateName(standardRate, false) + QStringLiteral(" (&S)"));
  reduced_->setText(QStringLiteral("軽減税率 ") + RateName(reducedRate, false) + QStringLiteral(" (&L)"));
  standard_->setChecked(!reducedOn);
  reduced_->setChecked(reducedOn);
}

void TaxRateLabel::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->globalPosition().toPoint();
  if (event->button() == Qt::LeftButton) {
    popup_->popup(at);
  } else if (event->button() == Qt::RightButton) {
    emit contextMenuAsked(at);
  }
}

#include "moc_tax_rate_label.cpp"
