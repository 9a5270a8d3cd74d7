#include "DDMDialogs.h"

#include "Exception.h"
#include "GUIConfigForm.h"
#include "NxSNMPVarList.h"
#include "OutsideTables.h"
#include "RuntimeDialog.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace {

constexpr int TableHeight = 450;  // at 96 dots per inch

RuntimeDialogRecipe TableRecipe(const char* title, MibObjectTable table, NxVarListKind kind, int keyCount) {
    RuntimeDialogRecipe recipe;
    recipe.Title = title;
    recipe.Panel = RuntimePanel::List;
    recipe.Table = table;
    recipe.Kind = kind;
    recipe.KeyCount = keyCount;
    recipe.DesignHeight = TableHeight;
    return recipe;
}

bool IsDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// Few enough digits that the value and its thousandfold fit in 64 bits.
constexpr size_t MaxDigits = 15;

bool ParseInteger(const std::string& text, int64_t& value) {
    const size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::string digits = text.substr(start);
    if (!IsDigits(digits) || digits.size() > MaxDigits) return false;
    value = std::stoll(text);
    return true;
}

}  // namespace

// ------------------------------------------------------------------------------------------------ conversions

std::string ThresholdToDisplay(const std::string& agentText) {
    int64_t value = 0;
    if (!ParseInteger(agentText, value) || value == -1) return "-";
    const int64_t magnitude = value < 0 ? -value : value;
    std::string fraction = std::to_string(magnitude % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::string(value < 0 ? "-" : "") + std::to_string(magnitude / 1000) + "." + fraction;
}

std::string ThresholdToAgent(const std::string& shown, const std::string& caption) {
    if (shown.empty() || shown == "-") return {};
    const bool negative = shown[0] == '-';
    const size_t start = negative ? 1 : 0;
    const size_t point = shown.find('.', start);
    const std::string whole = shown.substr(start, point == std::string::npos ? std::string::npos : point - start);
    std::string fraction = point == std::string::npos ? std::string() : shown.substr(point + 1);
    const bool wholeOk = whole.empty() ? point != std::string::npos : IsDigits(whole) && whole.size() <= MaxDigits;
    const bool fractionOk = point == std::string::npos || (IsDigits(fraction) && fraction.size() <= 3);
    if (!wholeOk || !fractionOk)
        throw Exception("Invalid value of " + caption + ": " + shown + " (a number with at most three decimals)");
    fraction.append(3 - fraction.size(), '0');
    const int64_t magnitude = (whole.empty() ? 0 : std::stoll(whole)) * 1000 + std::stoll(fraction);
    return std::to_string(negative ? -magnitude : magnitude);
}

void FormatThresholdValues(NxSNMPRequest2Edits& request) {
    NxSNMPVarList& vars = request.Request.Vars;
    for (int i = NewRequest2EditsForDDMThreshold::FirstThresholdColumn; i < vars.GetCount(); ++i)
        vars.GetVar(i)->Value = ThresholdToDisplay(vars.GetVar(i)->Value);
}

// ------------------------------------------------------------------------------------------------ threshold request

NewRequest2EditsForDDMThreshold::NewRequest2EditsForDDMThreshold(ui::Form* owner) : NxSNMPRequest2Edits(owner) {}

void NewRequest2EditsForDDMThreshold::ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) {
    if (SavedSelectItem && !Destroying) SavedSelectItem(sender, item, selected);
    if (!selected) return;
    if (ListView) ListItemToData();
    NxSNMPVarList& vars = Request.Vars;
    agentTexts_.clear();
    for (int i = 0; i < vars.GetCount(); ++i) agentTexts_.push_back(vars.GetVar(i)->Value);
    FormatThresholdValues(*this);
    DataToControls(-1);
}

void NewRequest2EditsForDDMThreshold::RestoreLeftOut() {
    for (int i : leftOut_) Request.Vars.GetVar(i)->Access &= ~invalid;
    leftOut_.clear();
}

void NewRequest2EditsForDDMThreshold::BeforeGet() {
    RestoreLeftOut();
    NxSNMPRequest2Edits::BeforeGet();
}

// The values hold the editors' texts here. Every one is converted before any column is marked, so that a text
// that raises leaves the access bits as they were. A write that would leave every column out raises instead of
// reporting a SET that sent nothing.
void NewRequest2EditsForDDMThreshold::BeforeSet() {
    RestoreLeftOut();
    NxSNMPVarList& vars = Request.Vars;
    std::vector<std::string> sent(static_cast<size_t>(vars.GetCount()));
    for (int i = FirstThresholdColumn; i < vars.GetCount(); ++i) {
        const NxSNMPVarItem& var = *vars.GetVar(i);
        if (var.Access & invalid) continue;
        const size_t at = static_cast<size_t>(i);
        const bool unedited = at < agentTexts_.size() && var.Value == ThresholdToDisplay(agentTexts_[at]) &&
                              var.Value != "-";
        sent[at] = unedited ? agentTexts_[at] : ThresholdToAgent(var.Value, var.Caption);
    }
    std::string noValue;
    bool anySent = false;
    for (int i = FirstThresholdColumn; i < vars.GetCount(); ++i) {
        const NxSNMPVarItem& var = *vars.GetVar(i);
        if (var.Access & invalid) continue;
        if (!sent[static_cast<size_t>(i)].empty()) anySent = true;
        else noValue += (noValue.empty() ? "" : ", ") + var.Caption;
    }
    if (!anySent && !noValue.empty()) throw Exception("Nothing written: no value in " + noValue);
    for (int i = FirstThresholdColumn; i < vars.GetCount(); ++i) {
        NxSNMPVarItem& var = *vars.GetVar(i);
        if (var.Access & invalid) continue;
        if (sent[static_cast<size_t>(i)].empty()) {
            var.Access |= invalid;
            leftOut_.push_back(i);
        } else {
            var.Value = sent[static_cast<size_t>(i)];
        }
    }
    NxSNMPRequest2Edits::BeforeSet();
}

void NewRequest2EditsForDDMThreshold::AfterSet() {
    RestoreLeftOut();
    NxSNMPRequest2Edits::AfterSet();
}

// ------------------------------------------------------------------------------------------------ dialogs

void ShowDDMSettingsDialog(const std::string& deviceAddress, float scaleFactor) {
    RuntimeDialogRecipe recipe;
    recipe.Title = "DDM Settings";
    recipe.Panel = RuntimePanel::Editor;
    recipe.Table = Oid_outside::DdmSettings.Table;
    recipe.Kind = MVT_FMV;
    recipe.KeyCount = 0;
    ShowRuntimeDialog(recipe, deviceAddress, scaleFactor);
}

void ShowDDMStatusTableDialog(const std::string& deviceAddress, float scaleFactor) {
    ShowRuntimeDialog(TableRecipe("DDM Status Table", Oid_outside::DdmStatus.Table, MVT_FMV, 1), deviceAddress, scaleFactor);
}

void ShowDDMThresholdManagementTableDialog(const std::string& deviceAddress, float scaleFactor) {
    RuntimeDialogRecipe recipe = TableRecipe("DDM Threshold Management Table", Oid_outside::DdmThresholds.Table, MVT_UMV, 2);
    recipe.NewRequest = [](TConfigForm& form) -> std::unique_ptr<NxSNMPRequest2Edits> {
        return std::make_unique<NewRequest2EditsForDDMThreshold>(&form);
    };
    ShowRuntimeDialog(recipe, deviceAddress, scaleFactor);
}

void ShowDDMPortManagementTableDialog(const std::string& deviceAddress, float scaleFactor) {
    ShowRuntimeDialog(TableRecipe("DDM Port Management Table", Oid_outside::DdmPorts.Table, MVT_UMV, 1), deviceAddress, scaleFactor);
}

