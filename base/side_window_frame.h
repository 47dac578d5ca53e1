#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace kelvo {

// Whether a side window takes the keyboard when it appears.
enum class Activation { Takes, LeavesKeyboard };

// The frame set-up every side window and dialog shares (its flags are kSideWindowFlags, given
// when it is made): its object name, caption and fixed client size, and whether showing it
// leaves the keyboard with the window that has it.
void SetUpSideWindowFrame(QWidget& window, const char* objectName, const QString& caption, QSize size,
                          Activation activation = Activation::Takes);

}  // namespace kelvo
