#include "tape_print.h"

#include <QCoreApplication>
#include <QLibrary>

#include "data_folder.h"

namespace tape {

PrintResult PrintRows(QWidget* parent, const TapeIndex& index, const RowSpans& rows, const WithProgress& withProgress) {
  using Print = int (*)(QWidget*, const TapeIndex*, const RowSpans*, const WithProgress*);
  // Loaded once and kept: Qt's print support stays loaded after the first print anyway.
  static QLibrary module(QString::fromStdString(
      kelvo::HelperPath(QCoreApplication::applicationDirPath().toStdString(), kPrintModuleName)));
  const auto print = reinterpret_cast<Print>(module.resolve("KelvoPrintTapeRows"));
  if (print == nullptr) return PrintResult::NoModule;
  return static_cast<PrintResult>(print(parent, &index, &rows, &withProgress));
}

}  // namespace tape
