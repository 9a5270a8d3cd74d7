#include "Agent.h"

#include "PduLog.h"
#include "Seeding.h"

// net-snmp's headers must come in this order.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <chrono>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace sim {
namespace {

using snmp::Oid;
using snmp::Value;
using snmp::ValueType;
using snmp::VarBind;

constexpr const char* kAppName = "qswsim";
constexpr const char* kPduMark = "qswsim-pdu";
constexpr const char* kRefusedMark = "qswsim-refused";  // a SET's varbind answered with an exception value
constexpr size_t kMaxCommandLength = 64 * 1024;

volatile std::sig_atomic_t g_stop = 0;

struct Held {
    netsnmp_delegated_cache* cache = nullptr;
    unsigned int alarm = 0;
    Oid prefix;
    bool drop = false;
};

struct ControlClient {
    int fd = -1;
    std::string buffer;
};

struct AgentState {
    SimMib* mib = nullptr;
    TestControls* controls = nullptr;
    std::FILE* pduLog = nullptr;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::vector<Held> held;
    int dropReplies = 0;
    int (*sendThrough)(netsnmp_transport*, const void*, int, void**, int*) = nullptr;
    int controlFd = -1;
    std::vector<ControlClient> clients;
};

AgentState g_state;

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - g_state.start).count();
}

// ---- Conversions between net-snmp's varbinds and our value model ----

Oid ToOid(const oid* arcs, size_t length) {
    std::vector<uint32_t> out(length);
    for (size_t i = 0; i < length; ++i)
        out[i] = static_cast<uint32_t>(arcs[i]);
    return Oid(std::move(out));
}

std::vector<oid> FromOid(const Oid& value) {
    return std::vector<oid>(value.Arcs().begin(), value.Arcs().end());
}

std::optional<Value> ToValue(const netsnmp_variable_list* vb) {
    const auto bytes = [&] { return std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len); };
    switch (vb->type) {
    case ASN_NULL: return Value::Null();
    case ASN_INTEGER: return Value::Integer(static_cast<int32_t>(*vb->val.integer));
    case ASN_OCTET_STR: return Value::Octets(bytes());
    case ASN_OPAQUE: return Value::Octets(bytes(), ValueType::Opaque);
    case ASN_IPADDRESS: return vb->val_len == 4 ? std::optional(Value::IpAddress(bytes())) : std::nullopt;
    case ASN_OBJECT_ID: return Value::ObjectId(ToOid(vb->val.objid, vb->val_len / sizeof(oid)));
    case ASN_COUNTER: return Value::Unsigned32(ValueType::Counter32, static_cast<uint32_t>(*vb->val.integer));
    case ASN_GAUGE: return Value::Unsigned32(ValueType::Gauge32, static_cast<uint32_t>(*vb->val.integer));
    case ASN_TIMETICKS: return Value::Unsigned32(ValueType::TimeTicks, static_cast<uint32_t>(*vb->val.integer));
    case ASN_COUNTER64:
        return Value::Counter64((static_cast<uint64_t>(vb->val.counter64->high) << 32) | (vb->val.counter64->low & 0xffffffffu));
    case SNMP_NOSUCHOBJECT: return Value::Exception(ValueType::NoSuchObject);
    case SNMP_NOSUCHINSTANCE: return Value::Exception(ValueType::NoSuchInstance);
    case SNMP_ENDOFMIBVIEW: return Value::Exception(ValueType::EndOfMibView);
    default: return std::nullopt;
    }
}

void SetValue(netsnmp_variable_list* vb, const Value& value) {
    switch (value.type) {
    case ValueType::Integer: {
        long n = value.AsInt32();
        snmp_set_var_typed_value(vb, ASN_INTEGER, &n, sizeof n);
        return;
    }
    case ValueType::Counter32: case ValueType::Gauge32: case ValueType::TimeTicks: {
        unsigned long n = value.AsUInt32();
        const u_char type = value.type == ValueType::Counter32 ? ASN_COUNTER
                            : value.type == ValueType::Gauge32 ? ASN_GAUGE : ASN_TIMETICKS;
        snmp_set_var_typed_value(vb, type, &n, sizeof n);
        return;
    }
    case ValueType::Counter64: {
        counter64 c{};
        c.high = static_cast<u_long>(value.number >> 32);
        c.low = static_cast<u_long>(value.number & 0xffffffffu);
        snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
        return;
    }
    case ValueType::OctetString: case ValueType::Opaque: case ValueType::IpAddress: {
        const u_char type = value.type == ValueType::OctetString ? ASN_OCTET_STR
                            : value.type == ValueType::Opaque ? ASN_OPAQUE : ASN_IPADDRESS;
        snmp_set_var_typed_value(vb, type, value.bytes.data(), value.bytes.size());
        return;
    }
    case ValueType::ObjectId: {
        std::vector<oid> arcs = FromOid(value.oid);
        snmp_set_var_typed_value(vb, ASN_OBJECT_ID, arcs.data(), arcs.size() * sizeof(oid));
        return;
    }
    default:
        snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
        return;
    }
}

// ---- The PDU log ----

netsnmp_pdu* RequestPdu(netsnmp_agent_request_info* reqinfo) {
    return reqinfo->asp->orig_pdu ? reqinfo->asp->orig_pdu : reqinfo->asp->pdu;
}

const char* CommandName(int command) {
    switch (command) {
    case SNMP_MSG_GET: return "GET";
    case SNMP_MSG_GETNEXT: return "GETNEXT";
    case SNMP_MSG_GETBULK: return "GETBULK";
    case SNMP_MSG_SET: return "SET";
    default: return "OTHER";
    }
}

void LogPdu(const netsnmp_pdu* pdu) {
    if (!g_state.pduLog)
        return;
    LoggedPdu logged;
    logged.command = CommandName(pdu->command);
    logged.version = static_cast<int>(pdu->version);
    if (pdu->version == SNMP_VERSION_3)
        logged.principal.assign(pdu->securityName ? pdu->securityName : "", pdu->securityNameLen);
    else
        logged.principal.assign(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
    logged.requestId = static_cast<int32_t>(pdu->reqid);
    logged.nonRepeaters = static_cast<int32_t>(pdu->errstat);
    logged.maxRepetitions = static_cast<int32_t>(pdu->errindex);
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
        logged.varbinds.push_back({ToOid(vb->name, vb->name_length), ToValue(vb).value_or(Value::Null())});
    std::fprintf(g_state.pduLog, "%s\n", FormatPduLogLine(logged).c_str());
    std::fflush(g_state.pduLog);
}

std::vector<Oid> PduOids(const netsnmp_pdu* pdu) {
    std::vector<Oid> oids;
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
        oids.push_back(ToOid(vb->name, vb->name_length));
    return oids;
}

// ---- Answers ----

void SetError(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request, int status) {
    // The library maps only some SET errors to their SNMPv1 statuses, and none of a read.
    if (RequestPdu(reqinfo)->version == SNMP_VERSION_1)
        status = V1ErrorStatus(status);
    netsnmp_set_request_error(reqinfo, request, status);
}

int ExceptionType(ValueType exception) {
    return exception == ValueType::NoSuchObject ? SNMP_NOSUCHOBJECT : SNMP_NOSUCHINSTANCE;
}

// An injected status, or an exception value in place of the object's (SNMPv1: noSuchName).
void SetInjected(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request, const Injection& injected) {
    if (injected.IsException())
        netsnmp_set_request_error(reqinfo, request, ExceptionType(injected.exception));
    else
        SetError(reqinfo, request, injected.status);
}

void AnswerGet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        netsnmp_variable_list* vb = request->requestvb;
        const Oid name = ToOid(vb->name, vb->name_length);
        if (auto injected = g_state.controls->TakeError(name)) {
            SetInjected(reqinfo, request, *injected);
            continue;
        }
        if (auto value = g_state.mib->Get(name, NowMs()))
            SetValue(vb, *value);
        else
            netsnmp_set_request_error(reqinfo, request, SNMP_NOSUCHINSTANCE);
    }
}

void AnswerGetNext(const Oid& root, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        netsnmp_variable_list* vb = request->requestvb;
        auto found = g_state.mib->Next(ToOid(vb->name, vb->name_length), request->inclusive != 0, root, NowMs());
        if (!found)
            continue;  // the agent asks the next registration
        if (auto injected = g_state.controls->TakeError(found->oid, false)) {
            SetError(reqinfo, request, injected->status);
            continue;
        }
        std::vector<oid> name = FromOid(found->oid);
        snmp_set_var_objid(vb, name.data(), name.size());
        SetValue(vb, found->value);
    }
}

bool Refused(netsnmp_request_info* request) { return netsnmp_request_get_list_data(request, kRefusedMark) != nullptr; }

// The varbinds a SET writes. A varbind that the check turned into an exception value is answered, not written.
std::vector<VarBind> SetVarbinds(netsnmp_request_info* requests, std::vector<netsnmp_request_info*>& order,
                                 std::vector<bool>& convertible) {
    std::vector<VarBind> varbinds;
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed || Refused(request))
            continue;
        const netsnmp_variable_list* vb = request->requestvb;
        auto value = ToValue(vb);
        convertible.push_back(value.has_value() && !value->IsException());
        varbinds.push_back({ToOid(vb->name, vb->name_length), value.value_or(Value::Null())});
        order.push_back(request);
    }
    return varbinds;
}

std::string UndoName(const netsnmp_handler_registration* reginfo) {
    return std::string("qswsim-undo-") + reginfo->handlerName;
}

// Varbinds of a SET under an exception rule are refused without an error: they answer the exception value
// (SNMPv1: noSuchName) and the rest of the request is checked and written without them.
bool RefuseInjected(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        netsnmp_variable_list* vb = request->requestvb;
        const std::optional<Injection> injected = g_state.controls->TakeError(ToOid(vb->name, vb->name_length));
        if (!injected)
            continue;
        if (!injected->IsException() || RequestPdu(reqinfo)->version == SNMP_VERSION_1) {
            SetError(reqinfo, request, injected->IsException() ? NoSuchName : injected->status);
            return false;
        }
        snmp_set_var_typed_value(vb, static_cast<u_char>(ExceptionType(injected->exception)), nullptr, 0);
        netsnmp_request_add_list_data(request, netsnmp_create_data_list(kRefusedMark, &g_state, nullptr));
    }
    return true;
}

void CheckSet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
    if (!RefuseInjected(reqinfo, requests))
        return;
    std::vector<netsnmp_request_info*> order;
    std::vector<bool> convertible;
    const std::vector<VarBind> varbinds = SetVarbinds(requests, order, convertible);
    const std::vector<int> statuses = g_state.mib->CheckSet(varbinds);
    for (size_t i = 0; i < order.size(); ++i) {
        const int status = convertible[i] ? statuses[i] : WrongType;
        if (status != NoError) {
            SetError(reqinfo, order[i], status);
            return;
        }
    }
}

void FreeUndoLog(void* log) { delete static_cast<SimMib::UndoLog*>(log); }

void ApplySet(netsnmp_handler_registration* reginfo, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
    std::vector<netsnmp_request_info*> order;
    std::vector<bool> convertible;
    const std::vector<VarBind> varbinds = SetVarbinds(requests, order, convertible);
    auto* log = new SimMib::UndoLog(g_state.mib->ApplySet(varbinds));
    const std::string name = UndoName(reginfo);
    netsnmp_agent_add_list_data(reqinfo, netsnmp_create_data_list(name.c_str(), log, FreeUndoLog));
}

void UndoSet(netsnmp_handler_registration* reginfo, netsnmp_agent_request_info* reqinfo) {
    const std::string name = UndoName(reginfo);
    if (auto* log = static_cast<SimMib::UndoLog*>(netsnmp_agent_get_list_data(reqinfo, name.c_str())))
        g_state.mib->Undo(*log);
}

void Process(netsnmp_handler_registration* reginfo, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
    const Oid root = ToOid(reginfo->rootoid, reginfo->rootoid_len);
    switch (reqinfo->mode) {
    case MODE_GET: AnswerGet(reqinfo, requests); break;
    case MODE_GETNEXT: AnswerGetNext(root, reqinfo, requests); break;
    case MODE_SET_RESERVE1: CheckSet(reqinfo, requests); break;
    case MODE_SET_ACTION: ApplySet(reginfo, reqinfo, requests); break;
    case MODE_SET_UNDO: UndoSet(reginfo, reqinfo); break;
    default: break;  // RESERVE2, COMMIT and FREE have nothing to do
    }
}

// ---- Held replies ----

void CompleteHeld(netsnmp_delegated_cache* delegated, bool drop) {
    netsnmp_delegated_cache* cache = netsnmp_handler_check_cache(delegated);
    if (!cache)
        return;  // the request is gone
    netsnmp_handler_mark_requests_as_delegated(cache->requests, REQUEST_IS_NOT_DELEGATED);
    if (drop)
        ++g_state.dropReplies;
    if (cache->reqinfo->mode == MODE_GETBULK) {
        // The bulk-to-next helper has already run its fix-up: answer as GETNEXT, then let it fix again.
        cache->reqinfo->mode = MODE_GETNEXT;
        Process(cache->reginfo, cache->reqinfo, cache->requests);
        cache->reqinfo->mode = MODE_GETBULK;
        netsnmp_bulk_to_next_fix_requests(cache->requests);
    } else {
        Process(cache->reginfo, cache->reqinfo, cache->requests);
    }
    netsnmp_free_delegated_cache(cache);
}

void ReleaseHeld(size_t index) {
    Held held = g_state.held[index];
    g_state.held.erase(g_state.held.begin() + static_cast<std::ptrdiff_t>(index));
    if (held.alarm)
        snmp_alarm_unregister(held.alarm);
    CompleteHeld(held.cache, held.drop);
}

void HoldExpired(unsigned int alarm, void*) {
    for (size_t i = 0; i < g_state.held.size(); ++i) {
        if (g_state.held[i].alarm == alarm) {
            g_state.held[i].alarm = 0;  // it has fired
            ReleaseHeld(i);
            return;
        }
    }
}

void ReleaseUnder(const Oid& prefix) {
    for (size_t i = g_state.held.size(); i-- > 0;)
        if (i < g_state.held.size() && g_state.held[i].prefix.StartsWith(prefix))
            ReleaseHeld(i);
}

void Hold(const HoldRule& rule, bool drop, netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
          netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
    netsnmp_handler_mark_requests_as_delegated(requests, REQUEST_IS_DELEGATED);
    Held held;
    held.cache = netsnmp_create_delegated_cache(handler, reginfo, reqinfo, requests, nullptr);
    held.prefix = rule.prefix;
    held.drop = drop;
    if (rule.ms) {
        timeval delay{static_cast<time_t>(*rule.ms / 1000), static_cast<suseconds_t>((*rule.ms % 1000) * 1000)};
        held.alarm = snmp_alarm_register_hr(delay, 0, HoldExpired, nullptr);
    }
    g_state.held.push_back(held);
}

// One handler for every root. The first call for a PDU logs it and decides on holding and dropping.
int Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo, netsnmp_agent_request_info* reqinfo,
           netsnmp_request_info* requests) {
    if (!netsnmp_agent_get_list_data(reqinfo, kPduMark)) {
        netsnmp_agent_add_list_data(reqinfo, netsnmp_create_data_list(kPduMark, &g_state, nullptr));
        const netsnmp_pdu* pdu = RequestPdu(reqinfo);
        LogPdu(pdu);
        const std::vector<Oid> oids = PduOids(pdu);
        const bool drop = g_state.controls->TakeDrop(oids);
        if (auto rule = g_state.controls->HoldFor(oids)) {
            Hold(*rule, drop, handler, reginfo, reqinfo, requests);
            return SNMP_ERR_NOERROR;
        }
        if (drop)
            ++g_state.dropReplies;
    }
    Process(reginfo, reqinfo, requests);
    return SNMP_ERR_NOERROR;
}

// A dropped reply is one the transport pretends to have sent.
int SendOrDrop(netsnmp_transport* transport, const void* buffer, int size, void** opaque, int* opaqueLength) {
    if (g_state.dropReplies > 0) {
        --g_state.dropReplies;
        return size;
    }
    return g_state.sendThrough(transport, buffer, size, opaque, opaqueLength);
}

// ---- The control socket ----

void CloseClient(int fd) {
    unregister_readfd(fd);
    close(fd);
    std::erase_if(g_state.clients, [fd](const ControlClient& c) { return c.fd == fd; });
}

void Reply(int fd, const std::string& text) {
    std::string line = text + "\n";
    const char* data = line.data();
    size_t left = line.size();
    while (left > 0) {
        ssize_t n = send(fd, data, left, MSG_NOSIGNAL);  // a client gone away must not stop the agent
        if (n <= 0)
            return;
        data += n;
        left -= static_cast<size_t>(n);
    }
}

void RunCommand(int fd, const std::string& line) {
    CommandResult result = g_state.controls->Execute(line, *g_state.mib);
    if (result.release)
        ReleaseUnder(*result.release);
    Reply(fd, result.ok ? result.message : "error: " + result.message);
}

void ClientReadable(int fd, void*) {
    char buffer[4096];
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) {
        CloseClient(fd);
        return;
    }
    for (ControlClient& client : g_state.clients) {
        if (client.fd != fd)
            continue;
        client.buffer.append(buffer, static_cast<size_t>(n));
        if (client.buffer.size() > kMaxCommandLength && client.buffer.find('\n') == std::string::npos) {
            Reply(fd, "error: a command is one line of at most " + std::to_string(kMaxCommandLength) + " characters");
            CloseClient(fd);
            return;
        }
        for (size_t eol; (eol = client.buffer.find('\n')) != std::string::npos;) {
            std::string line = client.buffer.substr(0, eol);
            client.buffer.erase(0, eol + 1);
            RunCommand(fd, line);
        }
        return;
    }
}

void ControlAccept(int fd, void*) {
    int client = accept(fd, nullptr, nullptr);
    if (client < 0)
        return;
    g_state.clients.push_back({client, {}});
    register_readfd(client, ClientReadable, nullptr);
}

bool OpenControlSocket(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        std::cerr << "qswsim: the control socket path is too long: " << path << "\n";
        return false;
    }
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    unlink(path.c_str());
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 8) != 0) {
        std::cerr << "qswsim: cannot open the control socket " << path << ": " << std::strerror(errno) << "\n";
        if (fd >= 0)
            close(fd);
        return false;
    }
    g_state.controlFd = fd;
    register_readfd(fd, ControlAccept, nullptr);
    return true;
}

// ---- Start-up ----

void Config(const std::string& line) {
    std::vector<char> writable(line.begin(), line.end());
    writable.push_back('\0');
    netsnmp_config(writable.data());
}

void ConfigureAccess(const SimOptions& options) {
    Config("mibs :");
    Config("rocommunity " + options.readCommunity + " 127.0.0.1");
    Config("rwcommunity " + options.writeCommunity + " 127.0.0.1");
    for (const UserOption& user : options.users) {
        std::string create = "createUser " + user.name + " " + user.authProtocol + " " + user.authPassword;
        if (!user.privProtocol.empty())
            create += " " + user.privProtocol + " " + user.privPassword;
        Config(create);
        Config("rwuser " + user.name + (user.privProtocol.empty() ? " auth" : " priv"));
    }
    if (!options.engineId.empty())
        Config("exactEngineID " + (options.engineId.rfind("0x", 0) == 0 ? options.engineId : "0x" + options.engineId));
}

void SetDefaults(const std::string& stateDir) {
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, stateDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, stateDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, "none");
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIBDIRS, "");
    char smux[] = "-smux";
    add_to_init_list(smux);
}

bool RegisterRoots() {
    for (size_t i = 0; i < ServedRoots().size(); ++i) {
        std::vector<oid> root = FromOid(ServedRoots()[i]);
        const std::string name = "qswsim" + std::to_string(i);
        netsnmp_handler_registration* registration = netsnmp_create_handler_registration(
            name.c_str(), Handle, root.data(), root.size(), HANDLER_CAN_RWRITE);
        if (!registration || netsnmp_register_handler(registration) != MIB_REGISTERED_OK) {
            std::cerr << "qswsim: cannot serve " << ServedRoots()[i].ToString() << "\n";
            return false;
        }
    }
    return true;
}

// Opens udp:127.0.0.1:PORT and returns the port bound, or 0.
int OpenTransport(int port) {
    const std::string address = "udp:127.0.0.1:" + std::to_string(port);
    netsnmp_transport* transport = netsnmp_transport_open_server("snmp", address.c_str());
    if (!transport) {
        std::cerr << "qswsim: cannot listen on " << address << "\n";
        return 0;
    }
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    if (getsockname(transport->sock, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        netsnmp_transport_free(transport);
        return 0;
    }
    g_state.sendThrough = transport->f_send;
    transport->f_send = SendOrDrop;
    if (netsnmp_register_agent_nsap(transport) == 0)
        return 0;
    return ntohs(bound.sin_port);
}

bool WritePortFile(const std::string& path, int port) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary);
        out << port << "\n";
        if (!out)
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

void OnSignal(int) { g_stop = 1; }

// A stop signal that lands between the loop's check and its wait would otherwise wait for the next datagram:
// this alarm ends every wait within a second.
void WakeToCheckStop(unsigned int, void*) {}

void InstallSignals() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int Serve(const SimOptions& options, const std::string& stateDir) {
    SetDefaults(stateDir);
    init_agent(kAppName);
    ConfigureAccess(options);
    if (!RegisterRoots())
        return 1;
    init_snmp(kAppName);
    const int port = OpenTransport(options.port);
    if (port == 0 || init_master_agent() != 0) {
        snmp_shutdown(kAppName);
        return 1;
    }
    if (!options.controlSocket.empty() && !OpenControlSocket(options.controlSocket)) {
        snmp_shutdown(kAppName);
        return 1;
    }
    std::cout << port << std::endl;
    if (!options.portFile.empty() && !WritePortFile(options.portFile, port))
        std::cerr << "qswsim: cannot write the port file " << options.portFile << "\n";
    snmp_alarm_register(1, SA_REPEAT, WakeToCheckStop, nullptr);
    while (!g_stop)
        agent_check_and_process(1);
    ReleaseUnder(Oid());
    for (const ControlClient& client : g_state.clients)
        close(client.fd);
    if (g_state.controlFd >= 0) {
        close(g_state.controlFd);
        unlink(options.controlSocket.c_str());
    }
    snmp_shutdown(kAppName);
    return 0;
}

} // namespace

int RunAgent(const SimOptions& options, SimMib& mib, TestControls& controls) {
    InstallSignals();  // from here on a stop request ends the loop and removes the state directory
    g_state.mib = &mib;
    g_state.controls = &controls;
    if (!options.pduLog.empty()) {
        g_state.pduLog = std::fopen(options.pduLog.c_str(), "a");
        if (!g_state.pduLog) {
            std::cerr << "qswsim: cannot open the PDU log " << options.pduLog << "\n";
            return 1;
        }
    }
    char pattern[] = "/tmp/qswsim.XXXXXX";
    const char* stateDir = mkdtemp(pattern);
    if (!stateDir) {
        std::cerr << "qswsim: cannot create a state directory\n";
        return 1;
    }
    const int status = Serve(options, stateDir);
    std::error_code ignored;
    std::filesystem::remove_all(stateDir, ignored);
    if (g_state.pduLog)
        std::fclose(g_state.pduLog);
    return status;
}

} // namespace sim
