#include "NxSNMPError.h"

#include "Exception.h"
#include "ReadableFile.h"

#include <filesystem>
#include <fstream>

NxMessageTable::NxMessageTable(std::initializer_list<const char*> texts) {
    texts_.reserve(texts.size());
    for (const char* t : texts) texts_.emplace_back(t);
}

const std::string& NxMessageTable::operator[](size_t index) const {
    static const std::string empty;
    return index < texts_.size() ? texts_[index] : empty;
}

NxMessageTable CommonErrorMessages = {
    " Ok!",
    " Bad logic operand!",
    " Bad format specifier of edit's constraint!",
    " Empty value is not allowed!",
    " Please enter a string whose length is less than [MAXLEN]!",
    " Please enter a string whose length is [LEN]!",
    " Please enter a hex string whose length is less than [MAXLEN]!",
    " Please enter a hex string whose length is [LEN]!",
    " Please enter a number between [MIN] and [MAX]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    " Out of range at index of array or list!",
    " Destination buffer is undersize!",
    " The source to dncrypt is not encrypted!",
    " Fail to read data from file([FILENAME])!",
    " Fail to write data to file([FILENAME])!",
    " Fail to write value in ini file([FILENAME])!",
    " Fail to read option data from file([FILENAME])!",
    " Please enter a valid IP address!",
    " Please enter a valid multicast IP address!",
    " Please enter a valid IPV6 address!",
    " Please enter a valid multicast IPV6 address!",
    " Please enter a valid MAC address!",
    " Please enter a valid multicast MAC address!",
    " Please enter a valid unicast MAC address!",
};

NxMessageTable SnmpErrorMessages = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

NxMessageTable SnmpV3ErrorMessages = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

NxMessageTable SnmpUsmErrorMessages = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

NxMessageTable SnmpClassErrorMessages = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

NxMessageTable NxSNMPErrorMessages = {
    "Ok!",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global ZiREVU++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Null value in the expression!",
    "Bad SNMP syntax in the expression!",
    "Bad key count of SNMP variable list!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
};

NxMessageTable SnmpStatusTemplates = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

namespace {

constexpr size_t kUnknownIndex = 28;

size_t IndexFrom(int offset) { return static_cast<size_t>(offset); }

NxSNMPError Result(NxSNMPErrorCode code, const std::string& text) {
    NxSNMPError e;
    e.Code = code;
    e.Message = text;
    return e;
}

} // namespace

NxSNMPError MapSnmpResult(int r) {
    if (r == 0 || r == 1400 || r == -1401) return Result(0, NxSNMPErrorMessages[0]);
    if (r >= 1401 && r <= 1414) return Result(1100 - r, SnmpUsmErrorMessages[IndexFrom(r - 1401)]);
    if (r >= -1418 && r <= -1402) return Result(r + 1201, SnmpV3ErrorMessages[IndexFrom(-1402 - r)]);
    if (r >= 1 && r <= 18) return Result(-100 - r, SnmpErrorMessages[IndexFrom(r - 1)]);
    if (r >= -23 && r <= -1) return Result(r - 400, SnmpClassErrorMessages[IndexFrom(-1 - r)]);
    return Result(NxErrUnknown, NxSNMPErrorMessages[kUnknownIndex]);
}

std::string NxSNMPErrorText(int code) {
    if (code == 0) return NxSNMPErrorMessages[0];
    if (code == -1 || code == -2) return CommonErrorMessages[IndexFrom(-code)];
    if (code <= -101 && code >= -118) return SnmpErrorMessages[IndexFrom(-101 - code)];
    if (code <= -201 && code >= -217) return SnmpV3ErrorMessages[IndexFrom(-201 - code)];
    if (code <= -301 && code >= -314) return SnmpUsmErrorMessages[IndexFrom(-301 - code)];
    if (code <= -401 && code >= -423) return SnmpClassErrorMessages[IndexFrom(-401 - code)];
    if (code <= -501 && code >= -528) return NxSNMPErrorMessages[IndexFrom(-500 - code)];
    return NxSNMPErrorMessages[kUnknownIndex];
}

void RaiseNxSNMPError(int code) {
    throw Exception(NxSNMPErrorText(code), code);
}

std::string NamedErrorText(const std::string& message, const std::string& subject) {
    return subject.empty() ? message : message + " (" + subject + ")";
}

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool HasText(const std::string& line) {
    for (char c : line)
        if (!IsBlankOrControl(c)) return true;
    return false;
}

// The non-empty lines of a file, each without its line end. A line is read whole, however long.
bool ReadMessageLines(const std::string& path, std::vector<std::string>& lines) {
    if (const std::string why = files::WhyNotRead(path); !why.empty())
        throw Exception("The message file " + path + " " + why + ": its texts are not loaded.");
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        bool endedByLineFeed = !in.eof();
        if (endedByLineFeed && !line.empty() && line.back() == '\r') line.pop_back();
        if (HasText(line)) lines.push_back(line);
    }
    return true;
}

} // namespace

void LoadMessageFile(NxMessageTable& table, const std::string& path) {
    std::vector<std::string> lines;
    if (!ReadMessageLines(path, lines) || lines.empty()) return;
    // A short file keeps the current texts of the indexes it does not reach.
    for (size_t i = lines.size(); i < table.Size(); ++i) lines.push_back(table[i]);
    table.Replace(std::move(lines));
}
