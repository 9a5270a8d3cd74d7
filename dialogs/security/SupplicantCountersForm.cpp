#include "SupplicantCountersForm.h"

#include "ListView.h"
#include "StdCtrls.h"

namespace {

constexpr int KeyCount = 2;  // MAC address, port

}  // namespace

TSupplicantCountersForm::TSupplicantCountersForm(ui::Component* owner, SupplicantCountersLayout layout)
    : TDedicatedForm(owner, 640, 460), Counters(AddTable()), layout_(std::move(layout)) {
    SetName(layout_.FormName);
    SetCaption(layout_.Caption);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    Button1 = NewRoleButton(ButtonRole::Refresh, "Button1", [this] { Button1Click(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 280, false);
    ListView1 = TableList;
}

void TSupplicantCountersForm::FormCreate(ui::Component*) {
    OpenRowTable(Counters,
                 {.Table = layout_.Table, .Kind = MVT_FMV, .KeyCount = KeyCount, .Options = SynchronousTableOptions()});
    // Unguarded: an exception of the first read goes to whoever opens the dialog.
    Counters.Request()->Request.Active = 1;
    Counters.Request()->Get();
    ShowRowCount();
}

void TSupplicantCountersForm::Button1Click() {
    Counters.Reread();
    ShowRowCount();
}
