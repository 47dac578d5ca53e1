#pragma once

class QUrl;
class QWidget;

namespace kelvo {

// Hands a help document or a web page to the desktop's opener. When there is none (no browser,
// no file opener installed) a message box over `parent` says what could not be opened, instead
// of nothing happening at all.
void OpenDocument(QWidget* parent, const QUrl& url);

}  // namespace kelvo
