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
    : TDedicatedForm(owner, 700, 400), VersionRequest(AddTable()), PortStateRequest(AddTable()) {
    SetName("MSTPPortStateForm");
    SetCaption("MSTP Port State");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnRefresh = NewRoleButton(ButtonRole::Refresh, "btnRefresh", [this] { btnRefreshClick(); });
    btnEdit = NewRoleButton(ButtonRole::Set, "btnEdit", "Edit", [this] { btnEditClick(); });
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
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
    lvMSTPPortState->OnDblClick = [this](ui::Component*) { btnEditClick(); };
    btnEdit->SetEnabled(false);
}

void TMSTPPortStateForm::FormCreate(ui::Component*) {
    EditForm = MSTPPortStateEditForm = new TMSTPPortStateEditForm(*this, PortStateRequest);
    EditForm->DialogSetRule = [this]() -> TDialogEditForm::SetRule {
        if (LeavesOutAdminHelloTime()) return {.LeftOut = {TMSTPPortStateEditForm::AdminHelloTime}};
        return {.RereadsAfterAnswer = true};
    };
    DialogTable::Options version = SynchronousTableOptions();
    version.FirstGet = true;
    version.StatusTarget = false;
    // Read first (blocking), so the version is known before any row can be edited.
    VersionRequest.Open(VersionTable, SVT_SV, 0,
                        [this](DialogRequest& request) { request.BindControl(0, lblSTPVersion); }, version);
    DialogTable::Options table;
    table.Errors = DialogTable::ErrorText::Bare;
    table.Timeout = 300;
    // Edit (the Set role) is enabled while a row is selected.
    OpenRowTable(PortStateRequest, {.Table = &PortStateTable,
                                    .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                                    .Options = table,
                                    .GuardsClose = true});
}

void TMSTPPortStateForm::btnRefreshClick() {
    if (!PortStateRequest.Complete()) return;
    VersionRequest.Reread();
    PortStateRequest.Reread();
}

bool TMSTPPortStateForm::LeavesOutAdminHelloTime() const {
    const std::string version = lblSTPVersion->Caption();
    return version == "stp" || version == "rstp";
}

void TMSTPPortStateForm::btnEditClick() {
    if (lvMSTPPortState->Selected()) {
        if (!PortStateRequest.PassGuard()) return;
        EditForm->ShowFor(TDialogEditForm::Mode::Edit,
                          "MSTP Port State Information: " + CurrentDeviceWindow().DeviceAddress());
    }
    btnEdit->SetEnabled(false);
    VersionRequest.Reread();
}
