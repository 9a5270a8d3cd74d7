#include "BootCounter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace snmp {

namespace {

// Lines are handled in pieces of at most this many characters, line end included.
constexpr int LineBuffer = 100;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The count that follows "<encoded id> " at the start of line, if the line is for that ID.
bool matchLine(const char* line, const std::string& encoded, uint32_t* count) {
    if (std::strncmp(line, encoded.c_str(), encoded.size()) != 0 || line[encoded.size()] != ' ')
        return false;
    if (count)
        *count = static_cast<uint32_t>(std::strtoul(line + encoded.size() + 1, nullptr, 10));
    return true;
}

} // namespace

std::string encodeEngineId(const std::string& engineId) {
    std::string out;
    out.reserve(engineId.size() * 2);
    for (unsigned char c : engineId) {
        out += static_cast<char>('@' + (c >> 4));
        out += static_cast<char>('@' + (c & 0x0F));
    }
    return out;
}

int getBootCounter(const std::string& path, const std::string& engineId, uint32_t& boots) {
    boots = 0;
    File file(std::fopen(path.c_str(), "r"));
    if (!file)
        return BootCounterOpenError;
    const std::string encoded = encodeEngineId(engineId);
    char line[LineBuffer];
    while (std::fgets(line, sizeof line, file.get())) {
        if (line[0] == '#')
            continue;
        if (matchLine(line, encoded, &boots))
            return BootCounterOk;
    }
    return BootCounterNoEntry;
}

int saveBootCounter(const std::string& path, const std::string& engineId, uint32_t boots) {
    if (std::FILE* probe = std::fopen(path.c_str(), "r")) {
        std::fclose(probe);
    } else {
        File created(std::fopen(path.c_str(), "w"));
        if (!created)
            return BootCounterCreateError;
    }
    File in(std::fopen(path.c_str(), "r"));
    if (!in)
        return BootCounterOpenError;
    const std::string tmpPath = path + ".tmp";
    File out(std::fopen(tmpPath.c_str(), "w"));
    if (!out)
        return BootCounterCreateError;

    const std::string encoded = encodeEngineId(engineId);
    const std::string entry = encoded + " " + std::to_string(boots) + "\n";
    bool written = false;
    bool ok = true;
    char line[LineBuffer];
    while (std::fgets(line, sizeof line, in.get())) {
        if (line[0] != '#' && matchLine(line, encoded, nullptr)) {
            if (!written)
                ok = ok && std::fputs(entry.c_str(), out.get()) >= 0;
            written = true;
            continue;
        }
        ok = ok && std::fputs(line, out.get()) >= 0;
    }
    if (!written)
        ok = ok && std::fputs(entry.c_str(), out.get()) >= 0;
    in.reset();
    ok = std::fclose(out.release()) == 0 && ok;
    if (!ok) {
        std::remove(tmpPath.c_str());
        return BootCounterWriteError;
    }
    // rename replaces the old file in one step: a crash cannot leave the counter without its file.
    if (std::rename(tmpPath.c_str(), path.c_str()) != 0) {
        std::remove(tmpPath.c_str());
        return BootCounterRenameError;
    }
    return BootCounterOk;
}

} // namespace snmp
