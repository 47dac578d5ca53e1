#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <vector>

#include "download.h"
#include "download_abort.h"
#include "download_progress.h"
#include "installer.h"
#include "loopback_http_server.h"
#include "program_folder.h"
#include "qt_print.h"
#include "update_list.h"

namespace kelvo {
namespace {

using test::HttpReply;
using test::LoopbackHttpServer;

// A limit no file of these tests comes near.
constexpr qint64 kAnySize = 1 << 20;

QByteArray Bytes(qsizetype size) {
  QByteArray bytes(size, '\0');
  for (qsizetype i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + (i * 7) % 26);
  return bytes;
}

class DownloadTest : public testing::Test {
 protected:
  void SetUp() override { SetDownloadStallTimeout(std::chrono::milliseconds(400)); }
  void TearDown() override { SetDownloadStallTimeout(kDefaultStallTimeout); }

  QString Local() const { return dir_.filePath(QStringLiteral("file.bin")); }
  QByteArray LocalBytes() const {
    QFile file(Local());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
  LoopbackHttpServer server_;
};

struct ServerCase {
  const char* name;
  HttpReply reply;
  int code;
  qsizetype keptBytes;  // the file left behind: its length, or -1 for none
};

HttpReply Announcing(qint64 announced, QByteArray body) {
  HttpReply reply = HttpReply::Ok(std::move(body));
  reply.length = HttpReply::Length::Announce;
  reply.announced = announced;
  return reply;
}

HttpReply Tweaked(HttpReply reply, auto tweak) {
  tweak(reply);
  return reply;
}

TEST_F(DownloadTest, ServerAnswersGiveTheirResultCodesAndLeaveOnlyWholeFiles) {
  const std::vector<ServerCase> cases = {
      {"whole file", HttpReply::Ok(Bytes(3000)), 0, 3000},
      {"empty file", HttpReply::Ok({}), 0, 0},
      {"exactly one block", HttpReply::Ok(Bytes(1024)), 0, 1024},
      {"not found", HttpReply::Status(404, "gone"), 6, -1},
      {"server error", HttpReply::Status(500), 6, -1},
      {"not modified", HttpReply::Status(304), 6, -1},  // no file, and no redirect either
      {"no Content-Length", Tweaked(HttpReply::Ok(Bytes(3000)), [](HttpReply& r) { r.length = HttpReply::Length::None; }), 7, -1},
      {"chunked", Tweaked(HttpReply::Ok(Bytes(3000)), [](HttpReply& r) { r.chunked = true; }), 7, -1},
      {"body shorter than announced", Announcing(3000, Bytes(1000)), 8, -1},
      {"body longer than announced", Announcing(1000, Bytes(3000)), 0, 1000},
      {"length is not a number", Announcing(0, {}), 0, 0},
      {"stalls half way", Tweaked(HttpReply::Ok(Bytes(3000)), [](HttpReply& r) { r.stallAfter = 1500; }), 8, -1},
      {"stalls before the first byte", Tweaked(HttpReply::Ok(Bytes(3000)), [](HttpReply& r) { r.stallAfter = 0; }), 8, -1},
      {"never answers", Tweaked(HttpReply::Ok({}), [](HttpReply& r) { r.silent = true; }), 4, -1},
      {"answers something else than HTTP", Tweaked(HttpReply::Ok({}), [](HttpReply& r) { r.raw = "SSH-2.0-x\r\n\r\n"; }), 5, -1},
  };
  for (const ServerCase& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(Local());
    server_.Script(QStringLiteral("/f"), c.reply);
    EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("f")), Local(), kAnySize, {}, 0), c.code);
    EXPECT_EQ(QFile::exists(Local()), c.keptBytes >= 0);
    if (c.keptBytes >= 0) {
      EXPECT_EQ(LocalBytes(), c.reply.body.left(c.keptBytes));
    }
  }
}

HttpReply WithHeader(HttpReply reply, QByteArray name, QByteArray value) {
  reply.headers.push_back({std::move(name), std::move(value)});
  return reply;
}

TEST_F(DownloadTest, LimitsAndHeadersThatCannotBeTrusted) {
  SetDownloadStallTimeout(std::chrono::seconds(5));  // a header of 1 MB arrives without a sign of life
  struct Case {
    const char* name;
    HttpReply reply;
    qint64 limit;
    int code;
    qsizetype keptBytes;  // the file left behind: its length, or -1 for none
  };
  HttpReply twoGigabytes = Announcing(qint64{2} << 30, Bytes(100000));
  twoGigabytes.stallAfter = 100000;  // the server would go on sending
  const std::vector<Case> cases = {
      {"exactly the limit", HttpReply::Ok(Bytes(3000)), 3000, 0, 3000},
      {"one byte over the limit", HttpReply::Ok(Bytes(3000)), 2999, 8, -1},
      {"2 GiB announced for a list", twoGigabytes, kMaxUpdateListBytes, 8, -1},
      {"2 GiB announced for an installer", twoGigabytes, kMaxInstallerBytes, 8, -1},
      {"Content-Length headers that disagree", WithHeader(HttpReply::Ok(Bytes(3000)), "Content-Length", "100"), kAnySize, 7, -1},
      {"the same Content-Length twice", WithHeader(HttpReply::Ok(Bytes(3000)), "Content-Length", "3000"), kAnySize, 0, 3000},
      {"a Content-Length with letters after its digits",
       WithHeader(Tweaked(HttpReply::Ok(Bytes(5000)), [](HttpReply& r) { r.length = HttpReply::Length::None; }),
                  "Content-Length", "5000abc"),
       kAnySize, 7, -1},
      {"a negative Content-Length",
       WithHeader(Tweaked(HttpReply::Ok({}), [](HttpReply& r) { r.length = HttpReply::Length::None; }), "Content-Length", "-0"),
       kAnySize, 7, -1},
      {"a redirect without Location", HttpReply::Status(302), kAnySize, 4, -1},
      {"a redirect to file:", HttpReply::Redirect("file:///etc/passwd"), kAnySize, 4, -1},
      {"a redirect to ftp:", HttpReply::Redirect("ftp://127.0.0.1/f", 301), kAnySize, 4, -1},
      {"a header of 1 MB", WithHeader(HttpReply::Ok(Bytes(3000)), "X-Big", QByteArray(1 << 20, 'a')), kAnySize, 5, -1},
      {"200 headers", [] {
         HttpReply reply = HttpReply::Ok(Bytes(3000));
         for (int i = 0; i < 200; ++i) reply.headers.push_back({"X-H" + QByteArray::number(i), "v"});
         return reply;
       }(), kAnySize, 5, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(Local());
    server_.Script(QStringLiteral("/f"), c.reply);
    EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("f")), Local(), c.limit, {}, 0), c.code);
    EXPECT_EQ(QFile::exists(Local()), c.keptBytes >= 0);
    EXPECT_FALSE(QFile::exists(Local() + kPartSuffix));
    if (c.keptBytes >= 0) {
      EXPECT_EQ(LocalBytes(), c.reply.body.left(c.keptBytes));
    }
  }
}

TEST_F(DownloadTest, TheNameHoldsTheWholeFileOrNothingWhileTheBodyArrives) {
  HttpReply stalled = HttpReply::Ok(Bytes(5000));
  stalled.stallAfter = 2000;
  server_.Script(QStringLiteral("/stall"), stalled);
  server_.Script(QStringLiteral("/f"), HttpReply::Ok(Bytes(5000)));
  test::WriteFileBytes(Local().toStdString(), "old");
  test::WriteFileBytes((Local() + kPartSuffix).toStdString(), "left by a killed transfer");
  bool namedDuring = true;
  bool partDuring = false;
  QTimer::singleShot(200, [&] {
    namedDuring = LocalBytes() != "old";
    partDuring = QFileInfo(Local() + kPartSuffix).isFile();
  });
  EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("stall")), Local(), kAnySize, {}, 0), 8);
  EXPECT_FALSE(namedDuring);  // the old file, untouched, while the new one arrived beside it
  EXPECT_TRUE(partDuring);
  EXPECT_EQ(LocalBytes(), "old");
  EXPECT_FALSE(QFile::exists(Local() + kPartSuffix));
  EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("f")), Local(), kAnySize, {}, 0), 0);
  EXPECT_EQ(LocalBytes(), Bytes(5000));
  EXPECT_FALSE(QFile::exists(Local() + kPartSuffix));
}

TEST_F(DownloadTest, AFileThatCannotBeSavedSaysWhyAndLeavesTheOldOne) {
  server_.Script(QStringLiteral("/f"), HttpReply::Ok(Bytes(3000)));
  test::WriteFileBytes(Local().toStdString(), "old");
  ASSERT_TRUE(QDir().mkdir(Local() + kPartSuffix));  // a folder where the arriving file goes
  EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("f")), Local(), kAnySize, {}, 0), kDownloadNotSaved);
  EXPECT_EQ(LocalBytes(), "old");
  EXPECT_TRUE(QFileInfo(Local() + kPartSuffix).isDir());  // the user's folder stays
}

TEST_F(DownloadTest, RedirectsAreFollowedUpToFive) {
  server_.Script(QStringLiteral("/file"), HttpReply::Ok(Bytes(2500)));
  const int statuses[] = {301, 302, 303, 307, 308, 302};  // every kind of redirect in the chain
  for (int i = 1; i <= 6; ++i)
    server_.Script(QStringLiteral("/r%1").arg(i),
                   HttpReply::Redirect(i == 1 ? "/file" : "r" + QByteArray::number(i - 1), statuses[i - 1]));
  EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("r5")), Local(), kAnySize, {}, 0), 0);
  EXPECT_EQ(LocalBytes(), Bytes(2500));
  QFile::remove(Local());
  EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("r6")), Local(), kAnySize, {}, 0), 4);
  EXPECT_FALSE(QFile::exists(Local()));
}

TEST_F(DownloadTest, AddressesThatCannotBeOpened) {
  quint16 unusedPort = 0;
  {
    QTcpServer listener;  // a port that was just free and is closed again
    listener.listen(QHostAddress::LocalHost, 0);
    unusedPort = listener.serverPort();
  }
  for (const QString& url : {QString(), QStringLiteral("not a url"), QStringLiteral("ftp://127.0.0.1/x"),
                             QStringLiteral("file:///etc/passwd"), QStringLiteral("http:///x"),
                             QStringLiteral("http://127.0.0.1:%1/x").arg(unusedPort)}) {
    SCOPED_TRACE(url.toStdString());
    EXPECT_EQ(DownloadFile(url, Local(), kAnySize, {}, 0), 4);
    EXPECT_FALSE(QFile::exists(Local()));
  }
}


struct Report {
  QString text;
  double bar;
  bool operator==(const Report&) const = default;
};

TEST_F(DownloadTest, ProgressAfterEachBlockOfAThreeThousandByteFile) {
  server_.Script(QStringLiteral("/f"), HttpReply::Ok(Bytes(3000)));
  struct Case {
    int mode;
    QString label;
    std::vector<Report> reports;
  };
  const std::vector<Case> cases = {
      {0, QStringLiteral("x"), {}},
      {1, QStringLiteral("1/7"),
       {{QStringLiteral("1.02/3.00 KB  1/7"), -1}, {QStringLiteral("2.05/3.00 KB  1/7"), -1}, {QStringLiteral("3.00/3.00 KB  1/7"), -1}}},
      {2, QString(),
       {{QStringLiteral("0/3 KB  "), 1024.0 / 3000}, {QStringLiteral("0/3 KB  "), 2048.0 / 3000}, {QStringLiteral("3/3 KB  "), 1.0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    std::vector<Report> reports;
    EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("f")), Local(), kAnySize, c.label, c.mode,
                           [&](const QString& text, double bar) { reports.push_back({text, bar}); }),
              0);
    EXPECT_EQ(reports, c.reports);
  }
}

TEST(DownloadProgressLine, LargeFiguresAreGroupedAndRoundedHalfUp) {
  struct Case {
    int mode;
    double received, announced;
    const char* text;
  };
  const Case cases[] = {
      {1, 1024, 12345, "1.02/12.35 KB  L"},            // 12.345 KB rounds up
      {1, 4096, 500, ".50/.50 KB  L"},                 // reached: both are the size; no leading zero
      {1, 1024000, 45100000, "1,024.00/45,100.00 KB  L"},
      {2, 4096, 12345, "0/12 KB  L"},                  // under five kilobytes shows no tens
      {2, 5120, 12345, "10/12 KB  L"},
      {2, 10240000, 1234567890, "1,0240/1,234,568 KB  L"},
      {2, 1234567168, 1234567890, "123,4570/1,234,568 KB  L"},
      {2, 1024, 0, "/ KB  L"},                        // an empty file is reached at once
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(DownloadProgressLine(c.mode, c.received, c.announced, QStringLiteral("L")).text, QString::fromUtf8(c.text));
  }
  EXPECT_TRUE(DownloadProgressLine(0, 1024, 3000, QStringLiteral("L")).text.isEmpty());
}

TEST_F(DownloadTest, AStopEndsTheTransferUnlessTheLastBlockIsIn) {
  server_.Script(QStringLiteral("/f"), HttpReply::Ok(Bytes(5000)));  // five blocks
  struct Case {
    int stopAtReport;
    int code;
    int reports;
  };
  // A stop after the fifth, last block leaves the whole file; before it, nothing.
  for (const Case& c : {Case{1, 1, 1}, Case{3, 1, 3}, Case{5, 0, 5}}) {
    SCOPED_TRACE(c.stopAtReport);
    int reports = 0;
    const int code = DownloadFile(server_.Url(QStringLiteral("f")), Local(), kAnySize, {}, 2, [&](const QString&, double) {
      if (++reports == c.stopAtReport) RequestDownloadAbort();
    });
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(reports, c.reports);
    EXPECT_EQ(QFile::exists(Local()), c.code == 0);
  }
}

TEST_F(DownloadTest, AStopWhileTheServerIsSilentEndsAtOnce) {
  SetDownloadStallTimeout(std::chrono::minutes(1));
  HttpReply stalled = HttpReply::Ok(Bytes(5000));
  stalled.stallAfter = 2000;
  server_.Script(QStringLiteral("/stall"), stalled);
  HttpReply silent;
  silent.silent = true;
  server_.Script(QStringLiteral("/silent"), silent);
  for (const char* path : {"stall", "silent"}) {
    SCOPED_TRACE(path);
    QTimer::singleShot(200, [] { RequestDownloadAbort(); });
    EXPECT_EQ(DownloadFile(server_.Url(QString::fromLatin1(path)), Local(), kAnySize, {}, 0), 1);
    EXPECT_FALSE(QFile::exists(Local()));
  }
}

TEST_F(DownloadTest, AnOldFileOrLinkAtThePathIsReplacedNotFollowed) {
  server_.Script(QStringLiteral("/f"), HttpReply::Ok(Bytes(100)));
  const QString outside = dir_.filePath(QStringLiteral("outside.txt"));
  test::WriteFileBytes(outside.toStdString(), "keep");
  ASSERT_TRUE(QFile::link(outside, Local()));
  EXPECT_EQ(DownloadFile(server_.Url(QStringLiteral("f")), Local(), kAnySize, {}, 0), 0);
  EXPECT_EQ(LocalBytes(), Bytes(100));
  EXPECT_EQ(test::ReadFileBytes(outside.toStdString()), "keep");
}

TEST_F(DownloadTest, TheSampleServerTreeOffersItsOwnInstaller) {
  LoopbackHttpServer tree(QStringLiteral(KELVO_SERVER_TREE));
  const QString listUrl = tree.Url(QStringLiteral("AppVer.csv"));
  ASSERT_EQ(DownloadFile(listUrl, Local(), kMaxUpdateListBytes, {}, 0), 0);
  const UpdateList list = ParseUpdateList(LocalBytes());
  EXPECT_TRUE(IsNewerVersion(list.version, QStringLiteral("2.10.01")));
  ASSERT_TRUE(list.HasInstaller());
  ASSERT_EQ(DownloadFile(InstallerUrl(listUrl, list.url), Local(), kMaxInstallerBytes, {}, 0), 0);
  EXPECT_TRUE(Sha256Matches(Local(), list.sha256)) << "write the installer's new checksum into server/AppVer.csv";
}

TEST(DownloadResultText, EveryCode) {
  const std::pair<int, const char*> cases[] = {
      {0, ""},
      {1, "ST: 接続の中断"},
      {2, "NG: インターネットに接続していない。\r\n"},
      {3, "NG: セッションが作成出来ません。\r\n"},
      {4, "NG: ＵＲＬを開けません。\r\n"},
      {5, "NG: ファイルの存在情報を取得出来ません。\r\n"},
      {6, "NG: ファイルが存在しません。\r\n"},
      {7, "NG: ファイルのサイズ情報を取得出来ません。\r\n"},
      {8, "NG: ダウンロードに失敗しました。\r\n"},
      {9, "NG: 受信したファイルを保存できません。保存先のフォルダーに書き込めないか、「.part」で終わる同じ名前のフォルダーがあります。\r\n"},
      {10, ""},
      {-1, ""},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(DownloadResultText(code), QString::fromUtf8(text)) << code;
}

}  // namespace
}  // namespace kelvo
