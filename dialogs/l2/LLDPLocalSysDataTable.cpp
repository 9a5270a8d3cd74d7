#include "LLDPLocalSysDataTable.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "ExtCtrls.h"
#include "LldpNameTexts.h"
#include "StdCtrls.h"

TLLDPLocSysDataForm* LLDPLocSysDataForm = nullptr;

namespace {

enum Column { ChassisIdSubtype, ChassisId, SystemName, SystemDescription, CapabilitiesSupported, CapabilitiesEnabled };

ui::StaticText* NewHiddenText(ui::Component* owner, ui::Control* parent, const char* name) {
    auto* text = new ui::StaticText(owner);
    text->SetName(name);
    text->SetParent(parent);
    text->Hide();
    return text;
}

}  // namespace

TLLDPLocSysDataForm::TLLDPLocSysDataForm(ui::Component* owner)
    : TDedicatedForm(owner, 571, 228), SystemData(AddTable()) {
    SetName("LLDPLocSysDataForm");
    BuildButtonPanel("");
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    tempText1 = NewHiddenText(this, Panel1, "tempText1");
    tempText2 = NewHiddenText(this, Panel1, "tempText2");
    EditorGrid grid(this, this, 460, 210);
    subtypeText = grid.Text(0, 0, "subtypeText", "Local Chassis ID Subtype", 220);
    IDText = grid.Text(0, 1, "IDText", "Local Chassis ID", 220);
    sysNameText = grid.Text(0, 2, "sysNameText", "Local System Name", 220);
    sysDescText = grid.Text(0, 3, "sysDescText", "Local System Description", 220);
    CapSupportEdit = grid.Edit(0, 4, "CapSupportEdit", "Local System Capabilities Supported", 220);
    capEnableEdit = grid.Edit(0, 5, "capEnableEdit", "Local System Capabilities Enabled", 220);
    ShowsOnly({CapSupportEdit, capEnableEdit});
}

void TLLDPLocSysDataForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    SystemData.OnWalkEnded = [this] { ShowCapabilityNames(); };
    SystemData.Open(
        Oid_lldp::Ieee8802_1_1_2_1_3, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindStaticText(ChassisIdSubtype, subtypeText);
            request.BindStaticText(ChassisId, IDText);
            request.BindStaticText(SystemName, sysNameText);
            request.BindStaticText(SystemDescription, sysDescText);
            request.BindStaticText(CapabilitiesSupported, tempText1);
            request.BindStaticText(CapabilitiesEnabled, tempText2);
        },
        options);
    ShowCapabilityNames();
}

void TLLDPLocSysDataForm::ShowCapabilityNames() {
    CapSupportEdit->SetText(BitsToNameText(tempText1->Caption(), LldpCapabilityNames));
    capEnableEdit->SetText(BitsToNameText(tempText2->Caption(), LldpCapabilityNames));
}

void TLLDPLocSysDataForm::GetButtonClick() {
    SystemData.ReadAgain();
    ShowCapabilityNames();
}
