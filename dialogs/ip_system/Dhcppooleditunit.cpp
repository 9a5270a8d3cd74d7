#include "Dhcppooleditunit.h"

#include "EditorGrid.h"
#include "StdCtrls.h"

TDHCPPoolEdtForm* DHCPPoolEdtForm = nullptr;

namespace {

constexpr int Rows = 11;
constexpr int ColumnWidth = 360;
constexpr int LabelWidth = 150;
constexpr int ButtonRowHeight = 45;

constexpr int GridTop = 8;

// The buttons stand below the rows shown.
int ButtonTop(int rows) { return GridTop + rows * EditorGrid::RowHeight + 8; }
int FormHeight(int rows) { return ButtonTop(rows) + ButtonRowHeight + 30; }

}  // namespace

TDHCPPoolEdtForm::TDHCPPoolEdtForm(ui::Form& dialog, DialogTable& table)
    : TDialogEditForm(dialog, table, ColumnWidth + 16, FormHeight(Rows)) {
    SetName("DHCPPoolEdtForm");
    SetCaption("DHCP Pool Edit");
    SetPosition(ui::poScreenCenter);
    BuildEditors();
    boxes_ = ApplyBoxes({{cbxAddress, NetworkAddress, edtAddress},
                         {cbxMask, NetworkMask, edMask},
                         {cbxDomain, DomainName, edtDomain},
                         {cbxNType, NodeType, cbxType},
                         {cbxNState, LeaseState, cbxState},
                         {cbxDay, LeaseDay, edtDay},
                         {cbxHour, LeaseHour, edtHour},
                         {cbxMinute, LeaseMinute, edtMinute},
                         {cbxBoot, BootFile, edtBoot},
                         {cbxServer, NextServer, edtServer}});
    BindsColumns({{Name, edtName, "%s"},
                  {NetworkAddress, edtAddress, "%s{I}"},
                  {NetworkMask, edMask, "%s"},
                  {DomainName, edtDomain, "%s"},
                  {NodeType, cbxType},
                  {LeaseState, cbxState},
                  {LeaseDay, edtDay, "%i"},
                  {LeaseHour, edtHour, "%i{n0x23l2}"},
                  {LeaseMinute, edtMinute, "%i{n0x59l2}"},
                  {BootFile, edtBoot, "%s"},
                  {NextServer, edtServer, "%s{I}"}});
    PreparesEditors({edtName}, {}, cbxStatus);
}

TDHCPPoolEdtForm::~TDHCPPoolEdtForm() {
    if (DHCPPoolEdtForm == this) DHCPPoolEdtForm = nullptr;
}

void TDHCPPoolEdtForm::BuildEditors() {
    EditorGrid grid(this, this, ColumnWidth, LabelWidth, GridTop);
    int row = 0;
    const auto field = [&](ui::CheckBox*& box, const char* boxName, auto* editor) {
        box = grid.ApplyBox(0, row++, boxName);
        fields_.push_back(box);
        fields_.push_back(editor);
        return editor;
    };
    cbxName = grid.ApplyBox(0, row, "cbxName");
    cbxName->SetChecked(true);
    cbxName->SetEnabled(false);
    edtName = grid.Edit(0, row++, "edtName", "Name");
    edtAddress = field(cbxAddress, "cbxAddress", grid.Edit(0, row, "edtAddress", "Network Address"));
    edMask = field(cbxMask, "cbxMask", grid.Edit(0, row, "edMask", "Network Address Mask"));
    edtDomain = field(cbxDomain, "cbxDomain", grid.Edit(0, row, "edtDomain", "Domain Name"));
    cbxType = field(cbxNType, "cbxNType", grid.Combo(0, row, "cbxType", "NetBIOS Node Type"));
    cbxState = field(cbxNState, "cbxNState", grid.Combo(0, row, "cbxState", "Lease State"));
    edtDay = field(cbxDay, "cbxDay", grid.Edit(0, row, "edtDay", "Lease Day"));
    edtHour = field(cbxHour, "cbxHour", grid.Edit(0, row, "edtHour", "Lease Hour"));
    edtMinute = field(cbxMinute, "cbxMinute", grid.Edit(0, row, "edtMinute", "Lease Minute"));
    edtBoot = field(cbxBoot, "cbxBoot", grid.Edit(0, row, "edtBoot", "Boot File"));
    edtServer = field(cbxServer, "cbxServer", grid.Edit(0, row, "edtServer", "Next Server"));
    cbxStatus = grid.Combo(0, row, "cbxStatus", "");
    cbxStatus->Hide();

    const auto button = [&](const char* name, const char* caption, int left, std::function<void()> click) {
        auto* b = new ui::Button(this);
        b->SetName(name);
        b->SetParent(this);
        b->SetCaption(caption);
        b->SetBounds(left, 0, 85, 25);
        b->OnClick = [click = std::move(click)](ui::Component*) { click(); };
        return b;
    };
    btnSet = button("btnSet", "Set Checked", 8, [this] { btnSetClick(); });
    btnCheck = button("btnCheck", "Check All", 98, [this] { boxes_.CheckAll(); });
    ClearBtnButton = button("ClearBtnButton", "Clear Checks", 188, [this] { boxes_.ClearChecks(); });
    CloseBTN = button("CloseBTN", "Close", 278, [this] { Close(); });
}

void TDHCPPoolEdtForm::ShowFields(bool shown) {
    for (ui::Control* control : fields_) control->SetVisible(shown);
    for (ui::Button* button : {btnCheck, ClearBtnButton}) button->SetVisible(shown);
    const int top = ButtonTop(shown ? Rows : 1);
    for (ui::Button* button : {btnSet, btnCheck, ClearBtnButton, CloseBTN}) button->SetTop(top);
    SetClientHeight(top + ButtonRowHeight);
}

void TDHCPPoolEdtForm::Activated() {
    const bool adding = EditMode() == Mode::Add;
    boxes_.ClearChecks();
    ShowFields(!adding);
    btnSet->SetCaption(adding ? "Add" : "Edit");
}

void TDHCPPoolEdtForm::btnSetClick() {
    if (!table_.HasRequest()) return Close();
    if (EditMode() == Mode::Add) {
        // A pool is created by its name; its values are set afterwards with Edit.
        return SetThroughTable({NetworkAddress, NetworkMask, DomainName, NodeType, LeaseState, LeaseDay, LeaseHour,
                                LeaseMinute, BootFile, NextServer});
    }
    std::vector<int> leftOut{Status};
    for (const ApplyBox& box : boxes_.Boxes())
        if (!box.Box->Checked()) leftOut.push_back(box.Column);
    SetThroughTable(leftOut);
}
