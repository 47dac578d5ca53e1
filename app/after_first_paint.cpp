#include "after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <vector>

namespace {

// Watches a widget for its first paint into a window that is on the screen, then runs the tasks
// given for it in the order they were given.
class AfterFirstPaint : public QObject {
 public:
  static constexpr const char* kName = "afterFirstPaint";

  explicit AfterFirstPaint(QWidget* widget) : QObject(widget) {
    setObjectName(QString::fromLatin1(kName));
    widget->installEventFilter(this);
  }
  void Add(std::function<void()> task) { tasks_.push_back(std::move(task)); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A paint into a window that is not on the screen yet does not count.
    const QWindow* handle = static_cast<QWidget*>(watched)->window()->windowHandle();
    if (event->type() == QEvent::Paint && handle != nullptr && handle->isExposed()) {
      watched->removeEventFilter(this);
      setObjectName(QString());  // later tasks find the window painted
      // After the paint has reached the screen, once the event loop is free again.
      for (std::function<void()>& task : tasks_) QTimer::singleShot(0, parent(), std::move(task));
      deleteLater();
    }
    return false;
  }

 private:
  std::vector<std::function<void()>> tasks_;
};

}  // namespace

void RunAfterFirstPaint(QWidget* widget, std::function<void()> task) {
  // A window already on the screen has been painted: that happens as it appears.
  if (const QWindow* handle = widget->window()->windowHandle(); handle != nullptr && handle->isExposed()) {
    QTimer::singleShot(0, widget, std::move(task));
    return;
  }
  auto* watcher = widget->findChild<AfterFirstPaint*>(QString::fromLatin1(AfterFirstPaint::kName),
                                                      Qt::FindDirectChildrenOnly);
  if (watcher == nullptr) watcher = new AfterFirstPaint(widget);
  watcher->Add(std::move(task));
}
