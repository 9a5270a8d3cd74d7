#include "AgentClient.h"

#include <algorithm>

namespace simtest {

using snmp::Oid;
using snmp::Pdu;
using snmp::Value;

Oid O(const std::string& text) { return *Oid::Parse(text); }

std::vector<std::string> ReadArgs(const std::string& version) {
    if (version == "v3-SHA")
        return {"-v3", "-l", "authPriv", "-u", SimAgent::AdminUser, "-a", "SHA", "-A", SimAgent::AuthPass, "-x", "DES", "-X", SimAgent::PrivPass};
    if (version == "v3-MD5")
        return {"-v3", "-l", "authPriv", "-u", SimAgent::Md5User, "-a", "MD5", "-A", SimAgent::AuthPass, "-x", "DES", "-X", SimAgent::PrivPass};
    return {version == "v1" ? "-v1" : "-v2c", "-c", "tundra"};
}

std::vector<std::string> WriteArgs(const std::string& version) {
    if (version.rfind("v3", 0) == 0)
        return ReadArgs(version);
    return {version == "v1" ? "-v1" : "-v2c", "-c", "harbour"};
}

ToolResult Tool(const std::string& tool, std::vector<std::string> credentials, const SimAgent& agent,
                const std::vector<std::string>& args) {
    std::vector<std::string> argv = {"/usr/bin/" + tool, "-On", "-t", "5", "-r", "1"};
    argv.insert(argv.end(), credentials.begin(), credentials.end());
    argv.push_back(agent.Endpoint());
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv);
}

Adapter::Adapter(const SimAgent& agent, uint8_t version) {
    target.address = snmp::UdpAddress("127.0.0.1", static_cast<uint16_t>(agent.Port()));
    target.version = version;
    target.timeout = 500;
    target.retries = 1;
    target.readCommunity = "tundra";
    target.writeCommunity = "harbour";
}

std::vector<snmp::VarBind> Adapter::Walk(const std::string& prefix) {
    std::vector<snmp::VarBind> rows;
    const Oid root = O(prefix);
    Oid cursor = root;
    while (true) {
        Pdu pdu;
        pdu.varbinds.push_back({cursor, Value::Null()});
        if (session.GetNext(pdu, target) != 0 || pdu.varbinds.empty())
            break;
        const snmp::VarBind& vb = pdu.varbinds.front();
        if (!vb.oid.StartsWith(root) || vb.value.IsException())
            break;
        rows.push_back(vb);
        cursor = vb.oid;
    }
    return rows;
}

std::optional<Value> Adapter::Get(const std::string& oid) {
    Pdu pdu;
    pdu.varbinds.push_back({O(oid), Value::Null()});
    if (session.Get(pdu, target) != 0 || pdu.varbinds.size() != 1 || pdu.varbinds[0].value.IsException())
        return std::nullopt;
    return pdu.varbinds[0].value;
}

int Adapter::Set(std::vector<snmp::VarBind> varbinds, int* errorIndex) {
    Pdu pdu;
    pdu.varbinds = std::move(varbinds);
    int result = session.Set(pdu, target);
    if (errorIndex)
        *errorIndex = pdu.errorIndex;
    return result;
}

std::vector<std::string> Names(const std::vector<snmp::VarBind>& rows) {
    std::vector<std::string> names;
    for (const snmp::VarBind& vb : rows)
        names.push_back(vb.oid.ToString());
    return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace simtest
