#include "IniText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Kind = ini::Line::Kind;

std::string KindName(Kind kind) {
    switch (kind) {
    case Kind::Blank: return "blank";
    case Kind::Comment: return "comment";
    case Kind::Section: return "section";
    case Kind::Entry: return "entry";
    }
    return "?";
}

}  // namespace

TEST(IniTextTest, TrimDropsBlanksAndControlCharacters) {
    struct Case { std::string text, expected; };
    const Case cases[] = {
        {"", ""},
        {" \t\r\n", ""},
        {"value", "value"},
        {"  two words \r", "two words"},
        {std::string("\x01\x1f" "x\x7f" "\x0b", 5), "x\x7f"},  // DEL is no control character here
        {"\xC3\xA9t\xC3\xA9 ", "\xC3\xA9t\xC3\xA9"},          // UTF-8 bytes stay
    };
    for (const Case& c : cases) EXPECT_EQ(ini::Trim(c.text), c.expected) << '"' << c.text << '"';
}

TEST(IniTextTest, EqualNoCaseComparesAsciiLetters) {
    EXPECT_TRUE(ini::EqualNoCase("ExePath", "EXEPATH"));
    EXPECT_TRUE(ini::EqualNoCase("", ""));
    EXPECT_FALSE(ini::EqualNoCase("Path", "Paths"));
    EXPECT_FALSE(ini::EqualNoCase("Path", "Pat"));
    EXPECT_FALSE(ini::EqualNoCase("a[", "A{"));
}

TEST(IniTextTest, ScanLineClassifiesEachKindOfLine) {
    struct Case { const char* line; const char* marks; Kind kind; const char* name; const char* value; };
    const Case cases[] = {
        {"", ";", Kind::Blank, "", ""},
        {"   \r", ";", Kind::Blank, "", ""},
        {"; note", ";", Kind::Comment, "", ""},
        {"  ;indented", ";", Kind::Comment, "", ""},
        {"# hash", ";", Kind::Entry, "# hash", ""},  // a key, unless "#" is a comment mark
        {"# hash", ";#", Kind::Comment, "", ""},
        {"[Device]", ";", Kind::Section, "Device", ""},
        {" [ Device ] trailing", ";", Kind::Section, "Device", ""},
        {"[Unclosed ", ";", Kind::Section, "Unclosed", ""},
        {"[]", ";", Kind::Section, "", ""},
        {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\X]\r", ";", Kind::Section, "HKEY_LOCAL_MACHINE\\SOFTWARE\\X", ""},
        {"Key=Value", ";", Kind::Entry, "Key", "Value"},
        {"  Key  =  two words \r", ";", Kind::Entry, "Key", "two words"},
        {"Key=", ";", Kind::Entry, "Key", ""},
        {"Key", ";", Kind::Entry, "Key", ""},
        {"=value", ";", Kind::Entry, "", "value"},
        {"Url=a=b", ";", Kind::Entry, "Url", "a=b"},
        {"Quoted=\" x \"", ";", Kind::Entry, "Quoted", "\" x \""},
        {"Path=;not a comment", ";", Kind::Entry, "Path", ";not a comment"},
    };
    for (const Case& c : cases) {
        const ini::Line line = ini::ScanLine(c.line, c.marks);
        EXPECT_EQ(KindName(line.kind), KindName(c.kind)) << c.line;
        EXPECT_EQ(line.name, c.name) << c.line;
        EXPECT_EQ(line.value, c.value) << c.line;
    }
}

TEST(IniTextTest, ScannerSkipsByteOrderMarkBlanksAndComments) {
    std::istringstream in("\xEF\xBB\xBF[First]\r\n; c\r\n\r\nA = 1\n\xEF\xBB\xBF" "B=2\n[Second]\nC");
    std::vector<std::string> seen;
    ini::Scanner scanner(in);
    for (ini::Line line; scanner.Next(line);)
        seen.push_back(KindName(line.kind) + ":" + std::string(line.name) + "=" + std::string(line.value));
    // Only the first line's byte order mark is dropped; the second stays part of the key.
    const std::vector<std::string> expected = {"section:First=", "entry:A=1", "entry:\xEF\xBB\xBF" "B=2",
                                               "section:Second=", "entry:C="};
    EXPECT_EQ(seen, expected);
}
