#include "PduLog.h"

#include <algorithm>
#include <cstdio>

namespace sim {
namespace {

bool Printable(const std::string& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", c);
        out += buf;
    }
    return out;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

const char* VersionName(int version) {
    switch (version) {
    case 0: return "v1";
    case 1: return "v2c";
    case 3: return "v3";
    default: return "v?";
    }
}

} // namespace

std::string FormatValue(const snmp::Value& value) {
    using snmp::ValueType;
    switch (value.type) {
    case ValueType::None: return "NULL";
    case ValueType::Integer: return "INTEGER:" + std::to_string(value.AsInt32());
    case ValueType::OctetString:
        return Printable(value.bytes) ? "STRING:" + Quoted(value.bytes) : "HEX:" + Hex(value.bytes);
    case ValueType::Opaque: return "OPAQUE:" + Hex(value.bytes);
    case ValueType::ObjectId: return "OID:" + value.oid.ToString();
    case ValueType::IpAddress: {
        std::string out = "IPADDRESS:";
        for (size_t i = 0; i < value.bytes.size(); ++i) {
            if (i)
                out += '.';
            out += std::to_string(static_cast<unsigned char>(value.bytes[i]));
        }
        return out;
    }
    case ValueType::Counter32: return "COUNTER:" + std::to_string(value.AsUInt32());
    case ValueType::Gauge32: return "GAUGE:" + std::to_string(value.AsUInt32());
    case ValueType::TimeTicks: return "TIMETICKS:" + std::to_string(value.AsUInt32());
    case ValueType::Counter64: return "COUNTER64:" + std::to_string(value.number);
    case ValueType::NoSuchObject: return "noSuchObject";
    case ValueType::NoSuchInstance: return "noSuchInstance";
    case ValueType::EndOfMibView: return "endOfMibView";
    }
    return "?";
}

std::string FormatPduLogLine(const LoggedPdu& pdu) {
    std::string line = pdu.command + " " + VersionName(pdu.version) + " " + pdu.principal +
                       " reqid=" + std::to_string(pdu.requestId);
    if (pdu.command == "GETBULK")
        line += " nonrep=" + std::to_string(pdu.nonRepeaters) + " maxrep=" + std::to_string(pdu.maxRepetitions);
    for (const snmp::VarBind& vb : pdu.varbinds) {
        line += ' ';
        line += vb.oid.ToString();
        line += '=';
        line += FormatValue(vb.value);
    }
    return line;
}

} // namespace sim
