#pragma once

#include <QLabel>
#include <QMovie>
#include <QPointer>

namespace kelvo {

// The largest preview file the picture shows, and so the most a preview download may bring.
inline constexpr qint64 kMaxPreviewBytes = 8 * 1024 * 1024;

// The chooser's preview image: a GIF drawn unscaled from the top-left corner, its transparent
// colour showing the window behind, a picture of several frames played at its own frame delays
// in an endless loop. The animation rests while the picture is hidden.
class PreviewPicture : public QLabel {
 public:
  explicit PreviewPicture(QWidget* parent);

  // Shows the GIF file at path. Returns false, and leaves the picture as it was, when the file is
  // missing, larger than kMaxPreviewBytes or not a GIF whose first frame can be read.
  bool ShowGif(const QString& path);
  void Clear();

  const QString& ShownPath() const { return shownPath_; }  // empty when cleared
  QMovie* Movie() const { return movie_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Restart();

  QPointer<QMovie> movie_;
  QString shownPath_;
  bool broken_ = false;  // a later frame failed: the picture stops where it is
};

}  // namespace kelvo
