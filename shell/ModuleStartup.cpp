#include "ModuleStartup.h"

#include "Exception.h"
#include "HostRegistry.h"
#include "NxSNMPError.h"
#include "NxUtils.h"

namespace {

struct MessageFile {
    const char* Name;
    NxMessageTable& Table;
};

}  // namespace

ModuleKey ReadModuleKey(host::Registry& registry) {
    ModuleKey key;
    key.Opened = registry.OpenKey(ModuleRegistryKey, true);
    if (key.Opened) key.ModulePath = registry.ReadString(ModulePathValue);
    registry.CloseKey();
    return key;
}

std::string ModuleDirectory(const std::string& modulePath) {
    if (modulePath.size() <= ModuleFileNameLength) return "";
    return modulePath.substr(0, modulePath.size() - ModuleFileNameLength);
}

std::vector<std::string> LoadModuleMessageFiles(const std::string& moduleDirectory) {
    // The order is the order of the tables' start-up.
    const MessageFile files[] = {
        {"errmsg/common.err", CommonErrorMessages},      {"errmsg/snmp.err", SnmpErrorMessages},
        {"errmsg/snmpv3.err", SnmpV3ErrorMessages},      {"errmsg/snmpusm.err", SnmpUsmErrorMessages},
        {"errmsg/snmpclass.err", SnmpClassErrorMessages}, {"errmsg/nxsnmp.err", NxSNMPErrorMessages},
        {"errmsg/snmp.msg", SnmpStatusTemplates},
    };
    std::vector<std::string> refused;
    for (const MessageFile& file : files) {
        try {
            LoadMessageFile(file.Table, JoinPath(moduleDirectory, file.Name));
        } catch (const Exception& error) {
            refused.push_back(error.Message);
        }
    }
    return refused;
}

std::string ReadHostProgramDirectory(host::Registry& registry) {
    std::string directory;
    if (registry.OpenKey(HostExePathKey, false)) directory = registry.ReadString(HostPathValue);
    registry.CloseKey();
    return directory;
}

std::string ReadConfigurationDirectory(host::Registry& registry) {
    std::string directory;
    if (registry.OpenKey(HostExePathKey, false))
        directory = JoinPath(registry.ReadString(HostPathValue), HostConfigSubdirectory);
    if (registry.OpenKey(HostMibFileKey, false)) directory = registry.ReadString(HostPathValue);
    registry.CloseKey();
    return directory;
}
