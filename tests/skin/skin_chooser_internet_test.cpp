// The chooser's internet tab against a loopback HTTP server that serves a copy of server/: the
// catalogue, previews, downloads of each kind, failures, stops, and a hostile catalogue.
#include <QAction>
#include <QDirIterator>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "chooser_fixture.h"
#include "ini_file.h"
#include "download.h"
#include "loopback_http_server.h"
#include "preview_picture.h"
#include "sheet_loader.h"

namespace kelvo::test {
namespace {

class InternetTabTest : public ChooserTest {
 protected:
  void SetUp() override {
    ChooserTest::SetUp();
    std::filesystem::copy(KELVO_SERVER_TREE, tree.path().toStdString(), std::filesystem::copy_options::recursive);
    server = std::make_unique<LoopbackHttpServer>(tree.path());
    // Served as it stands: its skin server address is relative to the catalogue.
    ServeCatalogue(QByteArray::fromStdString(ReadFileBytes(KELVO_SERVER_TREE "/T7_SkinFilesList.csv")));
  }
  void ServeCatalogue(const QByteArray& text) { server->Script("/T7_SkinFilesList.csv", HttpReply::Ok(text)); }

  // Opens the chooser on its internet tab, with the options given.
  void OpenInternet(bool autoPreview = true, bool localSave = true) {
    IniFile ini(CurrentSettingsPath());
    ini.WriteBool("Skin", "AutoPreview", autoPreview);
    ini.WriteBool("Skin", "LocalSave", localSave);
    ASSERT_TRUE(ini.Flush().ok);
    Open();
    host->serverUrl = server->BaseUrl();
    host->download = [](const QString& url, const QString& path, qint64 maxBytes, const QString& label,
                        const SkinTransferProgress& progress) {
      return DownloadFile(url, path, maxBytes, label, 1, [&](const QString& text, double) { progress(text); });
    };
    SelectTab("tabForm", TfrmSkinCh::kInternetTab);
  }
  void Choose(int category, const char* text) {
    SelectTab("tabMain", category);
    List()->setCurrentItem(List()->findItems(text, Qt::MatchExactly).value(0));
  }
  QStringList Served(const QString& id) const { return QDir(tree.filePath("T7/" + id)).entryList(QDir::Files, QDir::Name); }
  QImage ServedSheet(const QString& id, SkinPart part) const { return LoadSkinSheet(tree.filePath("T7/" + id + "/" + PartFile(part)), nullptr); }
  bool Temporary() const { return QFileInfo::exists(folders.Library() + "DownLoadSkin"); }
  // While the next transfer of `path` runs, `action` (the server sends part of the file, then waits).
  void During(const QString& path, std::function<void()> action) {
    HttpReply reply = HttpReply::Ok(QByteArray::fromStdString(ReadFileBytes(tree.filePath(path.mid(1)).toStdString())));
    reply.stallAfter = 2048;
    server->Script(path, reply);
    QTimer::singleShot(300, chooser, std::move(action));
  }

  QTemporaryDir tree;
  std::unique_ptr<LoopbackHttpServer> server;
};

TEST_F(InternetTabTest, ListsTheCatalogueAndFetchesEachPreviewOnce) {
  OpenInternet();
  EXPECT_EQ(ListTexts(), QStringList{"Sample Kelvo:Midnight"});
  EXPECT_EQ(Message(), QStringLiteral("OK: リストの取得成功。\nOK: プレビュー取得成功。"));
  EXPECT_EQ(Preview()->ShownPath(), folders.PreviewCache() + "SET_Midnight.gif");
  SelectTab("tabMain", 3);
  EXPECT_EQ(ListTexts(), QStringList{"Sample Kelvo:Sorbet"});
  SelectTab("tabMain", 0);
  EXPECT_EQ(server->Requests(), QStringList({"/T7_SkinFilesList.csv", "/T7/SET_Midnight/Preview.gif",
                                             "/T7/BTN_Sorbet/Preview.gif"}));
  // Without automatic previews an entry shows nothing until its preview is asked for.
  chooser->findChild<QAction*>("Mb_AutoPreview")->trigger();
  SelectTab("tabMain", 1);
  EXPECT_TRUE(Preview()->ShownPath().isEmpty());
  Find<QPushButton>("btPrvGet")->click();
  EXPECT_EQ(Preview()->ShownPath(), folders.PreviewCache() + "PNL_Harbour.gif");
}

struct DownloadCase {
  const char* name;
  int category;
  const char* entry;
  QString id, localFolder;
  bool localSave;
  int kind;
  std::vector<SkinPart> served;  // the parts that must come from the server
};

void PrintTo(const DownloadCase& c, std::ostream* out) { *out << c.name; }

class DownloadTest : public InternetTabTest, public ::testing::WithParamInterface<DownloadCase> {};

TEST_P(DownloadTest, DownloadsAppliesAndKeepsTheSkinAsAsked) {
  const DownloadCase& c = GetParam();
  OpenInternet(false, c.localSave);
  Choose(c.category, c.entry);
  Key(Qt::Key_Return);
  EXPECT_EQ(Message(), QStringLiteral("OK: スキンファイルの取得成功 \n( %1 )").arg(c.localFolder));
  for (SkinPart part : c.served) EXPECT_EQ(renderer.Sheet(part), ServedSheet(c.id, part)) << PartFile(part).toStdString();
  EXPECT_EQ(Settings().skinKind, c.kind);
  EXPECT_FALSE(Temporary());
  const QString kept = folders.Library() + c.localFolder;
  EXPECT_EQ(QDir(kept).entryList(QDir::Files, QDir::Name), c.localSave ? Served(c.id) : QStringList());
  EXPECT_EQ(Preview()->ShownPath(), folders.PreviewCache() + c.id + ".gif");  // cached from the download
  if (c.localSave) {
    SelectTab("tabForm", TfrmSkinCh::kLocalTab);
    EXPECT_TRUE(ListTexts().contains(c.localFolder.mid(4).replace('_', ':')));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DownloadTest,
    ::testing::Values(DownloadCase{"SetKept", 0, "Sample Kelvo:Midnight", "SET_Midnight", "SET_Kelvo_Midnight", true, kSkinSet, AllParts()},
                      DownloadCase{"ButtonsNotKept", 3, "Sample Kelvo:Sorbet", "BTN_Sorbet", "BTN_Kelvo_Sorbet", false, kSkinCustom,
                                   {SkinPart::ButtonUp, SkinPart::ButtonDown}}));

TEST_F(InternetTabTest, AMissingOrUnreadablePartChangesNothing) {
  QFile::remove(tree.filePath("T7/BTN_Sorbet/imgButtonDown.bmp"));
  WriteFileBytes(tree.filePath("T7/DGN_Lean/imgDigitalNumber.bmp").toStdString(), "BM not a bitmap at all");
  OpenInternet();
  const std::vector<uint32_t> before = Origins();
  for (auto [category, entry] : std::vector<std::pair<int, const char*>>{{3, "Sample Kelvo:Sorbet"}, {4, "Sample Kelvo:Lean"}}) {
    Choose(category, entry);
    Key(Qt::Key_Return);
    EXPECT_TRUE(Message().endsWith(QStringLiteral("***スキンファイルの取得失敗***"))) << entry;
    EXPECT_EQ(Origins(), before);
    EXPECT_EQ(Settings().skinKind, kSkinStandard);
    EXPECT_FALSE(Temporary());
  }
  EXPECT_EQ(QDir(folders.Library()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(InternetTabTest, ASetWithOnlyItsPreviewIsTheStandardSkin) {
  for (const QString& part : Served("SET_Midnight"))
    if (part != "Preview.gif") QFile::remove(tree.filePath("T7/SET_Midnight/" + part));
  OpenInternet();
  Key(Qt::Key_Return);
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kStandardBase));
  EXPECT_EQ(Settings().skinKind, kSkinSet);
}

TEST_F(InternetTabTest, StoppingASetEndsItWithoutAChange) {
  OpenInternet();
  During("/T7/SET_Midnight/imgBackPanel.bmp", [this] {
    EXPECT_TRUE(chooser->Busy());
    Find<QPushButton>("btConnectStop")->click();
  });
  Key(Qt::Key_Return);
  EXPECT_EQ(Message(), QStringLiteral("***強制切断***"));
  EXPECT_EQ(server->Requests().last(), "/T7/SET_Midnight/imgBackPanel.bmp");
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kBuiltInBase));
  EXPECT_FALSE(Temporary());
  EXPECT_TRUE(Find<QPushButton>("btClose")->isEnabled());
}

TEST_F(InternetTabTest, ClosingDuringATransferStopsItAndFreesTheWindowAfterwards) {
  OpenInternet();
  chooser->setAttribute(Qt::WA_DeleteOnClose);
  During("/T7/SET_Midnight/imgBackPanel.bmp", [this] { chooser->close(); });
  chooser->DownloadSelected();
  ASSERT_FALSE(chooser.isNull());  // still there for the operation that ran
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(chooser.isNull());
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kBuiltInBase));
  EXPECT_FALSE(Temporary());
  EXPECT_FALSE(QFileInfo::exists(folders.Catalogue()));
}

QStringList FilesBelow(const QString& root) {
  QStringList files;
  for (QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
    files << QDir(root).relativeFilePath(it.next());
  return files;
}

TEST_F(InternetTabTest, AHostileCatalogueListsOnlyItsSafeLinesAndWritesOnlyInItsFolders) {
  const QByteArray huge(1 << 20, 'x');
  ServeCatalogue("h,,,,[URL]," + server->Url("T7/").toUtf8() + "\r\n\r\n\r\n" +
                 "0,-,Evil,a,b,../../escape\r\n"
                 "0,-,Evil,..,b,SET_Up\r\n"
                 "0,-,Evil,a,b,SET_\xEF\xBC\x8F\xEF\xBC\x8E\xEF\xBC\x8E\r\n"  // full-width slash and dots
                 "0,-,Evil,a,\xEF\xBF\xA5x,SET_Yen\r\n"
                 "0,-,Evil,a,b,.SET\r\n"
                 "0,-,Evil,a," + huge + ",SET_Huge\r\n"
                 "0,-,Good,Kelvo,Midnight,SET_Midnight\r\n");
  const QString root = QString::fromStdString(program.Root());
  const QStringList before = FilesBelow(root);
  OpenInternet();
  EXPECT_EQ(ListTexts(), QStringList{"Good Kelvo:Midnight"});
  Key(Qt::Key_Return);
  EXPECT_EQ(Settings().skinKind, kSkinSet);
  for (const QString& file : FilesBelow(root)) {
    if (before.contains(file)) continue;
    const bool inside = file.startsWith("KelvoFiles/Skin/T7/SET_Kelvo_Midnight/") || file.startsWith("KelvoFiles/_sys/prvpic/") ||
                        file.startsWith("KelvoFiles/_sys/UserCustumSkin/") || file == "KelvoFiles/_sys/T7_SkinFilesList.csv" ||
                        file == "KelvoFiles/_sys/Kelvo.ini";
    EXPECT_TRUE(inside) << file.toStdString();
  }
  for (const QString& request : server->Requests()) EXPECT_TRUE(request.startsWith("/T7_") || request.startsWith("/T7/SET_Midnight/")) << request.toStdString();
}

TEST_F(InternetTabTest, EachKindOfFileComesWithTheLimitOfItsReader) {
  OpenInternet(true, false);
  Choose(0, "Sample Kelvo:Midnight");
  Key(Qt::Key_Return);
  ASSERT_EQ(host->limits.size(), host->requested.size());
  ASSERT_GE(host->requested.size(), 9u);  // the catalogue, a preview, then a set of seven files
  for (std::size_t i = 0; i < host->requested.size(); ++i) {
    const QString& url = host->requested[i];
    const qint64 limit = url.endsWith(".csv") ? kMaxCatalogueBytes : url.endsWith(".gif") ? kMaxPreviewBytes : kMaxSheetFileBytes;
    EXPECT_EQ(host->limits[i], limit) << url.toStdString();
  }
  // A preview announced larger than the picture would show is never written.
  HttpReply huge = HttpReply::Ok(QByteArray(100000, 'G'));
  huge.length = HttpReply::Length::Announce;
  huge.announced = kMaxPreviewBytes + 1;
  huge.stallAfter = 100000;
  server->Script("/T7/BTN_Sorbet/Preview.gif", huge);
  Choose(3, "Sample Kelvo:Sorbet");
  EXPECT_FALSE(QFileInfo::exists(folders.PreviewCache() + "BTN_Sorbet.gif"));
  EXPECT_FALSE(QFileInfo::exists(folders.PreviewCache() + "BTN_Sorbet.gif" + kPartSuffix));
  EXPECT_TRUE(Preview()->ShownPath().isEmpty());
}

}  // namespace
}  // namespace kelvo::test
