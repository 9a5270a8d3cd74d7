#include "NxSNMPConvert.h"

#include "NxDateTime.h"
#include "NxOptionList.h"
#include "NxSNMPError.h"
#include "NxValueCheck.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

using snmp::Value;
using snmp::ValueType;
using Arcs = std::vector<uint32_t>;

constexpr const char* kNull = "(NULL)";

[[noreturn]] void Raise(int code) { RaiseNxSNMPError(code); }

// --- Syntax classes ----------------------------------------------------------------------------

bool IsKnownSyntax(int32_t syntax) {
    return (syntax >= sxBoolean && syntax <= sxObjectId) || (syntax >= sxIpAddress && syntax <= sxBitList) ||
           syntax == sxInetAddress;
}

void RequireKnownSyntax(int32_t syntax) {
    if (!IsKnownSyntax(syntax))
        Raise(NxErrBadSyntax);
}

// Syntaxes whose text form is the octets in hexadecimal.
bool IsHexSyntax(int32_t syntax) {
    switch (syntax) {
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxMacAddress: case sxIpv6Address: case sxBitList:
        return true;
    default:
        return false;
    }
}

// --- Plain texts ---------------------------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole decimal text (blanks around it allowed) within [min, max].
template <typename T>
std::optional<T> ParseDecimal(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

template <typename T>
T DecimalOrRaise(std::string_view text) {
    auto value = ParseDecimal<T>(text);
    if (!value)
        Raise(NxErrBadPartValue);
    return *value;
}

// The C library's atol: blanks, sign, leading digits; 0 when there are none. Held at a limit far
// below overflow, so that a sum of time-ticks parts never wraps and one beyond 32 bits is refused.
int64_t LeadingNumber(std::string_view text) {
    constexpr int64_t kLimit = 1'000'000'000'000;
    size_t p = 0;
    while (p < text.size() && IsBlank(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        negative = text[p++] == '-';
    int64_t value = 0;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p)
        value = std::min(kLimit, value * 10 + (text[p] - '0'));
    return negative ? -value : value;
}

std::optional<std::string> ParseIPv4(std::string_view text) {
    text = Trim(text);
    std::string octets;
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.')
                return std::nullopt;
            ++pos;
        }
        size_t start = pos;
        unsigned value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 3)
            value = value * 10 + static_cast<unsigned>(text[pos++] - '0');
        if (pos == start || value > 255 || (pos < text.size() && text[pos] >= '0' && text[pos] <= '9'))
            return std::nullopt;
        octets += static_cast<char>(value);
    }
    if (pos != text.size())
        return std::nullopt;
    return octets;
}

std::string IPv4OrRaise(std::string_view text) {
    auto octets = ParseIPv4(text);
    if (!octets)
        Raise(NxErrBadPartValue);
    return *octets;
}

std::string DottedIPv4(std::string_view octets) {
    uint32_t address = 0;
    for (size_t i = 0; i < 4; ++i) address = address << 8 | static_cast<uint8_t>(octets[i]);
    return snmp::DottedText(address);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Hex digits to octets; an odd count makes the first digit an octet of its own.
std::string HexDigitsToOctets(std::string_view digits) {
    std::string octets;
    size_t pos = 0;
    if (digits.size() % 2 == 1)
        octets += static_cast<char>(HexDigit(digits[pos++]));
    for (; pos < digits.size(); pos += 2)
        octets += static_cast<char>(HexDigit(digits[pos]) << 4 | HexDigit(digits[pos + 1]));
    return octets;
}

void RequireHexDigits(std::string_view digits) {
    for (char c : digits)
        if (HexDigit(c) < 0)
            Raise(NxErrBadPartValue);
}

// --- Doubles as octets and as two sub-identifiers ------------------------------------------------

uint64_t DoubleBits(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double BitsToDouble(uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string LittleEndianOctets(uint64_t bits) {
    std::string octets(8, '\0');
    for (size_t k = 0; k < 8; ++k)
        octets[k] = static_cast<char>(bits >> (8 * k));
    return octets;
}

uint64_t LittleEndianBits(std::string_view octets) {
    uint64_t bits = 0;
    for (size_t k = 0; k < 8; ++k)
        bits |= static_cast<uint64_t>(static_cast<uint8_t>(octets[k])) << (8 * k);
    return bits;
}

std::string DateTimeNumberOrNull(double value) { return DateTimeNumberToText(value).value_or(kNull); }

double RealOrRaise(std::string_view text) {
    auto value = TextToFloat(text);
    if (!value)
        Raise(NxErrBadPartValue);
    return *value;
}

double DateTimeNumberOrRaise(std::string_view text) {
    auto value = TextToDateTimeNumber(text);
    if (!value)
        Raise(NxErrBadPartValue);
    return *value;
}

NxDateTime DateAndTimeOrRaise(const std::string& text) {
    NxDateTime dt(std::string{});
    if (!dt.Parse(text))
        Raise(NxErrBadPartValue);
    return dt;
}

snmp::Oid OidOrRaise(std::string_view text) {
    auto oid = snmp::Oid::Parse(Trim(text));
    if (!oid || oid->empty())
        Raise(NxErrBadPartValue);
    return *oid;
}

// --- Received values -----------------------------------------------------------------------------

bool IsNumber(const Value& v) {
    switch (v.type) {
    case ValueType::Integer: case ValueType::Counter32: case ValueType::Gauge32: case ValueType::TimeTicks:
    case ValueType::Counter64:
        return true;
    default:
        return false;
    }
}

bool HasOctets(const Value& v) {
    return v.type == ValueType::OctetString || v.type == ValueType::Opaque || v.type == ValueType::IpAddress;
}

std::string_view OctetsOf(const Value& v) { return HasOctets(v) ? std::string_view(v.bytes) : std::string_view(); }

// What a value would print as is empty: no value, an exception, empty octets, an empty OID.
bool PrintsEmpty(const Value& v) {
    if (v.type == ValueType::None || v.IsException())
        return true;
    if (HasOctets(v))
        return v.bytes.empty();
    if (v.type == ValueType::ObjectId)
        return v.oid.empty();
    return false;
}

std::string ReceivedText(int32_t syntax, const Value& v) {
    const std::string_view octets = OctetsOf(v);
    switch (syntax) {
    case sxBoolean:
        return IsNumber(v) ? (v.number != 0 ? "true" : "false") : kNull;
    case sxInteger:
        return IsNumber(v) ? std::to_string(v.AsInt32()) : kNull;
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxMacAddress: case sxIpv6Address: case sxBitList:
        return HexText(octets);
    case sxNull:
        return kNull;
    case sxObjectId:
        return v.type == ValueType::ObjectId ? v.oid.ToString() : kNull;
    case sxIpAddress: case sxNsapAddr:
        return octets.size() >= 4 ? DottedIPv4(octets) : kNull;
    case sxCounter: case sxGauge: case sxUInteger:
        return IsNumber(v) ? std::to_string(v.AsUInt32()) : kNull;
    case sxTimeTicks:
        return IsNumber(v) ? TimeTicksText(v.AsUInt32()) : kNull;
    case sxCounter64:
        return IsNumber(v) ? std::to_string(v.number) : kNull;
    case sxDouble:
        return octets.size() >= 8 ? FloatToText(BitsToDouble(LittleEndianBits(octets))) : kNull;
    case sxDateTime: {
        auto dt = NxDateTime::FromOctets(octets);
        return dt ? dt->ToString() : kNull;
    }
    case sxBcDateTime:
        return octets.size() >= 8 ? DateTimeNumberOrNull(BitsToDouble(LittleEndianBits(octets))) : kNull;
    case sxDisplayStr:
        return HasOctets(v) ? std::string(octets.substr(0, octets.find('\0'))) : kNull;
    case sxInetAddress:
        if (octets.size() >= 16)
            return HexText(octets);
        return octets.size() >= 4 ? DottedIPv4(octets) : kNull;
    default:
        Raise(NxErrBadSyntax);
    }
}

// --- Values to send ------------------------------------------------------------------------------

Value ValueFromText(int32_t syntax, const std::string& text) {
    switch (syntax) {
    case sxBoolean:
        return Value::Integer(text == "true" ? 1 : 0);
    case sxInteger:
        return Value::Integer(DecimalOrRaise<int32_t>(text));
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxIpv6Address: case sxBitList:
        return Value::Octets(OctetsFromHex(text));
    case sxMacAddress:
        return Value::Octets(MacOctetsFromText(text));
    case sxNull:
        return Value::Null();
    case sxObjectId:
        return Value::ObjectId(OidOrRaise(text));
    case sxIpAddress: case sxNsapAddr:
        return Value::IpAddress(IPv4OrRaise(text));
    case sxCounter: case sxGauge: case sxUInteger:
        return Value::Unsigned32(ValueType::Gauge32, DecimalOrRaise<uint32_t>(text));
    case sxTimeTicks:
        return Value::Unsigned32(ValueType::TimeTicks, TimeTicksFromText(text));
    case sxCounter64:
        return Value::Counter64(DecimalOrRaise<uint64_t>(text));
    case sxDouble:
        return Value::Octets(LittleEndianOctets(DoubleBits(RealOrRaise(text))));
    case sxDateTime:
        return Value::Octets(DateAndTimeOrRaise(text).ToOctets());
    case sxBcDateTime:
        return Value::Octets(LittleEndianOctets(DoubleBits(DateTimeNumberOrRaise(text))));
    case sxDisplayStr:
        return Value::Octets(text);
    case sxInetAddress:
        return Value::Octets(text.size() >= 32 ? OctetsFromHex(text) : IPv4OrRaise(text));
    default:
        Raise(NxErrBadSyntax);
    }
}

// The variable's value as it travels: the option list's display text mapped back to its value.
std::string WireText(const NxSNMPVarItem& var) {
    return var.Options ? var.Options->TextToValue(var.Value) : var.Value;
}

std::string ShownText(const NxSNMPVarItem& var, std::string text) {
    return var.Options ? var.Options->ValueToText(text) : text;
}

// --- Index columns -------------------------------------------------------------------------------

// Sub-identifiers that stand for octets; one over 255 is no octet: the row's instance does not fit its keys
// (cutting it would show, and write, another row).
std::string OctetsOfArcs(const Arcs& o, size_t from, size_t count) {
    std::string octets;
    octets.reserve(count);
    for (size_t k = from; k < from + count; ++k) {
        if (o[k] > 0xFF)
            Raise(NxErrBadKeyCount);
        octets += static_cast<char>(o[k]);
    }
    return octets;
}

std::string DottedArcs(const Arcs& o, size_t from, size_t count) {
    return snmp::Oid(Arcs(o.begin() + static_cast<ptrdiff_t>(from), o.begin() + static_cast<ptrdiff_t>(from + count)))
        .ToString();
}

double DoubleOfArcs(uint32_t low, uint32_t high) { return BitsToDouble(static_cast<uint64_t>(high) << 32 | low); }

struct IndexReader {
    const Arcs& o;
    bool lastImplied;  // the last key column and IMPLIED: no length prefix
    size_t used = 0;

    void Need(size_t count) const {
        if (o.size() < count)
            Raise(NxErrBadKeyCount);
    }
    // A length-prefixed run: L, then L sub-identifiers. Returns where the run starts and its length.
    std::pair<size_t, size_t> Run() {
        if (lastImplied) {
            used = o.size();
            return {0, o.size()};
        }
        Need(1);
        if (o[0] > o.size() - 1)
            Raise(NxErrBadKeyCount);
        used = o[0] + size_t{1};
        return {1, o[0]};
    }
    std::string Fixed(size_t count, auto&& make) {
        Need(count);
        used = count;
        return make();
    }
};

std::string InetAddressIndexText(IndexReader& r, bool lastOrImplied) {
    const Arcs& o = r.o;
    const size_t n = o.size();
    if (!lastOrImplied) {
        // A length-prefixed address (4 or 16 octets) with sub-identifiers left for the keys after it.
        if (n > 0 && (o[0] == 4 || o[0] == 16) && n >= o[0] + size_t{2}) {
            const std::string octets = OctetsOfArcs(o, 1, o[0]);
            r.used = o[0] + size_t{1};
            return o[0] == 4 ? DottedIPv4(octets) : HexText(octets);
        }
        if (n > 16)
            return r.Fixed(16, [&] { return HexText(OctetsOfArcs(o, 0, 16)); });
        return r.Fixed(4, [&] { return DottedArcs(o, 0, 4); });
    }
    r.used = n;
    if (n <= 4)
        return r.Fixed(4, [&] { return DottedArcs(o, 0, 4); });
    if (n == 5)
        return DottedArcs(o, 1, 4);
    if (n <= 16)
        return HexText(OctetsOfArcs(o, 0, n));
    // An IPv6 address with its zone index as the last sub-identifier.
    return HexText(OctetsOfArcs(o, 0, 16)) + "%" + std::to_string(o[n - 1]);
}

std::string IndexText(int32_t syntax, IndexReader& r, bool lastOrImplied) {
    const Arcs& o = r.o;
    switch (syntax) {
    case sxBoolean:
        return r.Fixed(1, [&] {
            if (o[0] > 0xFF)
                Raise(NxErrBadKeyCount);
            return std::string(o[0] != 0 ? "true" : "false");
        });
    case sxInteger:
        return r.Fixed(1, [&] { return std::to_string(static_cast<int32_t>(o[0])); });
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList: {
        auto [from, count] = r.Run();
        return HexText(OctetsOfArcs(o, from, count));
    }
    case sxNull:
        return kNull;
    case sxObjectId: {
        auto [from, count] = r.Run();
        return DottedArcs(o, from, count);
    }
    case sxIpAddress: case sxNsapAddr:
        return r.Fixed(4, [&] { return DottedArcs(o, 0, 4); });
    case sxCounter: case sxGauge: case sxUInteger:
        return r.Fixed(1, [&] { return std::to_string(o[0]); });
    case sxTimeTicks:
        return r.Fixed(1, [&] { return TimeTicksText(o[0]); });
    case sxCounter64:
        return r.Fixed(2, [&] { return std::to_string(static_cast<uint64_t>(o[0]) << 32 | o[1]); });
    case sxDouble:
        return r.Fixed(2, [&] { return FloatToText(DoubleOfArcs(o[0], o[1])); });
    case sxMacAddress:
        return r.Fixed(6, [&] { return HexText(OctetsOfArcs(o, 0, 6)); });
    case sxDateTime:
        return r.Fixed(NxDateTime::WireSize,
                       [&] { return NxDateTime::FromOctets(OctetsOfArcs(o, 0, NxDateTime::WireSize))->ToString(); });
    case sxBcDateTime:
        return r.Fixed(2, [&] { return DateTimeNumberOrNull(DoubleOfArcs(o[0], o[1])); });
    case sxDisplayStr: {
        auto [from, count] = r.Run();
        return OctetsOfArcs(o, from, count);
    }
    case sxIpv6Address:
        if (r.lastImplied) {
            r.used = o.size();
            return HexText(OctetsOfArcs(o, 0, o.size()));
        }
        return r.Fixed(16, [&] { return HexText(OctetsOfArcs(o, 0, 16)); });
    case sxInetAddress:
        return InetAddressIndexText(r, lastOrImplied);
    default:
        Raise(NxErrBadSyntax);
    }
}

void AppendOctets(Arcs& arcs, std::string_view octets, bool withCount) {
    if (withCount)
        arcs.push_back(static_cast<uint32_t>(octets.size()));
    for (char c : octets)
        arcs.push_back(static_cast<uint8_t>(c));
}

void AppendDouble(Arcs& arcs, double value) {
    const uint64_t bits = DoubleBits(value);
    arcs.push_back(static_cast<uint32_t>(bits));
    arcs.push_back(static_cast<uint32_t>(bits >> 32));
}

// The first n octets; none when there are fewer.
void AppendLeadingOctets(Arcs& arcs, const std::string& octets, size_t n) {
    if (octets.size() >= n)
        AppendOctets(arcs, std::string_view(octets).substr(0, n), false);
}

void AppendInetAddressIndex(Arcs& arcs, const std::string& text, bool unset) {
    if (unset || text.size() <= 15) {
        AppendOctets(arcs, unset ? std::string(4, '\0') : IPv4OrRaise(text), false);
        return;
    }
    if (text.size() <= 32) {
        AppendLeadingOctets(arcs, OctetsFromHex(text), 16);
        return;
    }
    AppendLeadingOctets(arcs, OctetsFromHex(text.substr(0, 32)), 16);
    // The zone index: the decimal number after the "%" (or after the 32 digits), one sub-identifier, whole.
    const std::string zone = text.substr(text[32] == '%' ? 33 : 32);
    auto number = ParseDecimal<uint32_t>(zone);
    if (!number || zone.empty() || zone.find_first_not_of("0123456789") != std::string::npos)
        Raise(NxErrBadPartValue);
    arcs.push_back(*number);
}

Arcs IndexArcs(int32_t syntax, const std::string& text, bool lastImplied) {
    const bool unset = text.empty() || text == kNull;
    Arcs arcs;
    switch (syntax) {
    case sxBoolean:
        arcs.push_back(text == "true" ? 1 : 0);
        break;
    case sxInteger:
        arcs.push_back(static_cast<uint32_t>(unset ? 0 : DecimalOrRaise<int32_t>(text)));
        break;
    case sxCounter: case sxGauge: case sxUInteger:
        arcs.push_back(unset ? 0 : DecimalOrRaise<uint32_t>(text));
        break;
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList:
        AppendOctets(arcs, unset ? std::string() : OctetsFromHex(text), !lastImplied);
        break;
    case sxNull:
        break;
    case sxObjectId: {
        const Arcs sub = unset ? Arcs() : OidOrRaise(text).Arcs();
        if (!lastImplied)
            arcs.push_back(static_cast<uint32_t>(sub.size()));
        arcs.insert(arcs.end(), sub.begin(), sub.end());
        break;
    }
    case sxIpAddress: case sxNsapAddr:
        AppendOctets(arcs, unset ? std::string(4, '\0') : IPv4OrRaise(text), false);
        break;
    case sxTimeTicks:
        arcs.push_back(unset ? 0 : TimeTicksFromText(text));
        break;
    case sxCounter64: {
        const uint64_t value = unset ? 0 : DecimalOrRaise<uint64_t>(text);
        arcs.push_back(static_cast<uint32_t>(value >> 32));
        arcs.push_back(static_cast<uint32_t>(value));
        break;
    }
    case sxDouble:
        AppendDouble(arcs, unset ? 0.0 : RealOrRaise(text));
        break;
    case sxMacAddress:
        if (!unset)
            AppendLeadingOctets(arcs, MacOctetsFromText(text), 6);
        break;
    case sxDateTime:
        AppendOctets(arcs, (unset ? NxDateTime(std::string{}) : DateAndTimeOrRaise(text)).ToOctets(), false);
        break;
    case sxBcDateTime:
        AppendDouble(arcs, unset ? 0.0 : DateTimeNumberOrRaise(text));
        break;
    case sxDisplayStr:
        AppendOctets(arcs, text == kNull ? std::string() : text, !lastImplied);
        break;
    case sxIpv6Address:
        if (!unset)
            AppendLeadingOctets(arcs, OctetsFromHex(text), 16);
        break;
    case sxInetAddress:
        AppendInetAddressIndex(arcs, text, unset);
        break;
    default:
        Raise(NxErrBadSyntax);
    }
    return arcs;
}

// An index that exists only in the instance of the other columns has a blank OID.
bool IsBlankOid(const std::string& oid) { return Trim(oid).empty(); }

bool IsLastKey(const NxSNMPVarList& vars, int i) { return i == vars.KeyCount - 1; }

// Whether every key column still holds the value it was read with.
bool KeysAsRead(const NxSNMPVarList& vars) {
    if (vars.ReadKeys.size() != static_cast<size_t>(vars.KeyCount) || vars.KeyCount > vars.GetCount())
        return false;
    for (int i = 0; i < vars.KeyCount; ++i)
        if (WireText(*vars.GetVar(i)) != vars.ReadKeys[static_cast<size_t>(i)])
            return false;
    return true;
}

void RequireKeyColumns(const NxSNMPVarList& vars) {
    if (vars.KeyCount > vars.GetCount())
        Raise(NxErrBadKeyCount);
}

} // namespace

// --- Strict readings -----------------------------------------------------------------------------

int64_t DecimalInRange(std::string_view text, int64_t min, int64_t max) {
    const int64_t value = DecimalOrRaise<int64_t>(text);
    if (value < min || value > max)
        Raise(NxErrBadPartValue);
    return value;
}

uint64_t Unsigned64OrRaise(std::string_view text) { return DecimalOrRaise<uint64_t>(text); }

std::string IPv4OctetsOrRaise(std::string_view text) { return IPv4OrRaise(text); }

// --- Text forms ----------------------------------------------------------------------------------

std::string TimeTicksText(uint32_t hundredths) {
    const unsigned long days = hundredths / 8640000UL;
    const unsigned long hours = hundredths / 360000UL % 24;
    const unsigned long minutes = hundredths / 6000UL % 60;
    const unsigned long seconds = hundredths / 100UL % 60;
    const unsigned long rest = hundredths % 100UL;
    char buf[64];
    if (days == 0)
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, rest);
    else if (days == 1)
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, rest);
    else
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds, rest);
    return buf;
}

uint32_t TimeTicksFromText(std::string_view text) {
    int64_t days = 0, hours = 0, minutes = 0, seconds = 0, rest = 0;
    size_t pos = 0;
    for (std::string_view word : {"days", "day"}) {
        size_t at = text.find(word);
        if (at != std::string_view::npos) {
            days = LeadingNumber(text.substr(0, at));
            pos = at + word.size();
            break;
        }
    }
    if (size_t comma = text.find(',', pos); comma != std::string_view::npos)
        pos = comma + 1;
    // Each part counts only when its separator is there.
    if (size_t colon = text.find(':', pos); colon != std::string_view::npos) {
        hours = LeadingNumber(text.substr(pos, colon - pos));
        pos = colon + 1;
        if (size_t colon2 = text.find(':', pos); colon2 != std::string_view::npos) {
            minutes = LeadingNumber(text.substr(pos, colon2 - pos));
            pos = colon2 + 1;
            if (size_t dot = text.find('.', pos); dot != std::string_view::npos) {
                seconds = LeadingNumber(text.substr(pos, dot - pos));
                rest = LeadingNumber(text.substr(dot + 1));
            }
        }
    }
    const int64_t total = days * 8640000 + hours * 360000 + minutes * 6000 + seconds * 100 + rest;
    if (total < 0 || total > std::numeric_limits<uint32_t>::max())
        Raise(NxErrBadPartValue);
    return static_cast<uint32_t>(total);
}

std::string HexText(std::string_view octets) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(octets.size() * 2);
    for (char c : octets) {
        const auto octet = static_cast<uint8_t>(c);
        text += digits[octet >> 4];
        text += digits[octet & 0x0F];
    }
    return text;
}

std::string OctetsFromHex(std::string_view text) {
    std::string digits;
    digits.reserve(text.size());
    for (char c : text)
        if (!IsBlank(c))
            digits += c;
    // Zoned form: 32 digits, "%", then further octets.
    if (digits.size() >= 33 && digits[32] == '%') {
        const std::string_view head = std::string_view(digits).substr(0, 32);
        const std::string_view zone = std::string_view(digits).substr(33);
        RequireHexDigits(head);
        RequireHexDigits(zone);
        return HexDigitsToOctets(head) + HexDigitsToOctets(zone);
    }
    RequireHexDigits(digits);
    return HexDigitsToOctets(digits);
}

std::string MacOctetsFromText(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (trimmed.find_first_of("-.") == std::string_view::npos)
        return OctetsFromHex(text);
    auto octets = MacTextOctets(std::string(trimmed));
    if (!octets)
        Raise(NxErrBadPartValue);
    return *octets;
}

// --- Conversions of the request ------------------------------------------------------------------

void VbToValue(NxSNMPVarList& vars, int i, const snmp::VarBind& vb) {
    NxSNMPVarItem& var = *vars.GetVar(i);
    RequireKnownSyntax(var.Syntax);
    std::string text;
    if (!IsHexSyntax(var.Syntax) && var.Syntax != sxInetAddress && PrintsEmpty(vb.value))
        text = var.Syntax == sxDisplayStr ? "" : kNull;
    else
        text = ReceivedText(var.Syntax, vb.value);
    var.Value = ShownText(var, std::move(text));
}

void ValueToVb(const NxSNMPVarList& vars, int i, snmp::VarBind& vb) {
    const NxSNMPVarItem& var = *vars.GetVar(i);
    RequireKnownSyntax(var.Syntax);
    const std::string text = WireText(var);
    vb.value = text == kNull ? Value::Null() : ValueFromText(var.Syntax, text);
}

bool IsValueOfSyntax(int32_t syntax, const snmp::Value& value) {
    if (!IsKnownSyntax(syntax) || syntax == sxNull)
        return true;
    if (value.type == ValueType::None || value.IsException())
        return false;
    if (IsHexSyntax(syntax) || syntax == sxDisplayStr || syntax == sxInetAddress)
        return HasOctets(value);
    return ReceivedText(syntax, value) != kNull;
}

bool IsNoValueText(int32_t syntax, const std::string& text) {
    return text.empty() && syntax != sxDisplayStr && !IsHexSyntax(syntax);
}

std::string ParseIndex(NxSNMPVarList& vars, int i, const std::string& instance) {
    NxSNMPVarItem& var = *vars.GetVar(i);
    RequireKnownSyntax(var.Syntax);
    const auto oid = snmp::Oid::Parse(instance);
    if (!oid)
        Raise(NxErrBadKeyCount);
    const bool last = IsLastKey(vars, i);
    const bool implied = vars.IsImplied(i);
    IndexReader reader{oid->Arcs(), last && implied};
    std::string text = IndexText(var.Syntax, reader, last || implied);
    var.Value = ShownText(var, std::move(text));
    return DottedArcs(oid->Arcs(), reader.used, oid->size() - reader.used);
}

std::string BuildIndex(const NxSNMPVarList& vars, int i) {
    const NxSNMPVarItem& var = *vars.GetVar(i);
    RequireKnownSyntax(var.Syntax);
    const bool lastImplied = IsLastKey(vars, i) && vars.IsImplied(i);
    return snmp::Oid(IndexArcs(var.Syntax, WireText(var), lastImplied)).ToString();
}

void SplitInstance(NxSNMPVarList& vars, const std::string& rowInstance) {
    RequireKeyColumns(vars);
    vars.ReadInstance.clear();
    vars.ReadKeys.clear();
    std::string rest = rowInstance;
    for (int i = 0; i < vars.KeyCount; ++i) {
        if (rest.empty())
            Raise(NxErrBadKeyCount);
        NxSNMPVarItem& key = *vars.GetVar(i);
        // A key that is not read follows the row with its cursor; a blank-OID key has no column to follow.
        if (!vars.IsReadable(i) && !IsBlankOid(key.Oid))
            key.LastOid = key.Oid + "." + rowInstance;
        rest = ParseIndex(vars, i, rest);
    }
    vars.IndexRest = rest;
    vars.ReadInstance = rowInstance;
    for (int i = 0; i < vars.KeyCount; ++i)
        vars.ReadKeys.push_back(WireText(*vars.GetVar(i)));
}

std::string JoinInstance(const NxSNMPVarList& vars) {
    RequireKeyColumns(vars);
    std::string instance;
    for (int i = 0; i < vars.KeyCount; ++i) {
        if (!instance.empty())
            instance += '.';
        instance += BuildIndex(vars, i);
    }
    return instance;
}

std::string WriteInstance(const NxSNMPVarList& vars) {
    if (!vars.ReadInstance.empty() && KeysAsRead(vars))
        return vars.ReadInstance;
    std::string instance = JoinInstance(vars);
    if (!vars.IndexRest.empty())
        instance += (instance.empty() ? "" : ".") + vars.IndexRest;
    return instance;
}
