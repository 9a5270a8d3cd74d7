#pragma once
// A list of texts kept by a control (combo box items, radio group items, memo lines).
#include <string>
#include <vector>

namespace ui {

class Strings {
public:
    virtual ~Strings() = default;

    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Put(int index, const std::string& text);

    std::string operator[](int index) const { return Get(index); }
    int Add(const std::string& text);
    // First index of text, compared without regard to ASCII case; -1 when missing.
    int IndexOf(const std::string& text) const;
    std::vector<std::string> ToVector() const;
    void Assign(const std::vector<std::string>& texts);
    // The lines joined by line feeds (each line followed by one).
    std::string Text() const;
    void SetText(const std::string& text);
};

// Splits text into lines at "\n" (a "\r" before it goes too); a last line without "\n" counts.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace ui
