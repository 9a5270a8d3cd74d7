#pragma once
// The colour of a front-panel LED for each state octet the switch reports.
#include <cstddef>
#include <cstdint>
#include <vector>

// One static source entry; a table ends with Color == -1. Only the low octet of State is compared.
struct NxLedColorPair {
    int32_t State = 0;
    int32_t Color = -1;  // 0x00BBGGRR
};

class NxSNMPLedColorMapList {
public:
    NxSNMPLedColorMapList(const NxLedColorPair* pairs, uint8_t stateMask, uint8_t blinkMask, int32_t defaultColor,
                          int32_t missingColor);

    int Count() const { return static_cast<int>(pairs_.size()); }
    const NxLedColorPair& GetPair(int index) const { return pairs_[static_cast<std::size_t>(index)]; }

    // Index of the first pair whose state is this octet, or -1.
    int IndexOf(uint8_t state) const;
    // That pair's colour; black (0) for a state the map does not list.
    int32_t ColorOf(uint8_t state) const;

    uint8_t StateMask;      // bits of a state octet that select the colour
    uint8_t BlinkMask;      // bits of a state octet that make the LED blink
    int32_t DefaultColor;   // not polled, reading failed, and the blink's other colour
    int32_t MissingColor;   // no port present or octet beyond the data; -1: the map has none

private:
    std::vector<NxLedColorPair> pairs_;
};
