// The download pane of the update window and the skin chooser: the stop button is live only while
// a transfer runs, a stop or a close ends the transfer, and a closing window is left alone.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "download_abort.h"
#include "download_pane.h"

namespace {

TEST(DownloadPane, StopsAndClosesEndTheTransferAndAClosingWindowIsLeftAlone) {
  enum class During { Nothing, StopClicked, WindowClosed };
  struct Row {
    const char* what;
    During during;
    bool stopLiveAfter;
    QString lineAfter;
    bool abortRequested;
  };
  const Row rows[] = {
      {"a transfer that ends by itself", During::Nothing, false, "2/2", false},
      {"a stop clicked while it runs", During::StopClicked, false, "2/2", true},
      {"the window closed while it runs", During::WindowClosed, true, "1/2", true},
  };
  for (const Row& row : rows) {
    QPushButton stop;
    QLineEdit line;
    kelvo::DownloadPane pane(&stop, &line);
    pane.ShowProgressLine(true);
    EXPECT_FALSE(stop.isEnabled()) << row.what;
    kelvo::ClearDownloadAbort();
    bool liveWhileRunning = false;
    const int code = pane.Transfer([&] {
      liveWhileRunning = stop.isEnabled();
      pane.ShowProgress(QStringLiteral("1/2"));
      if (row.during == During::StopClicked) stop.click();
      if (row.during == During::WindowClosed) pane.Close();
      pane.ShowProgress(QStringLiteral("2/2"));
      return 7;
    });
    EXPECT_EQ(code, 7) << row.what;
    EXPECT_TRUE(liveWhileRunning) << row.what;
    EXPECT_EQ(stop.isEnabled(), row.stopLiveAfter) << row.what;
    EXPECT_EQ(line.text(), row.lineAfter) << row.what;
    EXPECT_EQ(kelvo::DownloadAbortRequested(), row.abortRequested) << row.what;
    EXPECT_EQ(pane.Closing(), row.during == During::WindowClosed) << row.what;
  }
  kelvo::ClearDownloadAbort();
}

}  // namespace
