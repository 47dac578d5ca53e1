#include "download_pane.h"

#include <QLineEdit>
#include <QPushButton>

#include "download_abort.h"

namespace kelvo {

DownloadPane::DownloadPane(QPushButton* stop, QLineEdit* progressLine) : stop_(stop), progressLine_(progressLine) {
  QObject::connect(stop_, &QPushButton::clicked, stop_, [this] { Stop(); });
  stop_->setEnabled(false);
}

void DownloadPane::Stop() { RequestDownloadAbort(); }

void DownloadPane::Close() {
  closing_ = true;
  Stop();
}

int DownloadPane::Transfer(const std::function<int()>& run) {
  if (!closing_) stop_->setEnabled(true);
  const int code = run();
  if (!closing_) stop_->setEnabled(false);
  return code;
}

void DownloadPane::ShowProgressLine(bool show) {
  if (closing_) return;
  if (show) progressLine_->clear();
  progressLine_->setVisible(show);
}

void DownloadPane::ShowProgress(const QString& text) {
  if (!closing_ && progressLine_->text() != text) progressLine_->setText(text);
}

}  // namespace kelvo
