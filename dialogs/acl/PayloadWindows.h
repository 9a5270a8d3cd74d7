#pragma once
// The five windows of a payload rule or mask (packet offsets 0-15 up to 64-79, up to 16 octets typed as 32 hex
// digits), as both payload dialogs judge them: at most two windows may carry a value other than zero, and a window's
// text is at most 32 hex digits.
#include <string>
#include <vector>

inline constexpr int PayloadWindowCount = 5;
inline constexpr int MaxWindowsInUse = 2;

// The offsets a window covers as its labels and messages name them ("0 to 15" ... "64 to 79").
std::string WindowRange(int window);
// A text that is neither empty nor 32 zeros.
bool WindowCarriesValue(const std::string& text);
// More windows carry a value than a rule can take.
bool TooManyWindowsInUse(const std::vector<std::string>& texts);
// Empty, or at most 32 hex digits.
bool WindowTextValid(const std::string& text);
