#include <gtest/gtest.h>

#include <QFile>

#include "installer.h"
#include "program_folder.h"
#include "qt_print.h"
#include "update_list.h"

namespace kelvo {
namespace {

TEST(IsNewerVersion, NumbersCompareByValueOtherTextsByCharacter) {
  struct Case {
    const char* listed;
    const char* current;
    bool newer;
  };
  const Case cases[] = {
      {"2.10.02", "2.10.01", true},
      {"2.10.01", "2.10.01", false},
      {"2.10.00", "2.10.01", false},
      {"2.9.00", "2.10.01", false},   // 9 < 10: never offers an older installer
      {"2.10.1", "2.10.01", false},   // the same number
      {"2.10.01.1", "2.10.01", true},
      {"2.10", "2.10.00", false},     // a missing number counts as 0
      {"3", "2.10.01", true},
      {"10.0.0", "9.99.99", true},
      {"2.100000000000000000001", "2.99", true},
      {"", "2.10.01", false},
      {"2.10.01a", "2.10.01", true},  // not numbers: a text that extends another is greater
      {"2.9.00b", "2.10.01", true},   // not numbers: "9" sorts after "1"
      {"2..1", "2.10.01", false},     // an empty part: by character, "." before "1"
      {"v3", "2.10.01", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsNewerVersion(QString::fromUtf8(c.listed), QString::fromUtf8(c.current)), c.newer)
        << c.listed << " vs " << c.current;
}

TEST(ParseUpdateList, FirstFieldOfEachLineTaggedLastValueWins) {
  struct Case {
    const char* name;
    const char* text;
    UpdateList list;
  };
  const Case cases[] = {
      {"all tags", "[Ver]2.10.02\r\n[Url]http://h/s.exe\r\n[Fil]s.exe\r\n[Hos]main\r\n[Sha]AB12\r\n",
       {"2.10.02", "http://h/s.exe", "s.exe", "main", "AB12"}},
      {"a blank ends the field", "[Hos]main server\n", {"", "", "", "main", ""}},
      {"quotes keep the blank", "\"[Hos]main server\"\n", {"", "", "", "main server", ""}},
      {"only the first field", "[Ver]2.10.02,[Fil]x.exe\n", {"2.10.02", "", "", "", ""}},
      {"the last of a tag wins", "[Ver]2.10.02\n[Ver]2.10.05\n[Ver]2.10.03\n", {"2.10.03", "", "", "", ""}},
      {"tags are exact", "[ver]2.10.02\n[Ver ]2.10.04\nVer]2.10.03\n[Xyz]1\n", {}},
      {"blanks before a field", "   [Ver]2.10.02\r\n\r\n", {"2.10.02", "", "", "", ""}},
      {"a byte-order mark", "\xEF\xBB\xBF[Ver]2.10.02\r\n", {"2.10.02", "", "", "", ""}},
      {"CR alone ends lines", "[Ver]2.10.02\r[Fil]a.exe", {"2.10.02", "", "a.exe", "", ""}},
      {"empty", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const UpdateList list = ParseUpdateList(QByteArray(c.text));
    EXPECT_EQ(list.version, c.list.version);
    EXPECT_EQ(list.url, c.list.url);
    EXPECT_EQ(list.fileName, c.list.fileName);
    EXPECT_EQ(list.host, c.list.host);
    EXPECT_EQ(list.sha256, c.list.sha256);
  }
}

TEST(FirstListedVersion, TheCheckAtStartTakesTheFirstVersionLine) {
  EXPECT_EQ(FirstListedVersion("[Hos]h\n[Ver]2.10.02\n[Ver]2.10.09\n"), QStringLiteral("2.10.02"));
  EXPECT_EQ(FirstListedVersion("[Ver]\n[Ver]2.10.09\n"), QString());
  EXPECT_FALSE(FirstListedVersion("[Hos]h\n[Url]u\n").has_value());
}

TEST(IsPlainFileName, OnlyNamesThatStayInTheProgramFolder) {
  const std::pair<const char*, bool> cases[] = {
      {"KelvoSetup.exe", true},  {"setup 2.10.02.run", true}, {"Update.exe", true},   {"インストーラ.exe", true},
      {"", false},               {"../Update.exe", false},    {"..", false},          {"a..b", false},
      {"sub/setup.exe", false},  {"/tmp/setup.exe", false},   {"C:\\x.exe", false},   {"sub\\setup.exe", false},
      {".hidden", false},        {".", false},                {"a\tb", false},        {"a\x7f", false},
  };
  for (const auto& [name, plain] : cases) EXPECT_EQ(IsPlainFileName(QString::fromUtf8(name)), plain) << name;
  EXPECT_FALSE(ParseUpdateList("[Ver]9\n[Fil]../../x.exe\n").HasInstaller());
  EXPECT_TRUE(ParseUpdateList("[Ver]9\n[Fil]x.exe\n").HasInstaller());
}

TEST(InstallerUrl, RelativeAddressesAreTakenFromTheList) {
  const QString list = QStringLiteral("http://127.0.0.1:8000/variants/wrong-sha/AppVer.csv");
  const std::pair<const char*, const char*> cases[] = {
      {"https://other.example/setup.exe", "https://other.example/setup.exe"},
      {"setup.exe", "http://127.0.0.1:8000/variants/wrong-sha/setup.exe"},
      {"../../setup/s.sh", "http://127.0.0.1:8000/setup/s.sh"},
      {"/top.exe", "http://127.0.0.1:8000/top.exe"},
      {"", ""},
  };
  for (const auto& [url, resolved] : cases) EXPECT_EQ(InstallerUrl(list, QString::fromUtf8(url)), QString::fromUtf8(resolved)) << url;
}

TEST(InstallAsUpdateExe, TheDownloadBecomesAnExecutableUpdateExe) {
  struct Case {
    const char* name;
    const char* downloaded;  // the [Fil] name
    bool oldUpdateExe;
  };
  for (const Case& c : {Case{"fresh", "setup.exe", false}, Case{"replaces an old one", "setup.exe", true},
                        Case{"named Update.exe already", "Update.exe", true}}) {
    SCOPED_TRACE(c.name);
    test::ProgramFolder folder;
    const std::string updateExe = folder.Path("Update.exe");
    if (c.oldUpdateExe) test::WriteFileBytes(updateExe, "old");
    test::WriteFileBytes(folder.Path(c.downloaded), "new installer");
    ASSERT_TRUE(InstallAsUpdateExe(QString::fromStdString(folder.Path(c.downloaded))));
    EXPECT_EQ(test::ReadFileBytes(updateExe), "new installer");
    EXPECT_TRUE(QFile(QString::fromStdString(updateExe)).permissions() & QFileDevice::ExeOwner);
    if (std::string(c.downloaded) != "Update.exe") {
      EXPECT_FALSE(test::Exists(folder.Path(c.downloaded)));
    }
  }
}

TEST(InstallAsUpdateExe, AnUpdateExeThatCannotBeReplacedIsReportedAndTheDownloadGoes) {
  test::ProgramFolder folder;
  std::filesystem::create_directories(folder.Path("Update.exe/inside"));  // a folder in the way
  test::WriteFileBytes(folder.Path("setup.exe"), "x");
  EXPECT_FALSE(InstallAsUpdateExe(QString::fromStdString(folder.Path("setup.exe"))));
  EXPECT_FALSE(test::Exists(folder.Path("setup.exe")));
  EXPECT_TRUE(test::Exists(folder.Path("Update.exe/inside")));
}

}  // namespace
}  // namespace kelvo
