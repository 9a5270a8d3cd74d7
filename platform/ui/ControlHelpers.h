#pragma once
// Small helpers shared by the layer's control units.
#include <string>

namespace ui::detail {

// Counts a nesting of code-made widget changes, so the widget's own signals know to stay quiet.
class SyncScope {
public:
    explicit SyncScope(int& depth) : depth_(depth) { ++depth_; }
    ~SyncScope() { --depth_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;

private:
    int& depth_;
};

inline std::string IndexError(const char* what, int index) {
    return std::string(what) + " index out of bounds (" + std::to_string(index) + ")";
}

}  // namespace ui::detail
