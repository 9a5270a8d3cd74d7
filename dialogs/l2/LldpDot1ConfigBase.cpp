#include "LldpDot1ConfigBase.h"

#include "EditorItems.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

namespace {

enum Column { PortNumber, EntryIndex, TxEnable };

}  // namespace

TLldpDot1ConfigBase::TLldpDot1ConfigBase(ui::Component* owner, const Layout& layout)
    : TDedicatedForm(owner, layout.Width, layout.Height), ConfigTable(AddTable()), layout_(layout) {
    SetName(layout.Name);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    RefreshButton = NewRoleButton(ButtonRole::Refresh, "RefreshButton", [this] { RefreshButtonClick(); });
    SetButton = NewRoleButton(ButtonRole::Set, "SetButton", [this] { SetButtonClick(); });
    StopButton = NewRoleButton(ButtonRole::Stop, "StopButton");
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildTableArea("ListView1", 250, false);
    ListView1 = TableList;
    PortNumberText = NewEditorText("PortNumberText", "Port Number", 40);
    IndexText = NewEditorText("IndexText", layout.IndexLabel, 40);
    TXComboBox = EditorRow(this, EditorPanel, 8, 36).Combo("TXComboBox", layout.TxLabel, 60);
    // The row's keys: shown, with their labels disabled.
    ShowsOnly({PortNumberText, IndexText});
}

void TLldpDot1ConfigBase::FormCreate(ui::Component*) {
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    options.StopSetsFlag = true;
    options.RefreshRefusedText = "Get data not complete!";
    OpenRowTable(ConfigTable, {.Table = layout_.Table,
                               .KeyCount = 2,
                               .Bind =
                                   [this](DialogRequest& request) {
                                       request.BindStaticText(PortNumber, PortNumberText);
                                       request.BindStaticText(EntryIndex, IndexText);
                                       request.BindComboBox(TxEnable, TXComboBox);
                                   },
                               .Options = options});
    ClearTxEditors();
}

void TLldpDot1ConfigBase::ClearTxEditors() {
    PortNumberText->SetCaption(" ");
    IndexText->SetCaption(" ");
    TXComboBox->SetItemIndex(-1);
    SetButton->SetEnabled(false);
    ShowRowCount();
}

void TLldpDot1ConfigBase::RefreshButtonClick() {
    if (!ConfigTable.PassRefreshGuard()) return;
    ClearTxEditors();
    ConfigTable.Reread();
}

void TLldpDot1ConfigBase::SetButtonClick() {
    if (!ListView1->Selected() || !ConfigTable.PassGuard()) return;
    SetWaitThenReread(ConfigTable);
    ClearTxEditors();
}
