#pragma once
// The SNMPv3 engine-boots file: one line per engine ID, the ID written two characters per octet
// ('@' + high nibble, '@' + low nibble), a blank, the boot count in decimal. Lines starting with '#' are comments.
#include <cstdint>
#include <string>

namespace snmp {

enum BootCounterResult : int {
    BootCounterOk = 0,
    BootCounterNoEntry = -1,    // the file has no line for the engine ID
    BootCounterOpenError = -2,  // the file cannot be opened (as when it does not exist yet)
    BootCounterCreateError = -3,
    BootCounterWriteError = -4,
    BootCounterRenameError = -5,
};

// The engine ID in the file's two-characters-per-octet form.
std::string EncodeEngineId(const std::string& engineId);

// Reads the count of the first line for engineId. boots is set to 0 first.
int GetBootCounter(const std::string& path, const std::string& engineId, uint32_t& boots);

// Writes boots for engineId: in place of the first line for it (later ones are dropped) or at the end, through a
// new file created next to it (path + ".XXXXXX", never an existing name) that then replaces it. Other lines keep
// their order. A path that is not a regular file (missing, a FIFO) is read as empty.
int SaveBootCounter(const std::string& path, const std::string& engineId, uint32_t boots);

} // namespace snmp
