#include "help_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

// Where an installation keeps its documentation, relative to the executable.
#ifndef KELVO_INSTALLED_DOCS
#define KELVO_INSTALLED_DOCS "../share/doc/kelvo"
#endif

namespace kelvo {

QString HelpDocumentPath(const QString& sysFolder, const QString& name) {
  const QString folder = sysFolder.endsWith(u'/') ? sysFolder : sysFolder + u'/';
  const QString chm = folder + name + QStringLiteral(".chm");
  if (QFile::exists(chm)) return chm;
  const QString html = folder + name + QStringLiteral(".html");
  if (QFile::exists(html)) return html;
  const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" KELVO_INSTALLED_DOCS "/") +
                                            name + QStringLiteral(".html"));
  return QFile::exists(installed) ? installed : html;
}

}  // namespace kelvo
