#include "SnoopingGroupTable.h"

#include "ComCtrls.h"
#include "EditorGrid.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

TSnoopingGroupTableForm::TSnoopingGroupTableForm(ui::Component* owner, const Layout& layout)
    : TDedicatedForm(owner, layout.DesignWidth, layout.DesignHeight), GroupTable(AddTable()), layout_(layout) {
    SetName(layout.FormName);
    BuildButtonPanel("StaticText1", "Samples");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 160, true, EditorGrid::RowHeight * layout.KeyRows + 14);
    ListView1 = TableList;
    if (layout.StatusOnBar) StatusBar1->SetSimplePanel(true);
}

void TSnoopingGroupTableForm::FormCreate(ui::Component*) {
    IncludePorts = AddPortPage("Include Member Ports");
    ExcludePorts = AddPortPage("Exclude Member Ports");
    DialogTable::Options options = layout_.KeepsFlag ? DialogTable::Options{} : NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    if (layout_.StatusOnBar) options.StatusBarText = StatusBar1;
    OpenRowTable(GroupTable, {.Table = layout_.Table,
                              .Kind = MVT_FMV,
                              .KeyCount = 3,
                              .Bind =
                                  [this](DialogRequest& request) {
                                      BindKeys(request);
                                      BindPorts(request, IncludePortMap, IncludePorts);
                                      BindPorts(request, ExcludePortMap, ExcludePorts);
                                  },
                              .Options = options,
                              .ClearedEdits = keyEdits_,
                              .ClearedTexts = keyTexts_});
}

void TSnoopingGroupTableForm::RowSelectionChanged(bool selected) {
    if (!selected || !layout_.PortsLockedOnRow) return;
    for (TStackingPortUitForm* selector : PortSelectors) selector->DisableAllPorts();
}
