#include "big_panel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "layout.h"
#include "pixels.h"

namespace kelvo {

KeyedImageView::KeyedImageView(const char* name, QRect geometry, QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(geometry);
}

void KeyedImageView::SetImage(const QImage& image) {
  image_ = image;
  MakeKeyedImage(image_, -1, keyed_);
  update();
}

void KeyedImageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // exact blocks on dense screens
  painter.drawImage(0, 0, keyed_);
}

}  // namespace kelvo

namespace {

// The client area, and where the display's parts lie on it: the main window's places relative
// to its panel, scaled as the panel is.
constexpr QSize kClientSize{583, 223};
constexpr QRect kMarkRect{18, 67, kelvo::kEnlargedMarkWidth, kelvo::kEnlargedMarkHeight};
constexpr QRect kNumberRect{18, 94, kelvo::kEnlargedNumberWidth, kelvo::kEnlargedNumberHeight};
constexpr QRect kAnsRect{263, 18, 300, 26};
constexpr QRect kIptRect{104, 181, 300, 26};
constexpr QRect kRsRect{465, 179, 49, 30};
constexpr QRect kDcRect{547, 179, 26, 30};

QFont LargeFont(const QFont& base) {
  QFont font = base;
  font.setPixelSize(24);
  return font;
}

QLineEdit* MakeRegisterField(QWidget* parent, const char* name, const QString& accessibleName, QRect geometry) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setAccessibleName(accessibleName);
  field->setGeometry(geometry);
  field->setReadOnly(true);
  field->setFrame(false);
  field->setTextMargins(0, 0, 0, 0);
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  field->setFont(LargeFont(field->font()));
  field->setFocusPolicy(Qt::NoFocus);
  // No slab of its own: the skin's liquid crystal at that place shows behind the text, as on
  // the main window.
  field->setAttribute(Qt::WA_TranslucentBackground);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, Qt::transparent);
  palette.setColor(QPalette::Text, Qt::black);
  field->setPalette(palette);
  return field;
}

QLabel* MakeSelectorLabel(QWidget* parent, const char* name, QRect geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(LargeFont(label->font()));
  return label;
}

}  // namespace

TfrmBigPanel::TfrmBigPanel(kelvo::SideWindowHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      host_(host) {
  setObjectName(QStringLiteral("frmBigPanel"));
  setWindowTitle(QStringLiteral("拡大"));
  resize(kClientSize);
  setAttribute(Qt::WA_ShowWithoutActivating);
  mark_ = new kelvo::KeyedImageView("picDgMark", kMarkRect, this);
  number_ = new kelvo::KeyedImageView("picDgPnl", kNumberRect, this);
  number_->setAccessibleName(QStringLiteral("表示"));
  ans_ = MakeRegisterField(this, "Ans", QStringLiteral("答え"), kAnsRect);
  ipt_ = MakeRegisterField(this, "Ipt", QStringLiteral("入力"), kIptRect);
  labRs_ = MakeSelectorLabel(this, "labRs", kRsRect);
  labDc_ = MakeSelectorLabel(this, "labDc", kDcRect);
}

void TfrmBigPanel::ShowStrips(const QImage& numberStrip, const QImage& markStrip) {
  number_->SetImage(numberStrip);
  mark_->SetImage(markStrip);
}

void TfrmBigPanel::ShowTexts(const QString& answer, const QString& input, const QString& round,
                             const QString& decimals) {
  ans_->setText(answer);
  ipt_->setText(input);
  labRs_->setText(round);
  labDc_->setText(decimals);
}

void TfrmBigPanel::SetFrontPanel(const QImage& composite) {
  // Stretched here, pixel for pixel: on a dense screen each of these pixels becomes an exact block.
  frontPanel_ = composite.scaled(kClientSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  update();
}

void TfrmBigPanel::paintEvent(QPaintEvent*) {
  // Always the same size from the top-left corner, whatever the window's size.
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // exact blocks on dense screens
  painter.drawImage(0, 0, frontPanel_);
}

void TfrmBigPanel::closeEvent(QCloseEvent* event) {
  host_.SideWindowClosed(kId);
  QWidget::closeEvent(event);
}

#include "moc_big_panel.cpp"
