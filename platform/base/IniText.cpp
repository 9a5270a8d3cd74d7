#include "IniText.h"

#include <cctype>

namespace ini {

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

Line ScanLine(std::string_view text, std::string_view commentMarks) {
    text = Trim(text);
    Line line;
    if (text.empty()) return line;
    if (commentMarks.find(text.front()) != std::string_view::npos) {
        line.kind = Line::Kind::Comment;
        return line;
    }
    if (text.front() == '[') {
        line.kind = Line::Kind::Section;
        line.name = Trim(text.substr(1, text.find(']', 1) - 1));
        return line;
    }
    line.kind = Line::Kind::Entry;
    const size_t equals = text.find('=');
    line.name = Trim(text.substr(0, equals));
    if (equals != std::string_view::npos) line.value = Trim(text.substr(equals + 1));
    return line;
}

bool Scanner::Next(Line& line) {
    while (std::getline(in_, text_)) {
        if (first_ && text_.compare(0, 3, "\xEF\xBB\xBF") == 0) text_.erase(0, 3);
        first_ = false;
        line = ScanLine(text_, commentMarks_);
        if (line.kind == Line::Kind::Section || line.kind == Line::Kind::Entry) return true;
    }
    return false;
}

}  // namespace ini
