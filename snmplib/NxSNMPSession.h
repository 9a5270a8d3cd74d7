#pragma once
// The one SNMP session of the program, the agent records, the device defaults every new request copies, and the
// 20 ms event pump through which asynchronous answers, resends and time-outs are delivered on the GUI thread.
#include "SnmpSession.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTimer;
class QSocketNotifier;

// The agent.
struct NxSNMPDevice {
    std::string Address;  // dotted IPv4 address or DNS name
    uint16_t Port = 0;
};

// SNMPv3 context; also put into SNMPv1 / SNMPv2c PDUs, where it is ignored.
struct NxSNMPScope {
    std::string ContextEngineID;
    std::string ContextName;
};

struct NxSNMPSecurity {
    uint8_t Version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3 (only 3 uses the user-based path)
    std::string ReadCommunity;
    std::string WriteCommunity;
    int32_t SecurityModel = 0;  // 1 SNMPv1, 2 SNMPv2c, 3 USM
    int32_t SecurityLevel = 0;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int32_t AuthProtocol = 0;   // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
    int32_t PrivProtocol = 0;   // 1 none, 2 DES
};

// The event pump: every 20 ms while an exchange is outstanding, and as soon as a session socket is readable, one
// Tick delivers what is pending. With nothing outstanding the timer is off and the pump sleeps until the session
// accepts the next exchange. Ticks never nest: a tick that finds another in progress (a completion running a nested
// message loop) turns the timer and the socket notifiers off until the outer tick ends.
class SnmpEventProcessor {
public:
    SnmpEventProcessor();  // timer created stopped, interval 20 ms
    ~SnmpEventProcessor(); // Stop, then the timer is freed
    SnmpEventProcessor(const SnmpEventProcessor&) = delete;
    SnmpEventProcessor& operator=(const SnmpEventProcessor&) = delete;

    void Start();
    void Stop();
    bool IsStarted() const { return started_; }
    bool IsTicking() const { return ticking_; }
    bool IsTimerActive() const;  // the 20 ms timer runs: started, not inside a tick, an exchange outstanding
    int Interval() const;
    int WatchedSocketCount() const { return static_cast<int>(notifiers_.size()); }

    // One pump step: GlobalSnmpSession's pending events. Does nothing while a tick is in progress.
    void Tick();

    // Receives an exception a completion let escape (it must not cross the event loop). Unset: it is dropped.
    std::function<void(std::exception_ptr)> OnException;

private:
    void Tick(int readableSocket);  // from a socket's notifier: that socket is read without asking
    void WatchSockets();
    void Pause();
    void Resume();
    void SetNotifiersEnabled(bool enabled);
    bool HasWork() const;

    std::unique_ptr<QTimer> timer_;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
    std::vector<int> watched_;
    bool started_ = false;
    bool ticking_ = false;
    bool paused_ = false;        // timer and notifiers turned off inside a tick
    bool socketsChanged_ = false; // inside a tick: the notifiers are rebuilt when it ends
};

// The session; null until CreateGlobalSnmpSession, never destroyed afterwards.
extern snmp::Session* GlobalSnmpSession;

// Device defaults, copied by every request when it is constructed.
extern SnmpEventProcessor* GlobalSnmpEventProcessor;
extern NxSNMPDevice DefaultSNMPDevice;
extern NxSNMPScope DefaultSNMPScope;
extern NxSNMPSecurity DefaultSNMPSecurity;
extern int32_t DefaultSNMPTimeout;  // hundredths of a second

// Module start-up (before any form: the pump, stopped, and empty defaults) and exit (the pump stopped and freed).
void NxSNMPSessionStartup();
void NxSNMPSessionExit();

// The defaults after a successful session creation: 127.0.0.1:161, SNMPv1, "tundra" / "harbour", model, level and
// protocols 1, empty SNMPv3 texts, time-out 100.
void ResetSnmpDefaults();

// Creates the session, counts this start in the boot-counter file "NxSNMP_PP_BootCounter" of directory ("" is the
// current directory), initialises the local SNMPv3 engine, resets the defaults and starts the pump.
// Raises Exception -506 (session), -507 (loading the boot counter) or -508 (saving it); later steps then do not run.
void CreateGlobalSnmpSession(const std::string& directory);

inline constexpr const char* SnmpBootCounterFileName = "NxSNMP_PP_BootCounter";
inline constexpr const char* SnmpLocalEngineId = "NxSNMP_PP_Application";
