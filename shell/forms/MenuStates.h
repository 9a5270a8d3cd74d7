#pragma once
// The menu items that follow the device state read over SNMP: stacking, RMON and 802.1X.
#include <functional>
#include <optional>
#include <span>
#include <string>

class TMainForm;

enum class DeviceStateRule { Stacking, Rmon, Dot1x };

// "enabled" -> true, "disabled" -> false; any other text (not read yet, "other") changes nothing.
std::optional<bool> DeviceStateSwitch(const std::string& text);

// The items a rule sets: stacking shows or hides them, RMON and 802.1X enable or disable them.
std::span<const char* const> DeviceStateMenuItems(DeviceStateRule rule);

// Applies a rule to the text read for it.
void ApplyDeviceStateRule(TMainForm& form, DeviceStateRule rule, const std::string& text);

// Reads one device state and applies its rule. An exception puts its message in status-bar panel 0; the stacking
// rule then hides both unit items, the others leave their items as they were.
void UpdateDeviceStateMenus(TMainForm& form, DeviceStateRule rule, const std::function<std::string()>& readState);
