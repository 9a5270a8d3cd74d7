#include "HostRegistry.h"

#include "SnmpdAgent.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

namespace fs = std::filesystem;

// Sets an environment variable (or removes it, for nullopt) and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

void WriteFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class HostRegistryTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::string file = dir.File("registry.ini");

    void SetUp() override {
        WriteFile(file,
                  "; the host's registry\r\n"
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Modules\\HelpPath]\r\n"
                  "1.3.6.1.4.1.32473.11.70.7 = /opt/vantrel/modules/qsw2126p-mgr \r\n"
                  "[hkey_local_machine\\software\\vantrel\\halvex5.1\\exepath]\n"
                  "Path=C:\\Halvex\\bin\\\n"
                  "Other=a=b\n"
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\Empty]\n");
    }
};

}  // namespace

TEST_F(HostRegistryTest, ReadsValuesOfAKeyWithoutRegardToCase) {
    host::Registry registry(file);
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Modules\\HelpPath", false));
    EXPECT_EQ(registry.ReadString("1.3.6.1.4.1.32473.11.70.7"), "/opt/vantrel/modules/qsw2126p-mgr");
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath", false));
    EXPECT_EQ(registry.ReadString("Path"), "C:\\Halvex\\bin\\");  // as written: no separator is changed
    EXPECT_EQ(registry.ReadString("path"), "C:\\Halvex\\bin\\");
    EXPECT_EQ(registry.ReadString("Other"), "a=b");
    EXPECT_EQ(registry.ReadString("Missing"), "");
    EXPECT_FALSE(registry.ValueExists("Missing"));
    // The same key without the leading separator, or with a trailing one.
    EXPECT_TRUE(registry.OpenKey("SOFTWARE\\Vantrel\\Halvex5.1\\ExePath\\", false));
    EXPECT_EQ(registry.ReadString("Path"), "C:\\Halvex\\bin\\");
}

TEST_F(HostRegistryTest, AMissingKeyOpensOnlyWithCreationAndStaysEmpty) {
    const auto before = fs::last_write_time(file);
    const auto size = fs::file_size(file);
    host::Registry registry(file);
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\MibFile", false));
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_EQ(registry.ReadString("Path"), "");

    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\MibFile", true));
    EXPECT_TRUE(registry.HasCurrentKey());
    EXPECT_EQ(registry.ReadString("Path"), "");
    // Nothing is written.
    EXPECT_EQ(fs::last_write_time(file), before);
    EXPECT_EQ(fs::file_size(file), size);
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\MibFile", false));

    // A key with no values exists.
    EXPECT_TRUE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\Empty", false));
}

TEST_F(HostRegistryTest, OpeningAnotherKeyForgetsTheValuesOfTheFirst) {
    host::Registry registry(file);
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath", false));
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\Empty", false));
    EXPECT_EQ(registry.ReadString("Path"), "");
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath", false));
    registry.CloseKey();
    EXPECT_EQ(registry.ReadString("Path"), "");
}

TEST_F(HostRegistryTest, NoFileIsAnEmptyRegistry) {
    for (const std::string& path : {std::string(), dir.File("missing.ini")}) {
        host::Registry registry(path);
        EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath", false)) << path;
        EXPECT_TRUE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Modules\\HelpPath", true)) << path;
        EXPECT_EQ(registry.ReadString("1.3.6.1.4.1.32473.11.70.7"), "") << path;
    }
}

TEST_F(HostRegistryTest, AnUnreadableFileOpensNoKey) {
    host::Registry registry(dir.Path());  // a directory where the file should be
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Modules\\HelpPath", true));
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath", false));
}

TEST_F(HostRegistryTest, TheFileIsFoundThroughTheEnvironment) {
    const std::string home = dir.File("home"), configHome = dir.File("config"), systemA = dir.File("xdgA"),
                      systemB = dir.File("xdgB");
    WriteFile(systemB + "/Vantrel/registry.ini", "");
    ScopedEnv noForced("VANTREL_REGISTRY", std::nullopt);
    ScopedEnv homeEnv("HOME", home);
    ScopedEnv configHomeEnv("XDG_CONFIG_HOME", configHome);
    ScopedEnv configDirsEnv("XDG_CONFIG_DIRS", systemA + ":" + systemB);

    // Only the system directories hold one: the first of them that does.
    EXPECT_EQ(host::RegistryFilePath(), systemB + "/Vantrel/registry.ini");
    WriteFile(systemA + "/Vantrel/registry.ini", "");
    EXPECT_EQ(host::RegistryFilePath(), systemA + "/Vantrel/registry.ini");
    // The user's own comes before them.
    WriteFile(configHome + "/Vantrel/registry.ini", "");
    EXPECT_EQ(host::RegistryFilePath(), configHome + "/Vantrel/registry.ini");
    {
        // Without XDG_CONFIG_HOME the user's configuration is ~/.config.
        ScopedEnv unsetConfigHome("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(host::RegistryFilePath(), systemA + "/Vantrel/registry.ini");
        WriteFile(home + "/.config/Vantrel/registry.ini", "");
        EXPECT_EQ(host::RegistryFilePath(), home + "/.config/Vantrel/registry.ini");
    }
    // VANTREL_REGISTRY names the file, whether it exists or not.
    ScopedEnv forced("VANTREL_REGISTRY", file);
    EXPECT_EQ(host::RegistryFilePath(), file);
    EXPECT_EQ(host::Registry().FilePath(), file);
}

TEST_F(HostRegistryTest, NoFileFoundGivesNoPath) {
    ScopedEnv noForced("VANTREL_REGISTRY", std::nullopt);
    ScopedEnv configHomeEnv("XDG_CONFIG_HOME", dir.File("none"));
    ScopedEnv configDirsEnv("XDG_CONFIG_DIRS", dir.File("none1") + ":" + dir.File("none2"));
    EXPECT_EQ(host::RegistryFilePath(), "");
}
