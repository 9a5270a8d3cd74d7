// The only unit that talks to net-snmp. Our Pdu / Target model is converted here, one pooled net-snmp single
// session serves each agent / version / credentials / timing combination, and every net-snmp callback is turned
// into at most one queued completion.
#include "SnmpSession.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/select.h>

#include <cstring>
#include <deque>
#include <list>

namespace snmp {

// ---------------------------------------------------------------------------------------------- UdpAddress

UdpAddress::UdpAddress(const std::string& hostOrDotted, uint16_t port) : port_(port) {
    if (hostOrDotted.empty())
        return;
    in_addr dotted{};
    if (inet_pton(AF_INET, hostOrDotted.c_str(), &dotted) == 1) {
        ipv4_ = ntohl(dotted.s_addr);
        valid_ = true;
        return;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(hostOrDotted.c_str(), nullptr, &hints, &found) != 0 || !found)
        return;
    ipv4_ = ntohl(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
    valid_ = true;
    freeaddrinfo(found);
}

std::string UdpAddress::Host() const { return DottedText(ipv4_); }

std::string UdpAddress::ToString() const { return Host() + "/" + std::to_string(port_); }

// ---------------------------------------------------------------------------------------------- AsyncScope

AsyncScope::AsyncScope() : state_(std::make_shared<State>()) {}
AsyncScope::~AsyncScope() { state_->attached = false; }
int AsyncScope::Pending() const { return state_->pending; }

void AsyncScope::Detach() {
    // The abandoned exchanges keep the old state; new ones start afresh.
    state_->attached = false;
    state_ = std::make_shared<State>();
}

// ---------------------------------------------------------------------------------------------- library set-up

namespace {

int InitLibraryOnce() {
    static const int status = [] {
        // Silence: no handler would make the library fall back to stderr.
        snmp_disable_log();
        netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_NO_TOKEN_WARNINGS, 1);
        // Timers run from our own event processing, never from SIGALRM.
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
        netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIBDIRS, "");
        // The library still creates a certificate index directory under its persistent directory at start-up;
        // a path below a non-directory makes that fail quietly instead of writing into the system or home.
        netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, "/dev/null/qsw2126p");
        netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, "/dev/null/qsw2126p");
        init_snmp("qsw2126p");
        return 0;
    }();
    return status;
}

// net-snmp's error numbers as library results.
int MapLibraryError(int err) {
    switch (err) {
    case SNMPERR_SUCCESS: return result::Success;
    case SNMPERR_TIMEOUT: return result::Timeout;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
    case SNMPERR_BAD_SEC_NAME: return result::UsmUnknownSecurityName;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
    case SNMPERR_BAD_SEC_LEVEL: return result::UsmUnsupportedSecurityLevel;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return result::UsmAuthenticationFailure;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return result::UsmDecryptionError;
    case SNMPERR_USM_ENCRYPTIONERROR: return result::UsmEncryptionError;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return result::UsmNotInTimeWindow;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID: return result::UsmUnknownEngineId;
    case SNMPERR_USM_PARSEERROR: return result::UsmParseError;
    case SNMPERR_USM_GENERICERROR:
    case SNMPERR_UNKNOWN_REPORT: return result::UsmError;
    case SNMPERR_BAD_ENG_ID: return result::MpInvalidEngineId;
    case SNMPERR_UNKNOWN_SEC_MODEL: return result::MpUnsupportedSecurityModel;
    case SNMPERR_INVALID_MSG: return result::MpInvalidMessage;
    case SNMPERR_BAD_ADDRESS: return result::InvalidAddress;
    case SNMPERR_BAD_LOCPORT:
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM: return result::TransportFailed;
    case SNMPERR_MALLOC: return result::ResourceUnavailable;
    case SNMPERR_BAD_SESSION: return result::InternalError;
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_V2_IN_V1:
    case SNMPERR_UNKNOWN_PDU:
    case SNMPERR_TOO_LONG: return result::InvalidPdu;
    case SNMPERR_BAD_VERSION: return result::InvalidTarget;
    default: return result::Error;
    }
}

// A REPORT names the failure by its counter's OID (snmpMPDStats, usmStats, the context counters).
int MapReport(const netsnmp_pdu* report) {
    static const oid mpdStats[] = {1, 3, 6, 1, 6, 3, 11, 2, 1};
    static const oid usmStats[] = {1, 3, 6, 1, 6, 3, 15, 1, 1};
    static const oid targetStats[] = {1, 3, 6, 1, 6, 3, 12, 1};
    const netsnmp_variable_list* vb = report ? report->variables : nullptr;
    if (!vb)
        return result::UsmError;
    auto under = [vb](const oid* prefix, size_t len) {
        return vb->name_length > len && std::memcmp(vb->name, prefix, len * sizeof(oid)) == 0;
    };
    if (under(usmStats, 9)) {
        switch (vb->name[9]) {
        case 1: return result::UsmUnsupportedSecurityLevel;
        case 2: return result::UsmNotInTimeWindow;
        case 3: return result::UsmUnknownSecurityName;
        case 4: return result::UsmUnknownEngineId;
        case 5: return result::UsmAuthenticationFailure;
        case 6: return result::UsmDecryptionError;
        }
    } else if (under(mpdStats, 9)) {
        switch (vb->name[9]) {
        case 1: return result::MpUnsupportedSecurityModel;
        case 2: return result::MpInvalidMessage;
        case 3: return result::MpUnknownPduHandlers;
        }
    } else if (under(targetStats, 8)) {
        switch (vb->name[8]) {
        case 4: return result::MpUnavailableContext;
        case 5: return result::MpUnknownContext;
        }
    }
    return result::UsmError;
}

// ---------------------------------------------------------------------------------------------- value conversion

int PduCommand(PduType type) {
    switch (type) {
    case PduType::Get: return SNMP_MSG_GET;
    case PduType::GetNext: return SNMP_MSG_GETNEXT;
    case PduType::Set: return SNMP_MSG_SET;
    case PduType::Response: return SNMP_MSG_RESPONSE;
    case PduType::Report: return SNMP_MSG_REPORT;
    }
    return SNMP_MSG_GET;
}

std::vector<oid> ToLibraryOid(const Oid& o) { return std::vector<oid>(o.Arcs().begin(), o.Arcs().end()); }

Oid FromLibraryOid(const oid* arcs, size_t count) {
    std::vector<uint32_t> out(count);
    for (size_t i = 0; i < count; ++i)
        out[i] = static_cast<uint32_t>(arcs[i]);
    return Oid(std::move(out));
}

// Appends one varbind; false when the library refuses the value.
bool AddVarBind(netsnmp_pdu* pdu, const VarBind& vb) {
    const std::vector<oid> name = ToLibraryOid(vb.oid);
    const Value& v = vb.value;
    auto add = [&](u_char type, const void* data, size_t len) {
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), type, data, len) != nullptr;
    };
    switch (v.type) {
    case ValueType::None: return add(ASN_NULL, nullptr, 0);
    case ValueType::Integer: {
        long n = v.AsInt32();
        return add(ASN_INTEGER, &n, sizeof n);
    }
    case ValueType::OctetString: return add(ASN_OCTET_STR, v.bytes.data(), v.bytes.size());
    case ValueType::Opaque: return add(ASN_OPAQUE, v.bytes.data(), v.bytes.size());
    case ValueType::IpAddress: return add(ASN_IPADDRESS, v.bytes.data(), v.bytes.size());
    case ValueType::ObjectId: {
        const std::vector<oid> arcs = ToLibraryOid(v.oid);
        return add(ASN_OBJECT_ID, arcs.data(), arcs.size() * sizeof(oid));
    }
    case ValueType::Counter32:
    case ValueType::Gauge32:
    case ValueType::TimeTicks: {
        u_long n = v.AsUInt32();
        const u_char type = v.type == ValueType::Counter32 ? ASN_COUNTER
                          : v.type == ValueType::Gauge32   ? ASN_GAUGE
                                                           : ASN_TIMETICKS;
        return add(type, &n, sizeof n);
    }
    case ValueType::Counter64: {
        counter64 c{};
        c.high = static_cast<u_long>(v.number >> 32);
        c.low = static_cast<u_long>(v.number & 0xFFFFFFFFu);
        return add(ASN_COUNTER64, &c, sizeof c);
    }
    case ValueType::NoSuchObject: return add(SNMP_NOSUCHOBJECT, nullptr, 0);
    case ValueType::NoSuchInstance: return add(SNMP_NOSUCHINSTANCE, nullptr, 0);
    case ValueType::EndOfMibView: return add(SNMP_ENDOFMIBVIEW, nullptr, 0);
    }
    return false;
}

Value FromLibraryValue(const netsnmp_variable_list* vb) {
    auto bytes = [vb] { return std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len); };
    switch (vb->type) {
    case ASN_INTEGER: return Value::Integer(static_cast<int32_t>(*vb->val.integer));
    case ASN_OCTET_STR: return Value::Octets(bytes());
    case ASN_OPAQUE: return Value::Octets(bytes(), ValueType::Opaque);
    case ASN_IPADDRESS: return Value::IpAddress(bytes());
    case ASN_OBJECT_ID: return Value::ObjectId(FromLibraryOid(vb->val.objid, vb->val_len / sizeof(oid)));
    case ASN_COUNTER: return Value::Unsigned32(ValueType::Counter32, static_cast<uint32_t>(*vb->val.integer));
    case ASN_GAUGE:
    case ASN_UINTEGER: return Value::Unsigned32(ValueType::Gauge32, static_cast<uint32_t>(*vb->val.integer));
    case ASN_TIMETICKS: return Value::Unsigned32(ValueType::TimeTicks, static_cast<uint32_t>(*vb->val.integer));
    case ASN_COUNTER64:
        return Value::Counter64((static_cast<uint64_t>(vb->val.counter64->high & 0xFFFFFFFFu) << 32) |
                                (vb->val.counter64->low & 0xFFFFFFFFu));
    case SNMP_NOSUCHOBJECT: return Value::Exception(ValueType::NoSuchObject);
    case SNMP_NOSUCHINSTANCE: return Value::Exception(ValueType::NoSuchInstance);
    case SNMP_ENDOFMIBVIEW: return Value::Exception(ValueType::EndOfMibView);
    default: return Value::Null();
    }
}

void CopyResponse(const netsnmp_pdu* response, Pdu& out) {
    out.type = response->command == SNMP_MSG_REPORT ? PduType::Report : PduType::Response;
    out.errorStatus = static_cast<int32_t>(response->errstat);
    out.errorIndex = static_cast<int32_t>(response->errindex);
    out.requestId = static_cast<int32_t>(response->reqid);
    out.varbinds.clear();
    for (const netsnmp_variable_list* vb = response->variables; vb; vb = vb->next_variable)
        out.varbinds.push_back({FromLibraryOid(vb->name, vb->name_length), FromLibraryValue(vb)});
}

// A request that got no answer keeps its own varbinds, without values.
void ClearValues(Pdu& pdu) {
    for (VarBind& vb : pdu.varbinds)
        vb.value = Value::Null();
}

// ---------------------------------------------------------------------------------------------- pool keys

struct Credentials {
    int32_t authProtocol = AuthNone;
    int32_t privProtocol = PrivNone;
    std::string authPassword;
    std::string privPassword;
    friend auto operator<=>(const Credentials&, const Credentials&) = default;
};

struct PoolKey {
    uint32_t ipv4 = 0;
    uint16_t port = 0;
    uint8_t version = 0;
    int32_t timeout = 0;
    int32_t retries = 0;
    std::string community;
    int32_t securityModel = 0;
    int32_t securityLevel = 0;
    std::string securityName;
    Credentials credentials;
    friend auto operator<=>(const PoolKey&, const PoolKey&) = default;
};

} // namespace

// ---------------------------------------------------------------------------------------------- Impl

struct Session::Impl {
    struct Pooled {
        void* sessp = nullptr;
        PoolKey key;
        int outstanding = 0;  // our asynchronous exchanges not yet completed by the library
        bool retired = false; // no longer chosen; closed once idle
        bool closingNow = false;
        bool answered = false; // the agent answered here: for SNMPv3, its engine was discovered and worked
    };
    struct Call {
        std::shared_ptr<AsyncScope::State> scope;
        Completion completion;
        Pdu request;
        UdpAddress agent;
        Pooled* pooled = nullptr;
        PduType type = PduType::Get;
        Target target;
        bool rediscovered = false;  // already sent again after discovering the engine anew
    };
    struct Ready {
        std::shared_ptr<AsyncScope::State> scope;
        Completion completion;
        AsyncResult result;
    };

    std::list<Pooled> pool;
    std::map<uint64_t, Call> calls;
    std::deque<Ready> ready;
    std::vector<uint64_t> rediscover;  // calls to send again on a new session, after their engine is discovered
    std::map<std::string, Credentials> users;
    bool closing = false;
    std::function<void()>* socketsChanged = nullptr;

    Impl() { LiveImpls().push_back(this); }
    ~Impl() {
        std::erase(LiveImpls(), this);
        closing = true;  // callbacks fired while closing are not ours to deliver
        for (Pooled& p : pool)
            snmp_sess_close(p.sessp);
    }

    void NotifySockets() {
        if (socketsChanged && *socketsChanged)
            (*socketsChanged)();
    }

    // The library passes each request's magic, our call ID, but not always our session: during a blocking wait
    // the session's own callback data belongs to the library. So the owner is found by the call ID.
    static std::vector<Impl*>& LiveImpls() {
        static std::vector<Impl*> impls;
        return impls;
    }
    static uint64_t NextCallId() {
        static uint64_t next = 1;
        return next++;
    }

    static int OnLibraryEvent(int op, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
        const auto id = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(magic));
        for (Impl* impl : LiveImpls())
            if (impl->calls.count(id)) {
                impl->HandleEvent(op, session, pdu, id);
                break;
            }
        return 1;
    }

    // Turns the first decisive callback of an exchange into its completion; later ones (the REPORT after a
    // security error, a time-out after a completion, callbacks from closing) find no call and are dropped.
    void HandleEvent(int op, netsnmp_session* session, netsnmp_pdu* pdu, uint64_t id) {
        if (closing || id == 0)
            return;
        auto it = calls.find(id);
        if (it == calls.end())
            return;
        AsyncResult r;
        r.agent = it->second.agent;
        r.pdu = it->second.request;
        switch (op) {
        case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
            if (!pdu)
                return;
            if (pdu->command == SNMP_MSG_REPORT) {
                r.reason = r.result = MapReport(pdu);
                if (r.result == result::UsmUnknownEngineId && MayRediscover(it->second)) {
                    SendAgain(id);
                    return;
                }
                ClearValues(r.pdu);
            } else {
                if (it->second.pooled)
                    it->second.pooled->answered = true;
                CopyResponse(pdu, r.pdu);
                r.reason = result::AsyncResponse;
                r.result = r.pdu.errorStatus;
            }
            break;
        case NETSNMP_CALLBACK_OP_TIMED_OUT:
            if (MayRediscover(it->second)) {
                SendAgain(id);
                return;
            }
            r.reason = r.result = it->second.pooled ? SilenceResult(*it->second.pooled) : result::Timeout;
            ClearValues(r.pdu);
            break;
        case NETSNMP_CALLBACK_OP_SEC_ERROR:
            r.reason = r.result = pdu && pdu->command == SNMP_MSG_REPORT ? MapReport(pdu)
                                                                         : SecurityResult(session);
            ClearValues(r.pdu);
            break;
        case NETSNMP_CALLBACK_OP_SEND_FAILED:
            r.reason = r.result = result::TransportFailed;
            ClearValues(r.pdu);
            break;
        case NETSNMP_CALLBACK_OP_DISCONNECT:
            r.reason = r.result = result::SessionDestroyed;
            break;
        default:  // resends and connects are no completion
            return;
        }
        Complete(it, std::move(r));
    }

    // An SNMPv3 agent that answered on this session and now stays silent may have restarted with another engine
    // ID, which the session would go on using: the exchange is sent once more on a new session that discovers it.
    static bool MayRediscover(const Call& call) {
        return call.pooled && call.pooled->key.version == Version3 && call.pooled->answered && !call.rediscovered;
    }
    static bool MayRediscover(const Pooled& pooled, int outcome) {
        return pooled.key.version == Version3 && pooled.answered &&
               (outcome == result::Timeout || outcome == result::UsmUnknownEngineId);
    }

    // Retires the call's session and queues the call to be sent on a new one.
    void SendAgain(uint64_t id) {
        Call& call = calls.at(id);
        call.rediscovered = true;
        call.pooled->retired = true;
        rediscover.push_back(id);
    }

    void ResendRediscovered() {
        std::vector<uint64_t> ids;
        ids.swap(rediscover);
        for (uint64_t id : ids) {
            auto it = calls.find(id);
            if (it == calls.end())
                continue;
            Call& call = it->second;
            --call.pooled->outstanding;
            call.pooled = nullptr;
            Pooled* pooled = nullptr;
            netsnmp_pdu* request = nullptr;
            if (Prepare(call.type, call.request, call.target, pooled, request) == result::Success) {
                call.pooled = pooled;
                ++pooled->outstanding;
                if (snmp_sess_async_send(pooled->sessp, request, &Impl::OnLibraryEvent,
                                         reinterpret_cast<void*>(static_cast<uintptr_t>(id))) != 0)
                    continue;
                snmp_free_pdu(request);
            }
            it = calls.find(id);
            if (it == calls.end())
                continue;  // completed inside the send
            AsyncResult r;
            r.reason = r.result = result::Timeout;
            r.pdu = it->second.request;
            ClearValues(r.pdu);
            r.agent = it->second.agent;
            Complete(it, std::move(r));
        }
    }

    // What an exchange that got no answer means. An agent that answered the engine discovery of an authPriv session
    // but none of its requests could not decrypt them (a wrong privacy password), which it does not report.
    static int SilenceResult(const Pooled& pooled) {
        if (pooled.key.version != Version3 || pooled.key.securityLevel != AuthPriv || pooled.answered)
            return result::Timeout;
        const netsnmp_session* s = snmp_sess_session(pooled.sessp);
        return s && s->securityEngineIDLen > 0 ? result::UsmDecryptionError : result::Timeout;
    }

    static int SecurityResult(netsnmp_session* session) {
        const int mapped = MapLibraryError(session ? session->s_snmp_errno : 0);
        return mapped == result::Success || mapped == result::Error ? result::UsmError : mapped;
    }

    void Complete(std::map<uint64_t, Call>::iterator it, AsyncResult r) {
        Call& call = it->second;
        if (call.pooled)
            --call.pooled->outstanding;
        ready.push_back({std::move(call.scope), std::move(call.completion), std::move(r)});
        calls.erase(it);
    }

    // ------------------------------------------------------------------------ pool

    Pooled* Find(const PoolKey& key) {
        for (Pooled& p : pool)
            if (!p.retired && p.key == key)
                return &p;
        return nullptr;
    }

    // Opens a library session for the key. Returns 0 or a library result.
    int Open(const PoolKey& key, Pooled*& out) {
        netsnmp_session s;
        snmp_sess_init(&s);
        const std::string peer = "udp:" + DottedText(key.ipv4) + ":" + std::to_string(key.port);
        std::vector<char> peerName(peer.begin(), peer.end());
        peerName.push_back('\0');
        s.peername = peerName.data();
        s.timeout = static_cast<long>(key.timeout) * 10000L;  // hundredths of a second to microseconds
        s.retries = key.retries;
        s.callback = &Impl::OnLibraryEvent;  // for packets that belong to no request of ours: dropped
        s.callback_magic = nullptr;
        std::string community = key.community;
        std::string name = key.securityName;
        if (key.version == Version3) {
            s.version = SNMP_VERSION_3;
            s.securityModel = key.securityModel;
            s.securityLevel = key.securityLevel;
            s.securityName = name.data();
            s.securityNameLen = name.size();
            const int keys = SetKeys(s, key.credentials);
            if (keys != result::Success)
                return keys;
        } else {
            s.version = key.version == Version2c ? SNMP_VERSION_2c : SNMP_VERSION_1;
            s.community = reinterpret_cast<u_char*>(community.data());
            s.community_len = community.size();
        }
        void* sessp = snmp_sess_open(&s);
        if (!sessp)
            return MapLibraryError(s.s_snmp_errno ? s.s_snmp_errno : SNMPERR_NO_SOCKET);
        pool.push_back({sessp, key, 0, false, false, false});
        out = &pool.back();
        NotifySockets();
        return result::Success;
    }

    static int SetKeys(netsnmp_session& s, const Credentials& c) {
        if (c.authProtocol == AuthNone)
            return result::Success;
        if (c.authProtocol == AuthHmacMd5) {
            s.securityAuthProto = usmHMACMD5AuthProtocol;
            s.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
        } else {
            s.securityAuthProto = usmHMACSHA1AuthProtocol;
            s.securityAuthProtoLen = USM_AUTH_PROTO_SHA_LEN;
        }
        std::string pass = c.authPassword;
        s.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (generate_Ku(s.securityAuthProto, static_cast<u_int>(s.securityAuthProtoLen),
                        reinterpret_cast<u_char*>(pass.data()), pass.size(), s.securityAuthKey,
                        &s.securityAuthKeyLen) != SNMPERR_SUCCESS)
            return result::UsmAuthenticationError;
        if (c.privProtocol == PrivNone)
            return result::Success;
        s.securityPrivProto = usmDESPrivProtocol;
        s.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
        std::string priv = c.privPassword;
        s.securityPrivKeyLen = USM_PRIV_KU_LEN;
        if (generate_Ku(s.securityAuthProto, static_cast<u_int>(s.securityAuthProtoLen),
                        reinterpret_cast<u_char*>(priv.data()), priv.size(), s.securityPrivKey,
                        &s.securityPrivKeyLen) != SNMPERR_SUCCESS)
            return result::UsmEncryptionError;
        return result::Success;
    }

    // Closes retired sessions without exchanges. Watchers hear of it before the sockets close.
    void CloseIdleRetired() {
        bool any = false;
        for (Pooled& p : pool) {
            p.closingNow = p.retired && p.outstanding == 0;
            any = any || p.closingNow;
        }
        if (!any)
            return;
        NotifySockets();
        closing = true;
        for (auto it = pool.begin(); it != pool.end();) {
            if (it->closingNow) {
                snmp_sess_close(it->sessp);
                it = pool.erase(it);
            } else {
                ++it;
            }
        }
        closing = false;
    }

    // Forgets every key the library derived for the user, and the sessions that carry them.
    void ForgetUser(const std::string& name) {
        for (usmUser* u = usm_get_userList(); u;) {
            usmUser* next = u->next;
            if (u->name && name == u->name) {
                usm_remove_user(u);
                usm_free_user(u);
            }
            u = next;
        }
        for (Pooled& p : pool)
            if (p.key.version == Version3 && p.key.securityName == name)
                p.retired = true;
        CloseIdleRetired();
    }

    // ------------------------------------------------------------------------ requests

    // Chooses the pooled session for a request and builds the library PDU. Returns 0 or a library result.
    int Prepare(PduType type, const Pdu& pdu, const Target& target, Pooled*& pooled, netsnmp_pdu*& out) {
        if (!target.address.Valid())
            return result::InvalidAddress;
        if (target.version != Version1 && target.version != Version2c && target.version != Version3)
            return result::InvalidTarget;
        PoolKey key;
        key.ipv4 = target.address.Ipv4();
        key.port = target.address.Port();
        key.version = target.version;
        key.timeout = target.timeout < 0 ? 0 : target.timeout;
        key.retries = target.retries < 0 ? 0 : target.retries;
        if (target.IsUserTarget()) {
            auto user = users.find(target.securityName);
            if (user == users.end())
                return result::UsmUnknownSecurityName;
            const int level = pdu.securityLevel;
            if (level < NoAuthNoPriv || level > AuthPriv)
                return result::UsmUnsupportedSecurityLevel;
            if ((level >= AuthNoPriv && user->second.authProtocol == AuthNone) ||
                (level == AuthPriv && user->second.privProtocol == PrivNone))
                return result::UsmUnsupportedSecurityLevel;
            key.securityModel = target.securityModel;
            key.securityLevel = level;
            key.securityName = target.securityName;
            key.credentials = user->second;
            // Keys the level does not use stay out of the session.
            if (level < AuthPriv) {
                key.credentials.privProtocol = PrivNone;
                key.credentials.privPassword.clear();
            }
            if (level < AuthNoPriv) {
                key.credentials.authProtocol = AuthNone;
                key.credentials.authPassword.clear();
            }
        } else {
            key.community = type == PduType::Set ? target.writeCommunity : target.readCommunity;
        }
        pooled = Find(key);
        if (!pooled) {
            const int opened = Open(key, pooled);
            if (opened != result::Success)
                return opened;
        }
        out = snmp_pdu_create(PduCommand(type));
        if (!out)
            return result::ResourceUnavailable;
        if (target.IsUserTarget()) {
            out->securityLevel = pdu.securityLevel;
            SetOctets(out->contextName, out->contextNameLen, pdu.contextName);
            SetOctets(out->contextEngineID, out->contextEngineIDLen, pdu.contextEngineId);
        }
        for (const VarBind& vb : pdu.varbinds) {
            if (!AddVarBind(out, vb)) {
                snmp_free_pdu(out);
                out = nullptr;
                return result::InvalidPdu;
            }
        }
        return result::Success;
    }

    template <typename T>
    static void SetOctets(T*& field, size_t& len, const std::string& text) {
        if (text.empty())
            return;
        field = static_cast<T*>(malloc(text.size()));
        std::memcpy(field, text.data(), text.size());
        len = text.size();
    }

    static int SessionError(void* sessp) {
        netsnmp_session* s = snmp_sess_session(sessp);
        return MapLibraryError(s ? s->s_snmp_errno : SNMPERR_GENERR);
    }

    static int SocketOf(const Pooled& p) {
        netsnmp_transport* t = snmp_sess_transport(p.sessp);
        return t ? t->sock : -1;
    }

    static void ReadOne(Pooled& p, int sock) {
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(sock, &fds);
        snmp_sess_read(p.sessp, &fds);  // the library reads without waiting: nothing there is no harm
    }

    // Reads what has arrived. A socket known readable is read once without asking (its notifier fires again while
    // more waits). Otherwise one poll over every socket per round, bounded, so one busy agent cannot starve the
    // others and a burst is read in one go.
    void ReadArrived(int readableSocket) {
        if (readableSocket >= 0) {
            for (Pooled& p : pool)
                if (!p.closingNow && SocketOf(p) == readableSocket) {
                    ReadOne(p, readableSocket);
                    return;
                }
        }
        pollFds.clear();
        pollOwners.clear();
        for (Pooled& p : pool) {
            const int sock = SocketOf(p);
            if (sock < 0 || p.closingNow)
                continue;
            pollFds.push_back(pollfd{sock, POLLIN, 0});
            pollOwners.push_back(&p);
        }
        for (int round = 0; round < 256 && !pollFds.empty(); ++round) {
            if (::poll(pollFds.data(), pollFds.size(), 0) <= 0)
                break;
            for (size_t k = 0; k < pollFds.size(); ++k)
                if (pollFds[k].revents & POLLIN)
                    ReadOne(*pollOwners[k], pollFds[k].fd);
        }
    }
    std::vector<pollfd> pollFds;
    std::vector<Pooled*> pollOwners;
};

// ---------------------------------------------------------------------------------------------- Session

Session::Session(int& status) : impl_(std::make_unique<Impl>()) {
    status = InitLibraryOnce();
    impl_->socketsChanged = &socketsChanged_;
}

Session::~Session() = default;

int Session::AddUser(const std::string& securityName, int32_t authProtocol, int32_t privProtocol,
                     const std::string& authPassword, const std::string& privPassword) {
    if (authProtocol != AuthNone && authProtocol != AuthHmacMd5 && authProtocol != AuthHmacSha)
        return result::UsmUnsupportedAuthProtocol;
    if (privProtocol != PrivNone && privProtocol != PrivDes)
        return result::UsmUnsupportedPrivProtocol;
    const Credentials credentials{authProtocol, privProtocol, authPassword, privPassword};
    auto it = impl_->users.find(securityName);
    if (it != impl_->users.end() && it->second == credentials)
        return result::Success;
    // The library keeps localized keys per user name: a change must not meet the old ones.
    impl_->ForgetUser(securityName);
    impl_->users[securityName] = credentials;
    return result::Success;
}

int Session::MpInit(const std::string& localEngineId, uint32_t engineBoots) {
    localEngineId_ = localEngineId;
    engineBoots_ = engineBoots;
    return result::Success;
}

int Session::Get(Pdu& pdu, const Target& target) { return Send(PduType::Get, pdu, target); }
int Session::GetNext(Pdu& pdu, const Target& target) { return Send(PduType::GetNext, pdu, target); }
int Session::Set(Pdu& pdu, const Target& target) { return Send(PduType::Set, pdu, target); }

namespace {

// One blocking exchange on the pooled session the target chooses (null when none could be prepared).
int ExchangeOnce(Session::Impl& impl, PduType type, Pdu& pdu, const Target& target, Session::Impl::Pooled*& pooled) {
    netsnmp_pdu* request = nullptr;
    const int prepared = impl.Prepare(type, pdu, target, pooled, request);
    if (prepared != result::Success) {
        pooled = nullptr;
        return prepared;
    }
    netsnmp_pdu* response = nullptr;
    // The library owns the request from here, sent or not.
    const int status = snmp_sess_synch_response(pooled->sessp, request, &response);
    int outcome;
    if (status == STAT_SUCCESS && response) {
        pooled->answered = true;
        CopyResponse(response, pdu);
        outcome = pdu.errorStatus;
    } else {
        outcome = status == STAT_TIMEOUT ? Session::Impl::SilenceResult(*pooled) : Session::Impl::SessionError(pooled->sessp);
        if (outcome == result::Success)
            outcome = result::Error;
        ClearValues(pdu);
    }
    if (response)
        snmp_free_pdu(response);
    return outcome;
}

} // namespace

int Session::Send(PduType type, Pdu& pdu, const Target& target) {
    const Pdu original = pdu;
    Impl::Pooled* pooled = nullptr;
    const int outcome = ExchangeOnce(*impl_, type, pdu, target, pooled);
    if (!pooled || !Impl::MayRediscover(*pooled, outcome))
        return outcome;
    pooled->retired = true;
    impl_->CloseIdleRetired();
    pdu = original;
    return ExchangeOnce(*impl_, type, pdu, target, pooled);
}


int Session::GetAsync(Pdu pdu, const Target& target, AsyncScope& scope, Completion completion) {
    return SendAsync(PduType::Get, std::move(pdu), target, scope, std::move(completion));
}
int Session::GetNextAsync(Pdu pdu, const Target& target, AsyncScope& scope, Completion completion) {
    return SendAsync(PduType::GetNext, std::move(pdu), target, scope, std::move(completion));
}
int Session::SetAsync(Pdu pdu, const Target& target, AsyncScope& scope, Completion completion) {
    return SendAsync(PduType::Set, std::move(pdu), target, scope, std::move(completion));
}

int Session::SendAsync(PduType type, Pdu pdu, const Target& target, AsyncScope& scope, Completion completion) {
    if (!completion)
        return result::InvalidCallback;
    Impl::Pooled* pooled = nullptr;
    netsnmp_pdu* request = nullptr;
    const int prepared = impl_->Prepare(type, pdu, target, pooled, request);
    if (prepared != result::Success)
        return prepared;

    // The call exists before the send: the library may already report on it from inside the send.
    const uint64_t id = Impl::NextCallId();
    Impl::Call call{scope.state_, std::move(completion), std::move(pdu), target.address, pooled, type, target, false};
    auto [it, inserted] = impl_->calls.emplace(id, std::move(call));
    (void)inserted;
    ++pooled->outstanding;
    ++scope.state_->pending;

    const int reqid = snmp_sess_async_send(pooled->sessp, request, &Impl::OnLibraryEvent,
                                           reinterpret_cast<void*>(static_cast<uintptr_t>(id)));
    if (reqid != 0)
        return Accepted();

    snmp_free_pdu(request);
    auto still = impl_->calls.find(id);
    if (still == impl_->calls.end())
        return Accepted();  // completed inside the send: the completion is queued
    const int failure = Impl::SessionError(pooled->sessp);
    if (failure == result::Timeout) {
        // SNMPv3 discovery timed out inside the send: the exchange ends as a time-out like any other.
        AsyncResult r;
        r.reason = r.result = result::Timeout;
        r.pdu = still->second.request;
        ClearValues(r.pdu);
        r.agent = target.address;
        impl_->Complete(still, std::move(r));
        return Accepted();
    }
    --pooled->outstanding;
    --still->second.scope->pending;
    impl_->calls.erase(still);
    return failure == result::Success ? result::Error : failure;
}

int Session::Accepted() {
    if (exchangeStarted_)
        exchangeStarted_();
    return result::Success;
}

int Session::ProcessPendingEvents(int readableSocket) {
    impl_->ReadArrived(readableSocket);
    for (Impl::Pooled& p : impl_->pool)
        snmp_sess_timeout(p.sessp);
    impl_->ResendRediscovered();
    impl_->CloseIdleRetired();
    int delivered = 0;
    while (!impl_->ready.empty()) {
        Impl::Ready r = std::move(impl_->ready.front());
        impl_->ready.pop_front();
        --r.scope->pending;
        if (!r.scope->attached)
            continue;  // its owner is gone: a late answer is dropped
        ++delivered;
        r.completion(r.result);
    }
    return delivered;
}

std::vector<int> Session::Sockets() const {
    std::vector<int> out;
    for (const Impl::Pooled& p : impl_->pool) {
        if (p.closingNow)
            continue;
        netsnmp_transport* t = snmp_sess_transport(p.sessp);
        if (t && t->sock >= 0)
            out.push_back(t->sock);
    }
    return out;
}

int Session::Outstanding() const { return static_cast<int>(impl_->calls.size() + impl_->ready.size()); }

} // namespace snmp
