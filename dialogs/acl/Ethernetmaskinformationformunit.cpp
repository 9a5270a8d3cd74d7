#include "Ethernetmaskinformationformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

TEthernetMaskInformationForm* EthernetMaskInformationForm = nullptr;

namespace {

const CatalogTable& ProfileTable = Oid_acl::E_12_9_2_1_1;

enum Column {
    MaskId,
    UseVlan,
    MacMaskState,
    SrcMacMask,
    DstMacMask,
    Use8021p,
    UseEthernetType,
    RowStatus,
    OwnerColumn,
    UnusedEntries,
};

constexpr const char* MacMessage = "Invalid MAC Address";

}  // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(ui::Component* owner)
    : TDedicatedForm(owner, 640, 480), Profiles(AddTable()) {
    SetName("EthernetMaskInformationForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get", [this] { BT_GetClick(); });
    AddBtn = NewRoleButton(ButtonRole::Add, "AddBtn", [this] { AddBtnClick(); });
    BT_Delete = NewRoleButton(ButtonRole::Delete, "BT_Delete", [this] { BT_DeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 180, false, EditorGrid::RowHeight * 6 + 16);
    ListView1 = TableList;

    EditorGrid grid(this, EditorPanel, 250, 110);
    IDEdit = grid.Edit(0, 0, "IDEdit", "Ethernet Mask ID");
    UseVLanComBo = grid.Combo(0, 1, "UseVLanComBo", "Use VLAN");
    Use8021pComBo = grid.Combo(0, 2, "Use8021pComBo", "Use 802.1p");
    UseEthTypeCombo = grid.Combo(0, 3, "UseEthTypeCombo", "Use Ethernet Type");
    OwnerCombo = grid.Combo(0, 4, "OwnerCombo", "Owner");
    MacMaskStateComBo = grid.Combo(1, 0, "MacMaskStateComBo", "MAC Address Mask State");
    MacAddMaskSourceEdit = grid.Edit(1, 1, "MacAddMaskSourceEdit", "MAC Address Mask Source");
    MacMaskDstEdit = grid.Edit(1, 2, "MacMaskDstEdit", "MAC Address Mask Destination");
    EntryEdit = grid.Edit(1, 3, "EntryEdit", "Unused Rule Entries");
    RowStatusComBo = grid.Combo(1, 4, "RowStatusComBo", "");
    RowStatusComBo->Hide();
    ShowsOnly({OwnerCombo, EntryEdit});
}

void TEthernetMaskInformationForm::FormCreate(ui::Component*) {
    OpenRowTable(Profiles, {.Table = &ProfileTable,
                            .Bind =
                                [this](DialogRequest& request) {
                                    request.BindEdit(MaskId, "%i{n1x14l2}", IDEdit);
                                    request.BindComboBox(UseVlan, UseVLanComBo);
                                    request.BindComboBox(MacMaskState, MacMaskStateComBo);
                                    request.BindEdit(SrcMacMask, "%s", MacAddMaskSourceEdit);
                                    request.BindEdit(DstMacMask, "%s", MacMaskDstEdit);
                                    request.BindComboBox(Use8021p, Use8021pComBo);
                                    request.BindComboBox(UseEthernetType, UseEthTypeCombo);
                                    request.BindComboBox(OwnerColumn, OwnerCombo);
                                    request.BindEdit(UnusedEntries, "%i", EntryEdit);
                                },
                            .Options = SynchronousTableOptions(),
                            .RowStatusColumn = RowStatus,
                            .RowStatusCombo = RowStatusComBo,
                            .KeepsRowStatus = true,
                            .KeyEdits = {IDEdit},
                            .ClearedEdits = {IDEdit, MacMaskDstEdit, MacAddMaskSourceEdit, EntryEdit}});
    UseVLanComBo->SetText("enabled");
    MacMaskStateComBo->SetText("other");
    Use8021pComBo->SetText("enabled");
    UseEthTypeCombo->SetText("enabled");
    Profiles.SelectRowStatus(RowStatusValue::Active);
    OwnerCombo->SetText("acl");
    Profiles.Reread();
    AfterWrite();
}

void TEthernetMaskInformationForm::ResetEditors() {
    ClearEditors();
    OwnerCombo->SetText("acl");
}

// Add enabled, Delete disabled, the mask ID open again, the editors reset.
void TEthernetMaskInformationForm::AfterWrite() {
    ShowRowCount();
    ResetRowButtons();
    SetEditorEnabled(IDEdit, true);
    ResetEditors();
}

void TEthernetMaskInformationForm::RowSelectionChanged(bool selected) {
    if (!selected) ResetEditors();
}

void TEthernetMaskInformationForm::BT_GetClick() {
    Profiles.Reread();
    AfterWrite();
}

bool TEthernetMaskInformationForm::CheckProfile() {
    if (IDEdit->Text().empty()) return RefuseInput(this, "Mask ID must be set", IDEdit), false;
    if (Profiles.Busy()) return RefuseInput(this, "Get data not complet"), false;
    const std::string state = MacMaskStateComBo->Text();
    const auto validMac = [this](ui::Edit* edit) {
        return edit->Text().empty() || CheckHexEdit(this, edit, 12, MacMessage);
    };
    if ((state == "dst-mac-addr" || state == "dst-src-mac-addr") && !validMac(MacMaskDstEdit)) return false;
    if ((state == "src-mac-addr" || state == "dst-src-mac-addr") && !validMac(MacAddMaskSourceEdit)) return false;
    return true;
}

std::vector<int> TEthernetMaskInformationForm::ColumnsLeftOut() const {
    std::vector<int> out;
    const std::pair<int, ui::ComboBox*> uses[] = {
        {UseVlan, UseVLanComBo}, {Use8021p, Use8021pComBo}, {UseEthernetType, UseEthTypeCombo}};
    for (const auto& [column, combo] : uses)
        if (EditorEmpty(combo)) out.push_back(column);
    const std::string state = MacMaskStateComBo->Text();
    if (state.empty() || state == "other")
        out.insert(out.end(), {MacMaskState, SrcMacMask, DstMacMask});
    else if (state == "dst-mac-addr")
        out.push_back(SrcMacMask);
    else if (state == "src-mac-addr")
        out.push_back(DstMacMask);
    if (MacAddMaskSourceEdit->Text().empty()) out.push_back(SrcMacMask);
    if (MacMaskDstEdit->Text().empty()) out.push_back(DstMacMask);
    return out;
}

void TEthernetMaskInformationForm::AddBtnClick() {
    if (ListHasKey(*ListView1, IDEdit->Text()))
        return RefuseInput(this, "There is already a record with the same Ethernet Mask ID. Please modified it.",
                           IDEdit);
    Profiles.SelectRowStatus(RowStatusValue::CreateAndGo);
    if (!CheckProfile()) return;
    WriteProfile();
}

void TEthernetMaskInformationForm::WriteProfile() {
    std::string failure;
    try {
        Profiles.Send(ColumnsLeftOut());
    } catch (const Exception& error) {
        failure = error.Message;
    }
    Profiles.Reread();
    AfterWrite();
    // After the re-read, whose status line would cover it.
    if (!failure.empty()) Profiles.ShowError(failure);
}

void TEthernetMaskInformationForm::BT_DeleteClick() {
    Profiles.DeleteRow();
    AfterWrite();
}
