#include "SnmpTypes.h"

#include <charconv>

namespace snmp {

std::optional<Oid> Oid::Parse(std::string_view text) {
    if (text.empty())
        return Oid{};
    if (text.front() == '.')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::vector<uint32_t> arcs;
    size_t pos = 0;
    while (true) {
        size_t dot = text.find('.', pos);
        std::string_view part = text.substr(pos, dot == std::string_view::npos ? std::string_view::npos : dot - pos);
        if (part.empty()) {
            // Only a trailing "." is allowed: it stands for a last sub-id 0.
            if (dot != std::string_view::npos || arcs.empty())
                return std::nullopt;
            arcs.push_back(0);
            break;
        }
        uint32_t arc = 0;
        auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), arc);
        if (ec != std::errc() || end != part.data() + part.size())
            return std::nullopt;
        arcs.push_back(arc);
        if (dot == std::string_view::npos)
            break;
        pos = dot + 1;
    }
    return Oid(std::move(arcs));
}

std::string Oid::ToString() const {
    std::string out;
    out.reserve(arcs_.size() * 4);
    for (size_t i = 0; i < arcs_.size(); ++i) {
        if (i)
            out += '.';
        out += std::to_string(arcs_[i]);
    }
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

} // namespace snmp
