#include "VLanPortInfomationFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

namespace {

const CatalogTable& PortVlanTable = Oid_bridgemib::Mib2_17_G;

enum Column { PortNumber, Pvid, FrameTypes, Ingress, Gvrp, GvrpFailed, GvrpLastOrigin };

constexpr const char* RefreshNotCompleteText = "Refresh Not Complete";

}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(ui::Component* owner)
    : TDedicatedForm(owner, 602, 440), PortTable(AddTable()) {
    SetName("VLanPortInfomationForm");
    BuildButtonPanel("ST_Count");
    ST_Count = RowCountText;
    RefreshBtn = NewPanelButton("RefreshBtn", "Refresh", [this] { RefreshBtnClick(RefreshBtn); });
    SetBtn = NewPanelButton("SetBtn", "Set", [this] { SetBtnClick(SetBtn); });
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    BuildTableArea("LV_dot1qPortVlanEntry", 260, false);
    LV_dot1qPortVlanEntry = TableList;
    LV_dot1qPortVlanEntry->SetGridLines(true);
    PortVLanID = NewEditorEdit("PortVLanID", "Port VLAN ID", 50);
    AcceptableFrameTypes = NewEditorCombo("AcceptableFrameTypes", "Acceptable Frame Types", 150);
    IngressFiltering = NewEditorCombo("IngressFiltering", "Ingress Filtering", 60);
    GvrpStatus = NewEditorCombo("GvrpStatus", "GVRP Status", 80);
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TVLanPortInfomationForm::FormCreate(ui::Component*) {
    PortTable.Open(PortVlanTable, MVT_FMV, 1, [this](DialogRequest& request) {
        request.BindListView(LV_dot1qPortVlanEntry, true);
        request.BindEdit(Pvid, "%i{}", PortVLanID);
        request.BindComboBox(FrameTypes, AcceptableFrameTypes);
        request.BindComboBox(Ingress, IngressFiltering);
        request.BindComboBox(Gvrp, GvrpStatus);
        request.OnAfterGet = [this] { SelectEditedPort(); };
    }, NoFlagTableOptions());
    if (PortTable.HasRequest()) FollowRows(PortTable);
    PortVLanID->SetText("");
    ShowRowCount();
}

void TVLanPortInfomationForm::RefreshBtnClick(ui::Component*) {
    if (PortTable.Busy()) return ShowMessage(this, RefreshNotCompleteText);
    editedPort_.clear();
    PortTable.Reread();
    ShowRowCount();
}

// One SET of the four readwrite columns for the selected port (the port number is the instance).
void TVLanPortInfomationForm::SetBtnClick(ui::Component*) {
    if (PortTable.Busy()) return ShowMessage(this, RefreshNotCompleteText);
    const ui::ListItem* selected = LV_dot1qPortVlanEntry->Selected();
    if (!selected) return;
    editedPort_ = selected->Caption();
    if (!PortTable.WriteOnly([this] { PortTable.SendRefreshing(); })) editedPort_.clear();
}

// After the read that follows a Set, the edited port's row is selected again (the binding then shows it).
void TVLanPortInfomationForm::SelectEditedPort() {
    if (editedPort_.empty()) return;
    const std::string port = editedPort_;
    editedPort_.clear();
    for (int i = 0; i < LV_dot1qPortVlanEntry->Items().Count(); ++i) {
        if (LV_dot1qPortVlanEntry->Items()[i]->Caption() != port) continue;
        LV_dot1qPortVlanEntry->SetItemIndex(i);
        return;
    }
}

void TVLanPortInfomationForm::btnCloseClick(ui::Component*) { Close(); }
