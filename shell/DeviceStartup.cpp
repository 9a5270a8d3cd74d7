#include "DeviceStartup.h"

#include "Exception.h"
#include "NxIni.h"
#include "NxUtils.h"
#include "ReadableFile.h"

#include <cctype>
#include <filesystem>
#include <limits>
#include <system_error>

std::string DeviceAddressText;

namespace {

[[noreturn]] void RaiseNotAnInteger(const std::string& text, const std::string& where) {
    throw Exception("'" + text + "' is not a valid integer value (" + where + ")");
}

int32_t IntegerOf(const std::string& text, const std::string& where) {
    try {
        return StrToInt(text);
    } catch (const Exception&) {
        RaiseNotAnInteger(text, where);
    }
}

// Agent ports are 16 bits; a larger number would silently name another port.
uint16_t PortOf(const std::string& text, const std::string& where) {
    const int32_t port = IntegerOf(text, where);
    if (port < 0 || port > std::numeric_limits<uint16_t>::max())
        throw Exception("'" + text + "' is not a valid port number (" + where + ")");
    return static_cast<uint16_t>(port);
}

// The settings file counts security level and protocols from 0, the device defaults from 1.
int32_t CountedFromOne(int32_t fileNumber) {
    return static_cast<int32_t>(static_cast<uint32_t>(fileNumber) + 1u);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Whether the settings file is there to be read. A name that is there but is no regular file (a FIFO would block
// the start), or a file beyond 16 MiB, raises Exception naming it, as a settings file that cannot be read does.
bool SettingsFileFound(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return false;
    if (const std::string why = files::WhyNotRead(path); !why.empty())
        throw Exception("The settings file " + path + " " + why);
    return true;
}

// A device address names its settings file, so it must not reach into another directory.
void CheckAddress(const std::string& address) {
    if (address.find_first_of("/\\") != std::string::npos)
        throw Exception("Invalid device address \"" + address + "\": it must not contain \"/\" or \"\\\"");
}

class ConfigFileReader {
public:
    explicit ConfigFileReader(const std::string& path) : path_(path), ini_(path) {}

    std::string Text(const char* key) const { return ini_.ReadString(DeviceConfigSection, key, ""); }
    int32_t Integer(const char* key) const {
        return IntegerOf(Text(key), "key \"" + std::string(key) + "\" of " + path_);
    }
    uint16_t Port(const char* key) const { return PortOf(Text(key), "key \"" + std::string(key) + "\" of " + path_); }

private:
    std::string path_;
    NxIni ini_;
};

bool V3OptionsCount(const DeviceDefaults& defaults, const DeviceSettingTextList& texts) {
    return texts[dsVersion] == "3" || defaults.Security.Version == 3;
}

struct CommandOption {
    const char* Chars;
    bool V3Only;
    void (*Apply)(const std::string& value, const std::string& argument, DeviceDefaults& d, DeviceSettingTextList& t);
};

// Options in the order they are looked for; the first that occurs in an argument is the one applied.
const CommandOption CommandOptions[] = {
    {"/R", false,
     [](const std::string& v, const std::string&, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.ReadCommunity = v;
         t[dsReadCommunity] = v;
     }},
    {"/W", false,
     [](const std::string& v, const std::string&, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.WriteCommunity = v;
         t[dsWriteCommunity] = v;
     }},
    {"/v", false,
     [](const std::string& v, const std::string& a, DeviceDefaults& d, DeviceSettingTextList&) {
         // The version text copy keeps what the settings file said.
         d.Security.Version = static_cast<uint8_t>(IntegerOf(v, "argument " + a));
     }},
    {"/t", true,
     [](const std::string& v, const std::string& a, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Device.Port = PortOf(v, "argument " + a);
         t[dsAgentPort] = std::to_string(d.Device.Port);
     }},
    {"/c", true,
     [](const std::string& v, const std::string&, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Scope.ContextName = v;
         if (!v.empty()) t[dsContextName] = v;
     }},
    {"/d", true,
     [](const std::string& v, const std::string&, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Scope.ContextEngineID = v;
         t[dsContextEngineID] = v;
     }},
    {"/m", true,
     [](const std::string& v, const std::string& a, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.SecurityModel = IntegerOf(v, "argument " + a);
         t[dsSecurityModel] = std::to_string(d.Security.SecurityModel);
     }},
    {"/l", true,
     [](const std::string& v, const std::string& a, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.SecurityLevel = IntegerOf(v, "argument " + a);
         if (d.Security.SecurityLevel != 0) t[dsSecurityLevel] = std::to_string(d.Security.SecurityLevel);
     }},
    {"/n", true,
     [](const std::string& v, const std::string&, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.SecurityName = v;
         t[dsSecurityName] = v;
     }},
    {"/A", true,
     [](const std::string& v, const std::string&, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.AuthPassword = v;
         if (!v.empty()) t[dsAuthPassword] = v;
     }},
    {"/P", true,
     [](const std::string& v, const std::string&, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.PrivPassword = v;
         if (!v.empty()) t[dsPrivPassword] = v;
     }},
    {"/a", true,
     [](const std::string& v, const std::string& a, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.AuthProtocol = IntegerOf(v, "argument " + a);
         if (t[dsAuthProtocol] != "0") t[dsAuthProtocol] = std::to_string(d.Security.AuthProtocol);
     }},
    {"/p", true,
     [](const std::string& v, const std::string& a, DeviceDefaults& d, DeviceSettingTextList& t) {
         d.Security.PrivProtocol = IntegerOf(v, "argument " + a);
         if (t[dsPrivProtocol] != "0") t[dsPrivProtocol] = std::to_string(d.Security.PrivProtocol);
     }},
};

constexpr const char* AddressOption = "/I";

}  // namespace

DeviceDefaults DeviceDefaults::Current() { return {DefaultSNMPDevice, DefaultSNMPScope, DefaultSNMPSecurity}; }

void DeviceDefaults::MakeCurrent() const {
    DefaultSNMPDevice = Device;
    DefaultSNMPScope = Scope;
    DefaultSNMPSecurity = Security;
}

int32_t StrToInt(const std::string& text) {
    const auto fail = [&]() -> int32_t { throw Exception("'" + text + "' is not a valid integer value"); };
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return fail();
    // Decimal numbers must fit 32 signed bits; hexadecimal ones may use all 32 bits.
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        int digit;
        if (std::isdigit(c))
            digit = c - '0';
        else if (base == 16 && std::isxdigit(c))
            digit = std::tolower(c) - 'a' + 10;
        else
            return fail();
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > limit) return fail();
    }
    const uint32_t bits = static_cast<uint32_t>(value);
    return static_cast<int32_t>(negative ? 0u - bits : bits);
}

std::string DeviceConfigFilePath(const std::string& configDirectory, const std::string& address) {
    return JoinPath(configDirectory, address + ".cfg");
}

void ApplyDeviceConfigFile(const std::string& path, DeviceDefaults& defaults, DeviceSettingTextList& texts) {
    const ConfigFileReader file(path);
    NxSNMPSecurity& security = defaults.Security;

    defaults.Device.Port = file.Port("AgentPort");
    texts[dsAgentPort] = std::to_string(defaults.Device.Port);

    security.Version = static_cast<uint8_t>(file.Integer("Version"));
    texts[dsVersion] = file.Text("Version");

    if (const std::string name = file.Text("ContextName"); !name.empty()) {
        defaults.Scope.ContextName = name;
        texts[dsContextName] = name;
    }

    defaults.Scope.ContextEngineID = file.Text("ContextEngineID");
    texts[dsContextEngineID] = defaults.Scope.ContextEngineID;

    security.SecurityModel = file.Integer("SecurityModel");
    texts[dsSecurityModel] = std::to_string(security.SecurityModel);

    if (file.Text("SecurityLevel") != "0") {
        security.SecurityLevel = CountedFromOne(file.Integer("SecurityLevel"));
        texts[dsSecurityLevel] = std::to_string(security.SecurityLevel);
    }

    security.SecurityName = file.Text("SecurityName");
    texts[dsSecurityName] = security.SecurityName;

    if (file.Text("AuthProtocol") != "0") {
        security.AuthProtocol = CountedFromOne(file.Integer("AuthProtocol"));
        texts[dsAuthProtocol] = std::to_string(security.AuthProtocol);
    }
    if (file.Text("PrivProtocol") != "0") {
        security.PrivProtocol = CountedFromOne(file.Integer("PrivProtocol"));
        texts[dsPrivProtocol] = std::to_string(security.PrivProtocol);
    }

    if (const std::string password = file.Text("AuthPassword"); !password.empty()) {
        security.AuthPassword = password;
        texts[dsAuthPassword] = password;
    }
    if (const std::string password = file.Text("PrivPassword"); !password.empty()) {
        security.PrivPassword = password;
        texts[dsPrivPassword] = password;
    }
}

void ApplyCommandLineArgument(const std::string& argument, const std::string& configDirectory,
                              DeviceDefaults& defaults, DeviceSettingTextList& texts) {
    if (const size_t at = argument.find(AddressOption); at != std::string::npos) {
        const std::string address = argument.substr(at + 2);
        CheckAddress(address);
        defaults.Device.Address = address;
        texts[dsAddress] = address;
        return;
    }

    // Each further argument starts again from the settings file.
    if (const std::string path = DeviceConfigFilePath(configDirectory, texts[dsAddress]); SettingsFileFound(path))
        ApplyDeviceConfigFile(path, defaults, texts);

    const bool v3 = V3OptionsCount(defaults, texts);
    for (const CommandOption& option : CommandOptions) {
        if (option.V3Only && !v3) continue;
        const size_t at = argument.find(option.Chars);
        if (at == std::string::npos) continue;
        option.Apply(argument.substr(at + 2), argument, defaults, texts);
        return;
    }
}

std::string SilentDeviceText(const NxSNMPDevice& device, uint8_t version, const std::string& configDirectory,
                             const std::string& addressText) {
    const std::string versionName = version == 0   ? "SNMPv1"
                                    : version == 1 ? "SNMPv2c"
                                    : version == 3 ? "SNMPv3"
                                                   : "SNMP version " + std::to_string(version);
    std::string text = "The switch at " + device.Address + ":" + std::to_string(device.Port) + " (" + versionName +
                       ") does not answer.";
    if (const std::string path = DeviceConfigFilePath(configDirectory, addressText); !FileExists(path))
        text += " No settings file " + path + " was found.";
    return text;
}

void ApplyCommandLine(const std::vector<std::string>& arguments, const std::string& configDirectory,
                      DeviceDefaults& defaults, DeviceSettingTextList& texts) {
    for (const std::string& argument : arguments) ApplyCommandLineArgument(argument, configDirectory, defaults, texts);
}
