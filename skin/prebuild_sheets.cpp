// kelvo-prebuild-sheets OUTPUT-FOLDER BITMAP...: writes each bitmap as a prebuilt sheet,
// OUTPUT-FOLDER/<name>.sheet, decoded exactly as the program decodes a skin file. Run by the build.
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include "prebuilt_sheet.h"
#include "sheet_loader.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: kelvo-prebuild-sheets OUTPUT-FOLDER BITMAP...\n", stderr);
    return 2;
  }
  const QString folder = QFile::decodeName(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const QString path = QFile::decodeName(argv[i]);
    QString error;
    const QImage sheet = kelvo::LoadSkinSheet(path, &error);
    if (sheet.isNull()) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return 1;
    }
    QFile out(folder + u'/' + QFileInfo(path).completeBaseName() + QStringLiteral(".sheet"));
    const QByteArray bytes = kelvo::PrebuiltSheetBytes(sheet);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
      return 1;
    }
  }
  return 0;
}
