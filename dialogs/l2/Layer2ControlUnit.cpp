#include "Layer2ControlUnit.h"

#include "CatalogTables.h"
#include "DialogPause.h"
#include "EditorGrid.h"
#include "NxSNMPSession.h"
#include "StdCtrls.h"

#include <vector>

TLayer2ControlForm* Layer2ControlForm = nullptr;

namespace {

const CatalogTable& GlobalSettingsTable = Oid_switch::E_11_70_7_2_A;
const CatalogTable& WebPortTable = Oid_switch::E_11_70_7_2_1_2_13;
const CatalogTable& TelnetPortTable = Oid_switch::E_11_70_7_2_1_2_14;

constexpr const char* EmptyFieldsText = "Some Checked fields are empty.";
constexpr const char* PortFormat = "%i{n1x65535}";
constexpr int EditorWidth = 120;
constexpr int PortColumn = -1;  // a server port: a request of its own

// An apply box and the column of the global settings it lets into the SET (PortColumn: a server port's box).
struct BoxRow {
    ui::CheckBox** Box;
    const char* Name;
    int Column;
};

bool Reads(const ui::ComboBox* state, const char* text) { return state->Text() == text; }

}  // namespace

TLayer2ControlForm::TLayer2ControlForm(ui::Component* owner)
    : TDedicatedForm(owner, 520, 560),
      GlobalRequest(AddTable()),
      WebPortRequest(AddTable()),
      TelnetPortRequest(AddTable()) {
    SetName("Layer2ControlForm");
    BuildButtonPanel("");
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    SetButton = NewRoleButton(ButtonRole::Set, "SetButton", "Set Checked", [this] { SetButtonClick(); });
    CheckButton = NewRoleButton(ButtonRole::CheckAll, "CheckButton", [this] { allBoxes_.CheckAll(true); });
    ClearButton =
        NewRoleButton(ButtonRole::ClearChecks, "ClearButton", "Clear Checked", [this] { allBoxes_.ClearChecks(true); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildRows();
    WebStateComBo->OnChange = [this](ui::Component*) { ServerStateChange(WebServer()); };
    TelStateComBo->OnChange = [this](ui::Component*) { ServerStateChange(TelnetServer()); };
}

void TLayer2ControlForm::BuildRows() {
    constexpr int W = EditorWidth;
    EditorGrid grid(this, this, 400, 250);
    const BuiltEditors editors =
        grid.Column(0, 0,
                    {
                        {&IGMPComBo, "IGMPComBo", "IGMP Snooping State", W},
                        {&SnoopingComBo, "SnoopingComBo", "Snooping Multicast Route Only State", W},
                        {&RmonComBo, "RmonComBo", "RMON State", W},
                        {&CleanComBo, "CleanComBo", "Clean All Statistic Counter", W},
                        {&VlanEdit, "VlanEdit", "VLAN ID Of FDB Table (1-4094)", W},
                        {&edtMVlanID, "edtMVlanID", "Management VLAN ID (1-4094)", W},
                        {&cbxMACNotify, "cbxMACNotify", "MAC Notification", W},
                        {&edtNotifySize, "edtNotifySize", "MAC Notify History Size (1-500)", W},
                        {&edtNotifyInterval, "edtNotifyInterval", "MAC Notify Interval", W},
                        {&WebStateComBo, "WebStateComBo", "Web State", W},
                        {&WebPortEdit, "WebPortEdit", "Web Port", W},
                        {&TelStateComBo, "TelStateComBo", "Telnet State", W},
                        {&TelPortEdit, "TelPortEdit", "Telnet Port", W},
                        {&IPConfigComBo, "IPConfigComBo", "IP Auto Configuration", W},
                        {&CliPagingComBo, "CliPagingComBo", "CLI Paging", W},
                        {&LLDPStatecbx, "LLDPStatecbx", "LLDP State", W},
                        {&LLDPfwdmsgStatecbx, "LLDPfwdmsgStatecbx", "LLDP Forward Message State", W},
                        {&PortMirrorComboBox, "PortMirrorComboBox", "Port Mirror Global State", W},
                    });
    // Row by row, beside the editors above.
    const BoxRow boxes[] = {
        {&CheckBox1, "CheckBox1", 0},          {&CheckBox2, "CheckBox2", 1},          {&CheckBox3, "CheckBox3", 2},
        {&CheckBox4, "CheckBox4", 3},          {&CheckBox5, "CheckBox5", 4},          {&CheckBox11, "CheckBox11", 5},
        {&CheckBox12, "CheckBox12", 6},        {&CheckBox13, "CheckBox13", 7},        {&CheckBox14, "CheckBox14", 8},
        {&CheckBox6, "CheckBox6", 9},          {&CheckBox7, "CheckBox7", PortColumn}, {&CheckBox8, "CheckBox8", 10},
        {&CheckBox9, "CheckBox9", PortColumn}, {&CheckBox10, "CheckBox10", 11},       {&CheckBox16, "CheckBox16", 12},
        {&CheckBox17, "CheckBox17", 13},       {&CheckBox18, "CheckBox18", 14},       {&CheckBox19, "CheckBox19", 15},
    };
    std::vector<ApplyBox> settings(16, ApplyBox{nullptr, 0});
    int row = 0;
    for (const BoxRow& box : boxes) {
        *box.Box = grid.ApplyBox(0, row, box.Name);
        if (box.Column != PortColumn)
            settings[static_cast<size_t>(box.Column)] = {*box.Box, box.Column, editors.All[static_cast<size_t>(row)]};
        ++row;
    }
    globalBoxes_ = ApplyBoxes(settings);
    // The empty check's order: the settings, then the web port and the telnet port.
    settings.push_back({CheckBox7, 0, WebPortEdit});
    settings.push_back({CheckBox9, 0, TelPortEdit});
    allBoxes_ = ApplyBoxes(settings);
}

void TLayer2ControlForm::FormCreate(ui::Component*) {
    const DialogTable::Options options = SynchronousTableOptions();
    GlobalRequest.Open(
        GlobalSettingsTable, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindComboBox(0, IGMPComBo);
            request.BindComboBox(1, SnoopingComBo);
            request.BindComboBox(2, RmonComBo);
            request.BindComboBox(3, CleanComBo);
            request.BindEdit(4, "%i{n1x4094l4}", VlanEdit);
            request.BindEdit(5, "%i{n1x4094l4}", edtMVlanID);
            request.BindComboBox(6, cbxMACNotify);
            request.BindEdit(7, "%i{n1x500l3}", edtNotifySize);
            request.BindEdit(8, "%i{n1x2147483647}", edtNotifyInterval);
            request.BindComboBox(9, WebStateComBo);
            request.BindComboBox(10, TelStateComBo);
            request.BindComboBox(11, IPConfigComBo);
            request.BindComboBox(12, CliPagingComBo);
            request.BindComboBox(13, LLDPStatecbx);
            request.BindComboBox(14, LLDPfwdmsgStatecbx);
            request.BindComboBox(15, PortMirrorComboBox);
        },
        options);
    WebPortRequest.Open(
        WebPortTable, SVT_SV, 0, [this](DialogRequest& request) { request.BindEdit(0, PortFormat, WebPortEdit); },
        options);
    TelnetPortRequest.Open(
        TelnetPortTable, SVT_SV, 0, [this](DialogRequest& request) { request.BindEdit(0, PortFormat, TelPortEdit); },
        options);
    if (GlobalRequest.OpenFailed() || WebPortRequest.OpenFailed() || TelnetPortRequest.OpenFailed()) return;
    ReadAll();
}

TLayer2ControlForm::Server TLayer2ControlForm::WebServer() {
    return {WebStateComBo, CheckBox7, WebPortRequest, WebPortEdit};
}

TLayer2ControlForm::Server TLayer2ControlForm::TelnetServer() {
    return {TelStateComBo, CheckBox9, TelnetPortRequest, TelPortEdit};
}

int TLayer2ControlForm::PortPause() { return DefaultSNMPSecurity.Version == 3 ? 1500 : 800; }

bool TLayer2ControlForm::Idle() const {
    return !writing_ && !GlobalRequest.Busy() && !WebPortRequest.Busy() && !TelnetPortRequest.Busy();
}

void TLayer2ControlForm::ServerStateChange(const Server& server) {
    if (Reads(server.State, "disabled")) {
        server.Port->SetText("");
        server.Port->SetEnabled(false);
        server.Port->SetColor(ui::clScrollBar);
        server.Box->SetChecked(false);
        server.Box->SetEnabled(false);
    } else if (Reads(server.State, "enabled")) {
        server.Port->SetEnabled(true);
        server.Port->SetColor(ui::clWindow);
        server.Box->SetEnabled(true);
    }
}

// The settings, then the port of each enabled server; a caught exception shows its bare message.
void TLayer2ControlForm::ReadAll() {
    if (!GlobalRequest.ReadAgain()) return;
    for (const Server& server : {WebServer(), TelnetServer()}) {
        ServerStateChange(server);
        if (Reads(server.State, "enabled") && !server.Request.ReadAgain()) return;
    }
}

void TLayer2ControlForm::GetButtonClick() {
    if (Idle()) ReadAll();
}

// A read whose exception is left to the application.
void TLayer2ControlForm::ReadAfterWrite(DialogTable& table) {
    if (!table.HasRequest()) return;
    table.Request()->Request.Active = 1;
    table.Request()->Get();
}

void TLayer2ControlForm::SetButtonClick() {
    if (!Idle() || !GlobalRequest.HasRequest()) return;
    if (!allBoxes_.TickedEditorsPass(this, EmptyFieldsText)) return;
    writing_ = true;
    struct WriteEnd {
        bool& writing;
        ~WriteEnd() { writing = false; }
    } end{writing_};
    GlobalRequest.WriteOnly([this] { GlobalRequest.SendChecked(globalBoxes_); });
    ReadAfterWrite(GlobalRequest);
    ServerStateChange(WebServer());
    ServerStateChange(TelnetServer());
    WritePort(WebServer());
    WritePort(TelnetServer());
}

// A checked port is written; an unchecked one is read, blanked and read-only for the pause, and read again.
void TLayer2ControlForm::WritePort(const Server& server) {
    if (!Reads(server.State, "enabled")) return;
    if (server.Box->Checked()) {
        server.Request.WriteOnly([&server] { server.Request.SendRefreshing(); });
        ReadAfterWrite(server.Request);
        return;
    }
    ReadAfterWrite(server.Request);
    server.Port->SetText("");
    server.Port->SetReadOnly(true);
    DialogPause(PortPause());
    server.Port->SetReadOnly(false);
    ReadAfterWrite(server.Request);
}
