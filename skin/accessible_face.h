#pragma once

#include <QString>
#include <functional>

class QAccessibleEvent;
class QWidget;

// How screen readers see the calculator face: each key is a push button named in words, with a
// press action that acts as a click and a description naming its keyboard keys; the display is
// a text whose name is the number shown and whose description names the lit marks and the
// selectors. Nothing here runs until an assistive technology asks, except the cheap check in
// AnnounceDisplay.
namespace kelvo {

struct DisplayWords {
  QString name;         // "1,234.5", "E 0"
  QString description;  // "メモリー、端数処理: 切り捨て、小数点: 2 桁"
};

// Teaches Qt the face's accessible objects. Once per process; later calls do nothing.
void InstallFaceAccessibility();

// Gives the face's display (the number strip) its words, read from `words` whenever asked.
void SetDisplayWords(QWidget* display, std::function<DisplayWords()> words);

// Where the keyboard keys of a calculator key come from ("PgUp", "7、テンキー7"); the key
// assignment can change at any time, so they are asked for each time they are read.
void SetKeyboardKeysSource(std::function<QString(int keyCode)> source);
QString KeyboardKeysOf(int keyCode);
// The key's name and keyboard keys as its tool tip shows them: "税込 (PgUp)".
QString KeyToolTip(int keyCode);

// Raises one name-change event if the display's number changed since the last call, and one
// description-change event if its marks or selectors did. Does nothing while no assistive
// technology listens, so the engine may call it after every key.
void AnnounceDisplay(QWidget* display);

// Where the display's announcements go: Qt's accessibility by default (which drops them unless an
// assistive technology listens). Headless tests, where Qt never listens, record them instead;
// an empty member means Qt's own.
struct AnnouncementSink {
  std::function<bool()> listening;
  std::function<void(QAccessibleEvent*)> raise;
};
void SetAnnouncementSink(AnnouncementSink sink);

}  // namespace kelvo
