#pragma once
// The one reader of INI-format text lines, shared by the host registry and the settings files: blanks and control
// characters around names and values do not count, section and key names compare without regard to case (ASCII),
// a UTF-8 byte order mark before the first line is skipped. Views returned point into the line given.
#include <istream>
#include <string>
#include <string_view>

namespace ini {

// text without the blanks and control characters (bytes up to ' ') around it.
std::string_view Trim(std::string_view text);
// a and b equal without regard to ASCII case.
bool EqualNoCase(std::string_view a, std::string_view b);

struct Line {
    enum class Kind { Blank, Comment, Section, Entry };
    Kind kind = Kind::Blank;
    // Section: the name between "[" and "]" (to the end when "]" is missing); Entry: the text before "=".
    std::string_view name;
    // Entry: the text after the first "="; empty when there is no "=".
    std::string_view value;
};

// One line, classified. A line opening with one of commentMarks (after blanks) is a comment.
Line ScanLine(std::string_view line, std::string_view commentMarks = ";");

// The lines of a stream that are sections or entries, in order; blank and comment lines are passed over.
class Scanner {
public:
    explicit Scanner(std::istream& in, std::string_view commentMarks = ";") : in_(in), commentMarks_(commentMarks) {}
    // The next section or entry line; false at the end of the stream. The line stays valid until the next call.
    bool Next(Line& line);

private:
    std::istream& in_;
    std::string_view commentMarks_;
    std::string text_;
    bool first_ = true;
};

}  // namespace ini
