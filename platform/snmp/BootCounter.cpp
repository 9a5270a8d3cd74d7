#include "BootCounter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
bool MatchLine(const char* line, const std::string& encoded, uint32_t* count) {
    if (std::strncmp(line, encoded.c_str(), encoded.size()) != 0 || line[encoded.size()] != ' ')
        return false;
    if (count)
        *count = static_cast<uint32_t>(std::strtoul(line + encoded.size() + 1, nullptr, 10));
    return true;
}

// The file for reading when it is a regular one; a FIFO or a device would block or never end.
File OpenRegular(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return nullptr;
    }
    File file(fdopen(fd, "r"));
    if (!file)
        close(fd);
    return file;
}

} // namespace

std::string EncodeEngineId(const std::string& engineId) {
    std::string out;
    out.reserve(engineId.size() * 2);
    for (unsigned char c : engineId) {
        out += static_cast<char>('@' + (c >> 4));
        out += static_cast<char>('@' + (c & 0x0F));
    }
    return out;
}

int GetBootCounter(const std::string& path, const std::string& engineId, uint32_t& boots) {
    boots = 0;
    File file = OpenRegular(path);
    if (!file)
        return BootCounterOpenError;
    const std::string encoded = EncodeEngineId(engineId);
    char line[LineBuffer];
    while (std::fgets(line, sizeof line, file.get())) {
        if (line[0] == '#')
            continue;
        if (MatchLine(line, encoded, &boots))
            return BootCounterOk;
    }
    return BootCounterNoEntry;
}

int SaveBootCounter(const std::string& path, const std::string& engineId, uint32_t boots) {
    File in = OpenRegular(path);  // none yet: the new file holds only this entry
    // A new file of our own next to the old one: a name planted in advance (a link to another file) is never
    // opened, and the old file is replaced in one step, so a crash cannot leave the counter without its file.
    std::string tmpPath = path + ".XXXXXX";
    const int fd = mkstemp(tmpPath.data());
    if (fd < 0)
        return BootCounterCreateError;
    fchmod(fd, 0644);
    File out(fdopen(fd, "w"));
    if (!out) {
        close(fd);
        unlink(tmpPath.c_str());
        return BootCounterCreateError;
    }

    const std::string encoded = EncodeEngineId(engineId);
    const std::string entry = encoded + " " + std::to_string(boots) + "\n";
    bool written = false;
    bool ok = true;
    char line[LineBuffer];
    while (in && std::fgets(line, sizeof line, in.get())) {
        if (line[0] != '#' && MatchLine(line, encoded, nullptr)) {
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
    ok = std::fflush(out.get()) == 0 && fsync(fd) == 0 && ok;
    ok = std::fclose(out.release()) == 0 && ok;
    if (!ok) {
        unlink(tmpPath.c_str());
        return BootCounterWriteError;
    }
    if (std::rename(tmpPath.c_str(), path.c_str()) != 0) {
        unlink(tmpPath.c_str());
        return BootCounterRenameError;
    }
    return BootCounterOk;
}

} // namespace snmp
