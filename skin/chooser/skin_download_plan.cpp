#include "skin_download_plan.h"

#include <QFileInfo>

#include "preview_picture.h"
#include "sheet_loader.h"
#include "skin_parts.h"

namespace kelvo {

QStringList SkinDownloadFiles(int category) {
  QStringList files{QStringLiteral("/Preview.gif")};
  switch (category) {
    case 0:
      files << QStringLiteral("/imgBackPanel.bmp") << QStringLiteral("/imgDigitalPanel.bmp")
            << QStringLiteral("/imgDigitalNumber.bmp") << QStringLiteral("/imgDigitalMark.bmp")
            << QStringLiteral("/imgButtonUp.bmp") << QStringLiteral("/imgButtonDown.bmp");
      break;
    case 1: files << QStringLiteral("/imgBackPanel.bmp"); break;
    case 2: files << QStringLiteral("/imgDigitalPanel.bmp"); break;
    case 3: files << QStringLiteral("/imgButtonUp.bmp") << QStringLiteral("/imgButtonDown.bmp"); break;
    case 4: files << QStringLiteral("/imgDigitalNumber.bmp"); break;
    case 5: files << QStringLiteral("/imgDigitalMark.bmp"); break;
    default: break;
  }
  return files;
}

qint64 MaxSkinFileBytes(const QString& file) {
  return file.endsWith(QLatin1String(".gif")) ? kMaxPreviewBytes : kMaxSheetFileBytes;
}

DownloadOutcome JudgeDownload(const DownloadTally& tally, int category) {
  if (tally.stopped) return DownloadOutcome::Stopped;
  if (category == kCategorySet && tally.fetched > 0) return DownloadOutcome::Fetched;
  return tally.failed > 0 ? DownloadOutcome::Failed : DownloadOutcome::Fetched;
}

QString FindRefusedBitmap(const QString& folder) {
  for (const SkinPartInfo& part : kSkinParts) {
    const QString name = QString::fromLatin1(part.name.data(), static_cast<qsizetype>(part.name.size())) + QStringLiteral(".bmp");
    const QString path = folder + u'/' + name;
    if (QFileInfo(path).isFile() && LoadSkinSheet(path, nullptr).isNull()) return name;
  }
  return {};
}

}  // namespace kelvo
