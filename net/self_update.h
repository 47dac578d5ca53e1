#pragma once

#include <QString>

// Whether this build may update itself: fetch an installer and start it. A distribution's package
// is built without it (KELVO_SELF_UPDATE=OFF), because its users update through the package
// manager; the update check still tells them that a newer version exists.
namespace kelvo {

bool SelfUpdateAllowed();
// Tests of the packaged behaviour switch it off in a build that has it on.
void SetSelfUpdateAllowed(bool allowed);

// The question of the check at start when a newer version is found and the build may not update
// itself; yes opens the update window.
QString NewerForPackageManagerQuestion();
// What the update window says of a newer version in that case.
QString NewerForPackageManagerMessage(const QString& version);

}  // namespace kelvo
