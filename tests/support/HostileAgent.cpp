#include "HostileAgent.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {

// ------------------------------------------------------------------------------------------------ encoding

std::string Length(size_t n) {
    if (n < 0x80)
        return std::string(1, static_cast<char>(n));
    std::string octets;
    for (; n; n >>= 8)
        octets.insert(octets.begin(), static_cast<char>(n & 0xFF));
    return std::string(1, static_cast<char>(0x80 | octets.size())) + octets;
}

std::string Tlv(uint8_t tag, const std::string& content) {
    return std::string(1, static_cast<char>(tag)) + Length(content.size()) + content;
}

std::string IntegerContent(int32_t value) {
    std::string octets;
    int64_t v = value;
    do {
        octets.insert(octets.begin(), static_cast<char>(v & 0xFF));
        v >>= 8;
    } while (!((v == 0 && !(octets.front() & 0x80)) || (v == -1 && (octets.front() & 0x80))));
    return octets;
}

std::string OidContent(const OidArcs& arcs) {
    if (arcs.size() < 2)
        return std::string(1, '\0');
    std::string out;
    auto base128 = [&out](uint32_t arc) {
        std::string part(1, static_cast<char>(arc & 0x7F));
        for (arc >>= 7; arc; arc >>= 7)
            part.insert(part.begin(), static_cast<char>(0x80 | (arc & 0x7F)));
        out += part;
    };
    base128(arcs[0] * 40 + arcs[1]);
    for (size_t i = 2; i < arcs.size(); ++i)
        base128(arcs[i]);
    return out;
}

// ------------------------------------------------------------------------------------------------ decoding

struct Reader {
    const std::string* text;
    size_t at;
    size_t end;

    // The next element; false when it does not fit.
    bool Next(uint8_t& tag, Reader& inner) {
        if (at + 2 > end)
            return false;
        tag = static_cast<uint8_t>((*text)[at++]);
        size_t length = static_cast<uint8_t>((*text)[at++]);
        if (length & 0x80) {
            const size_t count = length & 0x7F;
            if (count == 0 || count > 3 || at + count > end)
                return false;
            length = 0;
            for (size_t i = 0; i < count; ++i)
                length = (length << 8) | static_cast<uint8_t>((*text)[at++]);
        }
        if (at + length > end)
            return false;
        inner = Reader{text, at, at + length};
        at += length;
        return true;
    }
    int32_t Integer() const {
        int64_t v = at < end && (static_cast<uint8_t>((*text)[at]) & 0x80) ? -1 : 0;
        for (size_t i = at; i < end; ++i)
            v = (v << 8) | static_cast<uint8_t>((*text)[i]);
        return static_cast<int32_t>(v);
    }
    OidArcs Oid() const {
        OidArcs arcs;
        uint32_t arc = 0;
        for (size_t i = at; i < end; ++i) {
            const auto octet = static_cast<uint8_t>((*text)[i]);
            arc = (arc << 7) | (octet & 0x7F);
            if (octet & 0x80)
                continue;
            if (arcs.empty()) {
                arcs.push_back(arc < 80 ? arc / 40 : 2);
                arcs.push_back(arc < 80 ? arc % 40 : arc - 80);
            } else {
                arcs.push_back(arc);
            }
            arc = 0;
        }
        return arcs;
    }
    std::string Text() const { return text->substr(at, end - at); }
};

std::optional<HostileRequest> Decode(const std::string& message) {
    Reader all{&message, 0, message.size()};
    Reader msg{&message, 0, 0}, field{&message, 0, 0}, pdu{&message, 0, 0};
    uint8_t tag = 0;
    if (!all.Next(tag, msg) || tag != 0x30)
        return std::nullopt;
    HostileRequest r;
    if (!msg.Next(tag, field) || tag != 0x02)
        return std::nullopt;
    r.version = field.Integer();
    if (!msg.Next(tag, field) || tag != 0x04)
        return std::nullopt;
    r.community = field.Text();
    if (!msg.Next(r.pduType, pdu))
        return std::nullopt;
    if (!pdu.Next(tag, field) || tag != 0x02)
        return std::nullopt;
    r.requestId = field.Integer();
    Reader list{&message, 0, 0}, vb{&message, 0, 0};
    if (!pdu.Next(tag, field) || !pdu.Next(tag, field) || !pdu.Next(tag, list) || tag != 0x30)
        return std::nullopt;
    while (list.Next(tag, vb)) {
        if (tag != 0x30 || !vb.Next(tag, field) || tag != 0x06)
            return std::nullopt;
        r.oids.push_back(field.Oid());
    }
    return r;
}

std::string Encode(const HostileRequest& request, const HostileReply& reply) {
    std::string list;
    for (const HostileVarBind& vb : reply.varbinds)
        list += Tlv(0x30, Tlv(0x06, OidContent(vb.oid)) + Tlv(vb.tag, vb.content));
    const std::string pdu = Tlv(0x02, IntegerContent(request.requestId)) + Tlv(0x02, IntegerContent(reply.errorStatus)) +
                            Tlv(0x02, IntegerContent(reply.errorIndex)) + Tlv(0x30, list);
    return Tlv(0x30, Tlv(0x02, IntegerContent(request.version)) + Tlv(0x04, request.community) + Tlv(0xA2, pdu));
}

} // namespace

OidArcs ParseArcs(const std::string& dotted) {
    OidArcs arcs;
    std::istringstream in(dotted);
    std::string part;
    while (std::getline(in, part, '.'))
        if (!part.empty())
            arcs.push_back(static_cast<uint32_t>(std::stoul(part)));
    return arcs;
}

std::string DottedArcs(const OidArcs& arcs) {
    std::string out;
    for (uint32_t arc : arcs) {
        if (!out.empty())
            out += '.';
        out += std::to_string(arc);
    }
    return out;
}

HostileVarBind HostileVarBind::Integer(const OidArcs& oid, int32_t value) { return {oid, 0x02, IntegerContent(value)}; }
HostileVarBind HostileVarBind::Octets(const OidArcs& oid, const std::string& value) { return {oid, 0x04, value}; }
HostileVarBind HostileVarBind::Exception(const OidArcs& oid, uint8_t tag) { return {oid, tag, {}}; }

HostileAgent::HostileAgent(HostileHandler handler) : handler_(std::move(handler)) {
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        if (fd_ >= 0)
            close(fd_);
        throw std::runtime_error("cannot bind a loopback UDP port");
    }
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { Run(); });
}

HostileAgent::~HostileAgent() {
    stop_ = true;
    thread_.join();
    close(fd_);
}

void HostileAgent::Run() {
    std::string buffer(65536, '\0');
    while (!stop_) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0)
            continue;
        sockaddr_in from{};
        socklen_t fromLen = sizeof from;
        const ssize_t got = recvfrom(fd_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
        if (got <= 0)
            continue;
        const auto request = Decode(buffer.substr(0, static_cast<size_t>(got)));
        if (!request)
            continue;
        ++requests_;
        const HostileReply reply = handler_(*request);
        if (!reply.send)
            continue;
        const std::string out = Encode(*request, reply);
        sendto(fd_, out.data(), out.size(), 0, reinterpret_cast<sockaddr*>(&from), fromLen);
    }
}

} // namespace testsupport
