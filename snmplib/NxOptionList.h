#pragma once
// Enumerations of a MIB object's values with their display texts. Values travel as text.
#include <cstdint>
#include <string>
#include <vector>


// One static source entry. Kind 1 uses IntValue; kinds 2 and 3 use StrValue. A table ends with Text == nullptr.
struct NxOptionPair {
    int32_t IntValue = 0;
    const char* StrValue = nullptr;
    const char* Text = nullptr;

    static constexpr NxOptionPair Int(int32_t v, const char* text) { return {v, nullptr, text}; }
    static constexpr NxOptionPair Str(const char* v, const char* text) { return {0, v, text}; }
    static constexpr NxOptionPair End() { return {0, nullptr, nullptr}; }
};

int CountOptionPairs(const NxOptionPair* pairs);

class NxOptionList {
public:
    enum : int32_t { KindInteger = 1, KindString = 2, KindPrefix = 3 };

    struct Pair {
        int32_t IntValue = 0;
        std::string StrValue;
        std::string Text;
    };

    NxOptionList() = default;  // empty; a catalogue list is filled by its module's start-up step
    NxOptionList(const NxOptionPair* pairs, int32_t kind, bool caseSensitive = false);
    NxOptionList(const NxOptionList&) = delete;
    NxOptionList& operator=(const NxOptionList&) = delete;
    ~NxOptionList() { Clear(); }

    // (Re)builds the list: kind, case rule, then the pairs of the table.
    void Build(const NxOptionPair* pairs, int32_t kind, bool caseSensitive = false);
    void AddPairs(const NxOptionPair* pairs);
    void Clear();

    int32_t Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(pairs_.size()); }
    const Pair& GetPair(int index) const { return pairs_[static_cast<size_t>(index)]; }

    int IndexOfText(const std::string& text) const;
    int IndexOfValue(const std::string& value) const;
    std::string ValueToText(const std::string& value) const;
    std::string TextToValue(const std::string& text) const;

private:
    int32_t kind_ = KindInteger;
    bool caseSensitive_ = false;
    std::vector<Pair> pairs_;
};
