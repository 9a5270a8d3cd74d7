#include "NxIni.h"

#include "IniText.h"

#include <fstream>
#include <optional>

namespace {

// Values longer than this are cut, as the profile service cuts them at its 4,096-byte buffer.
constexpr size_t kMaxValueLength = 4095;

// A value enclosed in matching quotes loses them, as profile strings do.
std::string Unquote(const std::string& v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) return v.substr(1, v.size() - 2);
    return v;
}

// The raw value of the first matching key of the first matching section, or nothing.
std::optional<std::string> FindValue(const std::string& path, const std::string& section, const std::string& key) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string_view wantedSection = ini::Trim(section), wantedKey = ini::Trim(key);
    bool inSection = false;
    ini::Scanner scanner(in);
    for (ini::Line line; scanner.Next(line);) {
        if (line.kind == ini::Line::Kind::Section) {
            if (inSection) return std::nullopt;  // the first matching section is the one that counts
            inSection = ini::EqualNoCase(line.name, wantedSection);
            continue;
        }
        if (inSection && ini::EqualNoCase(line.name, wantedKey)) return Unquote(std::string(line.value));
    }
    return std::nullopt;
}

} // namespace

std::string NxIni::ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const {
    std::string value = FindValue(path_, section, key).value_or(defaultValue);
    if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
    std::string trimmed(ini::Trim(value));
    return trimmed.empty() ? defaultValue : trimmed;
}
