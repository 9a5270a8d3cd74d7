#pragma once
// The device settings of a start: the command line and the per-device settings file "<address>.cfg" fill the
// device defaults that every request copies, and keep a text copy of each setting for the host tools.
#include "NxSNMPSession.h"

#include <array>
#include <string>
#include <vector>

// The device address given with "/I"; every dialog's caption names it.
extern std::string DeviceAddressText;

// Indexes of the text copies, in the order the host-tool launcher reads them.
enum DeviceSettingIndex : size_t {
    dsAddress,
    dsReadCommunity,
    dsWriteCommunity,
    dsAgentPort,
    dsVersion,  // as read from the settings file
    dsSecurityName,
    dsAuthPassword,
    dsPrivPassword,
    dsAuthProtocol,
    dsPrivProtocol,
    dsContextEngineID,
    dsSecurityLevel,
    dsContextName,
    dsSecurityModel,
    DeviceSettingCount
};
using DeviceSettingTextList = std::array<std::string, DeviceSettingCount>;

// The three device-default records as one value.
struct DeviceDefaults {
    NxSNMPDevice Device;
    NxSNMPScope Scope;
    NxSNMPSecurity Security;

    static DeviceDefaults Current();  // copies of DefaultSNMPDevice, DefaultSNMPScope, DefaultSNMPSecurity
    void MakeCurrent() const;
};

inline constexpr const char* DeviceConfigSection = "Program Information";

// The settings file of address: configuration directory, address, ".cfg".
std::string DeviceConfigFilePath(const std::string& configDirectory, const std::string& address);

// Applies every key of the settings file at path, in file-table order. A key that must be an integer and is not
// (a missing one included) raises Exception naming the file and the key; keys before it stay applied.
void ApplyDeviceConfigFile(const std::string& path, DeviceDefaults& defaults, DeviceSettingTextList& texts);

// Applies one argument: an "/I" argument sets the address; any other first puts back the settings file of the
// current address (when it exists), then applies the first option of the table that occurs in it. The SNMPv3
// options count only when the settings file's "Version" reads "3" or the version code is 3.
// Raises Exception for an address holding a path separator and for an integer option that is not an integer.
void ApplyCommandLineArgument(const std::string& argument, const std::string& configDirectory,
                              DeviceDefaults& defaults, DeviceSettingTextList& texts);

// Applies the arguments in order (the program name not among them).
void ApplyCommandLine(const std::vector<std::string>& arguments, const std::string& configDirectory,
                      DeviceDefaults& defaults, DeviceSettingTextList& texts);

// The status line for a switch that gave no answer: the agent and version asked, and the settings file looked for
// when none was found there (the port then is the default or an option's).
std::string SilentDeviceText(const NxSNMPDevice& device, uint8_t version, const std::string& configDirectory,
                             const std::string& addressText);

// Text to integer: optional blanks and sign, decimal digits or "$" / "0x" hexadecimal,
// 32 bits. Raises Exception "'text' is not a valid integer value" for anything else.
int32_t StrToInt(const std::string& text);
