#pragma once

#include <QString>
#include <functional>

class QObject;

namespace kelvo {

// Starts the script host on the formula script `scriptName` in `folder` and watches it, so that
// the answer is read the moment the host has written it and exited. `exited` runs when the host
// has ended, whatever it did; `failed` when it could not be started at all. Both run later from
// the event loop, never inside this call, and only while `owner` lives.
void LaunchScriptHost(QObject* owner, const QString& program, const QString& scriptName, const QString& folder,
                      std::function<void()> exited, std::function<void()> failed);

// The message area's text when the script host could not be started, naming it.
QString ScriptHostNotStartedText(const QString& program);

}  // namespace kelvo
