#include "AggregatorPortTableFormUnit.h"

#include "CatalogTables.h"
#include "ComCtrls.h"
#include "EditorItems.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

TAggregatorPortTableForm* AggregatorPortTableForm = nullptr;

namespace {

const CatalogTable& AggregatorPortTable = Oid_lacp::E_12_4_1_2_1_1;

enum Column {
    ActorAdminKey = 3,
    PartnerAdminSystemId = 7,
    PartnerAdminKey = 9,
    ActorAdminState = 19,
    PartnerAdminState = 21,
};

constexpr const char* StateBits = "0,1,2,3,4,5,6,7";
const char* const StateBitNames[] = {"lacpActivity", "lacpTimeout",  "aggregation", "synchronisation",
                                     "collecting",   "distributing", "defaulted",   "expired"};
const char* const StateTabs[] = {"Actor Admin State", "Actor Oper State", "Partner Admin State", "Partner Oper State"};
constexpr int ActorAdminTab = 0;
constexpr int PartnerAdminTab = 2;

}  // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(ui::Component* owner)
    : TDedicatedForm(owner, 547, 591), AggregatorTable(AddTable()) {
    SetName("AggregatorPortTableForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetBtn = NewRoleButton(ButtonRole::Refresh, "GetBtn", [this] { GetBtnClick(); });
    btnEdit = NewRoleButton(ButtonRole::Set, "btnEdit", "Edit", [this] { btnEditClick(); });
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 200, true, 68);
    ListView1 = TableList;
    edtActorKey = NewEditorEdit("edtActorKey", "Actor Admin Key", 50);
    edtPartnerID = NewEditorEdit("edtPartnerID", "Partner Admin System ID", 100);
    edtPartnerKey = EditorRow(this, EditorPanel, 8, 36).Edit("edtPartnerKey", "Partner Admin Key", 50);
    BuildStateTabs();
}

void TAggregatorPortTableForm::BuildStateTabs() {
    int number = 1;
    for (const char* caption : StateTabs) {
        auto* sheet = new ui::TabSheet(this);
        sheet->SetName("TabSheet" + std::to_string(TabSheets.size() + 1));
        sheet->SetPageControl(PageControl1);
        sheet->SetCaption(caption);
        TabSheets.push_back(sheet);
        int bit = 0;
        for (const char* name : StateBitNames) {
            auto* box = new ui::CheckBox(this);
            box->SetName("CheckBox" + std::to_string(number++));
            box->SetParent(sheet);
            box->SetCaption(name);
            box->SetBounds(8 + (bit % 3) * 140, 8 + (bit / 3) * 24, 136, 17);
            CheckBoxes.push_back(box);
            ++bit;
        }
    }
    // The operational states are shown in the list only.
    TabSheets[1]->SetTabVisible(false);
    TabSheets[3]->SetTabVisible(false);
}

std::vector<ui::CheckBox*> TAggregatorPortTableForm::StateBoxes(int tab) const {
    const auto first = CheckBoxes.begin() + tab * 8;
    return {first, first + 8};
}

void TAggregatorPortTableForm::FormCreate(ui::Component*) {
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    options.GuardRefusesWhileBusy = false;
    options.RefreshRefusedText = "";
    OpenRowTable(AggregatorTable,
                 {.Table = &AggregatorPortTable,
                  .Kind = MVT_FMV,
                  .Bind =
                      [this](DialogRequest& request) {
                          request.BindEdit(ActorAdminKey, "%i{n0x65535l5}", edtActorKey);
                          request.BindEdit(PartnerAdminSystemId, "%s{l12}", edtPartnerID);
                          request.BindEdit(PartnerAdminKey, "%i{n0x65535l5}", edtPartnerKey);
                          request.BindCheckBoxes(ActorAdminState, StateBits, StateBoxes(ActorAdminTab));
                          request.BindCheckBoxes(PartnerAdminState, StateBits, StateBoxes(PartnerAdminTab));
                      },
                  .Options = options,
                  .GuardsClose = true});
    AggregatorTable.OnWalkEnded = [this] { EnableEditors(); };
    ClearAggregatorEditors();
}

// Every visible state box unchecked, the three edits emptied.
void TAggregatorPortTableForm::ClearAggregatorEditors() {
    for (ui::CheckBox* box : CheckBoxes)
        if (box->Visible()) box->SetChecked(false);
    for (ui::Edit* edit : {edtActorKey, edtPartnerID, edtPartnerKey}) edit->SetText("");
}

void TAggregatorPortTableForm::EnableEditors() {
    for (ui::CheckBox* box : CheckBoxes)
        if (box->Visible()) box->SetEnabled(true);
    for (ui::Edit* edit : {edtActorKey, edtPartnerID, edtPartnerKey}) edit->SetEnabled(true);
}

void TAggregatorPortTableForm::RowSelectionChanged(bool selected) {
    if (!selected) ClearAggregatorEditors();
}

void TAggregatorPortTableForm::GetBtnClick() {
    if (!AggregatorTable.Complete()) return;
    AggregatorTable.Reread();
    ClearAggregatorEditors();
    ResetRowButtons();
}

void TAggregatorPortTableForm::btnEditClick() {
    if (!ListView1->Selected() || !AggregatorTable.PassGuard()) return;
    if (!IsMacKey(this, edtPartnerID->Text())) return;
    // The writable columns only: read-only and key columns are never sent.
    AggregatorTable.Write([this] { AggregatorTable.Send(); });
    ClearAggregatorEditors();
    ResetRowButtons();
}
