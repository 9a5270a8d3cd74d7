#include "NxValueCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace {

constexpr size_t kMaxAddressText = 16;

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The four parts of a dotted IPv4 text, each of digits only and at most 255; nothing otherwise.
std::optional<std::array<unsigned, 4>> DottedQuad(const std::string& text) {
    if (text.size() > kMaxAddressText) return std::nullopt;
    std::array<unsigned, 4> parts{};
    size_t count = 0, from = 0;
    for (;;) {
        size_t dot = text.find('.', from);
        std::string part = text.substr(from, dot == std::string::npos ? std::string::npos : dot - from);
        if (count == 4 || part.empty() || !std::all_of(part.begin(), part.end(), IsDigit)) return std::nullopt;
        unsigned long long value = std::stoull(part);  // at most 16 digits: no overflow
        if (value > 255) return std::nullopt;
        parts[count++] = static_cast<unsigned>(value);
        if (dot == std::string::npos) break;
        from = dot + 1;
    }
    if (count != 4) return std::nullopt;
    return parts;
}

} // namespace

bool CheckIpText(const std::string& text) {
    return DottedQuad(text).has_value();
}

bool CheckMulticastIpText(const std::string& text) {
    auto parts = DottedQuad(text);
    return parts && (*parts)[0] >= 224 && (*parts)[0] <= 239;
}

bool CheckIpv6HexText(const std::string& text) {
    return text.size() == 32 && std::all_of(text.begin(), text.end(), IsHexDigit);
}

std::optional<std::string> MacTextOctets(const std::string& text) {
    constexpr size_t kDigits = 12, kSeparated = 17;
    const char separator = text.find('-') != std::string::npos ? '-' : text.find('.') != std::string::npos ? '.' : 0;
    std::string digits;
    if (!separator) {
        if (text.size() != kDigits) return std::nullopt;
        digits = text;
    } else {
        if (text.size() != kSeparated) return std::nullopt;
        for (size_t at = 0; at < text.size(); ++at) {
            if (at % 3 == 2) {
                if (text[at] != separator) return std::nullopt;
            } else {
                digits += text[at];
            }
        }
    }
    if (!std::all_of(digits.begin(), digits.end(), IsHexDigit)) return std::nullopt;
    std::string octets;
    for (size_t at = 0; at < kDigits; at += 2) octets += static_cast<char>(std::stoi(digits.substr(at, 2), nullptr, 16));
    return octets;
}

bool CheckMacText(const std::string& text) { return MacTextOctets(text).has_value(); }

namespace {

// The low hex digit of the first octet decides unicast (even) or multicast (odd).
std::optional<bool> FirstOctetIsOdd(const std::string& text) {
    if (text.size() < 2 || !IsHexDigit(text[1])) return std::nullopt;
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    int value = IsDigit(c) ? c - '0' : c - 'A' + 10;
    return value % 2 == 1;
}

size_t CountOf(const std::string& text, size_t from, char c, bool anyCase = false) {
    size_t n = 0;
    for (size_t i = from; i < text.size(); ++i)
        if (text[i] == c || (anyCase && std::toupper(static_cast<unsigned char>(text[i])) == c)) ++n;
    return n;
}

} // namespace

bool CheckMulticastMacText(const std::string& text) {
    if (CountOf(text, 0, 'F', true) == 12) return false;  // broadcast
    if (CountOf(text, 2, '0') > 9) return false;          // nearly all zero
    std::optional<bool> odd = FirstOctetIsOdd(text);
    return !odd || *odd;  // anything but an even digit passes
}

bool CheckUnicastMacText(const std::string& text) {
    if (CountOf(text, 0, '0') == 12) return false;  // all zero
    std::optional<bool> odd = FirstOctetIsOdd(text);
    return !odd || !*odd;  // anything but an odd digit passes
}

bool CheckNetmaskText(const std::string& text) {
    auto parts = DottedQuad(text);
    if (!parts) return false;
    const auto& p = *parts;
    if (p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 0) return false;
    static const unsigned kMaskValues[] = {0, 128, 192, 224, 240, 248, 252, 254, 255};
    for (size_t i = 0; i < 4; ++i) {
        if (std::find(std::begin(kMaskValues), std::end(kMaskValues), p[i]) == std::end(kMaskValues)) return false;
        if (i < 3 && p[i] < p[i + 1]) return false;
        if (i < 3 && p[i] != 255 && p[i + 1] != 0) return false;
    }
    return true;
}

bool NormalizeHexWordText(std::string& text) {
    std::string upper = text;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!std::all_of(upper.begin(), upper.end(), [](char c) { return IsDigit(c) || (c >= 'A' && c <= 'F'); })) return false;
    if (upper.size() > 4) return false;
    text = std::string(4 - upper.size(), '0') + upper;
    return true;
}
