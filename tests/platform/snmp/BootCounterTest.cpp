#include "BootCounter.h"
#include "SnmpdAgent.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace snmp;

namespace {

const std::string Engine = "NxSNMP_PP_Application";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteAll(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

} // namespace

TEST(BootCounter, EngineIdIsWrittenTwoCharactersPerOctet) {
    EXPECT_EQ(EncodeEngineId(std::string("\x00\x1F\xA5\xFF", 4)), "@@AOJEOO");
    EXPECT_EQ(EncodeEngineId("N"), "DN");  // 'N' is 0x4E
}

TEST(BootCounter, MissingFileStartsAtZeroAndSaveCreatesIt) {
    testsupport::TempDir dir;
    const std::string path = dir.File("NxSNMP_PP_BootCounter");
    uint32_t boots = 99;
    EXPECT_EQ(GetBootCounter(path, Engine, boots), BootCounterOpenError);
    EXPECT_EQ(boots, 0u);
    ASSERT_EQ(SaveBootCounter(path, Engine, 1), BootCounterOk);
    EXPECT_EQ(ReadAll(path), EncodeEngineId(Engine) + " 1\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    ASSERT_EQ(GetBootCounter(path, Engine, boots), BootCounterOk);
    EXPECT_EQ(boots, 1u);
    EXPECT_EQ(GetBootCounter(path, "other", boots), BootCounterNoEntry);
    EXPECT_EQ(boots, 0u);
}

TEST(BootCounter, SaveKeepsOtherLinesInOrderAndDropsRepeatedEntries) {
    testsupport::TempDir dir;
    const std::string path = dir.File("NxSNMP_PP_BootCounter");
    const std::string ours = EncodeEngineId(Engine);
    const std::string other = EncodeEngineId("other-engine");
    struct Case { const char* what; std::string before; std::string after; uint32_t read; };
    const Case cases[] = {
        {"update in place", "# boots\n" + other + " 7\n" + ours + " 4\n# end\n",
         "# boots\n" + other + " 7\n" + ours + " 5\n# end\n", 4},
        {"second line for our engine dropped", ours + " 2\n" + other + " 1\n" + ours + " 9\n",
         ours + " 3\n" + other + " 1\n", 2},
        {"appended when absent", "# only a comment\n" + other + " 3\n",
         "# only a comment\n" + other + " 3\n" + ours + " 1\n", 0},
        {"a commented-out entry is no entry", "#" + ours + " 8\n", "#" + ours + " 8\n" + ours + " 1\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteAll(path, c.before);
        uint32_t boots = 0;
        GetBootCounter(path, Engine, boots);
        EXPECT_EQ(boots, c.read);
        ASSERT_EQ(SaveBootCounter(path, Engine, boots + 1), BootCounterOk);
        EXPECT_EQ(ReadAll(path), c.after);
    }
}

TEST(BootCounter, UnwritableLocationFailsToSave) {
    testsupport::TempDir dir;
    EXPECT_NE(SaveBootCounter(dir.File("missing-dir/NxSNMP_PP_BootCounter"), Engine, 1), BootCounterOk);
}

TEST(BootCounter, ALinkPlantedAtATemporaryNameIsNeverWrittenThrough) {
    testsupport::TempDir dir;
    const std::string path = dir.File("NxSNMP_PP_BootCounter");
    const std::string target = dir.File("precious");
    WriteAll(target, "keep me\n");
    std::filesystem::create_symlink(target, path + ".tmp");
    WriteAll(path, EncodeEngineId(Engine) + " 4\n");
    ASSERT_EQ(SaveBootCounter(path, Engine, 5), BootCounterOk);
    EXPECT_EQ(ReadAll(target), "keep me\n");
    EXPECT_EQ(ReadAll(path), EncodeEngineId(Engine) + " 5\n");
    EXPECT_TRUE(std::filesystem::is_symlink(path + ".tmp"));
    // Nothing else is left behind.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 3);
}

TEST(BootCounter, AFifoInPlaceOfTheFileIsReadAsEmptyAndReplaced) {
    testsupport::TempDir dir;
    const std::string path = dir.File("NxSNMP_PP_BootCounter");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    uint32_t boots = 7;
    EXPECT_EQ(GetBootCounter(path, Engine, boots), BootCounterOpenError);
    EXPECT_EQ(boots, 0u);
    ASSERT_EQ(SaveBootCounter(path, Engine, 1), BootCounterOk);
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(ReadAll(path), EncodeEngineId(Engine) + " 1\n");
}
