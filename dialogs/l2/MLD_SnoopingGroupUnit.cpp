#include "MLD_SnoopingGroupUnit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"

TMLD_SnoopingGroupForm* MLD_SnoopingGroupForm = nullptr;

namespace {

const TSnoopingGroupTableForm::Layout MldGroups{.FormName = "MLD_SnoopingGroupForm",
                                                .Table = &Oid_mldsnooping::E_12_34_3_5_1,
                                                .DesignWidth = 678,
                                                .DesignHeight = 437,
                                                .KeepsFlag = false,
                                                .StatusOnBar = true,
                                                .PortsLockedOnRow = false,
                                                .KeyRows = 3};

}  // namespace

TMLD_SnoopingGroupForm::TMLD_SnoopingGroupForm(ui::Component* owner) : TSnoopingGroupTableForm(owner, MldGroups) {
    EditorGrid keys(this, EditorPanel, 400, 100);
    VIDEdit = keys.Edit(0, 0, "VIDEdit", "VLAN ID", 50);
    edtIPAddress = keys.Edit(0, 1, "edtIPAddress", "Group Address", 280);
    edtMAC = keys.Edit(0, 2, "edtMAC", "Source Address", 280);
    keyEdits_ = {VIDEdit, edtIPAddress, edtMAC};
}

void TMLD_SnoopingGroupForm::BindKeys(DialogRequest& request) {
    request.BindEdit(VlanId, "%i", VIDEdit);
    request.BindEdit(GroupAddress, "%s{l32}", edtIPAddress);
    request.BindEdit(SourceAddress, "%s{l32}", edtMAC);
}
