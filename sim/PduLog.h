#pragma once
// The log of received PDUs: one line per PDU, for tests to read.
//   SET v2c harbour reqid=7 1.3.6.1.2.1.1.4.0=STRING:"ops" 1.3.6.1.4.1.32473.12.11.1.2.0=INTEGER:1
// v3 lines name the security name in place of the community. GETBULK lines add nonrep= and maxrep=.
#include "SnmpTypes.h"

#include <string>
#include <vector>

namespace sim {

struct LoggedPdu {
    std::string command;  // GET, GETNEXT, GETBULK, SET, ...
    int version = 1;      // 0 v1, 1 v2c, 3 v3
    std::string principal;  // community or security name
    int32_t requestId = 0;
    int32_t nonRepeaters = 0;
    int32_t maxRepetitions = 0;
    std::vector<snmp::VarBind> varbinds;
};

std::string FormatValue(const snmp::Value& value);
std::string FormatPduLogLine(const LoggedPdu& pdu);

} // namespace sim
