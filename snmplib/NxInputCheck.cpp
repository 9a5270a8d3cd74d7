#include "NxInputCheck.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr size_t kMaxHostText = 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

uint64_t DigitsValue(const std::string& digits) {
    uint64_t v = 0;
    for (char c : digits) v = std::min<uint64_t>(v * 10 + static_cast<uint64_t>(c - '0'), UINT32_MAX);
    return v;
}

// A group's value must be 1 to 255, or 0 written without "00".
bool GroupValueOk(const std::string& group) {
    uint64_t v = DigitsValue(group);
    if (v == 0) return group.find("00") == std::string::npos;
    return v <= 255;
}

bool Report(const std::string& message, const ShowMessageFn& show) {
    if (!message.empty() && show) show(message);
    return false;
}

} // namespace

IpAddressFault FindIpAddressFault(const std::string& text) {
    if (text.empty()) return IpAddressFault::Invalid;
    int dots = 0;
    std::string group;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            group += c;
            continue;
        }
        if (c != '.') return IpAddressFault::Invalid;
        if (i + 1 >= text.size() || !IsDigit(text[i + 1])) return IpAddressFault::Dot;
        ++dots;
        if (i == 0) return IpAddressFault::LeadingDot;
        if (group.size() >= 4 || !GroupValueOk(group)) return IpAddressFault::Invalid;
        group.clear();
    }
    // The last group: by value alone (an over-long run saturates above 255).
    if (group.empty() || !GroupValueOk(group)) return IpAddressFault::Invalid;
    return dots == 3 ? IpAddressFault::None : IpAddressFault::Invalid;
}

bool IsValidIPAddress(const std::string& text, const std::string& message, const std::string& dotMessage,
                      const std::string& leadingDotMessage, const ShowMessageFn& show) {
    switch (FindIpAddressFault(text)) {
    case IpAddressFault::None: return true;
    case IpAddressFault::Dot: return Report(dotMessage, show);
    case IpAddressFault::LeadingDot: return Report(leadingDotMessage, show);
    default: return Report(message, show);
    }
}

namespace {

struct HostRule {
    const char* name;
    bool permitted;
    // True when the rule refuses the address.
    bool (*refuses)(const std::array<int64_t, 4>& groups);
};

int CountValue(const std::array<int64_t, 4>& g, int64_t v) { return static_cast<int>(std::count(g.begin(), g.end(), v)); }
bool FirstIn(const std::array<int64_t, 4>& g, int64_t lo, int64_t hi) { return g[0] >= lo && g[0] <= hi; }

// "Unix Style" (other than three dots) is checked while the text is cut into groups.
const HostRule kHostRules[] = {
    {"All Zero", true, [](const std::array<int64_t, 4>& g) { return CountValue(g, 0) == 4; }},
    {"All Boardcast", false, [](const std::array<int64_t, 4>& g) { return CountValue(g, 255) == 4; }},
    {"LAN Boardcast", true, [](const std::array<int64_t, 4>&) { return false; }},
    {"Local Host", false, [](const std::array<int64_t, 4>& g) { return g[0] == 127; }},
    {"Class A", true, [](const std::array<int64_t, 4>& g) { return FirstIn(g, 0, 127); }},
    {"Class B", true, [](const std::array<int64_t, 4>& g) { return FirstIn(g, 128, 191); }},
    {"Class C", true, [](const std::array<int64_t, 4>& g) { return FirstIn(g, 192, 223); }},
    {"Class D", false, [](const std::array<int64_t, 4>& g) { return FirstIn(g, 224, 239); }},
    {"Class E", false, [](const std::array<int64_t, 4>& g) { return FirstIn(g, 240, 255); }},
    {"Zero Above Non-zero", true, [](const std::array<int64_t, 4>&) { return false; }},
};

} // namespace

bool IsValidHostAddress(const std::string& text) {
    if (text.empty() || text.size() > kMaxHostText) return false;
    std::array<std::string, 4> groups;
    size_t current = 0;
    for (char c : text) {
        if (IsDigit(c)) groups[current] += c;
        else if (c == '.' && current < 3) ++current;
        else return false;  // another character, or a fourth dot
    }
    if (current != 3) return false;  // "Unix Style"
    std::array<int64_t, 4> values{};
    for (size_t i = 0; i < 4; ++i) {
        const std::string& g = groups[i];
        values[i] = g.empty() || g.size() > 10 || DigitsValue(g) > INT32_MAX ? -1 : static_cast<int64_t>(DigitsValue(g));
        if (values[i] < 0 || values[i] > 255) return false;
    }
    return std::none_of(std::begin(kHostRules), std::end(kHostRules),
                        [&](const HostRule& r) { return !r.permitted && r.refuses(values); });
}

bool IsFixedLengthHex(const std::string& text, int digits) {
    return digits >= 0 && text.size() == static_cast<size_t>(digits) && std::all_of(text.begin(), text.end(), IsHexDigit);
}

bool IsFixedLengthHex(const std::string& text, int digits, const std::string& message, const ShowMessageFn& show) {
    return IsFixedLengthHex(text, digits) || Report(message, show);
}

bool IsValidMACAddress(const std::string& text, const ShowMessageFn& show) {
    return IsFixedLengthHex(text, 12, "Invalid MAC address", show);
}

bool IsHexText(const std::string& text, int maxLength) {
    if (text.empty()) return true;
    if (maxLength < 0 || text.size() > static_cast<size_t>(maxLength)) return false;
    return std::all_of(text.begin(), text.end(), IsHexDigit);
}

uint32_t HexTextToInt(const std::string& text) {
    uint32_t v = 0;
    for (char c : text) {
        if (!IsHexDigit(c)) break;
        int digit = IsDigit(c) ? c - '0' : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        v = v * 16u + static_cast<uint32_t>(digit);
    }
    return v;
}
