#pragma once
// What the access-control dialogs' tests share: the columns and values a logged SET carries.
#include "DedicatedDialogFixture.h"

#include "StdCtrls.h"
#include "Strings.h"

#include <algorithm>
#include <string>
#include <vector>

namespace acltest {

// The column numbers of the varbinds under entry in a logged PDU line, in their order.
inline std::vector<int> Columns(const std::string& pdu, const std::string& entry) {
    std::vector<int> columns;
    for (const std::string& varbind : simdialog::Varbinds(pdu)) {
        if (varbind.rfind(entry + ".", 0) != 0) continue;
        columns.push_back(std::stoi(varbind.substr(entry.size() + 1)));
    }
    return columns;
}

// The value text of the varbind of column in a logged PDU line ("INTEGER:4"), empty when it is not there.
inline std::string ValueOf(const std::string& pdu, const std::string& entry, int column) {
    const std::string prefix = entry + "." + std::to_string(column) + ".";
    for (const std::string& varbind : simdialog::Varbinds(pdu))
        if (varbind.rfind(prefix, 0) == 0) return varbind.substr(varbind.find('=') + 1);
    return {};
}

// An octet-string value of the PDU log ("HEX:7C" or, printable, "STRING:\"|\"") as upper-case hex digits.
inline std::string OctetsHex(const std::string& value) {
    if (value.rfind("HEX:", 0) == 0) return value.substr(4);
    if (value.rfind("STRING:\"", 0) != 0 || value.size() < 9) return "?" + value;
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : value.substr(8, value.size() - 9)) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

}  // namespace acltest
