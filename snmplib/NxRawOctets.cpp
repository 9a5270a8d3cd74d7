#include "NxRawOctets.h"

#include "NxSNMPError.h"
#include "NxSNMPVar.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr const char* kNull = "(NULL)";

// ---- numbers as C's atol reads them (blanks, sign, leading digits), without overflow ----

int64_t ReadDecimal(const std::string& text, size_t from = 0) {
    size_t i = from;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    uint64_t v = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + static_cast<uint64_t>(text[i] - '0');
    if (v > static_cast<uint64_t>(INT64_MAX)) v = static_cast<uint64_t>(INT64_MAX);
    return negative ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
}

uint64_t ReadUnsigned64(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    uint64_t v = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) v = v * 10 + static_cast<uint64_t>(text[i] - '0');
    return v;
}

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

// ---- hex ----

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int HexDigitOrZero(char c) { return HexDigitValue(c) < 0 ? 0 : HexDigitValue(c); }

void AppendPairs(const std::string& digits, size_t from, std::string& out) {
    for (size_t i = from; i + 1 < digits.size(); i += 2)
        out += static_cast<char>(HexDigitOrZero(digits[i]) * 16 + HexDigitOrZero(digits[i + 1]));
}

std::string HexTextToOctets(const std::string& hexText) {
    std::string digits;
    for (char c : hexText)
        if (c != ' ') digits += c;
    std::string out;
    if (digits.size() >= 33 && digits.size() <= 37) {  // zoned IPv6 form: 32 digits, "%", zone octets
        AppendPairs(digits.substr(0, 32), 0, out);
        AppendPairs(digits, 33, out);
        return out;
    }
    size_t from = 0;
    if (digits.size() % 2) {
        out += static_cast<char>(HexDigitOrZero(digits[0]));
        from = 1;
    }
    AppendPairs(digits, from, out);
    return out;
}

std::string OctetsToHexText(const std::string& octets) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : octets) {
        uint8_t b = static_cast<uint8_t>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

// ---- dotted forms ----

std::vector<std::string> SplitAt(const std::string& text, char delimiter) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; (at = text.find(delimiter, from)) != std::string::npos; from = at + 1) parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

std::string DottedOctets(const std::string& text) {
    std::string out;
    for (const std::string& part : SplitAt(text, '.')) out += static_cast<char>(ReadDecimal(part) & 0xFF);
    return out;
}

std::string DottedDecimal(const std::string& o, size_t count) {
    std::string out;
    for (size_t i = 0; i < count; ++i) out += (i ? "." : "") + std::to_string(static_cast<uint8_t>(o[i]));
    return out;
}

std::string ObjectIdOctets(const std::string& text) {
    std::string out;
    for (const std::string& part : SplitAt(text, '.'))
        if (!part.empty()) out += LittleEndian(static_cast<uint32_t>(ReadDecimal(part)), 4);
    return out;
}

std::string ObjectIdText(const std::string& o) {
    std::string out;
    for (size_t i = 0; i + 4 <= o.size(); i += 4) out += (i ? "." : "") + std::to_string(FromLittleEndian(o.substr(i, 4), 4));
    return out;
}

// ---- time ticks: "h:mm:ss.hh", "1 day h:mm:ss.hh", "n days, h:mm:ss.hh" ----

std::string TimeTicksText(uint32_t hundredths) {
    unsigned long days = hundredths / 8640000u, rest = hundredths % 8640000u;
    unsigned long h = rest / 360000u, m = rest / 6000u % 60u, s = rest / 100u % 60u, hh = rest % 100u;
    char buf[64];
    if (days == 0) std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", h, m, s, hh);
    else if (days == 1) std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, hh);
    else std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, h, m, s, hh);
    return buf;
}

uint32_t TimeTicksFromText(const std::string& text) {
    uint64_t total = 0;
    size_t pos = 0;
    size_t dayAt = text.find("days");
    size_t dayLength = 4;
    if (dayAt == std::string::npos) {
        dayAt = text.find("day");
        dayLength = 3;
    }
    if (dayAt != std::string::npos) {
        total += static_cast<uint64_t>(ReadDecimal(text.substr(0, dayAt))) * 8640000u;
        pos = dayAt + dayLength;
    }
    size_t comma = text.find(',', pos);
    if (comma != std::string::npos) pos = comma + 1;
    size_t c1 = text.find(':', pos);
    if (c1 == std::string::npos) return static_cast<uint32_t>(total);
    total += static_cast<uint64_t>(ReadDecimal(text.substr(pos, c1 - pos))) * 360000u;
    size_t c2 = text.find(':', c1 + 1);
    if (c2 == std::string::npos) return static_cast<uint32_t>(total);
    total += static_cast<uint64_t>(ReadDecimal(text.substr(c1 + 1, c2 - c1 - 1))) * 6000u;
    size_t dot = text.find('.', c2 + 1);
    if (dot != std::string::npos) {
        total += static_cast<uint64_t>(ReadDecimal(text.substr(c2 + 1, dot - c2 - 1))) * 100u;
        total += static_cast<uint64_t>(ReadDecimal(text.substr(dot + 1)));
    }
    return static_cast<uint32_t>(total);
}

// ---- reals: 15 significant digits, fixed unless the exponent is 15 or more or below -5 ("1E20", "1.5E-7") ----

std::string RealText(double v) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    if (v == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", v);
    std::string s = buf;
    size_t e = s.find('E');
    int exponent = std::atoi(s.c_str() + e + 1);
    auto stripZeros = [](std::string m) {
        if (m.find('.') == std::string::npos) return m;
        while (m.back() == '0') m.pop_back();
        if (m.back() == '.') m.pop_back();
        return m;
    };
    if (exponent >= 15 || exponent < -5) return stripZeros(s.substr(0, e)) + "E" + std::to_string(exponent);
    std::snprintf(buf, sizeof buf, "%.*f", 14 - exponent, v);
    return stripZeros(buf);
}

// ---- date-time numbers: days since 1899-12-30, time of day as fraction ----

int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int64_t& m, int64_t& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2);
}

const int64_t kDateTimeEpoch = DaysFromCivil(1899, 12, 30);

std::string DateTimeNumberText(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 3e6) RaiseNxSNMPError(NxErrBadPartValue);
    double whole = std::trunc(v);
    int64_t ms = std::llround(std::fabs(v - whole) * 86400000.0);
    int64_t days = static_cast<int64_t>(whole);
    if (ms >= 86400000) {
        ms -= 86400000;
        days += 1;
    }
    int64_t y, m, d;
    CivilFromDays(days + kDateTimeEpoch, y, m, d);
    int64_t secs = ms / 1000;
    char buf[128];
    std::snprintf(buf, sizeof buf, "%04lld/%02lld/%02lld %02lld:%02lld:%02lld", static_cast<long long>(y), static_cast<long long>(m),
                  static_cast<long long>(d), static_cast<long long>(secs / 3600), static_cast<long long>(secs / 60 % 60),
                  static_cast<long long>(secs % 60));
    return buf;
}

// "yyyy/mm/dd", optionally followed by "hh:nn" or "hh:nn:ss". Anything else is no date.
double DateTimeNumberFromText(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    int n = std::sscanf(text.c_str(), "%d/%d/%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    static const int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool valid = (n == 3 || n >= 5) && y >= 1 && y <= 9999 && mo >= 1 && mo <= 12 && d >= 1 && d <= kDaysInMonth[mo - 1] &&
                 h >= 0 && h < 24 && mi >= 0 && mi < 60 && s >= 0 && s < 60;
    if (valid && mo == 2 && d == 29) valid = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (!valid) RaiseNxSNMPError(NxErrBadPartValue);
    double days = static_cast<double>(DaysFromCivil(y, mo, d) - kDateTimeEpoch);
    double fraction = (h * 3600.0 + mi * 60.0 + s) / 86400.0;
    return days >= 0 ? days + fraction : days - fraction;
}

// ---- DateAndTime: "y-m-d,h:m:s.d" with ",+h:m" or ",-h:m" when the offset is not zero ----

constexpr size_t kDateAndTimeWidth = 11;

std::string DateAndTimeOctets(const std::string& text) {
    int f[9] = {};
    char direction = '+';
    if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], &f[8]) != 9) {
        int g[9] = {};
        if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &g[0], &g[1], &g[2], &g[3], &g[4], &g[5], &g[6], &g[7], &g[8]) == 9) {
            std::memcpy(f, g, sizeof f);
            direction = '-';
        } else {
            int h[7] = {};
            std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d", &h[0], &h[1], &h[2], &h[3], &h[4], &h[5], &h[6]);
            std::memset(f, 0, sizeof f);
            std::memcpy(f, h, sizeof h);
        }
    }
    std::string out = BigEndian(static_cast<uint16_t>(f[0]), 2);
    for (int i = 1; i <= 6; ++i) out += static_cast<char>(f[i]);
    out += direction;
    out += static_cast<char>(f[7]);
    out += static_cast<char>(f[8]);
    return out;
}

std::string DateAndTimeText(const std::string& o) {
    auto at = [&](size_t i) { return static_cast<unsigned>(static_cast<uint8_t>(o[i])); };
    unsigned year = static_cast<unsigned>(FromBigEndian(o, 2));
    char direction = o[8];
    char buf[96];
    if ((at(9) || at(10)) && (direction == '+' || direction == '-'))
        std::snprintf(buf, sizeof buf, "%u-%u-%u,%u:%u:%u.%u,%c%u:%u", year, at(2), at(3), at(4), at(5), at(6), at(7), direction, at(9), at(10));
    else
        std::snprintf(buf, sizeof buf, "%u-%u-%u,%u:%u:%u.%u", year, at(2), at(3), at(4), at(5), at(6), at(7));
    return buf;
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
    case sxDateTime: return SyntaxForm{Width::Fixed, kDateAndTimeWidth};
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
    const bool isTrue = text == "true";
    switch (syntax) {
    case sxBoolean: return LittleEndian(isTrue ? 1 : 0, 4);
    case sxInteger: return LittleEndian(static_cast<uint32_t>(ReadDecimal(text)), 4);
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList: case sxMacAddress: case sxIpv6Address:
        return HexTextToOctets(text);
    case sxNull: return {};
    case sxObjectId: return ObjectIdOctets(text);
    case sxIpAddress: case sxNsapAddr: return DottedOctets(text);
    case sxCounter: case sxGauge: case sxUInteger: return LittleEndian(static_cast<uint32_t>(ReadDecimal(text)), 4);
    case sxTimeTicks: return LittleEndian(TimeTicksFromText(text), 4);
    case sxCounter64: return LittleEndian(ReadUnsigned64(text), 8);
    case sxDouble: return DoubleOctets(std::strtod(text.c_str(), nullptr));
    case sxDateTime: return DateAndTimeOctets(text);
    case sxBcDateTime: return DoubleOctets(DateTimeNumberFromText(text));
    case sxDisplayStr: return text;
    case sxInetAddress: return text.size() <= 16 ? DottedOctets(text) : HexTextToOctets(text);
    case sxBool8: return std::string(1, isTrue ? '\1' : '\0');
    case sxInt8: case sxUInt8: return LittleEndian(static_cast<uint64_t>(ReadDecimal(text)), 1);
    case sxBool16: return BigEndian(isTrue ? 1 : 0, 2);
    default: return BigEndian(static_cast<uint64_t>(ReadDecimal(text)), 2);  // int16, uint16
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
        return OctetsToHexText(o);
    case sxNull: return kNull;
    case sxObjectId: return ObjectIdText(o);
    case sxIpAddress: case sxNsapAddr: return DottedDecimal(o, 4);
    case sxCounter: case sxGauge: case sxUInteger: return std::to_string(FromLittleEndian(o, 4));
    case sxTimeTicks: return TimeTicksText(static_cast<uint32_t>(FromLittleEndian(o, 4)));
    case sxCounter64: return std::to_string(FromLittleEndian(o, 8));
    case sxDouble: return RealText(OctetsDouble(o));
    case sxDateTime: return DateAndTimeText(o);
    case sxBcDateTime: return DateTimeNumberText(OctetsDouble(o));
    case sxDisplayStr: return o;
    case sxInetAddress: return o.size() >= 16 ? OctetsToHexText(o) : DottedDecimal(o, 4);
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

std::string PortListText(const std::string& hexText, bool withHex) {
    std::string text;
    const size_t ports = hexText.size() / 2 * 8;
    auto isSet = [&](size_t p) {  // p from 1
        size_t octet = (p - 1) / 8;
        int value = HexDigitOrZero(hexText[2 * octet]) * 16 + HexDigitOrZero(hexText[2 * octet + 1]);
        return (value & (0x80 >> ((p - 1) % 8))) != 0;
    };
    for (size_t p = 1; p <= ports; ++p) {
        if (!isSet(p)) continue;
        size_t last = p;
        while (last < ports && isSet(last + 1)) ++last;
        if (!text.empty()) text += ',';
        text += std::to_string(p);
        if (last > p) text += "-" + std::to_string(last);
        p = last;
    }
    if (text.empty()) text = "0";
    if (withHex) text += "[" + hexText + "]";
    return text;
}

namespace {

constexpr size_t kMaxPortListText = 255;
constexpr size_t kMaxRangeEnd = 7;

// A port number from 1 to ports, read as atol reads it; nothing for anything else.
std::optional<size_t> PortNumber(const std::string& item, size_t ports) {
    int64_t n = ReadDecimal(item);
    if (n < 1 || static_cast<uint64_t>(n) > ports) return std::nullopt;
    return static_cast<size_t>(n);
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
