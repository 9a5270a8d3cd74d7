#include "DeviceStartup.h"

#include "Exception.h"
#include "SnmpdAgent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using Fields = std::map<std::string, std::string>;

// Every device default and text copy by name, for comparing only the ones a case names.
Fields Describe(const DeviceDefaults& d, const DeviceSettingTextList& t) {
    const NxSNMPSecurity& s = d.Security;
    return {
        {"Address", d.Device.Address},
        {"Port", std::to_string(d.Device.Port)},
        {"ContextEngineID", d.Scope.ContextEngineID},
        {"ContextName", d.Scope.ContextName},
        {"Version", std::to_string(s.Version)},
        {"ReadCommunity", s.ReadCommunity},
        {"WriteCommunity", s.WriteCommunity},
        {"SecurityModel", std::to_string(s.SecurityModel)},
        {"SecurityLevel", std::to_string(s.SecurityLevel)},
        {"SecurityName", s.SecurityName},
        {"AuthPassword", s.AuthPassword},
        {"PrivPassword", s.PrivPassword},
        {"AuthProtocol", std::to_string(s.AuthProtocol)},
        {"PrivProtocol", std::to_string(s.PrivProtocol)},
        {"text:Address", t[dsAddress]},
        {"text:ReadCommunity", t[dsReadCommunity]},
        {"text:WriteCommunity", t[dsWriteCommunity]},
        {"text:AgentPort", t[dsAgentPort]},
        {"text:Version", t[dsVersion]},
        {"text:SecurityName", t[dsSecurityName]},
        {"text:AuthPassword", t[dsAuthPassword]},
        {"text:PrivPassword", t[dsPrivPassword]},
        {"text:AuthProtocol", t[dsAuthProtocol]},
        {"text:PrivProtocol", t[dsPrivProtocol]},
        {"text:ContextEngineID", t[dsContextEngineID]},
        {"text:SecurityLevel", t[dsSecurityLevel]},
        {"text:ContextName", t[dsContextName]},
        {"text:SecurityModel", t[dsSecurityModel]},
    };
}

// The defaults as the session start leaves them.
DeviceDefaults SessionDefaults() {
    ResetSnmpDefaults();
    return DeviceDefaults::Current();
}

const char* const V3File =
    "[Program Information]\n"
    "AgentPort=1161\nVersion=3\nContextName=ctx\nContextEngineID=engine\nSecurityModel=3\n"
    "SecurityLevel=2\nSecurityName=alpha\nAuthProtocol=1\nPrivProtocol=1\n"
    "AuthPassword=authpass1\nPrivPassword=privpass1\n";

const char* const V2cFile =
    "[Program Information]\n"
    "AgentPort=2161\nVersion=1\nContextName=\nContextEngineID=\nSecurityModel=2\n"
    "SecurityLevel=0\nSecurityName=\nAuthProtocol=0\nPrivProtocol=0\nAuthPassword=\nPrivPassword=\n";

struct CommandLineCase {
    const char* name;
    const char* file;  // settings file of 10.0.0.1, or nullptr
    std::vector<std::string> arguments;
    Fields expected;
};

class DeviceStartupTest : public ::testing::Test {
protected:
    testsupport::TempDir configDir;

    void WriteSettings(const std::string& address, const std::string& text) {
        std::ofstream(DeviceConfigFilePath(configDir.Path(), address)) << text;
    }
    Fields Run(const std::vector<std::string>& arguments, DeviceDefaults defaults = SessionDefaults()) {
        DeviceSettingTextList texts;
        ApplyCommandLine(arguments, configDir.Path(), defaults, texts);
        return Describe(defaults, texts);
    }
    std::string ErrorOf(const std::vector<std::string>& arguments) {
        DeviceDefaults defaults = SessionDefaults();
        DeviceSettingTextList texts;
        try {
            ApplyCommandLine(arguments, configDir.Path(), defaults, texts);
        } catch (const Exception& error) {
            return error.Message;
        }
        return "no error";
    }
};

}  // namespace

TEST_F(DeviceStartupTest, CommandLinesGiveTheirDeviceDefaults) {
    const CommandLineCase cases[] = {
        {"address and read community", nullptr, {"/I10.0.0.1", "/Rabc"},
         {{"Address", "10.0.0.1"}, {"text:Address", "10.0.0.1"}, {"ReadCommunity", "abc"}, {"text:ReadCommunity", "abc"},
          {"WriteCommunity", "harbour"}, {"Port", "161"}, {"Version", "0"}}},
        {"an option is found anywhere in its argument", nullptr, {"x/Iy"}, {{"Address", "y"}}},
        {"/I is looked for first", nullptr, {"/Rab/Icd"}, {{"Address", "cd"}, {"ReadCommunity", "tundra"}}},
        {"/R comes before /W", nullptr, {"/Wab/Rcd"}, {{"ReadCommunity", "cd"}, {"WriteCommunity", "harbour"}}},
        {"options are case-sensitive", nullptr, {"/i10.0.0.1", "/r1", "/w2"},
         {{"Address", "127.0.0.1"}, {"ReadCommunity", "tundra"}, {"WriteCommunity", "harbour"}}},
        {"/v1 is SNMPv2c, and its text copy stays empty", nullptr, {"/I10.0.0.1", "/v1"},
         {{"Version", "1"}, {"text:Version", ""}}},
        {"/v takes the low byte", nullptr, {"/v259"}, {{"Version", "3"}}},
        {"SNMPv3 options don't count below version 3", nullptr, {"/I10.0.0.1", "/v1", "/t1161", "/nuser", "/l3"},
         {{"Port", "161"}, {"SecurityName", ""}, {"SecurityLevel", "1"}}},
        {"/v3 makes them count", nullptr, {"/I1.2.3.4", "/v3", "/nuser", "/t1161", "/l2", "/a3", "/p2"},
         {{"SecurityName", "user"}, {"text:SecurityName", "user"}, {"Port", "1161"}, {"text:AgentPort", "1161"},
          {"SecurityLevel", "2"}, {"text:SecurityLevel", "2"}, {"AuthProtocol", "3"}, {"PrivProtocol", "2"},
          {"text:AuthProtocol", "3"}, {"text:PrivProtocol", "2"}}},
        {"SNMPv3 texts", nullptr, {"/v3", "/cctx", "/dengine", "/m3", "/Aauthpass", "/Pprivpass"},
         {{"ContextName", "ctx"}, {"ContextEngineID", "engine"}, {"SecurityModel", "3"}, {"AuthPassword", "authpass"},
          {"PrivPassword", "privpass"}, {"text:ContextName", "ctx"}, {"text:ContextEngineID", "engine"},
          {"text:SecurityModel", "3"}, {"text:AuthPassword", "authpass"}, {"text:PrivPassword", "privpass"}}},
        {"empty texts set the default but not the text copy", nullptr, {"/v3", "/cctx", "/c", "/Aab", "/A"},
         {{"ContextName", ""}, {"text:ContextName", "ctx"}, {"AuthPassword", ""}, {"text:AuthPassword", "ab"}}},
        {"level 0 leaves the text copy", nullptr, {"/v3", "/l2", "/l0"}, {{"SecurityLevel", "0"}, {"text:SecurityLevel", "2"}}},
        {"a protocol text copy of 0 stays", nullptr, {"/v3", "/a0", "/a2", "/p0", "/p2"},
         {{"AuthProtocol", "2"}, {"text:AuthProtocol", "0"}, {"PrivProtocol", "2"}, {"text:PrivProtocol", "0"}}},
        {"an argument without an option changes nothing", nullptr, {"/I10.0.0.1", "hello", "-x"},
         {{"Address", "10.0.0.1"}, {"ReadCommunity", "tundra"}, {"Version", "0"}}},
        {"the value is the rest of the argument", nullptr, {"ab/Rc/Wd"}, {{"ReadCommunity", "c/Wd"}}},

        {"the settings file is read before the next argument", V3File, {"/I10.0.0.1", "/Rabc"},
         {{"ReadCommunity", "abc"}, {"Port", "1161"}, {"text:AgentPort", "1161"}, {"Version", "3"}, {"text:Version", "3"},
          {"ContextName", "ctx"}, {"ContextEngineID", "engine"}, {"SecurityModel", "3"}, {"SecurityLevel", "3"},
          {"text:SecurityLevel", "3"}, {"SecurityName", "alpha"}, {"AuthProtocol", "2"}, {"PrivProtocol", "2"},
          {"AuthPassword", "authpass1"}, {"PrivPassword", "privpass1"}}},
        {"the settings file is not read without a further argument", V3File, {"/I10.0.0.1"},
         {{"Port", "161"}, {"Version", "0"}, {"text:Version", ""}}},
        {"the settings file's version 3 lets SNMPv3 options count", V3File, {"/I10.0.0.1", "/nbeta"},
         {{"SecurityName", "beta"}, {"text:SecurityName", "beta"}}},
        {"the settings file is read again before each argument", V3File, {"/I10.0.0.1", "/nbeta", "/Rxyz"},
         {{"SecurityName", "alpha"}, {"ReadCommunity", "xyz"}}},
        {"the last argument's option stays", V3File, {"/I10.0.0.1", "/Rxyz", "/nbeta", "/t3000"},
         {{"SecurityName", "alpha"}, {"Port", "3000"}, {"ReadCommunity", "xyz"}}},
        {"communities survive the re-reading", V3File, {"/I10.0.0.1", "/Rr", "/Ww"},
         {{"ReadCommunity", "r"}, {"WriteCommunity", "w"}}},
        {"the settings file's version wins over an earlier /v", V2cFile, {"/I10.0.0.1", "/v3", "/Rx"},
         {{"Version", "1"}, {"text:Version", "1"}}},
        {"a settings file with version 1 keeps SNMPv3 options out", V2cFile, {"/I10.0.0.1", "/t5000"},
         {{"Port", "2161"}, {"Version", "1"}}},
        {"0 in the file leaves level and protocols", V2cFile, {"/I10.0.0.1", "/Rx"},
         {{"SecurityLevel", "1"}, {"text:SecurityLevel", ""}, {"AuthProtocol", "1"}, {"text:AuthProtocol", ""},
          {"PrivProtocol", "1"}, {"text:PrivProtocol", ""}, {"SecurityModel", "2"}, {"ContextName", ""}}},
        {"the settings file of another address is not read", V3File, {"/I10.0.0.2", "/Rx"},
         {{"Port", "161"}, {"Version", "0"}}},
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(DeviceConfigFilePath(configDir.Path(), "10.0.0.1"));
        if (c.file) WriteSettings("10.0.0.1", c.file);
        const Fields actual = Run(c.arguments);
        for (const auto& [field, value] : c.expected) EXPECT_EQ(actual.at(field), value) << field;
    }
}

TEST_F(DeviceStartupTest, TheSettingsFileCountsLevelAndProtocolsFromZero) {
    WriteSettings("10.0.0.1", V3File);
    const Fields file = Run({"/I10.0.0.1", "/Rx"});
    EXPECT_EQ(file.at("SecurityLevel"), "3");
    EXPECT_EQ(file.at("AuthProtocol"), "2");
    // The command line counts as the defaults do.
    const Fields option = Run({"/I10.0.0.1", "/l2"});
    EXPECT_EQ(option.at("SecurityLevel"), "2");
}

TEST_F(DeviceStartupTest, WithoutConfigurationDirectoryTheFileIsTheAddressAlone) {
    EXPECT_EQ(DeviceConfigFilePath("", "10.0.0.1"), "10.0.0.1.cfg");
    EXPECT_EQ(DeviceConfigFilePath("/etc/halvex/Conf/MBF/", "10.0.0.1"), "/etc/halvex/Conf/MBF/10.0.0.1.cfg");
    EXPECT_EQ(DeviceConfigFilePath("/etc/mibs", "10.0.0.1"), "/etc/mibs/10.0.0.1.cfg");
}

TEST_F(DeviceStartupTest, ASettingsFileWithABadIntegerNamesTheFileAndTheKey) {
    const std::string path = DeviceConfigFilePath(configDir.Path(), "10.0.0.1");
    struct Case {
        const char* removed;      // key left out of the v3 file
        const char* replacement;  // or a line put in its place
    };
    const Case cases[] = {
        {"AgentPort", nullptr}, {"Version", nullptr}, {"SecurityModel", nullptr}, {"SecurityLevel", nullptr},
        {"AuthProtocol", nullptr}, {"PrivProtocol", nullptr}, {"Version", "Version=three"},
        {"SecurityLevel", "SecurityLevel=high"}, {"AgentPort", "AgentPort=70000"},
    };
    for (const Case& c : cases) {
        std::string text = V3File;
        const size_t at = text.find(std::string(c.removed) + "=");
        text.replace(at, text.find('\n', at) - at, c.replacement ? c.replacement : "");
        WriteSettings("10.0.0.1", text);
        const std::string message = ErrorOf({"/I10.0.0.1", "/Rx"});
        EXPECT_NE(message.find("\"" + std::string(c.removed) + "\""), std::string::npos) << message;
        EXPECT_NE(message.find(path), std::string::npos) << message;
    }
    // Text keys may be missing.
    WriteSettings("10.0.0.1", "[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=2\n"
                              "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    EXPECT_EQ(ErrorOf({"/I10.0.0.1", "/Rx"}), "no error");
}

TEST_F(DeviceStartupTest, BadIntegerOptionsAndAddressesAreRefused) {
    EXPECT_EQ(ErrorOf({"/I10.0.0.1", "/vx"}), "'x' is not a valid integer value (argument /vx)");
    EXPECT_EQ(ErrorOf({"/v3", "/t"}), "'' is not a valid integer value (argument /t)");
    EXPECT_EQ(ErrorOf({"/v3", "/t65536"}), "'65536' is not a valid port number (argument /t65536)");
    EXPECT_EQ(ErrorOf({"/v3", "/t-1"}), "'-1' is not a valid port number (argument /t-1)");
    EXPECT_EQ(ErrorOf({"/v3", "/l2x"}), "'2x' is not a valid integer value (argument /l2x)");
    EXPECT_EQ(ErrorOf({"/v3", "/t65535"}), "no error");
    // An address names its settings file: it must not lead into another directory.
    for (const char* argument : {"/I../../etc/passwd", "/I10.0.0.1/x", "/Ia\\b", "/I/"}) {
        const std::string message = ErrorOf({argument, "/Rx"});
        EXPECT_NE(message.find("Invalid device address"), std::string::npos) << argument << ": " << message;
    }
}

TEST(StrToIntTest, ConvertsAsTheClassLibraryDoes) {
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case good[] = {{"0", 0},           {"12", 12},         {" 12", 12},   {"-5", -5},  {"+7", 7},
                         {"$1F", 31},        {"0x10", 16},       {"0X1f", 31},  {"007", 7},
                         {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1}};
    for (const Case& c : good) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    for (const char* bad : {"", " ", "-", "12 ", "1.5", "1e3", "2147483648", "-2147483649", "abc", "0x", "$",
                            "$100000000", "1 2"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message, "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}
