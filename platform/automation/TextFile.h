#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane
{

// Whole-file text I/O for the runtime's small files (property bags, the registry), with failures as
// numbered errors: 53 for a file that does not exist, 75 for any other read or write failure, its
// description naming the path and the reason.

// Reads a regular file (through symbolic links). Anything else - a folder, a FIFO, a device - is
// error 75 and is never opened for reading, so a FIFO cannot block the caller.
std::string ReadTextFile(const std::filesystem::path &path);

// Saves the way careful editors do, so that readers never see a half-written file and a failed save
// leaves the old one whole:
// - a symbolic link is followed (through any chain) and its final target replaced; the link stays;
// - the text goes to a new file created exclusively (O_EXCL | O_NOFOLLOW, a random name) in the
//   target's folder, is synced, gets the target's permission bits (a new file: 0666 less the umask)
//   and only then is renamed over the target;
// - the target must be a regular file the caller may write, or not exist; a folder, device, FIFO or
//   socket, and a read-only file, are refused with error 75 before anything is written.
// Missing parent folders of path are created.
void WriteTextFile(const std::filesystem::path &path, std::string_view text);

} // namespace corvane
