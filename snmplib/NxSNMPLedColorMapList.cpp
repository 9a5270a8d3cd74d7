#include "NxSNMPLedColorMapList.h"

NxSNMPLedColorMapList::NxSNMPLedColorMapList(const NxLedColorPair* pairs, uint8_t stateMask, uint8_t blinkMask,
                                             int32_t defaultColor, int32_t missingColor)
    : StateMask(stateMask), BlinkMask(blinkMask), DefaultColor(defaultColor), MissingColor(missingColor) {
    for (const NxLedColorPair* pair = pairs; pair != nullptr && pair->Color != -1; ++pair)
        pairs_.push_back(*pair);
}

int NxSNMPLedColorMapList::IndexOf(uint8_t state) const {
    for (std::size_t i = 0; i < pairs_.size(); ++i)
        if (static_cast<uint8_t>(pairs_[i].State & 0xFF) == state) return static_cast<int>(i);
    return -1;
}

int32_t NxSNMPLedColorMapList::ColorOf(uint8_t state) const {
    int index = IndexOf(state);
    return index < 0 ? 0 : pairs_[static_cast<std::size_t>(index)].Color;
}
