#include "Strings.h"

#include <cctype>

namespace ui {

namespace {
bool SameTextAscii(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
}  // namespace

void Strings::Put(int index, const std::string& text) {
    Delete(index);
    Insert(index, text);
}

int Strings::Add(const std::string& text) {
    const int index = Count();
    Insert(index, text);
    return index;
}

int Strings::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (SameTextAscii(Get(i), text)) return i;
    return -1;
}

std::vector<std::string> Strings::ToVector() const {
    std::vector<std::string> texts;
    for (int i = 0; i < Count(); ++i) texts.push_back(Get(i));
    return texts;
}

void Strings::Assign(const std::vector<std::string>& texts) {
    Clear();
    for (const auto& text : texts) Add(text);
}

std::string Strings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) text += Get(i) + "\n";
    return text;
}

void Strings::SetText(const std::string& text) { Assign(SplitLines(text)); }

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace ui
