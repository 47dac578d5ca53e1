// kelvo-icon-png FOLDER NAME SIZE...: writes the program's icon, drawn as the window draws it, to
// FOLDER/<size>x<size>/apps/NAME.png for each size: the layout of an icon theme.
#include <QByteArray>
#include <QDir>
#include <QImage>

#include <cstdio>

#include "app_icon.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: kelvo-icon-png FOLDER NAME SIZE...\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int size = QByteArray(argv[i]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
      std::fprintf(stderr, "kelvo-icon-png: not an icon size: %s\n", argv[i]);
      return 2;
    }
    const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    const QString file = apps + u'/' + name + QStringLiteral(".png");
    if (!QDir().mkpath(apps) || !KelvoIconImage(size).save(file, "PNG")) {
      std::fprintf(stderr, "kelvo-icon-png: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
