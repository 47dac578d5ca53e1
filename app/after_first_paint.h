#pragma once

#include <functional>

class QWidget;

// Runs `task` once the window of `widget` has been painted on the screen for the first time, when
// the event loop is free again; at once (on the next turn of the loop) when the window is on the
// screen already. Work that can wait goes here, so that it never delays the first painted window.
// Tasks given for one widget run in the order they were given.
void RunAfterFirstPaint(QWidget* widget, std::function<void()> task);
