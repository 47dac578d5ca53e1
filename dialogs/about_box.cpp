#include "about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "side_window_host.h"

TfrmVer::TfrmVer(const QString& version, const QString& homePage, QWidget* parent)
    : QDialog(parent, kelvo::kSideWindowFlags) {
  setObjectName(QStringLiteral("frmVer"));
  setWindowTitle(QStringLiteral("バージョン情報"));
  setFixedSize(301, 166);

  auto* title = new QLabel(QStringLiteral("Kelvo"), this);
  title->setObjectName(QStringLiteral("labTitle"));
  QFont titleFont = title->font();
  titleFont.setPixelSize(22);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setGeometry(20, 12, 200, 28);

  auto* appVer = new QLabel(QStringLiteral("Ver ") + version, this);
  appVer->setObjectName(QStringLiteral("labAppVer"));
  appVer->setGeometry(22, 44, 200, 18);

  auto* rule = new QFrame(this);
  rule->setObjectName(QStringLiteral("Bevel1"));
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(10, 70, 281, 4);

  auto* credit = new QLabel(QStringLiteral("© Kelvo プロジェクト"), this);
  credit->setObjectName(QStringLiteral("labCredit"));
  credit->setGeometry(22, 82, 270, 18);

  auto* page = new QLabel(this);
  page->setObjectName(QStringLiteral("labHomePage"));
  page->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(homePage.toHtmlEscaped()));
  page->setTextFormat(Qt::RichText);
  page->setOpenExternalLinks(true);
  page->setGeometry(22, 102, 270, 18);

  auto* close = new QPushButton(QStringLiteral("Close (&X)"), this);
  close->setObjectName(QStringLiteral("Button1"));
  close->setGeometry(196, 128, 95, 28);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

#include "moc_about_box.cpp"
