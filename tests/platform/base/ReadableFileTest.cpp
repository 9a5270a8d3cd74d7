#include "ReadableFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A file of size bytes that takes no room on disk (nothing is written but its length).
void SparseFile(const fs::path& path, std::uintmax_t size) {
    std::ofstream(path, std::ios::binary).flush();
    fs::resize_file(path, size);
}

TEST(ReadableFile, NoRegularFileAndFilesBeyond16MiBAreRefused) {
    std::string dirTemplate = (fs::temp_directory_path() / "qsw-readable-XXXXXX").string();
    ASSERT_NE(mkdtemp(dirTemplate.data()), nullptr);
    const fs::path dir = dirTemplate;
    SparseFile(dir / "limit", files::MaxStartupFileBytes);
    SparseFile(dir / "beyond", files::MaxStartupFileBytes + 1);
    std::ofstream(dir / "small") << "[a]\nb=c\n";
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    struct Case {
        const char* name;
        const char* why;
    } cases[] = {{"missing", ""},
                 {"small", ""},
                 {"limit", ""},
                 {"beyond", "is larger than 16 MiB"},
                 {"fifo", "is not a regular file"},
                 {".", "is not a regular file"}};
    for (const Case& c : cases) EXPECT_EQ(files::WhyNotRead((dir / c.name).string()), c.why) << c.name;
    fs::remove_all(dir);
}

}  // namespace
