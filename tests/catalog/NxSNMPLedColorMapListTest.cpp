#include "CatalogFixture.h"
#include "NxSNMPLedColorMapList.h"

#include <array>

namespace {

constexpr int32_t Black = 0x000000;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Lime = 0x00FF00;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t Orange = 0x4080FF;
constexpr int32_t Grey = 0xCAC9C1;

struct ExpectedMap {
    const char* Name;
    NxSNMPLedColorMapList* const* Map;
    std::array<int32_t, 6> Colors;  // of states 0 to 5
    int32_t DefaultColor;
    int32_t MissingColor;
};

using CatalogLedMaps = CatalogRunning;

TEST_F(CatalogLedMaps, FourMapsWithTheirColours) {
    const ExpectedMap maps[] = {
        {"system", &SystemLedColorMap, {White, White, Lime, Lime, Blue, Red}, Black, White},
        {"port", &PortLedColorMap, {Black, Orange, Orange, Lime, Lime, Red}, Black, Black},
        {"extra port", &ExtraPortLedColorMap, {Orange, Lime, Lime, Lime, Lime, Red}, Black, Black},
        {"extra port grey", &ExtraPortLedColorMapGrey, {Orange, Lime, Lime, Lime, Lime, Red}, Grey, Grey},
    };
    for (const ExpectedMap& expected : maps) {
        SCOPED_TRACE(expected.Name);
        const NxSNMPLedColorMapList* map = *expected.Map;
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(map->Count(), 6);
        EXPECT_EQ(map->StateMask, 7);
        EXPECT_EQ(map->BlinkMask, 0x80);
        EXPECT_EQ(map->DefaultColor, expected.DefaultColor);
        EXPECT_EQ(map->MissingColor, expected.MissingColor);
        for (uint8_t state = 0; state < 6; ++state) {
            EXPECT_EQ(map->IndexOf(state), state);
            EXPECT_EQ(map->ColorOf(state), expected.Colors[state]) << int(state);
        }
        // a state the map does not list is black
        EXPECT_EQ(map->IndexOf(6), -1);
        EXPECT_EQ(map->ColorOf(6), Black);
        EXPECT_EQ(map->ColorOf(7), Black);
    }
}

TEST(NxSNMPLedColorMapList, CopiesPairsUpToTheEndMarker) {
    const NxLedColorPair pairs[] = {{3, Red}, {0x105, Lime}, {3, Blue}, {0, -1}, {9, White}};
    NxSNMPLedColorMapList map(pairs, 7, 0x80, Black, -1);
    ASSERT_EQ(map.Count(), 3);
    EXPECT_EQ(map.GetPair(1).State, 0x105);
    EXPECT_EQ(map.MissingColor, -1);
    EXPECT_EQ(map.ColorOf(3), Red);   // the first of two pairs wins
    EXPECT_EQ(map.ColorOf(5), Lime);  // only the low octet of a state is compared
    EXPECT_EQ(map.IndexOf(9), -1);    // beyond the end marker
}

TEST(NxSNMPLedColorMapList, EmptyTables) {
    const NxLedColorPair endOnly[] = {{0, -1}};
    for (const NxLedColorPair* pairs : {static_cast<const NxLedColorPair*>(nullptr), endOnly}) {
        NxSNMPLedColorMapList map(pairs, 7, 0x80, Grey, Grey);
        EXPECT_EQ(map.Count(), 0);
        EXPECT_EQ(map.IndexOf(0), -1);
        EXPECT_EQ(map.ColorOf(0), Black);
        EXPECT_EQ(map.DefaultColor, Grey);
    }
}

}  // namespace
