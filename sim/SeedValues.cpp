#include "SeedValues.h"

#include "NxSNMPVar.h"

#include <string>

namespace sim {
namespace {

std::string Bytes(std::initializer_list<int> octets) {
    std::string out;
    for (int o : octets)
        out += static_cast<char>(o);
    return out;
}

std::string Ipv6Bytes(int row) {
    std::string out = Bytes({0xfe, 0x80});
    out.append(13, '\0');
    out += static_cast<char>(row);
    return out;
}

std::string SeedText(const ColumnDef& def, int row) {
    std::string caption = def.caption;
    while (!caption.empty() && caption.back() == ' ')
        caption.pop_back();
    size_t first = caption.find_first_not_of(' ');
    caption = first == std::string::npos ? std::string("text") : caption.substr(first);
    return caption + " " + std::to_string(row);
}

int32_t Cycle(const std::vector<int32_t>& values, int row) {
    return values[static_cast<size_t>(row - 1) % values.size()];
}

std::vector<uint32_t> Counted(const std::string& bytes, bool withLength) {
    std::vector<uint32_t> arcs;
    if (withLength)
        arcs.push_back(static_cast<uint32_t>(bytes.size()));
    for (unsigned char c : bytes)
        arcs.push_back(c);
    return arcs;
}

bool IsCounted(int32_t syntax) {
    switch (syntax) {
    case sxDisplayStr: case sxOctetStr: case sxBitStr: case sxBitList: case sxOpaque: case sxObjectId: return true;
    default: return false;
    }
}

// How many sub-identifiers a part of fixed size takes.
size_t FixedArcs(int32_t syntax) {
    switch (syntax) {
    case sxIpAddress: case sxInetAddress: return 4;
    case sxMacAddress: return 6;
    case sxIpv6Address: return 16;
    case sxCounter64: return 2;
    case sxDateTime: return 11;
    case sxNull: return 0;
    default: return 1;
    }
}

std::string OctetsOf(const std::vector<uint32_t>& arcs) {
    std::string out;
    for (uint32_t arc : arcs)
        out += static_cast<char>(arc & 0xff);
    return out;
}

} // namespace

snmp::Value SeedValue(const ColumnDef& def, int row) {
    using snmp::Value;
    using snmp::ValueType;
    const auto r = static_cast<uint32_t>(row);
    if (def.rowStatus)
        return Value::Integer(Active);
    if (def.status)
        return Value::Integer(def.status->create);
    if (!def.seeds.empty())
        return def.seeds[static_cast<size_t>(row - 1) % def.seeds.size()];
    switch (def.syntax) {
    case sxInteger:
    case sxBoolean:
    case sxInt8: case sxInt16: case sxBool8: case sxBool16: case sxUInt8: case sxUInt16:
        return Value::Integer(def.optionValues.empty() ? row : Cycle(def.optionValues, row));
    case sxCounter: return Value::Unsigned32(ValueType::Counter32, 1000 * r);
    case sxGauge: case sxUInteger: return Value::Unsigned32(ValueType::Gauge32, 10 * r);
    case sxTimeTicks: return Value::Unsigned32(ValueType::TimeTicks, 360000 * r);
    case sxCounter64: return Value::Counter64(5000000000ull * r);
    case sxIpAddress: return Value::IpAddress(Bytes({10, 0, 0, row}));
    case sxMacAddress: return Value::Octets(Bytes({0x00, 0x50, 0x43, 0x00, 0x00, row}));
    case sxIpv6Address: return Value::Octets(Ipv6Bytes(row));
    case sxInetAddress: return Value::Octets(Bytes({10, 0, 1, row}));
    case sxDisplayStr: return Value::Octets(SeedText(def, row));
    case sxDateTime: return Value::Octets(Bytes({0x07, 0xea, 1, 1, 0, 0, 0, 0}));
    case sxOctetStr: case sxBitStr: case sxBitList: case sxNsapAddr: {
        // A port or VLAN bit mask: one port set per row.
        std::string mask(def.octets > 0 ? def.octets : 8, '\0');
        mask[0] = static_cast<char>(0x80 >> ((row - 1) % 8));
        return Value::Octets(mask);
    }
    case sxOpaque: return Value::Octets(Bytes({row}), ValueType::Opaque);
    case sxObjectId:
        if (!def.optionOids.empty())
            return Value::ObjectId(def.optionOids.front());
        return Value::ObjectId(snmp::Oid({1, 3, 6, 1, 4, 1, 32473, r}));
    case sxNull: return Value::Null();
    default: return Value::Integer(row);
    }
}

std::vector<uint32_t> SeedIndexArcs(const IndexPart& part, int row, bool last) {
    const auto r = static_cast<uint32_t>(row);
    const bool counted = !(last && part.implied);
    switch (part.syntax) {
    case sxIpAddress: case sxInetAddress: return {10, 0, 0, r};
    case sxMacAddress: return {0, 0x50, 0x43, 0, 0, r};
    case sxIpv6Address: return Counted(Ipv6Bytes(row), false);
    case sxDisplayStr: return Counted("row" + std::to_string(row), counted);
    case sxOctetStr: case sxBitStr: case sxBitList: case sxOpaque: return Counted(Bytes({row}), counted);
    case sxObjectId: {
        std::vector<uint32_t> arcs{1, 3, 6, 1, 4, 1, 32473, r};
        if (counted)
            arcs.insert(arcs.begin(), static_cast<uint32_t>(arcs.size()));
        return arcs;
    }
    case sxCounter64: return {0, r};
    case sxDateTime: return {0x07, 0xea, 1, 1, 0, 0, 0, 0, '+', 0, 0};
    case sxNull: return {};
    default:
        if (!part.optionValues.empty())
            return {static_cast<uint32_t>(Cycle(part.optionValues, row))};
        return {r};
    }
}

std::optional<std::vector<std::vector<uint32_t>>> SplitIndexArcs(const std::vector<IndexPart>& index,
                                                                 const snmp::Oid& instance) {
    const std::vector<uint32_t>& arcs = instance.Arcs();
    std::vector<std::vector<uint32_t>> parts;
    size_t at = 0;
    for (size_t i = 0; i < index.size(); ++i) {
        const IndexPart& part = index[i];
        const bool last = i + 1 == index.size();
        size_t length = FixedArcs(part.syntax);
        if (IsCounted(part.syntax)) {
            if (last && part.implied) {
                length = arcs.size() - at;
            } else {
                if (at >= arcs.size())
                    return std::nullopt;
                length = arcs[at++];
            }
        }
        if (arcs.size() - at < length)
            return std::nullopt;
        parts.emplace_back(arcs.begin() + static_cast<std::ptrdiff_t>(at),
                           arcs.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    }
    return parts;
}

snmp::Value IndexPartValue(int32_t syntax, const std::vector<uint32_t>& arcs) {
    using snmp::Value;
    using snmp::ValueType;
    const uint32_t first = arcs.empty() ? 0 : arcs.front();
    switch (syntax) {
    case sxCounter: return Value::Unsigned32(ValueType::Counter32, first);
    case sxGauge: case sxUInteger: return Value::Unsigned32(ValueType::Gauge32, first);
    case sxTimeTicks: return Value::Unsigned32(ValueType::TimeTicks, first);
    case sxCounter64:
        return Value::Counter64(arcs.size() < 2 ? first : (uint64_t{arcs[0]} << 32) | arcs[1]);
    case sxIpAddress: return Value::IpAddress(OctetsOf(arcs));
    case sxObjectId: return Value::ObjectId(snmp::Oid(arcs));
    case sxNull: return Value::Null();
    default:
        if (ValueTypeOfSyntax(syntax) == ValueType::Integer)
            return Value::Integer(static_cast<int32_t>(first));
        return Value::Octets(OctetsOf(arcs), ValueTypeOfSyntax(syntax));
    }
}

snmp::Value RowValue(const ColumnDef& def, const snmp::Oid& instance, int row) {
    if (def.indexPart >= 0 && def.entry) {
        const auto parts = SplitIndexArcs(def.entry->index, instance);
        if (parts && static_cast<size_t>(def.indexPart) < parts->size())
            return IndexPartValue(def.syntax, (*parts)[static_cast<size_t>(def.indexPart)]);
    }
    return SeedValue(def, row);
}

} // namespace sim
