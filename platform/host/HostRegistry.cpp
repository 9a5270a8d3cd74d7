#include "HostRegistry.h"

#include "IniText.h"
#include "ReadableFile.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace host {

namespace {

constexpr const char* RegistryFileName = "Vantrel/registry.ini";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// "\SOFTWARE\Vantrel\X\" under HKEY_LOCAL_MACHINE gives "HKEY_LOCAL_MACHINE\SOFTWARE\Vantrel\X".
std::string SectionName(const std::string& key) {
    size_t begin = 0, end = key.size();
    while (begin < end && key[begin] == '\\') ++begin;
    while (end > begin && key[end - 1] == '\\') --end;
    const std::string path = key.substr(begin, end - begin);
    return path.empty() ? LocalMachineRoot : std::string(LocalMachineRoot) + "\\" + path;
}

}  // namespace

std::string RegistryFilePath() {
    if (const std::string forced = Environment(RegistryFileVariable); !forced.empty()) return forced;

    std::string configHome = Environment("XDG_CONFIG_HOME");
    if (configHome.empty() && !Environment("HOME").empty()) configHome = Environment("HOME") + "/.config";
    if (!configHome.empty() && IsRegularFile(configHome + "/" + RegistryFileName))
        return configHome + "/" + RegistryFileName;

    std::string configDirs = Environment("XDG_CONFIG_DIRS");
    if (configDirs.empty()) configDirs = "/etc/xdg";
    size_t start = 0;
    while (start <= configDirs.size()) {
        const size_t colon = std::min(configDirs.find(':', start), configDirs.size());
        const std::string dir = configDirs.substr(start, colon - start);
        if (!dir.empty() && IsRegularFile(dir + "/" + RegistryFileName)) return dir + "/" + RegistryFileName;
        start = colon + 1;
    }
    return "";
}

bool Registry::NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

Registry::Registry() : Registry(RegistryFilePath()) {}

Registry::Registry(std::string filePath) : filePath_(std::move(filePath)) {}

std::string Registry::Refusal() const {
    if (filePath_.empty()) return "";
    const std::string why = files::WhyNotRead(filePath_);
    return why.empty() ? "" : "The registry file " + filePath_ + " " + why + ": it is not read.";
}

bool Registry::OpenKey(const std::string& key, bool canCreate) {
    CloseKey();
    std::optional<Values> values;
    if (!ReadSection(SectionName(key), values)) return false;
    if (!values && !canCreate) return false;
    values_ = values ? std::move(*values) : Values{};
    open_ = true;
    return true;
}

void Registry::CloseKey() {
    values_.clear();
    open_ = false;
}

std::string Registry::ReadString(const std::string& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? std::string() : found->second;
}

bool Registry::ValueExists(const std::string& name) const { return values_.count(name) != 0; }

bool Registry::ReadSection(const std::string& section, std::optional<Values>& values) const {
    values.reset();
    std::error_code error;
    if (filePath_.empty() || !std::filesystem::exists(filePath_, error)) return true;  // an empty registry
    // Checked before opening: a FIFO would block the open, a huge file the start.
    if (!files::WhyNotRead(filePath_).empty()) return false;
    std::ifstream in(filePath_, std::ios::binary);
    if (!in) return false;

    bool inSection = false;
    ini::Scanner scanner(in, ";#");
    for (ini::Line line; scanner.Next(line);) {
        if (line.kind == ini::Line::Kind::Section) {
            if (inSection) break;  // the first section of that name holds the key
            inSection = ini::EqualNoCase(line.name, section);
            if (inSection) values.emplace();
            continue;
        }
        if (!inSection || line.name.empty()) continue;
        values->emplace(std::string(line.name), std::string(line.value));
    }
    return !in.bad();
}

}  // namespace host
