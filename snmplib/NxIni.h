#pragma once
// Reads single values from an ini-format settings file, the way Windows profile strings are read:
// section and key names compare without regard to case, values are trimmed, a missing key gives the default.
#include <string>

class NxIni {
public:
    explicit NxIni(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // The value of key in section, trimmed of blanks and control characters; the default when the file, the
    // section or the key is missing or the value is empty (an empty default comes back unchanged).
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;

private:
    std::string path_;
};
