#pragma once
// Clients of a running qswsim for the agent tests: net-snmp's command-line tools and the project's SNMP adapter.
#include "SimProcess.h"
#include "SnmpSession.h"

#include <optional>
#include <string>
#include <vector>

namespace simtest {

snmp::Oid O(const std::string& text);

// Credentials of a tool: "v1", "v2c", "v3-SHA" or "v3-MD5".
std::vector<std::string> ReadArgs(const std::string& version);
std::vector<std::string> WriteArgs(const std::string& version);

// Runs /usr/bin/TOOL with numeric OIDs, a 5 s time-out and one retry against the agent.
ToolResult Tool(const std::string& tool, std::vector<std::string> credentials, const SimAgent& agent,
                const std::vector<std::string>& args);

// The project's SNMP adapter against the simulator.
class Adapter {
public:
    explicit Adapter(const SimAgent& agent, uint8_t version = snmp::Version2c);

    // Every varbind under the prefix, walked with GET-NEXT.
    std::vector<snmp::VarBind> Walk(const std::string& prefix);
    // The value, or nullopt for an error or an exception.
    std::optional<snmp::Value> Get(const std::string& oid);
    // The result of a SET: 0 or the agent's error status; errorIndex receives the failed varbind's position.
    int Set(std::vector<snmp::VarBind> varbinds, int* errorIndex = nullptr);

    int status = -1;
    snmp::Session session{status};
    snmp::Target target;
};

std::vector<std::string> Names(const std::vector<snmp::VarBind>& rows);
bool Contains(const std::vector<std::string>& names, const std::string& name);

} // namespace simtest
