#include "NxIni.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class NxIniTest : public ::testing::Test {
protected:
    std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("qsw_ini_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ini");

    void SetUp() override {
        std::ofstream(path, std::ios::binary)
            << "; a comment\r\n"
               "[Device]\r\n"
               "Version=  5  \r\n"
               "Blank=\r\n"
               "  ReadCommunity = public \r\n"
               "Quoted=\"  spaced  \"\r\n"
               "\r\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath]\n"
               "Path=/opt/halvex/bin\n"
               "[Other]\n"
               "Version=9\n";
    }
    void TearDown() override { std::filesystem::remove(path); }
};

} // namespace

TEST_F(NxIniTest, ReadsTrimmedValuesWithoutRegardToCase) {
    NxIni ini(path.string());
    struct Case { const char* section; const char* key; const char* def; const char* expected; };
    const Case cases[] = {
        {"Device", "Version", "", "5"},
        {"device", "VERSION", "", "5"},
        {"Device", "readcommunity", "", "public"},
        {"Other", "Version", "", "9"},
        {"Device", "Quoted", "", "spaced"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath", "Path", "", "/opt/halvex/bin"},
        {"hkey_local_machine\\software\\vantrel\\halvex5.1\\exepath", "path", "", "/opt/halvex/bin"},
    };
    for (const Case& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key, c.def), c.expected) << c.section << "/" << c.key;
}

TEST_F(NxIniTest, MissingOrEmptyValuesGiveTheDefault) {
    NxIni ini(path.string());
    EXPECT_EQ(ini.ReadString("Device", "Missing", "abc"), "abc");
    EXPECT_EQ(ini.ReadString("Device", "Missing", "  abc "), "abc");  // a non-empty default comes back trimmed
    EXPECT_EQ(ini.ReadString("Device", "Blank", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Nowhere", "Version", "x"), "x");
    EXPECT_EQ(ini.ReadString("Device", "Missing", ""), "");
    EXPECT_EQ(ini.ReadString("Device", "Missing", "  "), "  ");  // nothing reported: the default unchanged
}

TEST_F(NxIniTest, MissingFileGivesTheDefault) {
    NxIni ini(path.string() + ".missing");
    EXPECT_EQ(ini.ReadString("Device", "Version", "1"), "1");
}

TEST_F(NxIniTest, LongValueIsCutAtTheBuffer) {
    std::ofstream(path, std::ios::binary) << "[S]\nK=" << std::string(5000, 'v') << "\n";
    EXPECT_EQ(NxIni(path.string()).ReadString("S", "K", "").size(), 4095u);
}
