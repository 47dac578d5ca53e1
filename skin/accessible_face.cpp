#include "accessible_face.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QTimer>
#include <optional>

#include "skin_image_widget.h"
#include "spoken_message.h"

namespace kelvo {
namespace {

// A display's source of words, and what its listener heard last.
struct DisplaySource {
  std::function<DisplayReading()> read;
  std::optional<DisplayReading> said;  // none: the next change says the number alone
  bool started = false;
  QTimer* quiet = nullptr;  // runs from a change until the display has been still a moment
  bool saidAloud = false;   // the program's own read-aloud says the latest change
};

int& AnnouncementDelay() {
  static int milliseconds = 40;
  return milliseconds;
}

QHash<const QObject*, DisplaySource>& DisplaySources() {
  static QHash<const QObject*, DisplaySource> sources;
  return sources;
}

DisplayReading ReadingOf(const QObject* display) {
  const auto source = DisplaySources().constFind(display);
  return source == DisplaySources().constEnd() || !source->read ? DisplayReading{} : source->read();
}

std::function<QString(int)>& KeyboardKeysSource() {
  static std::function<QString(int)> source;
  return source;
}

class AccessibleKey : public QAccessibleWidget {
 public:
  explicit AccessibleKey(KeyImageWidget* key) : QAccessibleWidget(key, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    const int code = Key()->KeyCode();
    switch (t) {
      case QAccessible::Name: return SpokenKeyName(code);
      case QAccessible::Description: {
        const QString keys = KeyboardKeysOf(code);
        return keys.isEmpty() ? QString() : QStringLiteral("キーボード: ") + keys;
      }
      case QAccessible::Help:
      case QAccessible::Accelerator: return KeyboardKeysOf(code);
      default: return QAccessibleWidget::text(t);
    }
  }
  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action == pressAction())
      Key()->Click();
    else
      QAccessibleWidget::doAction(action);
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action != pressAction()) return QAccessibleWidget::keyBindingsForAction(action);
    const QString keys = KeyboardKeysOf(Key()->KeyCode());
    return keys.isEmpty() ? QStringList{} : QStringList{keys};
  }

 private:
  KeyImageWidget* Key() const { return static_cast<KeyImageWidget*>(widget()); }
};

class AccessibleDisplay : public QAccessibleWidget {
 public:
  explicit AccessibleDisplay(QWidget* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name: {
        const DisplayReading reading = ReadingOf(object());
        return SpokenNumber(reading.number, reading.error);
      }
      case QAccessible::Description: return SpokenDisplayDescription(ReadingOf(object()));
      default: return QAccessibleWidget::text(t);
    }
  }
};

QAccessibleInterface* FaceFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("kelvo::KeyImageWidget")) return new AccessibleKey(static_cast<KeyImageWidget*>(object));
  // The number strip is the display; its words may be set after Qt first asks about it.
  if (className == QLatin1String("kelvo::SkinImageWidget") &&
      static_cast<SkinImageWidget*>(object)->Shows() == SkinImageWidget::Surface::NumberStrip)
    return new AccessibleDisplay(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

void InstallFaceAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(FaceFactory);
}

void SetDisplayReading(QWidget* display, std::function<DisplayReading()> reading) {
  DisplaySources().insert(display, DisplaySource{std::move(reading), std::nullopt, false, nullptr});
  QObject::connect(display, &QObject::destroyed, [display] { DisplaySources().remove(display); });
}

void SetKeyboardKeysSource(std::function<QString(int)> source) { KeyboardKeysSource() = std::move(source); }

QString KeyboardKeysOf(int keyCode) { return KeyboardKeysSource() ? KeyboardKeysSource()(keyCode) : QString(); }

QString KeyToolTip(int keyCode) {
  const QString keys = KeyboardKeysOf(keyCode);
  return keys.isEmpty() ? SpokenKeyName(keyCode) : QStringLiteral("%1 (%2)").arg(SpokenKeyName(keyCode), keys);
}

namespace {

void SayDisplayChange(QWidget* display) {
  const auto source = DisplaySources().find(display);
  if (source == DisplaySources().end() || !AnnouncementsHeard()) return;
  const DisplayReading now = source->read();
  const bool numberChanged = !source->said || source->said->number != now.number || source->said->error != now.error;
  const QString words = SpokenDisplayChange(source->said ? &*source->said : nullptr, now);
  source->said = now;
  // The name follows the number (screen readers keep names they were told of), and the change
  // is said through a notification: a label's name change is never spoken.
  if (numberChanged) {
    QAccessibleEvent renamed(display, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
  if (!source->saidAloud) Announce(display, words);
}

}  // namespace

void AnnounceDisplay(QWidget* display, bool saidAloud) {
  const auto source = DisplaySources().find(display);
  if (source == DisplaySources().end() || !source->read) return;
  source->saidAloud = saidAloud;
  if (!AnnouncementsHeard()) {
    source->said.reset();  // whoever listens later hears the number first
    return;
  }
  if (!source->started) {
    source->said = source->read();
    return;
  }
  // Keys that come faster than anyone can listen (a burst, a paste) are said once, as the
  // display ends up: a screen reader would cut each word off with the next anyway.
  if (source->quiet == nullptr) {
    source->quiet = new QTimer(display);
    source->quiet->setSingleShot(true);
    QObject::connect(source->quiet, &QTimer::timeout, display, [display] { SayDisplayChange(display); });
  }
  source->quiet->start(AnnouncementDelay());
}

void SetDisplayAnnouncementDelay(int milliseconds) { AnnouncementDelay() = milliseconds; }

void StartDisplayAnnouncements(QWidget* display) {
  const auto source = DisplaySources().find(display);
  if (source == DisplaySources().end() || !source->read) return;
  source->started = true;
  source->said = source->read();
}

}  // namespace kelvo
