#pragma once
// The SNMP value model shared by the adapter and the request library. Nothing here knows net-snmp.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace snmp {

// A numeric object identifier. Text form is dotted decimal; a trailing "." stands for a last sub-id 0.
class Oid {
public:
    Oid() = default;
    explicit Oid(std::vector<uint32_t> arcs) : arcs_(std::move(arcs)) {}

    // Parses "1.3.6.1" (a leading "." is allowed). Returns nullopt for anything that is not a numeric OID.
    static std::optional<Oid> Parse(std::string_view text);
    std::string ToString() const;

    const std::vector<uint32_t>& Arcs() const { return arcs_; }
    std::vector<uint32_t>& Arcs() { return arcs_; }
    size_t size() const { return arcs_.size(); }
    bool empty() const { return arcs_.empty(); }
    uint32_t operator[](size_t i) const { return arcs_[i]; }

    // True when prefix is a whole-arc prefix of this OID (equal OIDs included).
    bool StartsWith(const Oid& prefix) const;
    Oid& Append(uint32_t arc) { arcs_.push_back(arc); return *this; }
    Oid& Append(const Oid& tail);

    friend bool operator==(const Oid&, const Oid&) = default;
    friend auto operator<=>(const Oid& a, const Oid& b) { return a.arcs_ <=> b.arcs_; }

private:
    std::vector<uint32_t> arcs_;
};

enum class ValueType : uint8_t {
    None,            // a varbind without value (SNMP NULL)
    Integer,         // INTEGER / Integer32
    OctetString,
    ObjectId,
    IpAddress,       // 4 octets in bytes
    Counter32,
    Gauge32,         // also Unsigned32
    TimeTicks,
    Opaque,
    Counter64,
    NoSuchObject,
    NoSuchInstance,
    EndOfMibView,
};

// One SNMP value. Numbers live in `number` (Integer as int32 sign-extended, the unsigned types zero-extended,
// Counter64 full width); OctetString, Opaque and IpAddress in `bytes`; ObjectId in `oid`.
struct Value {
    ValueType type = ValueType::None;
    uint64_t number = 0;
    std::string bytes;
    Oid oid;

    static Value Null() { return {}; }
    static Value Integer(int32_t v) { Value x; x.type = ValueType::Integer; x.number = static_cast<uint64_t>(static_cast<int64_t>(v)); return x; }
    static Value Unsigned32(ValueType t, uint32_t v) { Value x; x.type = t; x.number = v; return x; }
    static Value Counter64(uint64_t v) { Value x; x.type = ValueType::Counter64; x.number = v; return x; }
    static Value Octets(std::string b, ValueType t = ValueType::OctetString) { Value x; x.type = t; x.bytes = std::move(b); return x; }
    static Value IpAddress(std::string fourBytes) { return Octets(std::move(fourBytes), ValueType::IpAddress); }
    static Value ObjectId(Oid o) { Value x; x.type = ValueType::ObjectId; x.oid = std::move(o); return x; }
    static Value Exception(ValueType t) { Value x; x.type = t; return x; }

    int32_t AsInt32() const { return static_cast<int32_t>(static_cast<uint32_t>(number)); }
    uint32_t AsUInt32() const { return static_cast<uint32_t>(number); }
    bool IsException() const {
        return type == ValueType::NoSuchObject || type == ValueType::NoSuchInstance || type == ValueType::EndOfMibView;
    }
    friend bool operator==(const Value&, const Value&) = default;
};

// An IPv4 address (first octet in the top bits) as dotted decimal text: "10.0.39.16".
std::string DottedText(uint32_t ipv4);

struct VarBind {
    Oid oid;
    Value value;
    friend bool operator==(const VarBind&, const VarBind&) = default;
};

enum class PduType : uint8_t { Get, GetNext, Set, Response, Report };

struct Pdu {
    PduType type = PduType::Get;
    std::vector<VarBind> varbinds;
    int32_t errorStatus = 0;
    int32_t errorIndex = 0;
    int32_t requestId = 0;
    // SNMPv3 only (ignored for communities): security level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv;
    // the context engine ID as the octets of its text.
    int32_t securityLevel = 1;
    std::string contextName;
    std::string contextEngineId;
};

} // namespace snmp
