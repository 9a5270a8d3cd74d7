#pragma once
// Runs qswsim and net-snmp's command-line tools as child processes for the simulator's tests.
#include "SnmpdAgent.h"

#include <string>
#include <vector>

namespace simtest {

struct ToolResult {
    int status = -1;  // exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// A started child process whose output goes to files.
class Child {
public:
    Child(const std::vector<std::string>& argv, const std::string& outFile, const std::string& errFile);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Running();
    int Wait();          // exit status, or -1
    void Terminate();    // SIGTERM, then wait
    int Pid() const { return pid_; }

private:
    int pid_ = -1;
    int status_ = -1;
    bool done_ = false;
};

// The simulator's program: $QSWSIM_PATH, else $QSW_BINARY_DIR/sim/qswsim (ctest sets QSW_BINARY_DIR for every
// suite), else the simulator of the build this library belongs to.
std::string SimulatorPath();

// Runs a program to its end.
ToolResult RunProgram(const std::vector<std::string>& argv);

std::string ReadFile(const std::string& path);
// Polls until pred() holds, for at most a generous time; returns pred().
template <typename Pred> bool Eventually(Pred pred);

// qswsim on a free loopback port with a PDU log, a control socket and the given extra options.
class SimAgent {
public:
    static constexpr const char* AdminUser = "admin";      // SHA / DES
    static constexpr const char* Md5User = "md5user";      // MD5 / DES
    static constexpr const char* AuthPass = "authpass1";
    static constexpr const char* PrivPass = "privpass1";

    explicit SimAgent(std::vector<std::string> extraArgs = {});
    ~SimAgent();

    int Port() const { return port_; }
    std::string Endpoint() const { return "127.0.0.1:" + std::to_string(port_); }
    // Sends one control command and returns the answer line ("ok" or "error: ...").
    std::string Control(const std::string& command);
    std::vector<std::string> PduLog() const;
    int Stop();  // SIGTERM; the exit status
    std::string StderrText() const { return ReadFile(dir_.File("stderr")); }

private:
    testsupport::TempDir dir_;
    Child* child_ = nullptr;
    int port_ = 0;
};

} // namespace simtest

#include <chrono>
#include <thread>

template <typename Pred> bool simtest::Eventually(Pred pred) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
