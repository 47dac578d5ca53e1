#include "tax_rate_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "settings.h"
#include "tax_input.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  return label;
}

// A one-line rate field: right-aligned, at most 10 characters, no input method.
QLineEdit* MakeRateField(QWidget* parent, const char* name, const QString& accessibleName, int y) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setAccessibleName(accessibleName);
  field->setGeometry(80, y, 104, 24);
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  field->setMaxLength(10);
  field->setAttribute(Qt::WA_InputMethodEnabled, false);
  return field;
}

}  // namespace

TfrmZeiritu::TfrmZeiritu(kelvo::SideWindowHost& host, QWidget* parent)
    : QDialog(parent, kelvo::kSideWindowFlags),
      host_(host) {
  kelvo::SetUpSideWindowFrame(*this, "frmZeiritu", QStringLiteral("税率設定"), {267, 177});
  showMessage = [](QWidget* parent, const QString& text) {
    QMessageBox(QMessageBox::NoIcon, QStringLiteral("Kelvo"), text, QMessageBox::Ok, parent).exec();
  };

  // The standard rate above the reduced one, each typed as a percentage.
  MakeLabel(this, "Label1", QStringLiteral("標準税率"), {16, 14, 60, 20});
  zeiritu_ = MakeRateField(this, "Zeiritu", QStringLiteral("標準税率"), 12);
  MakeLabel(this, "Label3", QStringLiteral("％"), {190, 14, 20, 20});
  MakeLabel(this, "Label2", QStringLiteral("軽減税率"), {16, 44, 60, 20});
  keigenZeiritu_ = MakeRateField(this, "KeigenZeiritu", QStringLiteral("軽減税率"), 42);
  MakeLabel(this, "Label9", QStringLiteral("％"), {190, 44, 20, 20});
  MakeLabel(this, "Label4", QStringLiteral("税率は％の数字を入力して下さい。"), {24, 76, 236, 18});
  MakeLabel(this, "Label5", QStringLiteral("（例5％　→　正5　誤0.5）"), {24, 98, 236, 18});

  auto* defaults = new QPushButton(QStringLiteral("初期値（消費税）に戻す(&S)"), this);
  defaults->setObjectName(QStringLiteral("cmdDefaultSet"));
  defaults->setGeometry(8, 136, 166, 30);
  defaults->setAutoDefault(false);
  auto* ok = new QPushButton(QStringLiteral("更新 (&O)"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(182, 136, 77, 30);
  ok->setDefault(true);  // Enter in the rate field stores it
  connect(defaults, &QPushButton::clicked, this, &TfrmZeiritu::cmdDefaultSetClick);
  connect(ok, &QPushButton::clicked, this, &TfrmZeiritu::cmdOKClick);

  // Kept and written back, but not offered to the user.
  dc_ = new QLineEdit(this);
  dc_->setObjectName(QStringLiteral("Dc"));
  dc_->setMaxLength(3);
  dc_->hide();
  const std::pair<const char*, const char*> labels[] = {
      {"Label6", "・小数点以下"}, {"Label7", "桁"}, {"Label8", "( 0 ～ 5 )"}};
  for (const auto& [name, text] : labels) MakeLabel(this, name, QString::fromUtf8(text), {})->hide();
  const std::pair<const char*, const char*> radios[] = {
      {"RsFull", "Full       (&F)"}, {"RsCut", "切り捨て (&C)"}, {"RsUp", "切り上げ (&U)"}, {"Rs45", "四捨五入 (&R)"}};
  for (int i = 0; i < 4; ++i) {
    rounding_[i] = new QRadioButton(QString::fromUtf8(radios[i].second), this);
    rounding_[i]->setObjectName(QString::fromLatin1(radios[i].first));
    rounding_[i]->hide();
  }

  const kelvo::SettingValues& values = kelvo::Settings();
  zeiritu_->setText(QString::fromStdString(kelvo::RatePercentText(values.taxRate)));
  keigenZeiritu_->setText(QString::fromStdString(kelvo::RatePercentText(values.reducedTaxRate)));
  dc_->setText(QString::number(values.taxDecimals));
  const int rounding = values.taxRounding;
  rounding_[rounding >= 0 && rounding <= 2 ? rounding : 3]->setChecked(true);
}

void TfrmZeiritu::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The rate is ready to be typed over.
  zeiritu_->setFocus();
  zeiritu_->selectAll();
}

int TfrmZeiritu::CheckedRounding() const {
  for (int i = 0; i < 3; ++i)
    if (rounding_[i]->isChecked()) return i;
  return 3;
}

bool TfrmZeiritu::Store(const kelvo::TaxSettings& tax) {
  const kelvo::FlushResult result = kelvo::SaveTaxSettings(tax);
  if (!result) {
    host_.ReportFailedWrite(result);
    return false;
  }
  kelvo::SettingValues& values = kelvo::Settings();
  values.taxRate = tax.rate;
  values.reducedTaxRate = tax.reducedRate;
  values.taxDecimals = tax.decimals;
  values.taxRounding = tax.rounding;
  return true;
}

void TfrmZeiritu::cmdOKClick() {
  const kelvo::TaxInput input = kelvo::CheckTaxInput(zeiritu_->text().toStdString(),
                                                     keigenZeiritu_->text().toStdString(), dc_->text().toStdString());
  switch (input.error) {
    case kelvo::TaxInput::Error::Rate:
    case kelvo::TaxInput::Error::ReducedRate: {
      showMessage(this, QStringLiteral(" 税率の数値が正しくありません。"));
      // The user goes on in the field that was refused.
      QLineEdit* refused = input.error == kelvo::TaxInput::Error::Rate ? zeiritu_ : keigenZeiritu_;
      refused->setFocus();
      refused->selectAll();
      return;
    }
    case kelvo::TaxInput::Error::Decimals:
      showMessage(this, QStringLiteral(" 小数点以下の桁数が正しくありません。"));
      return;
    case kelvo::TaxInput::Error::None:
      break;
  }
  if (Store({input.rate, input.decimals, CheckedRounding(), input.reducedRate})) accept();
}

void TfrmZeiritu::cmdDefaultSetClick() {
  const kelvo::TaxSettings defaults;  // 10 % and 8 %, no decimals, cut
  zeiritu_->setText(QString::fromStdString(kelvo::RatePercentText(defaults.rate)));
  keigenZeiritu_->setText(QString::fromStdString(kelvo::RatePercentText(defaults.reducedRate)));
  dc_->setText(QString::number(defaults.decimals));
  rounding_[defaults.rounding]->setChecked(true);
  Store(defaults);
}

#include "moc_tax_rate_dialog.cpp"
