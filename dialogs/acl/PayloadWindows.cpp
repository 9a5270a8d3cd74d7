#include "PayloadWindows.h"

#include "NxInputCheck.h"

#include <algorithm>

namespace {

constexpr int WindowOctets = 16;
const std::string ZeroWindow(2 * WindowOctets, '0');

}  // namespace

std::string WindowRange(int window) {
    return std::to_string(window * WindowOctets) + " to " + std::to_string(window * WindowOctets + WindowOctets - 1);
}

bool WindowCarriesValue(const std::string& text) { return !text.empty() && text != ZeroWindow; }

bool TooManyWindowsInUse(const std::vector<std::string>& texts) {
    return std::count_if(texts.begin(), texts.end(), WindowCarriesValue) > MaxWindowsInUse;
}

bool WindowTextValid(const std::string& text) { return IsHexText(text, 2 * WindowOctets); }
