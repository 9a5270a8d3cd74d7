#include "NxOptionList.h"

#include <cctype>
#include <charconv>
#include <cstring>

namespace {

bool SameText(const std::string& a, const std::string& b, bool caseSensitive) {
    if (a.size() != b.size())
        return false;
    if (caseSensitive)
        return a == b;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool BeginsWith(const std::string& text, const std::string& prefix, bool caseSensitive) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix, caseSensitive);
}

// Text to integer: optional blanks, one sign, decimal or "$"/"0x" hex digits. The digits are read as a magnitude, so
// no second sign passes and no number is negated beyond its range.
bool TextToInt32(const std::string& text, int32_t& out) {
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    uint64_t magnitude = 0;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    if (first == last)
        return false;
    auto [end, ec] = std::from_chars(first, last, magnitude, base);
    if (ec != std::errc() || end != last)
        return false;
    const uint64_t limit = negative ? uint64_t{1} << 31 : INT32_MAX;
    if (magnitude > limit) return false;
    const auto value = static_cast<int64_t>(magnitude);
    out = static_cast<int32_t>(negative ? -value : value);
    return true;
}

} // namespace

int CountOptionPairs(const NxOptionPair* pairs) {
    int n = 0;
    if (pairs)
        while (pairs[n].Text)
            ++n;
    return n;
}

NxOptionList::NxOptionList(const NxOptionPair* pairs, int32_t kind, bool caseSensitive) {
    Build(pairs, kind, caseSensitive);
}

void NxOptionList::Build(const NxOptionPair* pairs, int32_t kind, bool caseSensitive) {
    Clear();
    kind_ = kind;
    caseSensitive_ = caseSensitive;
    AddPairs(pairs);
}

void NxOptionList::AddPairs(const NxOptionPair* pairs) {
    const int n = CountOptionPairs(pairs);
    pairs_.reserve(pairs_.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        Pair p;
        p.Text = pairs[i].Text;
        if (kind_ == KindInteger)
            p.IntValue = pairs[i].IntValue;
        else
            p.StrValue = pairs[i].StrValue ? pairs[i].StrValue : "";
        pairs_.push_back(std::move(p));
    }
}

void NxOptionList::Clear() {
    pairs_.clear();
    pairs_.shrink_to_fit();
}

int NxOptionList::IndexOfText(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& shown = pairs_[static_cast<size_t>(i)].Text;
        bool match = kind_ == KindPrefix ? BeginsWith(text, shown, caseSensitive_) : SameText(text, shown, caseSensitive_);
        if (match)
            return i;
    }
    return -1;
}

int NxOptionList::IndexOfValue(const std::string& value) const {
    if (kind_ == KindInteger) {
        if (value == "(NULL)")
            return -1;
        int32_t number = 0;
        if (!TextToInt32(value, number))
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (pairs_[static_cast<size_t>(i)].IntValue == number)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const std::string& wire = pairs_[static_cast<size_t>(i)].StrValue;
        bool match = kind_ == KindPrefix ? BeginsWith(value, wire, caseSensitive_) : SameText(value, wire, caseSensitive_);
        if (match)
            return i;
    }
    return -1;
}

std::string NxOptionList::ValueToText(const std::string& value) const {
    int i = IndexOfValue(value);
    if (i < 0)
        return value;
    const Pair& p = pairs_[static_cast<size_t>(i)];
    if (kind_ == KindPrefix)
        return p.Text + value.substr(p.StrValue.size());
    return p.Text;
}

std::string NxOptionList::TextToValue(const std::string& text) const {
    int i = IndexOfText(text);
    if (i < 0)
        return text;
    const Pair& p = pairs_[static_cast<size_t>(i)];
    switch (kind_) {
    case KindInteger: return std::to_string(p.IntValue);
    case KindPrefix: return p.StrValue + text.substr(p.Text.size());
    default: return p.StrValue;
    }
}
