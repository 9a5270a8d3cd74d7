#include "MSTPPortStateFormUnit.h"

#include "CatalogTables.h"
#include "DeviceWindow.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "MSTPPortStateEditFormUnit.h"
#include "StdCtrls.h"

TMSTPPortStateForm* MSTPPortStateForm = nullptr;

namespace {

const CatalogTable& PortStateTable = Oid_ping::E_12_15_2_4_1;
const CatalogTable& VersionTable = Oid_switch::E_12_15_1_C;

}  // namespace

TMSTPPortStateForm::TMSTPPortStateForm(ui::Component* owner)
    : TDedicatedForm(owner, 700, 400), PortStateRequest(AddTable()), VersionRequest(AddTable()) {
    SetName("MSTPPortStateForm");
    SetCaption("MSTP Port State");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnRefresh = NewPanelButton("btnRefresh", "Refresh", [this] { btnRefreshClick(btnRefresh); });
    btnEdit = NewRoleButton(ButtonRole::Set, "btnEdit", "Edit", [this] { btnEditClick(btnEdit); });
    btnStop = NewPanelButton("btnStop", "Stop", [this] { btnStopClick(btnStop); });
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    lblSTPVersion = new ui::Label(this);
    lblSTPVersion->SetName("lblSTPVersion");
    lblSTPVersion->SetParent(Panel1);
    lblSTPVersion->SetCaption("STP Version");
    lblSTPVersion->SetTop(btnClose->Top() + btnClose->Height() + 8);
    lblSTPVersion->Hide();
    lvMSTPPortState = TableList = new ui::ListView(this);
    lvMSTPPortState->SetName("lvMSTPPortState");
    lvMSTPPortState->SetParent(this);
    lvMSTPPortState->SetAlign(ui::alClient);
    lvMSTPPortState->OnDblClick = [this](ui::Component* sender) { btnEditClick(sender); };
    btnEdit->SetEnabled(false);
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TMSTPPortStateForm::FormCreate(ui::Component*) {
    EditForm = MSTPPortStateEditForm = new TMSTPPortStateEditForm(*this);
    DialogTable::Options version = SynchronousTableOptions();
    version.FirstGet = true;
    // Read first (blocking), so the version is known before any row can be edited.
    VersionRequest.Open(VersionTable, SVT_SV, 0,
                        [this](DialogRequest& request) { request.BindControl(0, lblSTPVersion); }, version);
    DialogTable::Options table;
    table.Errors = DialogTable::ErrorText::Bare;
    table.Timeout = 300;
    PortStateRequest.Open(PortStateTable, MVT_UMV, 1, [this](DialogRequest& request) {
        request.BindListView(lvMSTPPortState, true);
        EditForm->Bind(request);
    }, table);
    // Edit (the frame's Set button) is enabled while a row is selected.
    if (PortStateRequest.HasRequest()) FollowRows(PortStateRequest);
    RefuseCloseWhileIncomplete(PortStateRequest);
    ShowRowCount();
}

void TMSTPPortStateForm::btnRefreshClick(ui::Component*) {
    if (!PortStateRequest.Complete()) return;
    VersionRequest.Reread();
    PortStateRequest.Reread();
}

bool TMSTPPortStateForm::LeavesOutAdminHelloTime() const {
    const std::string version = lblSTPVersion->Caption();
    return version == "stp" || version == "rstp";
}

void TMSTPPortStateForm::btnEditClick(ui::Component*) {
    if (lvMSTPPortState->Selected()) {
        if (!PortStateRequest.PassGuard()) return;
        EditForm->ShowFor(TDialogEditForm::Mode::Edit,
                          "MSTP Port State Information: " + CurrentDeviceWindow().DeviceAddress());
    }
    btnEdit->SetEnabled(false);
    VersionRequest.Reread();
}

void TMSTPPortStateForm::btnStopClick(ui::Component*) { PortStateRequest.Stop(); }

void TMSTPPortStateForm::btnCloseClick(ui::Component*) { Close(); }
