#include "tape_print.h"

#include <QCoreApplication>
#include <QLibrary>

#include "data_folder.h"

namespace tape {

bool PreviewAndPrint(QWidget* parent, const TapeIndex& index) {
  using Print = void (*)(QWidget*, const TapeIndex*);
  // Loaded once and kept: Qt's print support stays loaded after the first print anyway.
  static QLibrary module(QString::fromStdString(
      kelvo::HelperPath(QCoreApplication::applicationDirPath().toStdString(), kPrintModuleName)));
  const auto print = reinterpret_cast<Print>(module.resolve("KelvoPreviewAndPrintTape"));
  if (print == nullptr) return false;
  print(parent, &index);
  return true;
}

}  // namespace tape
