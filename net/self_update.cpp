#include "self_update.h"

#ifndef KELVO_SELF_UPDATE
#define KELVO_SELF_UPDATE 1
#endif

namespace kelvo {
namespace {

bool selfUpdateAllowed = KELVO_SELF_UPDATE != 0;

}  // namespace

bool SelfUpdateAllowed() { return selfUpdateAllowed; }
void SetSelfUpdateAllowed(bool allowed) { selfUpdateAllowed = allowed; }

QString NewerForPackageManagerQuestion() {
  // Shown in the message box as it is: plain line breaks.
  return QStringLiteral(
      "現在お使いのKelvoより、最新版が見つかりました。\nアップデートはパッケージマネージャーで行って下さい。\n"
      "詳しく表示しますか？");
}

QString NewerForPackageManagerMessage(const QString& version) {
  return QStringLiteral("最新バージョンは ") + version +
         QStringLiteral(" です。\r\n\r\nこのKelvoはパッケージでインストールされています。\r\n"
                        "アップデートはパッケージマネージャーで行って下さい。");
}

}  // namespace kelvo
