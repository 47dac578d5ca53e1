#pragma once

#include <QString>

namespace kelvo {

// The help document `name` (no extension) to open: `name`.chm in sysFolder (KelvoFiles/_sys/)
// when it is there, else `name`.html there, else the page an installation keeps with its
// documentation (share/doc/kelvo beside the program's bin). The .html in sysFolder when none is.
QString HelpDocumentPath(const QString& sysFolder, const QString& name);

}  // namespace kelvo
