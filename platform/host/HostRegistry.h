#pragma once
// The host system's registry, read only. It lives in an INI file with one section per key path under its root,
// for example
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Vantrel\Halvex5.1\ExePath]
//   Path=/opt/halvex/bin/
// Section (key) and value names compare without regard to case; values are used as written, trimmed of the
// blanks around them. Nothing is ever written.
#include <map>
#include <optional>
#include <string>

namespace host {

inline constexpr const char* RegistryFileVariable = "VANTREL_REGISTRY";
inline constexpr const char* LocalMachineRoot = "HKEY_LOCAL_MACHINE";

// The registry file: $VANTREL_REGISTRY when set, else Vantrel/registry.ini under $XDG_CONFIG_HOME
// (~/.config), else the first existing Vantrel/registry.ini under $XDG_CONFIG_DIRS (/etc/xdg).
// Empty when none of these names an existing file (the registry is then empty).
std::string RegistryFilePath();

class Registry {
public:
    // The registry found by RegistryFilePath(), rooted at HKEY_LOCAL_MACHINE.
    Registry();
    explicit Registry(std::string filePath);

    const std::string& FilePath() const { return filePath_; }
    // The message for a registry file that is there but is no regular file, or is beyond 16 MiB (it opens no key);
    // empty otherwise.
    std::string Refusal() const;

    // Opens key, a path under the root ("\SOFTWARE\Vantrel\..."; leading and trailing "\" do not count).
    // A missing key opens only with canCreate, as an empty key (nothing is created in the file).
    // A registry file that exists but cannot be read opens no key.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const { return open_; }

    // A value of the open key; the empty text when it or the key is missing.
    std::string ReadString(const std::string& name) const;
    bool ValueExists(const std::string& name) const;

private:
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Values = std::map<std::string, std::string, NoCaseLess>;

    // The values of section, nothing when the section is missing; false when the file cannot be read.
    bool ReadSection(const std::string& section, std::optional<Values>& values) const;

    std::string filePath_;
    Values values_;
    bool open_ = false;
};

}  // namespace host
