#pragma once

#include <string>

// Brings a user's copy of the installed KelvoFiles template up to a newer template, and gives the
// copy the folders the program needs even when the installation ships them empty or not at all.
namespace kelvo {

// The template's version stamp, relative to KelvoFiles. In the template: one line, the version of
// the program it came with. In a user's copy: the version it was last refreshed from, then every
// template entry (relative path, one a line) the copy has been given so far.
inline constexpr const char* kTemplateStampFile = "_sys/Template.stamp";

// When the template's stamp differs from the copy's, or the copy has none yet: adds to the copy
// every template file and folder it lacks that it was never given before (new skins, new help).
// So an entry the user deleted stays deleted; a copy made by a program without stamps counts as
// given nothing, and gets back what it lacks once. Nothing in the copy is overwritten or deleted.
// Each file arrives under a scratch name and is renamed into place; the stamp is written last, so a
// refresh cut short leaves a usable copy and runs again at the next start. Beside a template
// without a stamp, or with a stamp in the copy that cannot be read (a folder of that name), the
// copy only gets its folders. Returns empty, or the first failure (the copy is
// usable either way).
std::string RefreshFromTemplate(const std::string& templateFolder, const std::string& copyFolder);

// Makes the folders every KelvoFiles needs (_sys/PID, _sys/Calc, ...) where they are missing.
void MakeRequiredFolders(const std::string& dataFolder);

}  // namespace kelvo
