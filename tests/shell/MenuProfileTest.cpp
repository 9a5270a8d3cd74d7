#include "MainMenuData.h"
#include "MenuProfile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(MenuProfileTest, EveryItemOfTheStartUpTablesIsInTheMenuOnce) {
    for (const auto& table : {ModelMenuProfile(), PoeAndImageMenus()}) {
        std::set<std::string> names;
        for (const MenuVisibility& entry : table) {
            EXPECT_NE(FindMainMenuItem(entry.Name), nullptr) << entry.Name;
            EXPECT_TRUE(names.insert(entry.Name).second) << entry.Name;
        }
    }
    EXPECT_EQ(ModelMenuProfile().size(), 35u);
    EXPECT_EQ(PoeAndImageMenus().size(), 5u);
    EXPECT_NE(FindMainMenuItem(SnmpV3MenuName), nullptr);
}

namespace {

// A caption path without the captions' trailing blanks and line feeds.
std::string PlainPath(const MainMenuItem& item) {
    std::string path;
    for (const MainMenuItem* step : MainMenuPath(item)) {
        std::string caption = step->Caption;
        while (!caption.empty() && (caption.back() == ' ' || caption.back() == '\n')) caption.pop_back();
        path += (path.empty() ? "" : " > ") + caption;
    }
    return path;
}

}  // namespace

TEST(MenuProfileTest, TheProfileHidesTheRoutingProtocolsAndShowsTheIpServices) {
    struct Case {
        const char* path;
        bool visible;
    };
    const Case cases[] = {
        {"Layer 3 > OSPF", false},
        {"Layer 3 > VRRP", false},
        {"Layer 3 > BGP4", false},
        {"Layer 3 > IP Management > IP Static Route Table", true},
        {"VLAN > Super VLAN", false},
        {"Configuration > RCP > File Table", true},
    };
    for (const Case& c : cases) {
        int found = 0;
        for (const MenuVisibility& entry : ModelMenuProfile()) {
            if (PlainPath(*FindMainMenuItem(entry.Name)) != c.path) continue;
            ++found;
            EXPECT_EQ(entry.Visible, c.visible) << c.path;
        }
        EXPECT_EQ(found, 1) << c.path;
    }
}

TEST(MenuProfileTest, SnmpV3MenuOnlyForVersion3) {
    EXPECT_FALSE(SnmpV3MenuEnabled(0));
    EXPECT_FALSE(SnmpV3MenuEnabled(1));
    EXPECT_TRUE(SnmpV3MenuEnabled(3));
}
