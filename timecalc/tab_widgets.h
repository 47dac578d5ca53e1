#pragma once

#include <QLabel>
#include <QPushButton>

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

// A push button that Enter in a field never presses.
inline QPushButton* Button(const QString& caption, const char* objectName, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(objectName));
  button->setAutoDefault(false);
  return button;
}

}  // namespace timecalc
