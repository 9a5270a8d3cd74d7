#include "SimOptions.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

namespace sim {
namespace {

int IntOption(const std::string& name, const std::string& text, int low, int high) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw std::invalid_argument(name + " needs a number from " + std::to_string(low) + " to " + std::to_string(high));
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t pos = text.find(separator, start);
        parts.push_back(text.substr(start, pos == std::string::npos ? std::string::npos : pos - start));
        if (pos == std::string::npos)
            return parts;
        start = pos + 1;
    }
}

bool IsHex(const std::string& text) {
    std::string digits = text.rfind("0x", 0) == 0 ? text.substr(2) : text;
    if (digits.empty() || digits.size() % 2)
        return false;
    for (char c : digits)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

const char* SimUsage() {
    return "usage: qswsim [options]\n"
           "  --port N                 UDP port on 127.0.0.1 (0, the default: a free port)\n"
           "  --port-file FILE         write the port number to FILE once the agent listens\n"
           "  --scenario FILE          scenario file (default: the standalone QSW-2126P)\n"
           "  --read-community TEXT    read community (default tundra)\n"
           "  --write-community TEXT   write community (default harbour)\n"
           "  --user NAME:MD5|SHA:AUTHPASS[:DES:PRIVPASS]   an SNMPv3 user (repeatable)\n"
           "  --engine-id HEX          fixed SNMPv3 engine ID\n"
           "  --pdu-log FILE           log every received PDU to FILE\n"
           "  --control PATH           Unix socket for test control commands\n"
           "  --exec COMMAND           run a control command at start (repeatable)\n"
           "  --rows N                 seeded rows per table (default 3)\n"
           "  --no-catalogue           serve only the system group and the scenario\n";
}

UserOption ParseUserOption(const std::string& text) {
    const std::vector<std::string> parts = Split(text, ':');
    if (parts.size() != 3 && parts.size() != 5)
        throw std::invalid_argument("--user needs NAME:MD5|SHA:AUTHPASS or NAME:MD5|SHA:AUTHPASS:DES:PRIVPASS");
    UserOption user{parts[0], parts[1], parts[2], {}, {}};
    if (user.name.empty())
        throw std::invalid_argument("--user needs a user name");
    if (user.authProtocol != "MD5" && user.authProtocol != "SHA")
        throw std::invalid_argument("--user: the authentication protocol is MD5 or SHA");
    if (user.authPassword.size() < 8)
        throw std::invalid_argument("--user: a pass phrase has at least 8 characters");
    if (parts.size() == 5) {
        user.privProtocol = parts[3];
        user.privPassword = parts[4];
        if (user.privProtocol != "DES")
            throw std::invalid_argument("--user: the privacy protocol is DES");
        if (user.privPassword.size() < 8)
            throw std::invalid_argument("--user: a pass phrase has at least 8 characters");
    }
    return user;
}

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
    SimOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw std::invalid_argument(arg + " needs a value");
            return args[++i];
        };
        auto text = [&]() -> std::string {
            const std::string& v = value();
            if (v.empty())
                throw std::invalid_argument(arg + " needs a value");
            return v;
        };
        // A community goes into a configuration line, so it is one word.
        auto word = [&]() -> std::string {
            std::string v = text();
            for (char c : v)
                if (std::isspace(static_cast<unsigned char>(c)))
                    throw std::invalid_argument(arg + " takes one word");
            return v;
        };
        if (arg == "--port") options.port = IntOption(arg, value(), 0, 65535);
        else if (arg == "--port-file") options.portFile = text();
        else if (arg == "--scenario") options.scenario = text();
        else if (arg == "--read-community") options.readCommunity = word();
        else if (arg == "--write-community") options.writeCommunity = word();
        else if (arg == "--user") options.users.push_back(ParseUserOption(value()));
        else if (arg == "--engine-id") {
            options.engineId = text();
            if (!IsHex(options.engineId))
                throw std::invalid_argument("--engine-id needs hexadecimal octets");
        }
        else if (arg == "--pdu-log") options.pduLog = text();
        else if (arg == "--control") options.controlSocket = text();
        else if (arg == "--exec") options.exec.push_back(text());
        else if (arg == "--rows") options.rows = IntOption(arg, value(), 1, 50);
        else if (arg == "--no-catalogue") options.catalogue = false;
        else if (arg == "--help" || arg == "-h") options.help = true;
        else throw std::invalid_argument("unknown option " + arg);
    }
    return options;
}

} // namespace sim
