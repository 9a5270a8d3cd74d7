#include "Scenario.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <stdexcept>

namespace sim {
namespace {

using snmp::Oid;
using snmp::Value;
using snmp::ValueType;

// Built by appending: GCC 12 warns wrongly about "literal" + std::string in optimised builds.
std::string Quote(std::string_view text) {
    std::string out = "\"";
    out.append(text);
    out += '"';
    return out;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

template <typename T>
std::optional<T> Number(std::string_view text) {
    T value{};
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::string> HexOctets(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (IsSpace(c) || c == ':')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        digits += c;
    }
    if (digits.size() % 2)
        return std::nullopt;
    std::string octets;
    for (size_t i = 0; i < digits.size(); i += 2)
        octets += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    return octets;
}

std::optional<std::string> QuotedOrPlain(std::string_view text) {
    if (text.empty() || text.front() != '"')
        return std::string(text);
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            out += text[++i];
        } else if (text[i] == '"') {
            if (!Trim(text.substr(i + 1)).empty())
                return std::nullopt;
            return out;
        } else {
            out += text[i];
        }
    }
    return std::nullopt;  // no closing quote
}

std::optional<std::string> IpOctets(std::string_view text) {
    auto oid = Oid::Parse(text);
    if (!oid || oid->size() != 4)
        return std::nullopt;
    std::string octets;
    for (uint32_t arc : oid->Arcs()) {
        if (arc > 255)
            return std::nullopt;
        octets += static_cast<char>(arc);
    }
    return octets;
}

std::optional<Oid> ParseOid(std::string_view text, std::string& error) {
    auto oid = Oid::Parse(text);
    if (!oid || oid->empty()) {
        error = Quote(text) + " is no OID";
        return std::nullopt;
    }
    return oid;
}

std::string ApplySet(SimMib& mib, std::string_view rest, bool forceWritable) {
    std::string error;
    auto oid = ParseOid(NextWord(rest), error);
    if (!oid)
        return error;
    std::string_view type = NextWord(rest);
    auto value = ParseTypedValue(type, Trim(rest), error);
    if (!value)
        return error;
    Object* existing = mib.Find(*oid);
    Object object;
    if (existing) {
        object.writable = existing->writable;
    } else if (const ColumnDef* def = mib.TypeOf(*oid)) {
        object.writable = def->writable;
    }
    object.writable = object.writable || forceWritable;
    object.value = std::move(*value);
    mib.Put(*oid, std::move(object));
    return {};
}

std::string ApplyLed(SimMib& mib, std::string_view rest) {
    std::string error;
    auto oid = ParseOid(NextWord(rest), error);
    if (!oid)
        return error;
    auto period = Number<int64_t>(NextWord(rest));
    if (!period || *period <= 0)
        return "the LED period must be a number of milliseconds above 0";
    auto frame = ParseLedFrame(rest, error);
    if (!frame)
        return error;
    Object* object = mib.Find(*oid);
    if (!object || object->frames.empty()) {
        Object fresh;
        fresh.writable = false;
        fresh.value = *frame;
        mib.Put(*oid, std::move(fresh));
        object = mib.Find(*oid);
    }
    object->frames.push_back(std::move(*frame));
    object->framePeriodMs = *period;
    return {};
}

std::string ApplyRows(SimMib& mib, std::string_view rest) {
    std::string error;
    auto entry = ParseOid(NextWord(rest), error);
    if (!entry)
        return error;
    if (!mib.FindEntry(*entry))
        return "no table entry is known at " + entry->ToString();
    std::vector<Oid> instances;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        auto expanded = ExpandInstances(word);
        if (!expanded)
            return Quote(word) + " is no instance (arcs, or ranges such as 1-24)";
        instances.insert(instances.end(), expanded->begin(), expanded->end());
    }
    if (instances.empty())
        return "rows needs at least one instance";
    for (const Oid& instance : instances)
        mib.AddRow(*entry, instance);
    return {};
}

} // namespace

std::optional<std::vector<Oid>> ExpandInstances(std::string_view pattern) {
    constexpr size_t kMaxInstances = 100000;
    std::vector<Oid> instances{Oid()};
    while (!pattern.empty()) {
        const size_t dot = pattern.find('.');
        std::string_view arc = pattern.substr(0, dot);
        pattern = dot == std::string_view::npos ? std::string_view() : pattern.substr(dot + 1);
        if (dot != std::string_view::npos && pattern.empty())
            return std::nullopt;  // a trailing dot
        const size_t dash = arc.find('-');
        auto first = Number<uint32_t>(arc.substr(0, dash));
        auto last = dash == std::string_view::npos ? first : Number<uint32_t>(arc.substr(dash + 1));
        if (!first || !last || *last < *first || instances.size() * (*last - *first + 1ull) > kMaxInstances)
            return std::nullopt;
        std::vector<Oid> longer;
        for (const Oid& prefix : instances)
            for (uint64_t n = *first; n <= *last; ++n)
                longer.push_back(Oid(prefix).Append(static_cast<uint32_t>(n)));
        instances = std::move(longer);
    }
    if (instances.size() == 1 && instances.front().empty())
        return std::nullopt;
    return instances;
}

std::string_view NextWord(std::string_view& text) {
    text = Trim(text);
    size_t end = 0;
    while (end < text.size() && !IsSpace(text[end]))
        ++end;
    std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

std::optional<Value> ParseTypedValue(std::string_view type, std::string_view text, std::string& error) {
    auto fail = [&](const char* what) -> std::optional<Value> {
        error = Quote(text) + " is no " + what;
        return std::nullopt;
    };
    if (type == "int") {
        auto n = Number<int32_t>(text);
        return n ? std::optional(Value::Integer(*n)) : fail("integer");
    }
    if (type == "str") {
        auto s = QuotedOrPlain(text);
        return s ? std::optional(Value::Octets(*s)) : fail("text (unbalanced quotes)");
    }
    if (type == "hex") {
        auto s = HexOctets(text);
        return s ? std::optional(Value::Octets(*s)) : fail("hexadecimal octet string");
    }
    if (type == "oid") {
        auto o = Oid::Parse(text);
        return o && !o->empty() ? std::optional(Value::ObjectId(*o)) : fail("OID");
    }
    if (type == "ip") {
        auto s = IpOctets(text);
        return s ? std::optional(Value::IpAddress(*s)) : fail("IP address");
    }
    const std::pair<const char*, ValueType> unsignedTypes[] = {
        {"counter", ValueType::Counter32}, {"gauge", ValueType::Gauge32}, {"ticks", ValueType::TimeTicks}};
    for (const auto& [name, valueType] : unsignedTypes) {
        if (type == name) {
            auto n = Number<uint32_t>(text);
            return n ? std::optional(Value::Unsigned32(valueType, *n)) : fail("unsigned 32-bit number");
        }
    }
    if (type == "counter64") {
        auto n = Number<uint64_t>(text);
        return n ? std::optional(Value::Counter64(*n)) : fail("unsigned 64-bit number");
    }
    error = "unknown value type " + Quote(type) + " (int, str, hex, oid, ip, counter, gauge, ticks, counter64)";
    return std::nullopt;
}

std::optional<Value> ParseLedFrame(std::string_view text, std::string& error) {
    std::string octets;
    bool ports = false;
    for (std::string_view word = NextWord(text); !word.empty(); word = NextWord(text)) {
        if (word == "/") {
            if (ports) {
                error = "an LED frame has one \"/\"";
                return std::nullopt;
            }
            ports = true;
            continue;
        }
        const bool blink = word.size() > 1 && word.back() == 'b';
        if (blink)
            word.remove_suffix(1);
        if (ports && word == "-") {
            octets += '\x01';
            octets += '\0';
            continue;
        }
        auto n = Number<uint32_t>(word);
        if (!n || *n > (ports ? 7u : 0x7fu)) {
            error = Quote(word) + " is no LED state";
            return std::nullopt;
        }
        if (ports)
            octets += static_cast<char>(blink ? 0x80 : 0);
        octets += static_cast<char>(*n | (blink && !ports ? 0x80u : 0u));
    }
    if (!ports) {
        error = "an LED frame needs \"/\" between the system LEDs and the ports";
        return std::nullopt;
    }
    return Value::Octets(octets);
}

std::string ApplyScenarioLine(SimMib& mib, std::string_view line) {
    if (size_t hash = line.find('#'); hash != std::string_view::npos) {
        // A "#" inside a quoted text is part of the text.
        size_t quote = line.find('"');
        if (quote == std::string_view::npos || hash < quote)
            line = line.substr(0, hash);
    }
    std::string_view rest = line;
    std::string_view directive = NextWord(rest);
    if (directive.empty())
        return {};
    if (directive == "set" || directive == "set-rw")
        return ApplySet(mib, rest, directive == "set-rw");
    if (directive == "led")
        return ApplyLed(mib, rest);
    if (directive == "rows")
        return ApplyRows(mib, rest);
    if (directive == "port-lists") {
        auto octets = Number<uint32_t>(NextWord(rest));
        if (!octets || *octets == 0 || *octets > 1024)
            return "port-lists needs a number of octets from 1 to 1024";
        mib.ResizePortLists(*octets);
        return {};
    }
    if (directive == "remove") {
        std::string error;
        auto oid = ParseOid(NextWord(rest), error);
        if (!oid)
            return error;
        mib.RemoveSubtree(*oid);
        return {};
    }
    return "unknown directive " + Quote(directive) + " (set, set-rw, remove, rows, led, port-lists)";
}

void LoadScenarioFile(SimMib& mib, const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error(path + ": cannot open the scenario file");
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::string error = ApplyScenarioLine(mib, line);
        if (!error.empty())
            throw std::runtime_error(path + ":" + std::to_string(number) + ": " + error);
    }
}

} // namespace sim
