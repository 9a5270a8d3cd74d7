#include "SnmpdAgent.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace testsupport {

namespace fs = std::filesystem;

const SnmpdUser SnmpdAgent::NoAuthUser{"qswplain", 1, "", 1, "", 1};
const SnmpdUser SnmpdAgent::Md5User{"qswmd5", 2, "md5-secret-one", 1, "", 2};
const SnmpdUser SnmpdAgent::ShaUser{"qswsha", 3, "sha-secret-one", 1, "", 2};
const SnmpdUser SnmpdAgent::ShaDesUser{"qswshades", 3, "sha-secret-two", 2, "des-secret-two", 3};

namespace {

constexpr const char* SnmpdPath = "/usr/sbin/snmpd";

std::string MakeTempDir(const char* prefix) {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data()))
        throw std::runtime_error("cannot create a temporary directory from " + pattern);
    return buf.data();
}

int BoundLoopbackSocket(uint16_t& port) {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        throw std::runtime_error("cannot create a UDP socket");
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        close(fd);
        throw std::runtime_error("cannot bind a loopback UDP port");
    }
    port = ntohs(a.sin_port);
    return fd;
}

const char* AuthName(int32_t p) { return p == 2 ? "MD5" : "SHA"; }

std::string UserLines(const SnmpdUser& u) {
    std::ostringstream out;
    out << "createUser " << u.name;
    if (u.authProtocol != 1)
        out << " " << AuthName(u.authProtocol) << " \"" << u.authPassword << "\"";
    if (u.privProtocol != 1)
        out << " DES \"" << u.privPassword << "\"";
    out << "\nrwuser " << u.name << " " << (u.level == 1 ? "noauth" : u.level == 2 ? "auth" : "priv") << "\n";
    return out.str();
}

// A v2c GET of sysUpTime.0 with the read community, encoded by hand: any answer shows the agent is up.
const unsigned char Probe[] = {
    0x30, 0x26, 0x02, 0x01, 0x01, 0x04, 0x06, 't', 'u', 'n', 'd', 'r', 'a', 0xA0, 0x19, 0x02, 0x01, 0x01,
    0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x0E, 0x30, 0x0C, 0x06, 0x08, 0x2B, 0x06, 0x01, 0x02,
    0x01, 0x01, 0x03, 0x00, 0x05, 0x00};

bool Answers(uint16_t port) {
    uint16_t local = 0;
    int fd = BoundLoopbackSocket(local);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(port);
    sendto(fd, Probe, sizeof Probe, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    pollfd p{fd, POLLIN, 0};
    const bool ok = poll(&p, 1, 100) == 1;
    close(fd);
    return ok;
}

} // namespace

SnmpdAgent::SnmpdAgent() {
    if (access(SnmpdPath, X_OK) != 0)
        throw std::runtime_error(std::string(SnmpdPath) + " is missing: run scripts/install-deps (package snmpd)");
    std::string why;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (TryStart(why))
            return;
        Stop();
    }
    throw std::runtime_error("snmpd did not start: " + why);
}

SnmpdAgent::~SnmpdAgent() { Stop(); }

SnmpdAgent& SnmpdAgent::Shared() {
    static SnmpdAgent agent;
    return agent;
}

bool SnmpdAgent::TryStart(std::string& why) {
    dir_ = MakeTempDir("qsw-snmpd-");
    // Take a free port, then hand it to snmpd; another process may take it in between, hence the retries.
    {
        int fd = BoundLoopbackSocket(port_);
        close(fd);
    }
    return WriteConfig(why) && Launch(why);
}

bool SnmpdAgent::WriteConfig(std::string& why) {
    const std::string conf = dir_ + "/snmpd.conf";
    std::ofstream out(conf);
    // A fixed engine ID per start of this object (MAC format, six octets): a restart chooses to keep or change it.
    char engineId[40];
    std::snprintf(engineId, sizeof engineId, "0x8000f99903%04x%08x", static_cast<unsigned>(getpid()) & 0xFFFFu,
                  engineSerial_);
    out << "agentaddress udp:127.0.0.1:" << port_ << "\n"
        << "exactEngineID " << engineId << "\n"
        << "rocommunity tundra 127.0.0.1\n"
        << "rwcommunity harbour 127.0.0.1\n"
        << UserLines(NoAuthUser) << UserLines(Md5User) << UserLines(ShaUser) << UserLines(ShaDesUser);
    if (!out) {
        why = "cannot write " + conf;
        return false;
    }
    return true;
}

void SnmpdAgent::Restart(bool newEngineId) {
    StopProcess();
    std::string why;
    if (newEngineId) {
        ++engineSerial_;
        if (!WriteConfig(why))
            throw std::runtime_error(why);
    }
    // The port was the agent's a moment ago; another process may take it in between, though rarely.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (Launch(why))
            return;
        StopProcess();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    throw std::runtime_error("snmpd did not start again: " + why);
}

bool SnmpdAgent::Launch(std::string& why) {
    const std::string conf = dir_ + "/snmpd.conf";
    const std::string state = dir_ + "/state";
    fs::create_directory(state);
    const std::string logFile = dir_ + "/snmpd.log";
    const std::string persistent = "--persistentDir=" + state;
    pid_ = fork();
    if (pid_ < 0) {
        why = "fork failed";
        return false;
    }
    if (pid_ == 0) {
        // The agent dies with the test process and never holds the test's output open.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, 0);
        dup2(devNull, 1);
        dup2(devNull, 2);
        // Nothing of the user's or the system's configuration: -C, an empty MIB path, no SMUX port.
        setenv("SNMPCONFPATH", dir_.c_str(), 1);
        setenv("HOME", dir_.c_str(), 1);
        execl(SnmpdPath, "snmpd", "-f", "-C", "-c", conf.c_str(), persistent.c_str(), "-Lf", logFile.c_str(),
              "-I", "-smux", "-M", "", "-m", "", static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            why = "snmpd exited at start (status " + std::to_string(status) + "); its log:\n" + Log();
            return false;
        }
        if (Answers(port_))
            return true;
    }
    why = "snmpd did not answer on udp:127.0.0.1:" + std::to_string(port_) + " within 10 s; its log:\n" + Log();
    return false;
}

void SnmpdAgent::Stop() {
    StopProcess();
    if (!dir_.empty()) {
        std::error_code ec;
        fs::remove_all(dir_, ec);
        dir_.clear();
    }
}

void SnmpdAgent::StopProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 300 && waitpid(pid_, &status, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }
}

std::string SnmpdAgent::Log() const {
    std::ifstream in(dir_ + "/snmpd.log");
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

SilentUdpPort::SilentUdpPort() { fd_ = BoundLoopbackSocket(port_); }
SilentUdpPort::~SilentUdpPort() { close(fd_); }

TempDir::TempDir() : path_(MakeTempDir("qsw-test-")) {}
TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

} // namespace testsupport
