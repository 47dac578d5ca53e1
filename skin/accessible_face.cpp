#include "accessible_face.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "skin_image_widget.h"
#include "spoken_face.h"

namespace kelvo {
namespace {

QHash<const QObject*, std::function<DisplayWords()>>& DisplaySources() {
  static QHash<const QObject*, std::function<DisplayWords()>> sources;
  return sources;
}

std::function<QString(int)>& KeyboardKeysSource() {
  static std::function<QString(int)> source;
  return source;
}

AnnouncementSink& Sink() {
  static AnnouncementSink sink;
  return sink;
}

bool Listening() { return Sink().listening ? Sink().listening() : QAccessible::isActive(); }

void Raise(QAccessibleEvent* event) {
  if (Sink().raise)
    Sink().raise(event);
  else
    QAccessible::updateAccessibility(event);
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
      case QAccessible::Name: return Words().name;
      case QAccessible::Description: return Words().description;
      default: return QAccessibleWidget::text(t);
    }
  }

  void Announce() {
    const DisplayWords now = Words();
    if (now.name != said_.name) {
      said_.name = now.name;
      QAccessibleEvent event(this, QAccessible::NameChanged);
      Raise(&event);
    }
    if (now.description != said_.description) {
      said_.description = now.description;
      QAccessibleEvent event(this, QAccessible::DescriptionChanged);
      Raise(&event);
    }
  }

 private:
  DisplayWords Words() const {
    const auto source = DisplaySources().constFind(object());
    return source == DisplaySources().constEnd() ? DisplayWords{} : (*source)();
  }

  DisplayWords said_;  // what the last events told
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

void SetDisplayWords(QWidget* display, std::function<DisplayWords()> words) {
  DisplaySources().insert(display, std::move(words));
  QObject::connect(display, &QObject::destroyed, [display] { DisplaySources().remove(display); });
}

void SetAnnouncementSink(AnnouncementSink sink) { Sink() = std::move(sink); }

void SetKeyboardKeysSource(std::function<QString(int)> source) { KeyboardKeysSource() = std::move(source); }

QString KeyboardKeysOf(int keyCode) { return KeyboardKeysSource() ? KeyboardKeysSource()(keyCode) : QString(); }

QString KeyToolTip(int keyCode) {
  const QString keys = KeyboardKeysOf(keyCode);
  return keys.isEmpty() ? SpokenKeyName(keyCode) : QStringLiteral("%1 (%2)").arg(SpokenKeyName(keyCode), keys);
}

void AnnounceDisplay(QWidget* display) {
  if (display == nullptr || !Listening()) return;
  if (auto* iface = dynamic_cast<AccessibleDisplay*>(QAccessible::queryAccessibleInterface(display))) iface->Announce();
}

}  // namespace kelvo
