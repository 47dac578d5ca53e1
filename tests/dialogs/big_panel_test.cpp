// The enlarged panel's register fields are painted over the skin's own liquid crystal.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "big_panel.h"
#include "recording_host.h"

namespace {

TEST(BigPanel, RegisterFieldsShowTheSkinBehindThemNotASlabOfTheirOwn) {
  kelvo::test::RecordingHost host;
  TfrmBigPanel panel(host);
  for (const QColor lcd : {QColor(198, 215, 189), QColor(20, 40, 90), QColor(250, 250, 250)}) {
    QImage composite(261, 100, QImage::Format_RGB32);
    composite.fill(lcd);
    panel.SetFrontPanel(composite);
    panel.ShowTexts(QString(), QString(), QString(), QString());
    const QImage shot = panel.grab().toImage();
    for (const char* name : {"Ans", "Ipt"}) {
      const QRect field = panel.findChild<QLineEdit*>(QLatin1String(name))->geometry();
      EXPECT_EQ(shot.pixelColor(field.center()), lcd) << name << " over " << lcd.name().toStdString();
    }
  }
}

}  // namespace
