#include "StackUnits.h"

#include "DeviceWindow.h"
#include "StackState.h"
#include "StdCtrls.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

bool Absent(const StackUnitRow& row, AbsentUnit absent) {
    return absent == AbsentUnit::PresenceNoExist ? row.Presence == "no-exist" : row.ModelName == "Not_Exist";
}

std::optional<int> UnitNumber(const std::string& caption) {
    int number = 0;
    const char* end = caption.data() + caption.size();
    const auto [stop, error] = std::from_chars(caption.data(), end, number);
    if (error != std::errc() || stop != end || number < 1 || number > MaxStackUnits) return std::nullopt;
    return number;
}

std::vector<StackUnit> UnitsAsTheyStand(AbsentUnit absent) {
    if (!StackingEnabled()) return {{1, DefaultModelName, GetPortCountOfModel(DefaultModelName)}};
    const StackState& state = CurrentStackState();
    const std::vector<StackUnitRow> rows = state.StackUnitRows();
    const size_t counted = std::min(static_cast<size_t>(std::max(state.StackUnitCount(), 0)), rows.size());
    std::vector<StackUnit> units;
    for (size_t i = 0; i < counted; ++i) {
        const StackUnitRow& row = rows[i];
        const std::optional<int> number = UnitNumber(row.UnitId);
        if (!number || Absent(row, absent)) continue;
        units.push_back({*number, row.ModelName, GetPortCountOfModel(row.ModelName)});
    }
    return units;
}

bool AnyBoxTicked(const TStackingPortUitForm& selector, const StackUnit& unit) {
    const size_t first = static_cast<size_t>(unit.Number - 1) * PortsPerUnit;
    const size_t end = std::min(first + static_cast<size_t>(std::clamp(unit.PortCount, 0, PortsPerUnit)),
                                selector.PortCheckBoxes.size());
    for (size_t k = first; k < end; ++k)
        if (selector.PortCheckBoxes[k]->Checked()) return true;
    return false;
}

}  // namespace

std::vector<StackUnit> PresentStackUnits(AbsentUnit absent) {
    if (StackingEnabled() && CurrentStackState().StackUnitCount() <= 0) CurrentDeviceWindow().RereadUnitTable();
    return UnitsAsTheyStand(absent);
}

const StackUnit* FindStackUnit(const std::vector<StackUnit>& units, int number) {
    const auto found =
        std::find_if(units.begin(), units.end(), [number](const StackUnit& unit) { return unit.Number == number; });
    return found == units.end() ? nullptr : &*found;
}

UnitPort UnitPortOf(int globalPort) {
    if (globalPort < 1 || globalPort > StackPortCount) return {};
    return {(globalPort - 1) / PortsPerUnit + 1, (globalPort - 1) % PortsPerUnit + 1};
}

int GlobalPortOf(int unit, int port) {
    if (unit < 1 || unit > MaxStackUnits || port < 1 || port > PortsPerUnit) return 0;
    return (unit - 1) * PortsPerUnit + port;
}

bool PresentUnitPortTicked(const TStackingPortUitForm& selector, AbsentUnit absent) {
    const std::vector<StackUnit> units = UnitsAsTheyStand(absent);
    return std::any_of(units.begin(), units.end(),
                       [&selector](const StackUnit& unit) { return AnyBoxTicked(selector, unit); });
}
