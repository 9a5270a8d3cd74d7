#pragma once
// The check a file read whole at start-up passes first (the registry, settings and message files): a name that is
// no regular file (a FIFO would block the open) or a file beyond 16 MiB (one long line would stall the start) is
// refused by name, and nothing of it is read.
#include <cstdint>
#include <string>

namespace files {

inline constexpr std::uintmax_t MaxStartupFileBytes = 16 * 1024 * 1024;

// Why the file at path is not read, to follow its name in a message: "is not a regular file" or "is larger than
// 16 MiB". Empty when it can be read, and when nothing is there.
std::string WhyNotRead(const std::string& path);

}  // namespace files
