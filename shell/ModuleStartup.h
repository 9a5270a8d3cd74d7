#pragma once
// What the module takes from the host at start-up: its registered path (and from it the directory of its
// message files) and the host's configuration directory, where the per-device settings files lie.
#include <string>
#include <vector>

namespace host {
class Registry;
}

inline constexpr const char* ModuleRegistryKey = "\\SOFTWARE\\Vantrel\\Modules\\HelpPath";
inline constexpr const char* ModulePathValue = "1.3.6.1.4.1.32473.11.70.7";
inline constexpr const char* HostExePathKey = "\\SOFTWARE\\Vantrel\\Halvex5.1\\ExePath";
inline constexpr const char* HostMibFileKey = "\\SOFTWARE\\Vantrel\\Halvex5.1\\MibFile";
inline constexpr const char* HostPathValue = "Path";
inline constexpr const char* HostConfigSubdirectory = "../Conf/MBF/";

// Length of the module's file name ("qsw2126p-mgr"): the registered path less this many characters is its directory.
inline constexpr size_t ModuleFileNameLength = 12;

struct ModuleKey {
    bool Opened = false;      // the key opened (with creation allowed, so unless the registry cannot be read)
    std::string ModulePath;   // empty when the key or the value is missing
};

// Opens the module's key, allowing creation, and reads the registered path.
ModuleKey ReadModuleKey(host::Registry& registry);

// The first (length - 12) characters of the module path; empty for a path of 12 characters or fewer.
std::string ModuleDirectory(const std::string& modulePath);

// Loads the seven message files from the module directory, each replacing its message table; a missing file
// leaves its table as it is. Gives the message for each file refused (one that is not a regular file).
std::vector<std::string> LoadModuleMessageFiles(const std::string& moduleDirectory);

// The host's program directory (the ExePath key's "Path"), where its companion tools lie; empty when the key is missing.
std::string ReadHostProgramDirectory(host::Registry& registry);

// The host's "Path" followed by "../Conf/MBF/", replaced by the MibFile key's "Path" when that key opens;
// empty when neither opens.
std::string ReadConfigurationDirectory(host::Registry& registry);
