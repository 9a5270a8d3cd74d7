#include "Newbootpctrlformunit.h"

#include "DialogMessages.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ListView.h"
#include "StdCtrls.h"

TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;

namespace {

constexpr int Rows = 2;
constexpr int MaxServersPerInterface = 4;

}  // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(ui::Form& dialog, DialogTable& table, const ui::ListView& rows)
    : TDialogEditForm(dialog, table, 300, Rows * EditorGrid::RowHeight + 85), rows_(rows) {
    SetName("NewBootpCtrlForm");
    SetCaption("New DHCP Ctrl Entry");
    EditorGrid grid(this, this, 290, 100);
    Edit1 = grid.Edit(0, 0, "Edit1", "Interface Name");
    Edit2 = grid.Edit(0, 1, "Edit2", "DHCP Server IP");
    const int buttonTop = grid.Bottom(Rows) + 8;
    DeleteBtn = new ui::Button(this);
    DeleteBtn->SetName("DeleteBtn");
    DeleteBtn->SetParent(this);
    DeleteBtn->SetCaption("Set");
    DeleteBtn->SetBounds(110, buttonTop, 80, 25);
    DeleteBtn->OnClick = [this](ui::Component*) { DeleteBtnClick(); };
    BitBtn1 = new ui::Button(this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetParent(this);
    BitBtn1->SetCaption("Close");
    BitBtn1->SetBounds(200, buttonTop, 80, 25);
    BitBtn1->OnClick = [this](ui::Component*) { Close(); };
    BindsColumns({{InterfaceName, Edit1, "%s"}, {ServerIp, Edit2, "%s"}});
    PreparesEditors({Edit1, Edit2}, {}, nullptr);
    CreatesWith(Valid);
}

TNewBootpCtrlForm::~TNewBootpCtrlForm() {
    if (NewBootpCtrlForm == this) NewBootpCtrlForm = nullptr;
}

void TNewBootpCtrlForm::DeleteBtnClick() {
    if (!ServerChecksPass()) return;
    table_.SelectStatusValue(Valid);
    SetThroughTable();
}

bool TNewBootpCtrlForm::ServerChecksPass() {
    int servers = 0;
    for (int i = 0; i < rows_.Items().Count(); ++i) {
        if (rows_.Items()[i]->Caption() == Edit1->Text() && ++servers >= MaxServersPerInterface) {
            ShowWarning(this, "One interface can support four bootp servers at most.");
            return false;
        }
    }
    return CheckIpEdit(this, Edit2, "Please input a valid ip");
}
