// The messages of the download result codes: part of the program, so that a failed download can
// be told even when the download module could not be loaded.
#include "download.h"

namespace kelvo {

QString DownloadResultText(int code) {
  switch (code) {
    case kDownloadStopped: return QStringLiteral("ST: 接続の中断");
    case kDownloadNoInternet: return QStringLiteral("NG: インターネットに接続していない。\r\n");
    case kDownloadNoSession: return QStringLiteral("NG: セッションが作成出来ません。\r\n");
    case kDownloadUrlNotOpened: return QStringLiteral("NG: ＵＲＬを開けません。\r\n");
    case kDownloadNoStatus: return QStringLiteral("NG: ファイルの存在情報を取得出来ません。\r\n");
    case kDownloadNotFound: return QStringLiteral("NG: ファイルが存在しません。\r\n");
    case kDownloadNoLength: return QStringLiteral("NG: ファイルのサイズ情報を取得出来ません。\r\n");
    case kDownloadSizeMismatch: return QStringLiteral("NG: ダウンロードに失敗しました。\r\n");
    case kDownloadNotSaved:
      return QStringLiteral("NG: 受信したファイルを保存できません。保存先のフォルダーに書き込めないか、"
                            "「.part」で終わる同じ名前のフォルダーがあります。\r\n");
    default: return {};
  }
}

}  // namespace kelvo
