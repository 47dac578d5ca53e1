#include "preview_picture.h"

#include <QFileInfo>
#include <QMovie>

namespace kelvo {

PreviewPicture::PreviewPicture(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setScaledContents(false);
}

bool PreviewPicture::ShowGif(const QString& path) {
  if (QFileInfo(path).size() > kMaxPreviewBytes) return false;
  auto* movie = new QMovie(path, QByteArrayLiteral("gif"), this);
  if (!movie->isValid() || !movie->jumpToFrame(0) || movie->currentImage().isNull()) {
    delete movie;
    return false;
  }
  Clear();
  movie_ = movie;
  shownPath_ = path;
  broken_ = false;
  connect(movie, &QMovie::error, this, [this] { broken_ = true; });
  // A GIF without a loop count plays once; here every animation loops for good.
  connect(movie, &QMovie::finished, this, [this] { Restart(); });
  setMovie(movie);
  if (isVisible()) movie->start();
  return true;
}

void PreviewPicture::Clear() {
  QLabel::clear();
  delete movie_;
  shownPath_.clear();
}

void PreviewPicture::Restart() {
  if (movie_ != nullptr && !broken_ && movie_->frameCount() != 1 && isVisible()) movie_->start();
}

void PreviewPicture::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  if (movie_ == nullptr) return;
  if (movie_->state() == QMovie::Paused) movie_->setPaused(false);
  else if (movie_->state() == QMovie::NotRunning) Restart();
}

void PreviewPicture::hideEvent(QHideEvent* event) {
  QLabel::hideEvent(event);
  if (movie_ != nullptr && movie_->state() == QMovie::Running) movie_->setPaused(true);
}

}  // namespace kelvo
