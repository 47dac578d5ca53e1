#include "after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Watches a widget for its first paint into a window that is on the screen.
class AfterFirstPaint : public QObject {
 public:
  AfterFirstPaint(QWidget* widget, std::function<void()> task) : QObject(widget), task_(std::move(task)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A paint into a window that is not on the screen yet does not count.
    const QWindow* handle = static_cast<QWidget*>(watched)->window()->windowHandle();
    if (event->type() == QEvent::Paint && handle != nullptr && handle->isExposed()) {
      watched->removeEventFilter(this);
      // After the paint has reached the screen, once the event loop is free again.
      QTimer::singleShot(0, parent(), std::move(task_));
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void()> task_;
};

}  // namespace

void RunAfterFirstPaint(QWidget* widget, std::function<void()> task) {
  // A window already on the screen has been painted: that happens as it appears.
  if (const QWindow* handle = widget->window()->windowHandle(); handle != nullptr && handle->isExposed()) {
    QTimer::singleShot(0, widget, std::move(task));
    return;
  }
  new AfterFirstPaint(widget, std::move(task));
}
