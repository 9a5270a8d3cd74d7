// Temporary texts until the error-code tables land; removed then.
#include <string>

std::string NxSNMPErrorText(int code) {
    switch (code) {
    case -506: return "Cannot create the global ZiREVU++ session!";
    case -507: return "Error when loading SNMP engine boots counter!";
    case -508: return "Error when saving SNMP engine boots counter!";
    default: return "Unknown error code!";
    }
}
