#include "open_document.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace kelvo {

void OpenDocument(QWidget* parent, const QUrl& url) {
  if (QDesktopServices::openUrl(url)) return;
  const QString what = url.isLocalFile() ? url.toLocalFile() : url.toString();
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Kelvo"),
                  QStringLiteral("次を開けませんでした。ブラウザーまたはファイルを開くプログラムが見つかりません。\n\n%1")
                      .arg(what),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace kelvo
