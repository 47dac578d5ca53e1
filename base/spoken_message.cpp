#include "spoken_message.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include "unshown_window_events.h"

namespace kelvo {

// The status line and its notification: widgets without size or focus, so that nobody sees or
// tabs to them; made at the first announcement of their window.
class SpokenNotification : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
  QString words;  // its accessible name: what it says
};

class SpokenStatusLine : public QWidget {
  Q_OBJECT

 public:
  explicit SpokenStatusLine(QWidget* window);
  void Say(const QString& words);

 private:
  SpokenNotification* message_;
};


namespace {

AnnouncementHook& Hook() {
  static AnnouncementHook hook;
  return hook;
}

QPointer<QWidget>& AnnouncingWindow() {
  static QPointer<QWidget> window;
  return window;
}

QWidget* Invisible(QWidget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setGeometry(0, 0, 0, 0);
  return widget;
}

// The notification's name is read from its words when asked: a name-change event for every
// message would only cost a screen reader more questions (it speaks the appearance).
class AccessibleNotification : public QAccessibleWidget {
 public:
  explicit AccessibleNotification(SpokenNotification* notification)
      : QAccessibleWidget(notification, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<SpokenNotification*>(widget())->words : QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* SpokenMessageFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("kelvo::SpokenStatusLine"))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
  if (className == QLatin1String("kelvo::SpokenNotification"))
    return new AccessibleNotification(static_cast<SpokenNotification*>(object));
  return nullptr;
}

}  // namespace

SpokenStatusLine::SpokenStatusLine(QWidget* window) : QWidget(window) {
  Invisible(this, "spokenStatus");
  message_ = new SpokenNotification(this);
  Invisible(message_, "spokenMessage");
  show();
}

void SpokenStatusLine::Say(const QString& words) {
  message_->words = words;
  QAccessibleEvent shown(message_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

void Announce(QWidget* where, const QString& words) {
  if (where == nullptr || words.isEmpty() || !AnnouncementsHeard()) return;
  QWidget* window = where->window();
  // A window being built or first shown says nothing: it is read whole when it appears.
  if (!ShownToAssistiveTechnologies(window)) return;
  if (Hook()) {
    Hook()(window, words);
    return;
  }
  QWidget* speaker = AnnouncingWindow() != nullptr ? AnnouncingWindow().data() : window;
  auto* line = speaker->findChild<SpokenStatusLine*>(QString(), Qt::FindDirectChildrenOnly);
  if (line == nullptr) {
    static const bool installed = (QAccessible::installFactory(SpokenMessageFactory), true);
    (void)installed;
    line = new SpokenStatusLine(speaker);
  }
  line->Say(words);
}

void SetAnnouncingWindow(QWidget* window) { AnnouncingWindow() = window; }

bool AnnouncementsHeard() { return Hook() || QAccessible::isActive(); }

void SetAnnouncementHook(AnnouncementHook hook) { Hook() = std::move(hook); }

}  // namespace kelvo

#include "spoken_message.moc"
