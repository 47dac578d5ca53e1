#include "side_window_frame.h"

#include <QWidget>

namespace kelvo {

void SetUpSideWindowFrame(QWidget& window, const char* objectName, const QString& caption, QSize size,
                          Activation activation) {
  window.setObjectName(QLatin1String(objectName));
  window.setWindowTitle(caption);
  window.setFixedSize(size);
  if (activation == Activation::LeavesKeyboard) window.setAttribute(Qt::WA_ShowWithoutActivating);
}

}  // namespace kelvo
