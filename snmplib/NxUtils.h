#pragma once
// Small shared helpers: a byte buffer, path joining and lists of numbers parsed from delimited texts.
#include <cstdint>
#include <string>
#include <vector>

// A byte buffer owned by the object.
class NxBinaryString {
public:
    NxBinaryString() = default;
    NxBinaryString(const void* data, size_t length) { Assign(data, length); }

    int32_t Length() const { return static_cast<int32_t>(data_.size()); }
    const uint8_t* Data() const { return data_.empty() ? nullptr : data_.data(); }
    uint8_t* Data() { return data_.empty() ? nullptr : data_.data(); }

    void Assign(const void* data, size_t length);
    void Clear() { data_.clear(); }

private:
    std::vector<uint8_t> data_;
};

// Directory and file name joined by "/" (an empty directory gives the name alone).
std::string JoinPath(const std::string& directory, const std::string& name);

// Numbers parsed from a delimited text of digits ("1.3.6.1", "0,2,15"). Signed and unsigned variants.
template <typename T>
class NxNumListOf {
public:
    char Delimiter = '.';

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    T Item(int32_t index) const { return items_[static_cast<size_t>(index)]; }
    const std::vector<T>& Items() const { return items_; }

    // 0 for an empty text, else one more than the number of delimiters.
    int32_t CountItems(const std::string& text) const;
    // Digits accumulate into the current item; a "." that is not the delimiter starts a fraction, whose digits are
    // dropped (the item is truncated toward zero). Callers pass digits and delimiters only.
    void Parse(const std::string& text);
    // The first position holding v, or -1.
    int32_t IndexOf(T v) const;
    // True when every item lies in [min, max]; true for an empty list.
    bool AllInRange(T min, T max) const;

private:
    std::vector<T> items_;
};

using NxNumList = NxNumListOf<int32_t>;
using NxUNumList = NxNumListOf<uint32_t>;

extern template class NxNumListOf<int32_t>;
extern template class NxNumListOf<uint32_t>;
