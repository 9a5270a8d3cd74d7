#include "MenuStates.h"

#include "ComCtrls.h"
#include "MainUnit.h"
#include "Menus.h"

#include <exception>

namespace {

constexpr const char* StackItems[] = {"Unitinformation1", "UnitTable1"};
constexpr const char* RmonItems[] = {"Statistics1", "History1", "AlarmEvent1"};
constexpr const char* Dot1xItems[] = {"Auth1"};

void SetItems(TMainForm& form, DeviceStateRule rule, bool on) {
    for (const char* name : DeviceStateMenuItems(rule)) {
        ui::MenuItem* item = form.FindMenuItem(name);
        if (item == nullptr) continue;
        if (rule == DeviceStateRule::Stacking)
            item->SetVisible(on);
        else
            item->SetEnabled(on);
    }
}

void ShowStatus(TMainForm& form, const std::string& text) {
    if (form.StatusBar != nullptr && form.StatusBar->Panels().Count() > 0) form.StatusBar->Panels()[0]->SetText(text);
}

}  // namespace

std::optional<bool> DeviceStateSwitch(const std::string& text) {
    if (text == "enabled") return true;
    if (text == "disabled") return false;
    return std::nullopt;
}

std::span<const char* const> DeviceStateMenuItems(DeviceStateRule rule) {
    switch (rule) {
    case DeviceStateRule::Stacking: return StackItems;
    case DeviceStateRule::Rmon: return RmonItems;
    case DeviceStateRule::Dot1x: return Dot1xItems;
    }
    return {};
}

void ApplyDeviceStateRule(TMainForm& form, DeviceStateRule rule, const std::string& text) {
    if (const std::optional<bool> on = DeviceStateSwitch(text)) SetItems(form, rule, *on);
}

void UpdateDeviceStateMenus(TMainForm& form, DeviceStateRule rule, const std::function<std::string()>& readState) {
    try {
        ApplyDeviceStateRule(form, rule, readState());
    } catch (const std::exception& error) {
        ShowStatus(form, error.what());
        if (rule == DeviceStateRule::Stacking) SetItems(form, rule, false);
    }
}
