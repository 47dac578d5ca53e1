#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <initializer_list>

#include "spoken_message.h"

// The widgets both tabs of the time and day counts window are built from.
namespace timecalc {

// A label that shows a result: screen readers read the result as its name and what it is as its
// description; the mouse can select it.
inline QLabel* ResultLabel(const char* objectName, const QString& meaning, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(objectName));
  label->setAccessibleDescription(meaning);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// Has a screen reader say the results shown, each led by what it is ("合計 12:30").
inline void SayResults(QWidget* where, std::initializer_list<const QLabel*> results) {
  QStringList parts;
  for (const QLabel* result : results) {
    if (result->text().isEmpty()) continue;
    const QString meaning = result->accessibleDescription();
    parts << (meaning.isEmpty() ? result->text() : meaning + u' ' + result->text());
  }
  kelvo::Announce(where, parts.join(QStringLiteral("、")));
}

// A push button that Enter in a field never presses.
inline QPushButton* Button(const QString& caption, const char* objectName, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(objectName));
  button->setAutoDefault(false);
  return button;
}

}  // namespace timecalc
