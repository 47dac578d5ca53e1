#pragma once

#include <QString>
#include <functional>

class QWidget;

// Short spoken messages for screen readers: a result, a changed setting, a window's message.
// Each goes out as a notification in a status line of the main window; screen readers speak a
// notification as it appears, wherever the keyboard focus is, and without naming a role when it
// sits in a status line (in a dialog they would lead every message with the dialog's name). Name
// and description changes are no use for this: screen readers speak them only for the focused
// object, and not at all for a label.
namespace kelvo {

// Has a listening screen reader say `words` once, for the window that `where` belongs to. Does
// nothing for empty words, and costs nothing while no assistive technology listens.
void Announce(QWidget* where, const QString& words);

// The window whose status line says every window's messages; until one is set, or once it is
// gone, each window says its own.
void SetAnnouncingWindow(QWidget* window);

// Whether announcements are heard at all: an assistive technology listens (or a test does).
bool AnnouncementsHeard();

// Headless tests, where no assistive technology ever listens, receive the announcements here
// instead, with the window they were made for; an empty function gives them back to the
// screen reader.
using AnnouncementHook = std::function<void(QWidget* window, const QString& words)>;
void SetAnnouncementHook(AnnouncementHook hook);

}  // namespace kelvo
