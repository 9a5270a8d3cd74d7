#include "Portsercuritydeleteformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"

#include "StdCtrls.h"

TPrtSecDelCtrlForm* PrtSecDelCtrlForm = nullptr;

namespace {

enum Column { VlanName, GlobalPort, MacAddress, Activity };

constexpr int MaxUnit = 12;
constexpr int PortsOfUnlistedUnit = 50;
constexpr const char* InvalidPort = "You should input valid port.";

}  // namespace

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(ui::Component* owner) : TDedicatedForm(owner, 400, 230), Delete(AddTable()) {
    SetName("PrtSecDelCtrlForm");
    SetCaption("Port Sercurity Delete Control Form");
    BuildButtonPanel("");
    btnRefresh = NewRoleButton(ButtonRole::Refresh, "btnRefresh", [this] { btnRefreshClick(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    EditorGrid grid(this, this, 280, 60);
    edtVlan = grid.Edit(0, 0, "edtVlan", "VLAN", 180);
    edtMac = grid.Edit(0, 1, "edtMac", "MAC", 180);
    PortGroup =
        NewGroupBox(this, this, "PortGroup", "Port", 8, grid.Bottom(2) + 4, 260, 18 + EditorGrid::RowHeight * 2 + 4);
    EditorGrid ports(this, PortGroup, 250, 52, 18);
    UnitEdit = ports.Edit(0, 0, "UnitEdit", "Unit : ", 60);
    PortEdit = ports.Edit(0, 1, "PortEdit", "Port : ", 60);
    edtPort = new ui::Edit(this);
    edtPort->SetName("edtPort");
    edtPort->SetParent(this);
    edtPort->Hide();
    edtPort->OnChange = [this](ui::Component*) { edtPortChange(); };
    cbxOper = new ui::ComboBox(this);
    cbxOper->SetName("cbxOper");
    cbxOper->SetParent(this);
    cbxOper->SetStyle(ui::csDropDownList);
    cbxOper->Hide();
}

void TPrtSecDelCtrlForm::FormCreate(ui::Component*) {
    DialogTable::Options options = SynchronousTableOptions();
    options.Errors = DialogTable::ErrorText::Template;
    options.FirstGet = true;
    Delete.Open(
        Oid_switch::E_11_70_7_2_7_2, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindEdit(VlanName, "%s{l32}", edtVlan);
            request.BindEdit(GlobalPort, "%i", edtPort);
            request.BindEdit(MacAddress, "%s{l12}", edtMac);
            request.BindComboBox(Activity, cbxOper);
        },
        options);
    units_ = PresentStackUnits(AbsentUnit::PresenceNoExist);
}

void TPrtSecDelCtrlForm::edtPortChange() {
    const UnitPort shown = UnitPortOf(static_cast<int>(TextToIntDef(edtPort->Text(), 0)));
    UnitEdit->SetText(std::to_string(shown.Unit));
    PortEdit->SetText(std::to_string(shown.Port));
}

void TPrtSecDelCtrlForm::btnRefreshClick() {
    units_.clear();
    Delete.Reread();
    edtPortChange();
    units_ = PresentStackUnits(AbsentUnit::PresenceNoExist);
}

int TPrtSecDelCtrlForm::PortCountOf(int unit) const {
    if (unit < 1 || unit > 64) return -1;
    const StackUnit* found = FindStackUnit(units_, unit);
    return found ? found->PortCount : -1;
}

bool TPrtSecDelCtrlForm::RefusePort(ui::Edit* focus) {
    RefuseInput(this, InvalidPort, focus);
    return false;
}

bool TPrtSecDelCtrlForm::UnitPortPasses() {
    const long long unit = TextToIntDef(UnitEdit->Text(), -1);
    if (unit <= 0) return RefusePort(UnitEdit);
    if (unit > MaxUnit) {
        ShowMessage(this, "Unit should be less than 13.");
        return RefusePort(UnitEdit);
    }
    const long long port = TextToIntDef(PortEdit->Text(), -1);
    if (port <= 0) return RefusePort(PortEdit);
    const int count = PortCountOf(static_cast<int>(unit));
    if (port > (count < 0 ? PortsOfUnlistedUnit : count)) {
        UnitEdit->SetText("0");
        PortEdit->SetText("0");
        return RefusePort(PortEdit);
    }
    edtPort->SetText(std::to_string(GlobalPortOf(static_cast<int>(unit), static_cast<int>(port))));
    return true;
}

bool TPrtSecDelCtrlForm::EntryPasses() {
    if (edtVlan->Text().empty()) return ShowMessage(this, "You should input VLAN name."), false;
    if (UnitEdit->Text().empty()) return RefuseInput(this, "The Unit should not be empty.", UnitEdit), false;
    if (PortEdit->Text().empty()) return RefuseInput(this, "The Port should not be empty.", PortEdit), false;
    return UnitPortPasses() && CheckHexEdit(this, edtMac, 12, "You should input valid MAC address.");
}

// The values are read again whether the checks passed or not.
void TPrtSecDelCtrlForm::btnSetClick() {
    if (EntryPasses()) {
        Delete.WriteOnly([this] {
            cbxOper->SetText("start");
            Delete.Send();
        });
    }
    btnRefreshClick();
}
