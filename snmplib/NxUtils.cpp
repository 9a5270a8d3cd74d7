#include "NxUtils.h"

#include <algorithm>
#include <cstring>

void NxBinaryString::Assign(const void* data, size_t length) {
    data_.resize(length);
    if (length) std::memcpy(data_.data(), data, length);
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty()) return name;
    if (directory.back() == '/') return directory + name;
    return directory + "/" + name;
}

template <typename T>
int32_t NxNumListOf<T>::CountItems(const std::string& text) const {
    if (text.empty()) return 0;
    return 1 + static_cast<int32_t>(std::count(text.begin(), text.end(), Delimiter));
}

template <typename T>
void NxNumListOf<T>::Parse(const std::string& text) {
    // Unsigned arithmetic: an overlong number wraps instead of overflowing.
    std::vector<uint32_t> acc(static_cast<size_t>(CountItems(text)), 0);
    size_t k = 0;
    bool inFraction = false;
    for (char c : text) {
        if (c == Delimiter) {
            ++k;
            inFraction = false;
        } else if (c == '.') {
            inFraction = true;
        } else if (!inFraction) {
            acc[k] = acc[k] * 10u + static_cast<uint32_t>(static_cast<unsigned char>(c) - 48u);
        }
    }
    items_.assign(acc.size(), 0);
    for (size_t i = 0; i < acc.size(); ++i) items_[i] = static_cast<T>(acc[i]);
}

template <typename T>
int32_t NxNumListOf<T>::IndexOf(T v) const {
    auto it = std::find(items_.begin(), items_.end(), v);
    return it == items_.end() ? -1 : static_cast<int32_t>(it - items_.begin());
}

template <typename T>
bool NxNumListOf<T>::AllInRange(T min, T max) const {
    return std::all_of(items_.begin(), items_.end(), [&](T v) { return v >= min && v <= max; });
}

template class NxNumListOf<int32_t>;
template class NxNumListOf<uint32_t>;
