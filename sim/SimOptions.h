#pragma once
// The simulator's command line.
#include <string>
#include <vector>

namespace sim {

struct UserOption {
    std::string name;
    std::string authProtocol;  // "MD5" or "SHA"
    std::string authPassword;
    std::string privProtocol;  // "DES", or empty for authNoPriv
    std::string privPassword;
};

struct SimOptions {
    int port = 0;  // 0: a free port
    std::string portFile;
    std::string scenario;  // empty: the built-in default scenario
    std::string readCommunity = "tundra";
    std::string writeCommunity = "harbour";
    std::vector<UserOption> users;
    std::string engineId;  // hexadecimal; empty: a new one each start
    std::string pduLog;
    std::string controlSocket;
    std::vector<std::string> exec;  // control commands run at start
    int rows = 3;
    bool catalogue = true;
    bool help = false;
};

// Throws std::invalid_argument with a message naming the bad option.
SimOptions ParseSimOptions(const std::vector<std::string>& args);
UserOption ParseUserOption(const std::string& text);
const char* SimUsage();

} // namespace sim
