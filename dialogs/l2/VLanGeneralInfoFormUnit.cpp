#include "VLanGeneralInfoFormUnit.h"

#include "CatalogTables.h"
#include "StdCtrls.h"

TVLanGeneralInfoForm* VLanGeneralInfoForm = nullptr;

namespace {

const CatalogTable& BaseTable = Oid_bridgemib::Mib2_17_7_1_1;

enum Column { VersionNumber, MaxId, MaxSupported, CurrentCount, Gvrp };

constexpr int RowHeight = 28;
constexpr int LabelWidth = 160;
constexpr int ValueWidth = 110;

// A label and its control on row row of the form's left side.
template <typename T>
T* NewRow(ui::Form* form, int row, const std::string& name, const std::string& label) {
    auto* caption = new ui::Label(form);
    caption->SetParent(form);
    caption->SetCaption(label);
    caption->SetBounds(12, 14 + row * RowHeight, LabelWidth, 15);
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(form);
    control->SetBounds(12 + LabelWidth, 10 + row * RowHeight, ValueWidth, 21);
    return control;
}

ui::StaticText* NewValueRow(ui::Form* form, int row, const std::string& name, const std::string& label) {
    auto* text = NewRow<ui::StaticText>(form, row, name, label);
    text->SetAutoSize(false);
    text->SetBorderStyle(ui::sbsSunken);
    return text;
}

}  // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(ui::Component* owner)
    : TDedicatedForm(owner, 402, 219), BaseGroup(AddTable()) {
    SetName("VLanGeneralInfoForm");
    BuildButtonPanel("");
    RefreshBtn = NewPanelButton("RefreshBtn", "Refresh", [this] { RefreshBtnClick(RefreshBtn); });
    SetBtn = NewPanelButton("SetBtn", "Set", [this] { SetBtnClick(SetBtn); });
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    VlanVersionNumber = NewValueRow(this, 0, "VlanVersionNumber", "VLAN Version Number");
    MaxVlanId = NewValueRow(this, 1, "MaxVlanId", "Max VLAN ID");
    MaxSupportedVlans = NewValueRow(this, 2, "MaxSupportedVlans", "Max Supported VLANs");
    CurrentNumOfVlans = NewValueRow(this, 3, "CurrentNumOfVlans", "Current Num Of VLANs");
    GvrpStatus = NewRow<ui::ComboBox>(this, 4, "GvrpStatus", "GVRP Status");
    GvrpStatus->SetStyle(ui::csDropDownList);
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TVLanGeneralInfoForm::FormCreate(ui::Component*) {
    DialogTable::Options noFlag;
    noFlag.KeepsFlag = false;
    BaseGroup.Open(BaseTable, SVT_SV, 0, [this](DialogRequest& request) {
        request.BindStaticText(VersionNumber, VlanVersionNumber);
        request.BindStaticText(MaxId, MaxVlanId);
        request.BindStaticText(MaxSupported, MaxSupportedVlans);
        request.BindStaticText(CurrentCount, CurrentNumOfVlans);
        request.BindComboBox(Gvrp, GvrpStatus);
    }, noFlag);
}

void TVLanGeneralInfoForm::RefreshBtnClick(ui::Component*) { BaseGroup.Reread(); }

// The static texts are read-only scalars: only the GVRP status goes out.
void TVLanGeneralInfoForm::SetBtnClick(ui::Component*) {
    BaseGroup.WriteOnly([this] { BaseGroup.Send(); });
}

void TVLanGeneralInfoForm::btnCloseClick(ui::Component*) { Close(); }
