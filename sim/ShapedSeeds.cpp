#include "ShapedSeeds.h"

#include <initializer_list>
#include <string>

namespace sim {
namespace {

using snmp::Value;

Value Octets(std::initializer_list<int> octets) {
    std::string bytes;
    for (int octet : octets)
        bytes += static_cast<char>(octet);
    return Value::Octets(bytes);
}

struct Shaped {
    const char* oid;
    std::vector<Value> values;
};

const std::vector<Shaped>& ShapedObjects() {
    static const std::vector<Shaped> objects = {
        // Time capacity: system time, SNTP and summer time (bits 0x80, 0x40, 0x20).
        {"1.3.6.1.4.1.32473.12.10.1", {Octets({0xe0})}},
        // Summer time: offset in minutes (30-120); repeating dates are week (255: last), weekday (2 octets,
        // 1 Sunday), month, hour, minute; annual dates are day, month, hour, minute.
        {"1.3.6.1.4.1.32473.12.10.12.2", {Value::Integer(60)}},
        {"1.3.6.1.4.1.32473.12.10.12.3", {Octets({0xff, 0x00, 0x01, 0x03, 0x02, 0x00})}},
        {"1.3.6.1.4.1.32473.12.10.12.4", {Octets({0xff, 0x00, 0x01, 0x0a, 0x03, 0x00})}},
        {"1.3.6.1.4.1.32473.12.10.12.5", {Octets({0x19, 0x03, 0x02, 0x00})}},
        {"1.3.6.1.4.1.32473.12.10.12.6", {Octets({0x1c, 0x0a, 0x03, 0x00})}},
        // SSL cipher suites: one octet, a suite per bit of the high half.
        {"1.3.6.1.4.1.32473.12.7.1.2", {Octets({0xf0})}},
        // LLDP system capabilities (2 octets): bridge and router supported, bridge enabled.
        {"1.0.8802.1.1.2.1.3.5", {Octets({0x28, 0x00})}},
        {"1.0.8802.1.1.2.1.3.6", {Octets({0x20, 0x00})}},
        {"1.0.8802.1.1.2.1.4.1.1.11", {Octets({0x28, 0x00}), Octets({0x60, 0x00}), Octets({0x20, 0x00})}},
        {"1.0.8802.1.1.2.1.4.1.1.12", {Octets({0x20, 0x00}), Octets({0x20, 0x00}), Octets({0x00, 0x00})}},
    };
    return objects;
}

} // namespace

std::vector<Value> ShapedSeedsOf(std::string_view objectOid) {
    for (const Shaped& object : ShapedObjects())
        if (objectOid == object.oid)
            return object.values;
    return {};
}

} // namespace sim
