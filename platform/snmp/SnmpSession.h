#pragma once
// The SNMP library of the program: one Session object that sends get, get-next and set requests to agents over UDP,
// blocking or asynchronously, with community (SNMPv1, SNMPv2c) or user-based (SNMPv3) security.
//
// Results are the library result numbers of SnmpResult.h. Asynchronous completions are never called from inside a
// send or a blocking call: they wait in a queue that processPendingEvents() delivers, on the caller's thread.
// Everything here must be used from one thread.
#include "SnmpResult.h"
#include "SnmpTypes.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace snmp {

// SNMP version codes.
enum Version : uint8_t { Version1 = 0, Version2c = 1, Version3 = 3 };

// SNMPv3 codes: security model, security level, authentication and privacy protocols.
enum SecurityModel : int32_t { SecurityModelV1 = 1, SecurityModelV2c = 2, SecurityModelUsm = 3 };
enum SecurityLevel : int32_t { NoAuthNoPriv = 1, AuthNoPriv = 2, AuthPriv = 3 };
enum AuthProtocol : int32_t { AuthNone = 1, AuthHmacMd5 = 2, AuthHmacSha = 3 };
enum PrivProtocol : int32_t { PrivNone = 1, PrivDes = 2 };

// An IPv4 UDP address. A DNS name is resolved when the address is built; an unresolvable name or a malformed
// dotted address gives an invalid address.
class UdpAddress {
public:
    UdpAddress() = default;
    UdpAddress(const std::string& hostOrDotted, uint16_t port);

    bool Valid() const { return valid_; }
    std::string Host() const;                   // dotted IPv4
    uint16_t Port() const { return port_; }
    std::string ToString() const;               // "a.b.c.d/port", the form the completions report
    uint32_t Ipv4() const { return ipv4_; }     // host byte order

    friend bool operator==(const UdpAddress&, const UdpAddress&) = default;

private:
    bool valid_ = false;
    uint32_t ipv4_ = 0;
    uint16_t port_ = 0;
};

// Where and how to send. A community target (version 0 or 1) uses the read community for GET and GET-NEXT and the
// write community for SET. A user target (version 3) uses the user registered under securityName (Session::addUser).
struct Target {
    UdpAddress address;
    uint8_t version = Version1;
    int32_t timeout = 100;  // hundredths of a second per try
    int32_t retries = 1;    // tries after the first
    std::string readCommunity;
    std::string writeCommunity;
    int32_t securityModel = SecurityModelUsm;
    std::string securityName;

    bool IsUserTarget() const { return version == Version3; }
};

// What an asynchronous exchange delivers, exactly once.
struct AsyncResult {
    // AsyncResponse when a PDU arrived (its error status in pdu.errorStatus), Timeout, SessionDestroyed, or the
    // SNMPv3 / security result that ended the exchange.
    int reason = result::AsyncResponse;
    // The one number to map: 0, the agent's error status, time-out, or the SNMPv3 / security result.
    int result = result::Success;
    Pdu pdu;                  // the response (for a time-out or error: the request's own varbinds, no values)
    UdpAddress agent;         // the target's address
};

using Completion = std::function<void(const AsyncResult&)>;

// Ties asynchronous exchanges to their owner. When the scope is destroyed (or detach() is called), its outstanding
// exchanges are abandoned: their answers are dropped, never delivered.
class AsyncScope {
public:
    AsyncScope();
    ~AsyncScope();
    AsyncScope(const AsyncScope&) = delete;
    AsyncScope& operator=(const AsyncScope&) = delete;

    int Pending() const;  // exchanges sent through this scope whose completion has not run yet
    void Detach();        // abandon the outstanding exchanges; the scope can be used again afterwards

    struct State {
        bool attached = true;
        int pending = 0;
    };

private:
    friend class Session;
    std::shared_ptr<State> state_;
};

class Session {
public:
    // Initialises the library once per process: no configuration file, no MIB, no persistent state, no output.
    // status receives 0, or a library result when the library cannot be used.
    explicit Session(int& status);
    ~Session();  // outstanding exchanges are dropped without completion
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Registers (or replaces) an SNMPv3 user. A change of its credentials discards every key the library cached for
    // the name, so a wrong password never sticks. Returns 0, or UsmUnsupportedAuthProtocol / ...PrivProtocol.
    int AddUser(const std::string& securityName, int32_t authProtocol, int32_t privProtocol,
                const std::string& authPassword, const std::string& privPassword);

    // Local SNMPv3 engine: ID and boot count (the agent is the authoritative engine for our requests).
    int MpInit(const std::string& localEngineId, uint32_t engineBoots);
    const std::string& LocalEngineId() const { return localEngineId_; }
    uint32_t EngineBoots() const { return engineBoots_; }

    // Blocking exchanges: wait for the answer or the time-out (timeout x (retries + 1)). On return pdu holds the
    // response (varbinds, error status and index); on failure the request's own varbinds. Result: 0, the agent's
    // error status, or a library result.
    int Get(Pdu& pdu, const Target& target);
    int GetNext(Pdu& pdu, const Target& target);
    int Set(Pdu& pdu, const Target& target);

    // Asynchronous exchanges. Returns 0 when the exchange was accepted: its completion then runs exactly once from
    // processPendingEvents(), unless the scope is gone by then. Otherwise returns the result and never completes.
    int GetAsync(Pdu pdu, const Target& target, AsyncScope& scope, Completion completion);
    int GetNextAsync(Pdu pdu, const Target& target, AsyncScope& scope, Completion completion);
    int SetAsync(Pdu pdu, const Target& target, AsyncScope& scope, Completion completion);

    // Reads what has arrived without waiting, resends or times out what is due, then delivers queued completions.
    // Returns the number of completions delivered. A readiness notifier passes the socket it saw readable: one
    // datagram is read from it without asking first, and the other sockets are left to their own notifiers.
    int ProcessPendingEvents(int readableSocket = -1);

    // Sockets of the open library sessions, for a readiness notifier; the handler runs whenever the set changes.
    std::vector<int> Sockets() const;
    void SetSocketsChangedHandler(std::function<void()> handler) { socketsChanged_ = std::move(handler); }
    // Runs whenever an asynchronous exchange is accepted, so an idle event pump can wake up for it.
    void SetExchangeStartedHandler(std::function<void()> handler) { exchangeStarted_ = std::move(handler); }

    // Exchanges accepted whose completion has not been delivered (delivered or dropped).
    int Outstanding() const;

    struct Impl;

private:
    int Send(PduType type, Pdu& pdu, const Target& target);
    int SendAsync(PduType type, Pdu pdu, const Target& target, AsyncScope& scope, Completion completion);
    int Accepted();  // tells the exchange-started handler; returns Success

    std::unique_ptr<Impl> impl_;
    std::string localEngineId_;
    uint32_t engineBoots_ = 0;
    std::function<void()> socketsChanged_;
    std::function<void()> exchangeStarted_;
};

} // namespace snmp
