#pragma once

#include <string>
#include <string_view>

#include "script_text.h"

// The files of a Calc folder on disk, for the script host and the formula window alike: the
// folder is reached without following a link below the data folder, a file is read only when it
// is a regular file, and a file is written only as a new file that then replaces the old entry.
namespace kelvo::wsh {

// Opens the Calc folder of a file: the data folder as its path says (the user's own path, links
// and all), then "_sys" and "Calc" below it, neither of them a link. A descriptor, or -1.
int OpenCalcFolder(const CalcFile& file);

// Reads the regular file `name` of the folder `folder`, at most maxBytes of it; false for a link,
// a FIFO, a device or any other kind of file (looked at without waiting on it), for a longer
// file, and when it cannot be read.
bool ReadRegularFile(int folder, const std::string& name, std::size_t maxBytes, std::string& out);

// Makes `text` the content of `name` in the folder `folder`: written whole into a new file beside
// it, which is then renamed over the name. What had the name (another link to a file outside
// included) is never written into or followed. An entry of that name that is not a regular file
// (a link, a FIFO, a folder) is refused and left as it is. False on any failure, which leaves no
// new file behind.
bool ReplaceFileIn(int folder, const std::string& name, std::string_view text);

// The formula window's writes: the file at `path` (see CalcFileOf) replaced as above. False for a
// path that is not a file of a Calc folder, or when the folder or the file cannot be written.
bool WriteCalcFile(const std::string& path, std::string_view text);

}  // namespace kelvo::wsh
