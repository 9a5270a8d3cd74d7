#pragma once
// The menu states the start-up sets: the model's menu profile, the PoE and image menus, and the SNMP version rule.
#include <cstdint>
#include <span>

struct MenuVisibility {
    const char* Name;  // component name of the menu item
    bool Visible;
};

// Applied once at start-up when the module's registry key opens.
std::span<const MenuVisibility> ModelMenuProfile();
// Applied right after the profile.
std::span<const MenuVisibility> PoeAndImageMenus();

// The "SNMP v3" top menu (VACM1) is enabled exactly when the version code is 3.
inline constexpr const char* SnmpV3MenuName = "VACM1";
inline bool SnmpV3MenuEnabled(uint8_t versionCode) { return versionCode == 3; }
