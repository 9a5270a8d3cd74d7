#include "SnmpTypes.h"

#include <algorithm>
#include <charconv>

namespace snmp {

namespace {

size_t DecimalDigits(uint32_t n) {
    size_t digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

} // namespace

std::optional<Oid> Oid::Parse(std::string_view text) {
    if (text.empty())
        return Oid{};
    if (text.front() == '.')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::vector<uint32_t> arcs;
    arcs.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '.')) + 1);
    const char* const end = text.data() + text.size();
    for (const char* at = text.data();;) {
        if (at == end) {
            // Only a trailing "." leaves nothing after a dot: it stands for a last sub-id 0.
            arcs.push_back(0);
            break;
        }
        uint32_t arc = 0;
        const auto [next, ec] = std::from_chars(at, end, arc);
        if (ec != std::errc())
            return std::nullopt;
        arcs.push_back(arc);
        if (next == end)
            break;
        if (*next != '.')
            return std::nullopt;
        at = next + 1;
    }
    return Oid(std::move(arcs));
}

std::string Oid::ToString() const {
    size_t length = arcs_.empty() ? 0 : arcs_.size() - 1;  // the dots
    for (uint32_t arc : arcs_)
        length += DecimalDigits(arc);
    std::string out(length, '.');
    char* at = out.data();
    char* const end = at + length;
    for (size_t i = 0; i < arcs_.size(); ++i)
        at = std::to_chars(at + (i ? 1 : 0), end, arcs_[i]).ptr;
    return out;
}

bool Oid::StartsWith(const Oid& prefix) const {
    if (prefix.arcs_.size() > arcs_.size())
        return false;
    for (size_t i = 0; i < prefix.arcs_.size(); ++i)
        if (arcs_[i] != prefix.arcs_[i])
            return false;
    return true;
}

Oid& Oid::Append(const Oid& tail) {
    arcs_.insert(arcs_.end(), tail.arcs_.begin(), tail.arcs_.end());
    return *this;
}

std::string DottedText(uint32_t ipv4) {
    char text[16];  // "255.255.255.255"
    char* end = text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        end = std::to_chars(end, text + sizeof text, (ipv4 >> shift) & 0xFFu).ptr;
        if (shift > 0) *end++ = '.';
    }
    return std::string(text, end);
}

} // namespace snmp
