#include "UserPrioritiesFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

TUserPrioritiesForm* UserPrioritiesForm = nullptr;

namespace {

const CatalogTable& TrafficClassTable = Oid_bridgemib::Mib2_17_D;

enum Column { PortNumber, Priority, MappedClass };

}  // namespace

TUserPrioritiesForm::TUserPrioritiesForm(ui::Component* owner)
    : TDedicatedForm(owner, 600, 420), TrafficClassRequest(AddTable()) {
    SetName("UserPrioritiesForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    RefreshButton = NewRoleButton(ButtonRole::Refresh, "RefreshButton", [this] { RefreshButtonClick(); });
    SetButton = NewRoleButton(ButtonRole::Set, "SetButton", [this] { SetButtonClick(); });
    StopButton = NewRoleButton(ButtonRole::Stop, "StopButton");
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildTableArea("ListView1", 180, false);
    ListView1 = TableList;
    PortNumberText = NewEditorText("PortNumberText", "Port Number", 40);
    IndexText = NewEditorText("IndexText", "Traffic Class Priority", 40);
    ClassEdit = NewEditorEdit("ClassEdit", "Mapped Traffic Class", 60);
    // The port and priority are the row's keys: shown, with their labels disabled.
    ShowsOnly({PortNumberText, IndexText});
}

void TUserPrioritiesForm::FormCreate(ui::Component*) {
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    options.StopSetsFlag = true;
    options.RefreshRefusedText = "Get data not complete!";
    OpenRowTable(TrafficClassRequest, {.Table = &TrafficClassTable,
                                       .Kind = MVT_FMV,
                                       .KeyCount = 2,
                                       .Bind =
                                           [this](DialogRequest& request) {
                                               request.BindStaticText(PortNumber, PortNumberText);
                                               request.BindStaticText(Priority, IndexText);
                                               request.BindEdit(MappedClass, "%s", ClassEdit);
                                           },
                                       .Options = options});
    ClearClassEditors();
}

void TUserPrioritiesForm::ClearClassEditors() {
    PortNumberText->SetCaption(" ");
    IndexText->SetCaption(" ");
    ClassEdit->SetText("");
    SetButton->SetEnabled(false);
    ShowRowCount();
}

void TUserPrioritiesForm::RefreshButtonClick() {
    if (!TrafficClassRequest.PassRefreshGuard()) return;
    ClearClassEditors();
    TrafficClassRequest.Reread();
}

void TUserPrioritiesForm::SetButtonClick() {
    if (!ListView1->Selected() || !TrafficClassRequest.PassGuard()) return;
    // A refused or unanswered SET is reported by the wait; the read after it shows what the switch holds.
    SetWaitThenReread(TrafficClassRequest);
    ClearClassEditors();
}
