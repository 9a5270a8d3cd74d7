#include "NxRawOctets.h"

#include "NxDateTime.h"
#include "NxSNMPConvert.h"
#include "NxSNMPError.h"
#include "NxSNMPVar.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <vector>

namespace {

constexpr const char* kNull = "(NULL)";

// ---- byte order ----

std::string LittleEndian(uint64_t v, size_t width) {
    std::string out(width, '\0');
    for (size_t i = 0; i < width; ++i) out[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

std::string BigEndian(uint64_t v, size_t width) {
    std::string out(width, '\0');
    for (size_t i = 0; i < width; ++i) out[width - 1 - i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

uint64_t FromLittleEndian(const std::string& o, size_t width) {
    uint64_t v = 0;
    for (size_t i = 0; i < width; ++i) v |= static_cast<uint64_t>(static_cast<uint8_t>(o[i])) << (8 * i);
    return v;
}

uint64_t FromBigEndian(const std::string& o, size_t width) {
    uint64_t v = 0;
    for (size_t i = 0; i < width; ++i) v = (v << 8) | static_cast<uint8_t>(o[i]);
    return v;
}

std::string DoubleOctets(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return LittleEndian(bits, 8);
}

double OctetsDouble(const std::string& o) {
    uint64_t bits = FromLittleEndian(o, 8);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

double RealOrRaise(const std::string& text) {
    std::optional<double> v = TextToFloat(text);
    if (!v) RaiseNxSNMPError(NxErrBadPartValue);
    return *v;
}

double DateTimeNumberOrRaise(const std::string& text) {
    std::optional<double> v = TextToDateTimeNumber(text);
    if (!v) RaiseNxSNMPError(NxErrBadPartValue);
    return *v;
}

std::string DateTimeNumberTextOrRaise(double v) {
    std::optional<std::string> text = DateTimeNumberToText(v);
    if (!text) RaiseNxSNMPError(NxErrBadPartValue);
    return *text;
}

bool BooleanOrRaise(const std::string& text) {
    if (text != "true" && text != "false") RaiseNxSNMPError(NxErrBadPartValue);
    return text == "true";
}

std::string DateAndTimeOctetsOrRaise(const std::string& text) {
    NxDateTime dt(std::string{});
    if (!dt.Parse(text)) RaiseNxSNMPError(NxErrBadPartValue);
    return dt.ToOctets();
}

// ---- hex ----

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int HexDigitOrZero(char c) { return HexDigitValue(c) < 0 ? 0 : HexDigitValue(c); }

// ---- dotted forms ----

std::vector<std::string> SplitAt(const std::string& text, char delimiter) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; (at = text.find(delimiter, from)) != std::string::npos; from = at + 1) parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

std::string DottedDecimal(const std::string& o, size_t count) {
    std::string out;
    for (size_t i = 0; i < count; ++i) out += (i ? "." : "") + std::to_string(static_cast<uint8_t>(o[i]));
    return out;
}

std::string ObjectIdOctets(const std::string& text) {
    std::string out;
    for (const std::string& part : SplitAt(text, '.'))
        if (!part.empty()) out += LittleEndian(static_cast<uint64_t>(DecimalInRange(part, 0, UINT32_MAX)), 4);
    return out;
}

std::string ObjectIdText(const std::string& o) {
    std::string out;
    for (size_t i = 0; i + 4 <= o.size(); i += 4) out += (i ? "." : "") + std::to_string(FromLittleEndian(o.substr(i, 4), 4));
    return out;
}

// ---- the syntax table ----

enum class Width { Rest, None, Fixed, Inet };

struct SyntaxForm {
    Width width;
    size_t octets;  // for Fixed: the part width and what RawToText needs
};

std::optional<SyntaxForm> FormOf(int32_t syntax) {
    switch (syntax) {
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList: case sxObjectId: case sxDisplayStr:
        return SyntaxForm{Width::Rest, 0};
    case sxNull: return SyntaxForm{Width::None, 0};
    case sxBoolean: case sxInteger: case sxIpAddress: case sxNsapAddr: case sxCounter: case sxGauge: case sxUInteger: case sxTimeTicks:
        return SyntaxForm{Width::Fixed, 4};
    case sxCounter64: case sxDouble: case sxBcDateTime: return SyntaxForm{Width::Fixed, 8};
    case sxMacAddress: return SyntaxForm{Width::Fixed, 6};
    case sxDateTime: return SyntaxForm{Width::Fixed, NxDateTime::WireSize};
    case sxIpv6Address: return SyntaxForm{Width::Fixed, 16};
    case sxInetAddress: return SyntaxForm{Width::Inet, 0};
    case sxBool8: case sxInt8: case sxUInt8: return SyntaxForm{Width::Fixed, 1};
    case sxBool16: case sxInt16: case sxUInt16: return SyntaxForm{Width::Fixed, 2};
    default: return std::nullopt;
    }
}

SyntaxForm RequireForm(int32_t syntax) {
    std::optional<SyntaxForm> form = FormOf(syntax);
    if (!form) RaiseNxSNMPError(NxErrBadSyntax);
    return *form;
}

const char* BoolText(uint64_t v) { return v ? "true" : "false"; }

} // namespace

std::string TextToRaw(const std::string& text, int32_t syntax) {
    RequireForm(syntax);
    if (text == kNull) return {};
    constexpr int64_t kUInt32Max = UINT32_MAX;
    switch (syntax) {
    case sxBoolean: return LittleEndian(BooleanOrRaise(text) ? 1 : 0, 4);
    case sxInteger: return LittleEndian(static_cast<uint32_t>(DecimalInRange(text, INT32_MIN, INT32_MAX)), 4);
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList: case sxIpv6Address: return OctetsFromHex(text);
    case sxMacAddress: return MacOctetsFromText(text);
    case sxNull: return {};
    case sxObjectId: return ObjectIdOctets(text);
    case sxIpAddress: case sxNsapAddr: return IPv4OctetsOrRaise(text);
    case sxCounter: case sxGauge: case sxUInteger: return LittleEndian(static_cast<uint64_t>(DecimalInRange(text, 0, kUInt32Max)), 4);
    case sxTimeTicks: return LittleEndian(TimeTicksFromText(text), 4);
    case sxCounter64: return LittleEndian(Unsigned64OrRaise(text), 8);
    case sxDouble: return DoubleOctets(RealOrRaise(text));
    case sxDateTime: return DateAndTimeOctetsOrRaise(text);
    case sxBcDateTime: return DoubleOctets(DateTimeNumberOrRaise(text));
    case sxDisplayStr: return text;
    case sxInetAddress: return text.size() <= 16 ? IPv4OctetsOrRaise(text) : OctetsFromHex(text);
    case sxBool8: return std::string(1, BooleanOrRaise(text) ? '\1' : '\0');
    case sxInt8: return LittleEndian(static_cast<uint64_t>(DecimalInRange(text, INT8_MIN, INT8_MAX)), 1);
    case sxUInt8: return LittleEndian(static_cast<uint64_t>(DecimalInRange(text, 0, UINT8_MAX)), 1);
    case sxBool16: return BigEndian(BooleanOrRaise(text) ? 1 : 0, 2);
    case sxInt16: return BigEndian(static_cast<uint64_t>(DecimalInRange(text, INT16_MIN, INT16_MAX)), 2);
    default: return BigEndian(static_cast<uint64_t>(DecimalInRange(text, 0, UINT16_MAX)), 2);  // uint16
    }
}

std::string RawToText(const std::string& o, int32_t syntax) {
    SyntaxForm form = RequireForm(syntax);
    if (o.empty()) return syntax == sxDisplayStr ? std::string() : kNull;
    size_t needed = form.width == Width::Fixed ? form.octets : 0;
    if (syntax == sxInetAddress) needed = 4;
    if (o.size() < needed || (syntax == sxObjectId && o.size() % 4)) RaiseNxSNMPError(NxErrBadPartValue);
    switch (syntax) {
    case sxBoolean: return BoolText(FromLittleEndian(o, 4));
    case sxInteger: return std::to_string(static_cast<int32_t>(FromLittleEndian(o, 4)));
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList: case sxMacAddress: case sxIpv6Address:
        return HexText(o);
    case sxNull: return kNull;
    case sxObjectId: return ObjectIdText(o);
    case sxIpAddress: case sxNsapAddr: return DottedDecimal(o, 4);
    case sxCounter: case sxGauge: case sxUInteger: return std::to_string(FromLittleEndian(o, 4));
    case sxTimeTicks: return TimeTicksText(static_cast<uint32_t>(FromLittleEndian(o, 4)));
    case sxCounter64: return std::to_string(FromLittleEndian(o, 8));
    case sxDouble: return FloatToText(OctetsDouble(o));
    case sxDateTime: return NxDateTime::FromOctets(o.substr(0, NxDateTime::WireSize))->ToString();
    case sxBcDateTime: return DateTimeNumberTextOrRaise(OctetsDouble(o));
    case sxDisplayStr: return o;
    case sxInetAddress: return o.size() >= 16 ? HexText(o) : DottedDecimal(o, 4);
    case sxBool8: return BoolText(static_cast<uint8_t>(o[0]));
    case sxInt8: return std::to_string(static_cast<int8_t>(o[0]));
    case sxUInt8: return std::to_string(static_cast<uint8_t>(o[0]));
    case sxBool16: return BoolText(FromBigEndian(o, 2));
    case sxInt16: return std::to_string(static_cast<int16_t>(FromBigEndian(o, 2)));
    default: return std::to_string(FromBigEndian(o, 2));  // uint16
    }
}

std::string ExtractPart(const std::string& o, int32_t offset, int32_t partSyntax) {
    SyntaxForm form = RequireForm(partSyntax);
    if (o.empty()) return {};
    if (offset < 0 || static_cast<size_t>(offset) > o.size()) RaiseNxSNMPError(NxErrPartOutOfRange);
    const size_t from = static_cast<size_t>(offset);
    size_t width = 0;
    switch (form.width) {
    case Width::Rest: return o.substr(from);
    case Width::None: return {};
    case Width::Fixed: width = form.octets; break;
    case Width::Inet: width = o.size() > 15 ? 16 : 4; break;
    }
    if (o.size() - from < width) RaiseNxSNMPError(NxErrPartOutOfRange);
    return o.substr(from, width);
}

namespace {

void AppendNumber(std::string& text, size_t number) {
    char digits[24];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

}  // namespace

std::string PortListText(const std::string& hexText, bool withHex) {
    std::string text;
    size_t runFrom = 0;  // the first port of the run of set bits under way; 0: none
    auto endRun = [&](size_t last) {
        if (!text.empty()) text += ',';
        AppendNumber(text, runFrom);
        if (last > runFrom) {
            text += '-';
            AppendNumber(text, last);
        }
        runFrom = 0;
    };
    const size_t octets = hexText.size() / 2;
    for (size_t octet = 0; octet < octets; ++octet) {
        const int value = HexDigitOrZero(hexText[2 * octet]) * 16 + HexDigitOrZero(hexText[2 * octet + 1]);
        for (size_t bit = 0; bit < 8; ++bit) {
            const size_t port = octet * 8 + bit + 1;  // from 1, the high bit first
            if (value & (0x80 >> bit)) {
                if (runFrom == 0) runFrom = port;
            } else if (runFrom != 0) {
                endRun(port - 1);
            }
        }
    }
    if (runFrom != 0) endRun(octets * 8);
    if (text.empty()) text = "0";
    if (withHex) {
        text += '[';
        text += hexText;
        text += ']';
    }
    return text;
}

namespace {

constexpr size_t kMaxPortListText = 255;
constexpr size_t kMaxRangeEnd = 7;

// A port number from 1 to ports, the whole item (blanks around it allowed); nothing for anything else.
std::optional<size_t> PortNumber(const std::string& item, size_t ports) {
    size_t from = 0, to = item.size();
    while (from < to && std::isspace(static_cast<unsigned char>(item[from]))) ++from;
    while (to > from && std::isspace(static_cast<unsigned char>(item[to - 1]))) --to;
    if (from == to || to - from > kMaxRangeEnd) return std::nullopt;
    size_t n = 0;
    for (size_t i = from; i < to; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(item[i]))) return std::nullopt;
        n = n * 10 + static_cast<size_t>(item[i] - '0');
    }
    if (n < 1 || n > ports) return std::nullopt;
    return n;
}

} // namespace

std::optional<std::string> ParsePortList(const std::string& text, const std::string& templateHex) {
    const size_t ports = templateHex.size() * 4;
    std::vector<uint8_t> nibbles(templateHex.size(), 0);
    auto set = [&](size_t p) { nibbles[(p - 1) / 4] |= static_cast<uint8_t>(8 >> ((p - 1) % 4)); };

    if (text.size() > kMaxPortListText) return std::nullopt;
    if (text == "all") {
        for (size_t p = 1; p <= ports; ++p) set(p);
    } else {
        for (const std::string& item : SplitAt(text, ',')) {
            if (item.empty()) continue;
            if (item.find(':') != std::string::npos) return std::nullopt;
            size_t dash = item.find('-');
            if (dash == std::string::npos) {
                std::optional<size_t> port = PortNumber(item, ports);
                if (!port) return std::nullopt;
                set(*port);
                continue;
            }
            std::string firstText = item.substr(0, dash), lastText = item.substr(dash + 1);
            if (firstText.empty() || lastText.empty() || firstText.size() > kMaxRangeEnd || lastText.size() > kMaxRangeEnd)
                return std::nullopt;
            std::optional<size_t> first = PortNumber(firstText, ports), last = PortNumber(lastText, ports);
            if (!first || !last || *first > *last) return std::nullopt;
            for (size_t p = *first; p <= *last; ++p) set(p);
        }
    }
    std::string mask;
    for (uint8_t n : nibbles) mask += "0123456789abcdef"[n];
    return mask;
}
