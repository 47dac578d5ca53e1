#pragma once

#include <QImage>
#include <QWidget>

#include "renderer.h"
#include "side_window_host.h"

class QLabel;
class QLineEdit;

namespace kelvo {

// An image control of the enlarged panel: paints its image with the colour of the image's
// bottom-left pixel transparent, as the main window's strips are painted.
class KeyedImageView : public QWidget {
 public:
  KeyedImageView(const char* name, QRect geometry, QWidget* parent);
  void SetImage(const QImage& image);
  const QImage& Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  QImage keyed_;
};

}  // namespace kelvo

// The enlarged panel frmBigPanel: the main display at about 2.2 times its size, over the skin's
// panel stretched to 583 x 223. The main window keeps it up to date after every display change;
// resizing the window only shows more or less of it.
class TfrmBigPanel : public QWidget, public kelvo::EnlargedPanelTarget {
  Q_OBJECT

 public:
  static constexpr char kId = '3';

  TfrmBigPanel(kelvo::SideWindowHost& host, QWidget* parent = nullptr);

  // The strips, already scaled to 544 x 66 and 544 x 22.
  void ShowStrips(const QImage& numberStrip, const QImage& markStrip) override;
  // The main display's small texts: answer, input, round selector, decimal selector.
  void ShowTexts(const QString& answer, const QString& input, const QString& round, const QString& decimals);
  // The panel composite (261 x 100) the background is stretched from; taken when the panel opens.
  void SetFrontPanel(const QImage& composite);

  const QImage& NumberImage() const { return number_->Image(); }
  const QImage& MarkImage() const { return mark_->Image(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  kelvo::SideWindowHost& host_;
  kelvo::KeyedImageView* mark_ = nullptr;    // picDgMark
  kelvo::KeyedImageView* number_ = nullptr;  // picDgPnl
  QLineEdit* ans_ = nullptr;
  QLineEdit* ipt_ = nullptr;
  QLabel* labRs_ = nullptr;
  QLabel* labDc_ = nullptr;
  QImage frontPanel_;  // imgFrontPanel
};
