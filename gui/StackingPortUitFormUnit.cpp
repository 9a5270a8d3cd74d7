#include "StackingPortUitFormUnit.h"

#include "ComCtrls.h"
#include "Exception.h"
#include "ScrollBox.h"
#include "StackState.h"
#include "StdCtrls.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <optional>

const std::string DefaultModelName = "QSW-2126P";

namespace {
struct ModelPorts {
    const char* Name;
    int Stacked;
    int Standalone;
};

constexpr std::array<ModelPorts, 10> modelPorts{{
    {"QSW-2126", 24, 26},
    {"QSW-2127", 25, 27},
    {"QSW-2150", 48, 50},
    {"QSW-2126P", 24, 26},
    {"QSW-2327G", 25, 27},
    {"QSW-2327", 25, 27},
    {"QSW-2350", 48, 50},
    {"QSW-2312G", 12, 12},
    {"QSW-2312", 12, 12},
    {"QSW-2126G", 24, 26},
}};
std::optional<int> ParseInteger(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

bool DeviceInfoFilePresent() {
    std::error_code error;
    return std::filesystem::exists("DeviceInfo.ini", error);
}
}  // namespace

std::string BitNumbersText(int count) {
    std::string text;
    for (int bit = 0; bit < count; ++bit) {
        if (bit) text += ',';
        text += std::to_string(bit);
    }
    return text;
}

int GetPortCountOfModel(const std::string& modelName) {
    for (const ModelPorts& model : modelPorts)
        if (modelName == model.Name) return StackingEnabled() ? model.Stacked : model.Standalone;
    return 0;
}

std::string GetAllPortList() {
    return BitNumbersText(StackingEnabled() ? MaxStackUnits * PortsPerUnit : PortsPerUnit);
}

TStackingPortUitForm::TStackingPortUitForm(ui::Component* owner)
    : ui::Form(owner), UnitPageControl(new ui::PageControl(this)) {
    SetName("StackingPortUitForm");
    SetCaption("Form");
    SetBorderStyle(ui::bsNone);
    SetClientWidth(543);
    SetClientHeight(252);
    ui::Font font = Font();
    font.Name = "MS Sans Serif";
    font.Height = -11;
    SetFont(font);

    UnitPageControl->SetName("UnitPageControl");
    UnitPageControl->SetParent(this);
    UnitPageControl->SetAlign(ui::alClient);

    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TStackingPortUitForm::FormCreate(ui::Component*) {
    PortCheckBoxes.clear();
    UnitTabs.clear();
}

void TStackingPortUitForm::AddUnitPage(const std::string& title, int, int portCount, int columns, int) {
    auto* sheet = new ui::TabSheet(this);
    UnitTabs.push_back(sheet);
    sheet->SetPageControl(UnitPageControl);
    sheet->SetCaption(title);
    auto* scrollBox = new ui::ScrollBox(this);
    scrollBox->SetParent(sheet);
    scrollBox->SetAlign(ui::alClient);
    if (DeviceInfoFilePresent()) columns = StackPortColumns;
    BuildPortCheckBoxes(scrollBox, portCount, columns);
    sheet->SetTabVisible(false);
}

void TStackingPortUitForm::BuildPortCheckBoxes(ui::Control* scrollBox, int count, int columns) {
    columns = std::max(columns, 1);
    for (int i = 0; i < count; ++i) {
        auto* box = new ui::CheckBox(scrollBox);
        box->SetParent(scrollBox);
        const std::string caption = std::to_string(i + 1);
        box->SetCaption(caption);
        const int points = box->Font().Size;
        const int width = static_cast<int>(caption.size()) * points + 3 * points;
        box->SetBounds((i % columns) * points * 5 + 20, (i / columns) * box->Height() + 4, width, box->Height());
        box->Hide();
        PortCheckBoxes.push_back(box);
    }
}

void TStackingPortUitForm::ShowUnitPage(const std::string& unitIdText, const std::string& modelName, int, int portCount,
                                        int) {
    const auto unit = ParseInteger(unitIdText);
    if (!unit || *unit < 1 || *unit > static_cast<int>(UnitTabs.size())) return;
    ui::TabSheet* sheet = UnitTabs[static_cast<size_t>(*unit - 1)];
    sheet->SetTabVisible(true);
    sheet->SetCaption(sheet->Caption() + " " + modelName);
    if (!StackingEnabled()) {
        sheet->SetTabVisible(false);
        sheet->Show();
    }
    const size_t first = static_cast<size_t>(*unit - 1) * PortsPerUnit;
    const size_t last = std::min(first + static_cast<size_t>(std::clamp(portCount, 0, PortsPerUnit)), PortCheckBoxes.size());
    for (size_t k = first; k < last; ++k) PortCheckBoxes[k]->Show();
}

void TStackingPortUitForm::UncheckAllPorts() {
    for (ui::CheckBox* box : PortCheckBoxes) box->SetChecked(false);
}

void TStackingPortUitForm::EnableAllPorts() {
    for (ui::CheckBox* box : PortCheckBoxes) box->SetEnabled(true);
}

void TStackingPortUitForm::DisableAllPorts() {
    for (ui::CheckBox* box : PortCheckBoxes) box->SetEnabled(false);
}

void FillStackPortPicker(TStackingPortUitForm* selector, ui::TabSheet* sheet) {
    selector->SetParent(sheet);
    selector->SetAlign(ui::alClient);
    selector->Show();
    if (!StackingEnabled()) {
        selector->AddUnitPage("Unit1", 1, PortsPerUnit, StackPortColumns, 0);
        selector->ShowUnitPage("1", DefaultModelName, 1, GetPortCountOfModel(DefaultModelName), StackPortColumns);
        return;
    }
    for (int n = 1; n <= MaxStackUnits; ++n)
        selector->AddUnitPage("Unit" + std::to_string(n), (n - 1) * PortsPerUnit + 1, PortsPerUnit, StackPortColumns, 0);
    const StackState& state = CurrentStackState();
    const std::vector<StackUnitRow> rows = state.StackUnitRows();
    const size_t shown = std::min(static_cast<size_t>(std::max(state.StackUnitCount(), 0)), rows.size());
    for (size_t i = 0; i < shown; ++i) {
        const StackUnitRow& row = rows[i];
        if (row.Presence == "no-exist") continue;
        // The start port is not used for the page; one that is not a number does not stop the later units.
        selector->ShowUnitPage(row.UnitId, row.ModelName, ParseInteger(row.StartPort).value_or(0),
                               GetPortCountOfModel(row.ModelName), StackPortColumns);
    }
}

void AddStackPortTab(const std::string& caption, TStackingPortUitForm* selector, ui::PageControl* pageControl) {
    auto* sheet = new ui::TabSheet(pageControl);
    sheet->SetPageControl(pageControl);
    sheet->SetCaption(caption);
    sheet->SetTabVisible(true);
    FillStackPortPicker(selector, sheet);
}
