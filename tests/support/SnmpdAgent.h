#pragma once
// A private net-snmp agent (snmpd) for tests: its own configuration and state directory, listening on a free
// loopback UDP port. Read community "tundra", write community "harbour", and one SNMPv3 user per security setting.
#include <cstdint>
#include <string>

namespace testsupport {

struct SnmpdUser {
    const char* name;
    int32_t authProtocol;  // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
    const char* authPassword;
    int32_t privProtocol;  // 1 none, 2 DES
    const char* privPassword;
    int32_t level;         // the highest security level the agent grants: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
};

class SnmpdAgent {
public:
    static constexpr const char* ReadCommunity = "tundra";
    static constexpr const char* WriteCommunity = "harbour";
    static const SnmpdUser NoAuthUser;
    static const SnmpdUser Md5User;
    static const SnmpdUser ShaUser;
    static const SnmpdUser ShaDesUser;

    // Starts snmpd and waits until it answers. Throws std::runtime_error with the reason (and snmpd's log).
    SnmpdAgent();
    ~SnmpdAgent();  // stops the agent and removes its directory
    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;

    // One agent per test process, started on first use.
    static SnmpdAgent& Shared();

    // Stops the agent and starts it again on the same port with the same users. newEngineId: its saved state is
    // dropped first, so it comes back with another engine ID; otherwise it keeps the ID and counts one more boot.
    void Restart(bool newEngineId);

    const char* Address() const { return "127.0.0.1"; }
    uint16_t Port() const { return port_; }
    const std::string& Directory() const { return dir_; }

private:
    bool TryStart(std::string& why);
    bool WriteConfig(std::string& why);
    bool Launch(std::string& why);
    void StopProcess();
    void Stop();
    std::string Log() const;

    std::string dir_;
    uint16_t port_ = 0;
    int pid_ = -1;
    unsigned engineSerial_ = 1;
};

// A bound loopback UDP port that never answers.
class SilentUdpPort {
public:
    SilentUdpPort();
    ~SilentUdpPort();
    SilentUdpPort(const SilentUdpPort&) = delete;
    SilentUdpPort& operator=(const SilentUdpPort&) = delete;
    uint16_t Port() const { return port_; }

private:
    int fd_ = -1;
    uint16_t port_ = 0;
};

// A fresh temporary directory, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

} // namespace testsupport
