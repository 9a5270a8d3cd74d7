#include "ModuleStartup.h"

#include "HostRegistry.h"
#include "MessageTablesGuard.h"
#include "NxSNMPError.h"
#include "SnmpdAgent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

void WriteFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class ModuleStartupTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::string registryFile = dir.File("registry.ini");
    MessageTablesGuard savedTables;
};

}  // namespace

TEST_F(ModuleStartupTest, TheModuleKeyGivesThePathWhenPresent) {
    WriteFile(registryFile,
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Modules\\HelpPath]\n"
              "1.3.6.1.4.1.32473.11.70.7=/opt/vantrel/modules/qsw2126p-mgr\n");
    host::Registry registry(registryFile);
    const ModuleKey key = ReadModuleKey(registry);
    EXPECT_TRUE(key.Opened);
    EXPECT_EQ(key.ModulePath, "/opt/vantrel/modules/qsw2126p-mgr");
    EXPECT_EQ(ModuleDirectory(key.ModulePath), "/opt/vantrel/modules/");
}

TEST_F(ModuleStartupTest, AMissingModuleKeyOpensEmptyAndWritesNothing) {
    WriteFile(registryFile, "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath]\nPath=/opt/halvex/bin/\n");
    const auto size = fs::file_size(registryFile);
    host::Registry registry(registryFile);
    const ModuleKey key = ReadModuleKey(registry);
    EXPECT_TRUE(key.Opened);
    EXPECT_EQ(key.ModulePath, "");
    EXPECT_EQ(fs::file_size(registryFile), size);
    EXPECT_FALSE(registry.OpenKey(ModuleRegistryKey, false));  // not created

    host::Registry none("");
    EXPECT_TRUE(ReadModuleKey(none).Opened);

    host::Registry unreadable(dir.Path());
    const ModuleKey closed = ReadModuleKey(unreadable);
    EXPECT_FALSE(closed.Opened);
    EXPECT_EQ(closed.ModulePath, "");
}

TEST_F(ModuleStartupTest, TheModuleDirectoryIsThePathLessItsLastTwelveCharacters) {
    EXPECT_EQ(ModuleDirectory(""), "");
    EXPECT_EQ(ModuleDirectory("qsw2126p-mgr"), "");
    EXPECT_EQ(ModuleDirectory("/qsw2126p-mgr"), "/");
    EXPECT_EQ(ModuleDirectory("C:\\Vantrel\\QSW2126P.exe"), "C:\\Vantrel\\");
}

TEST_F(ModuleStartupTest, TheConfigurationDirectoryComesFromTheHostKeys) {
    struct Case {
        const char* registry;
        const char* expected;
    };
    const char* exePath = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath]\nPath=/opt/halvex/bin/\n";
    const char* mibFile = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\MibFile]\nPath=/srv/mibs/\n";
    const std::string both = std::string(exePath) + mibFile;
    const Case cases[] = {
        {"", ""},
        {exePath, "/opt/halvex/bin/../Conf/MBF/"},
        {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath]\nPath=/opt/halvex/bin\n",
         "/opt/halvex/bin/../Conf/MBF/"},
        {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath]\n", "../Conf/MBF/"},
        {mibFile, "/srv/mibs/"},
        {both.c_str(), "/srv/mibs/"},
        // An open MibFile key replaces the directory even when its value is missing.
        {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath]\nPath=/opt/halvex/bin/\n"
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\MibFile]\n",
         ""},
    };
    for (const Case& c : cases) {
        WriteFile(registryFile, c.registry);
        host::Registry registry(registryFile);
        EXPECT_EQ(ReadConfigurationDirectory(registry), c.expected) << c.registry;
    }
}

TEST_F(ModuleStartupTest, MessageFilesReplaceTheirTables) {
    const std::string moduleDir = dir.File("module") + "/";
    struct Case {
        const char* file;
        NxMessageTable& table;
    };
    const Case cases[] = {
        {"common.err", CommonErrorMessages},       {"snmp.err", SnmpErrorMessages},
        {"snmpv3.err", SnmpV3ErrorMessages},       {"snmpusm.err", SnmpUsmErrorMessages},
        {"snmpclass.err", SnmpClassErrorMessages}, {"nxsnmp.err", NxSNMPErrorMessages},
        {"snmp.msg", SnmpStatusTemplates},
    };
    for (const Case& c : cases) WriteFile(moduleDir + "errmsg/" + c.file, std::string("first of ") + c.file + "\n");
    const std::string secondOfCommon = CommonErrorMessages[1];

    LoadModuleMessageFiles(moduleDir);
    for (const Case& c : cases) EXPECT_EQ(c.table[0], std::string("first of ") + c.file);
    EXPECT_EQ(CommonErrorMessages[1], secondOfCommon);  // beyond the file's lines the built-in texts stay
}

TEST_F(ModuleStartupTest, AMissingMessageDirectoryLeavesTheBuiltInTexts) {
    const std::string common = CommonErrorMessages[0], status = SnmpStatusTemplates[0];
    LoadModuleMessageFiles(dir.File("nowhere") + "/");
    EXPECT_EQ(CommonErrorMessages[0], common);
    EXPECT_EQ(SnmpStatusTemplates[0], status);
    // An empty directory means the current one; the test runs where there is no errmsg folder.
    ASSERT_FALSE(fs::exists("errmsg"));
    LoadModuleMessageFiles("");
    EXPECT_EQ(CommonErrorMessages[0], common);
}
