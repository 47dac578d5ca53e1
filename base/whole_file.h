#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace kelvo {

// Writes all of `size` bytes to the open file `fd`, going on after interruptions. False on the
// first failed write.
bool WriteAllTo(int fd, const char* data, std::size_t size);

// Replaces the file `path` with `text` as one step: the text goes to a scratch file beside it
// (`path` + `scratchSuffix`, never followed if it is a link) and is flushed to disk, then renamed
// over `path`. A reader sees the old file or the whole new one, never a part; a link at `path` is
// replaced, not written through. On failure the scratch file is removed and `path` is unchanged.
std::error_code ReplaceFileWith(const std::string& path, std::string_view text, std::string_view scratchSuffix);
// The same with the content written by `write` into the open scratch file (false: it failed, with
// errno set), for contents too large to hold in memory.
std::error_code ReplaceFileByWriting(const std::string& path, const std::function<bool(int fd)>& write,
                                std::string_view scratchSuffix);

}  // namespace kelvo
