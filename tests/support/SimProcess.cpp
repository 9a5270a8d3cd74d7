#include "SimProcess.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace simtest {

Child::Child(const std::vector<std::string>& argv, const std::string& outFile, const std::string& errFile) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, 1);
        dup2(err, 2);
        execv(args[0], args.data());
        _exit(127);
    }
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
}

Child::~Child() {
    if (!done_)
        Terminate();
}

bool Child::Running() {
    if (done_)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        done_ = true;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return false;
    }
    return true;
}

int Child::Wait() {
    if (!done_) {
        int status = 0;
        waitpid(pid_, &status, 0);
        done_ = true;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return status_;
}

void Child::Terminate() {
    if (!done_)
        kill(pid_, SIGTERM);
    Wait();
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

ToolResult RunProgram(const std::vector<std::string>& argv) {
    testsupport::TempDir dir;
    Child child(argv, dir.File("out"), dir.File("err"));
    ToolResult result;
    result.status = child.Wait();
    result.out = ReadFile(dir.File("out"));
    result.err = ReadFile(dir.File("err"));
    return result;
}

std::string SimulatorPath() {
    if (const char* path = std::getenv("QSWSIM_PATH"); path && *path) return path;
    if (const char* binary = std::getenv("QSW_BINARY_DIR"); binary && *binary) return std::string(binary) + "/sim/qswsim";
    return std::string(QSW_DEFAULT_BINARY_DIR) + "/sim/qswsim";  // a benchmark started by hand
}

SimAgent::SimAgent(std::vector<std::string> extraArgs) {
    std::vector<std::string> argv = {SimulatorPath(), "--port", "0", "--port-file", dir_.File("port"),
                                     "--pdu-log", dir_.File("pdu.log"), "--control", dir_.File("control"),
                                     "--user", std::string(AdminUser) + ":SHA:" + AuthPass + ":DES:" + PrivPass,
                                     "--user", std::string(Md5User) + ":MD5:" + AuthPass + ":DES:" + PrivPass};
    argv.insert(argv.end(), extraArgs.begin(), extraArgs.end());
    child_ = new Child(argv, dir_.File("stdout"), dir_.File("stderr"));
    const bool started = Eventually([&] { return !ReadFile(dir_.File("port")).empty() || !child_->Running(); });
    port_ = std::atoi(ReadFile(dir_.File("port")).c_str());
    if (!started || port_ <= 0)
        throw std::runtime_error("qswsim did not start: " + StderrText());
}

SimAgent::~SimAgent() { delete child_; }

int SimAgent::Stop() {
    child_->Terminate();
    return child_->Wait();
}

std::string SimAgent::Control(const std::string& command) {
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, dir_.File("control").c_str(), sizeof address.sun_path - 1);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return "error: cannot connect";
    }
    const std::string line = command + "\n";
    if (write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        close(fd);
        return "error: cannot send";
    }
    std::string answer;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n')
        answer += c;
    close(fd);
    return answer;
}

std::vector<std::string> SimAgent::PduLog() const {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(dir_.File("pdu.log")));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace simtest
