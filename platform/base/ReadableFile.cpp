#include "ReadableFile.h"

#include <filesystem>
#include <system_error>

namespace files {

std::string WhyNotRead(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return "";
    if (!std::filesystem::is_regular_file(status)) return "is not a regular file";
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > MaxStartupFileBytes) return "is larger than 16 MiB";
    return "";
}

}  // namespace files
