#include "NxIni.h"

#include <cctype>
#include <fstream>
#include <optional>

namespace {

// Values longer than this are cut, as the profile service cuts them at its 4,096-byte buffer.
constexpr size_t kMaxValueLength = 4095;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlankOrControl(s[b])) ++b;
    while (e > b && IsBlankOrControl(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y && std::tolower(x) != std::tolower(y)) return false;
    }
    return true;
}

// A value enclosed in matching quotes loses them, as profile strings do.
std::string Unquote(const std::string& v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) return v.substr(1, v.size() - 2);
    return v;
}

// The raw value of the first matching key of the first matching section, or nothing.
std::optional<std::string> FindValue(const std::string& path, const std::string& section, const std::string& key) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string wantedSection = Trim(section), wantedKey = Trim(key);
    bool inSection = false;
    std::string line;
    for (bool first = true; std::getline(in, line); first = false) {
        if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        std::string t = Trim(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            size_t close = t.find(']');
            std::string name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            if (inSection) return std::nullopt;  // the first matching section is the one that counts
            inSection = EqualNoCase(name, wantedSection);
            continue;
        }
        if (!inSection) continue;
        size_t eq = t.find('=');
        std::string name = Trim(t.substr(0, eq));
        if (!EqualNoCase(name, wantedKey)) continue;
        return eq == std::string::npos ? std::string() : Unquote(Trim(t.substr(eq + 1)));
    }
    return std::nullopt;
}

} // namespace

std::string NxIni::ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const {
    std::string value = FindValue(path_, section, key).value_or(defaultValue);
    if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
    std::string trimmed = Trim(value);
    return trimmed.empty() ? defaultValue : trimmed;
}
