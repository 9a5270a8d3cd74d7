#pragma once
// A small SNMPv1 / SNMPv2c responder on a free loopback UDP port for the answers neither snmpd nor the simulator
// gives: tables that never end, lost answers, malformed or misleading replies. Each request is decoded and handed
// to the test's handler (on the responder's own thread), whose reply is encoded and sent back.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

using OidArcs = std::vector<uint32_t>;

// "1.3.6.1" as arcs, and back.
OidArcs ParseArcs(const std::string& dotted);
std::string DottedArcs(const OidArcs& arcs);

struct HostileRequest {
    int version = 0;       // 0 SNMPv1, 1 SNMPv2c
    std::string community;
    uint8_t pduType = 0;   // 0xA0 GET, 0xA1 GET-NEXT, 0xA3 SET
    int32_t requestId = 0;
    std::vector<OidArcs> oids;
};

struct HostileVarBind {
    OidArcs oid;
    uint8_t tag = 0x05;    // 0x02 INTEGER, 0x04 OCTET STRING, 0x05 NULL, 0x80-0x82 the SNMPv2 exceptions
    std::string content;   // the encoded content octets

    static HostileVarBind Integer(const OidArcs& oid, int32_t value);
    static HostileVarBind Octets(const OidArcs& oid, const std::string& value);
    static HostileVarBind Exception(const OidArcs& oid, uint8_t tag);
};

struct HostileReply {
    bool send = true;      // false: the request goes unanswered
    int32_t errorStatus = 0;
    int32_t errorIndex = 0;
    std::vector<HostileVarBind> varbinds;
};

using HostileHandler = std::function<HostileReply(const HostileRequest&)>;

class HostileAgent {
public:
    explicit HostileAgent(HostileHandler handler);
    ~HostileAgent();
    HostileAgent(const HostileAgent&) = delete;
    HostileAgent& operator=(const HostileAgent&) = delete;

    uint16_t Port() const { return port_; }
    int Requests() const { return requests_; }  // requests decoded so far

private:
    void Run();

    HostileHandler handler_;
    int fd_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

} // namespace testsupport
