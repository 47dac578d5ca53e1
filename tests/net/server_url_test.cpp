#include <gtest/gtest.h>

#include "program_folder.h"
#include "qt_print.h"
#include "server_url.h"

namespace kelvo {
namespace {

TEST(ServerBaseUrl, TheSettingsFileOverridesTheBuiltInAddressAndTheSlashIsAdded) {
  const QString builtIn = BuiltInServerUrl();
  ASSERT_TRUE(builtIn.startsWith(QLatin1String("https://")));
  ASSERT_TRUE(builtIn.endsWith(u'/'));
  struct Case {
    const char* ini;  // nullptr: no settings file
    QString url;
  };
  const Case cases[] = {
      {nullptr, builtIn},
      {"[Value]\r\nGrandTotal=1\r\n", builtIn},
      {"[Net]\r\nServerUrl=\r\n", builtIn},
      {"[Net]\r\nServerUrl=http://127.0.0.1:8000\r\n", QStringLiteral("http://127.0.0.1:8000/")},
      {"[net]\r\n serverurl = http://mirror.example/kelvo/ \r\n", QStringLiteral("http://mirror.example/kelvo/")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini ? c.ini : "none");
    test::ProgramFolder folder;
    if (c.ini != nullptr) test::WriteFileBytes(folder.MainSettings(), c.ini);
    EXPECT_EQ(ServerBaseUrl(), c.url);
  }
}

}  // namespace
}  // namespace kelvo
