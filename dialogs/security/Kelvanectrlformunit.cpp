#include "Kelvanectrlformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"

#include "StdCtrls.h"

#include <algorithm>
#include <vector>

TKelvaneCtrlForm* KelvaneCtrlForm = nullptr;

namespace {

enum Column { Rising, Falling, Mode, Alarm, CurrentStatus };

const std::vector<int> WritableColumns = {Rising, Falling, Mode, Alarm};

bool ThresholdInRange(long long value) { return value >= 20 && value <= 100; }

}  // namespace

TKelvaneCtrlForm::TKelvaneCtrlForm(ui::Component* owner) : TDedicatedForm(owner, 420, 220), Kelvane(AddTable()) {
    SetName("KelvaneCtrlForm");
    SetCaption("Kelvane Control");
    stbStatus = StatusBar1;
    BuildButtonPanel("");
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnCheckAll = NewRoleButton(ButtonRole::CheckAll, "btnCheckAll");
    btnClearCheck = NewRoleButton(ButtonRole::ClearChecks, "btnClearCheck");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    EditorGrid grid(this, this, 290, 130);
    ckRising = grid.ApplyBox(0, 0, "ckRising");
    edtRising = grid.Edit(0, 0, "edtRising", "Rising Threshold", 100);
    ckFalling = grid.ApplyBox(0, 1, "ckFalling");
    edtFalling = grid.Edit(0, 1, "edtFalling", "Falling Threshold", 100);
    ckMode = grid.ApplyBox(0, 2, "ckMode");
    cbxMode = grid.Combo(0, 2, "cbxMode", "Mode", 100);
    ckAlarm = grid.ApplyBox(0, 3, "ckAlarm");
    cbxAlarm = grid.Combo(0, 3, "cbxAlarm", "Alarm State", 100);
    cbxCurrentState = grid.Combo(0, 4, "cbxCurrentState", "Current State", 100);
    lbFalling = new ui::Label(this);
    lbFalling->SetName("lbFalling");
    lbFalling->SetParent(this);
    lbFalling->SetCaption("lbFalling");
    lbFalling->Hide();
    boxes_ = ApplyBoxes({{ckRising, Rising, edtRising},
                         {ckFalling, Falling, edtFalling},
                         {ckMode, Mode, cbxMode},
                         {ckAlarm, Alarm, cbxAlarm}});
    UseApplyBoxes(boxes_);
    for (const ApplyBox& box : boxes_.Boxes()) box.Box->OnClick = [this](ui::Component*) { ChangeSetState(); };
    btnSet->SetEnabled(false);
}

void TKelvaneCtrlForm::FormCreate(ui::Component*) {
    Kelvane.Open(
        Oid_security::E_12_19_2, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindEdit(Rising, "%i{n20x100l3}", edtRising);
            request.BindEdit(Falling, "%i{n20x100l3}", edtFalling);
            request.BindComboBox(Mode, cbxMode);
            request.BindComboBox(Alarm, cbxAlarm);
            request.BindComboBox(CurrentStatus, cbxCurrentState);
        },
        SynchronousTableOptions());
    ShowsOnly({cbxCurrentState});
    btnGetClick();
}

void TKelvaneCtrlForm::ChangeSetState() { btnSet->SetEnabled(!boxes_.NoneChecked()); }

// The falling threshold is kept only from a read that delivered the group.
void TKelvaneCtrlForm::btnGetClick() {
    if (!Kelvane.Reread() || Kelvane.Request()->RowCount == 0) return;
    lbFalling->SetCaption(edtFalling->Text());
}

bool TKelvaneCtrlForm::CheckThresholds() {
    if (ckRising->Checked() && !ThresholdInRange(TextToIntDef(edtRising->Text(), -1)))
        return RefuseInput(this, "Rising Threshold should between 20-100", edtRising), false;
    if (ckFalling->Checked() && !ThresholdInRange(TextToIntDef(edtFalling->Text(), -1)))
        return RefuseInput(this, "Falling Threshold should between 20-100", edtFalling), false;
    return true;
}

// Lowering the falling threshold goes first, so the pair stays ordered on the switch between the two SETs. With
// no falling threshold read, rising goes first.
bool TKelvaneCtrlForm::FallingFirst() const {
    if (!ckRising->Checked() || !ckFalling->Checked()) return false;
    const long long lastRead = TextToIntDef(lbFalling->Caption(), -1);
    return lastRead >= 0 && TextToIntDef(edtFalling->Text(), -1) < lastRead;
}

void TKelvaneCtrlForm::SetCheckedFields(bool fallingFirst) {
    std::vector<ui::CheckBox*> order = {ckRising, ckFalling, ckMode, ckAlarm};
    if (fallingFirst) std::swap(order[0], order[1]);
    for (ui::CheckBox* box : order) {
        if (!box->Checked()) continue;
        const auto applied = std::find_if(boxes_.Boxes().begin(), boxes_.Boxes().end(),
                                          [box](const ApplyBox& entry) { return entry.Box == box; });
        std::vector<int> leftOut;
        for (int column : WritableColumns)
            if (column != applied->Column) leftOut.push_back(column);
        Kelvane.Send(leftOut);  // a refusal is reported by the library; the next field still goes
    }
}

void TKelvaneCtrlForm::btnSetClick() {
    if (!CheckThresholds()) return;
    if (Kelvane.Busy()) return;
    const bool fallingFirst = FallingFirst();
    Kelvane.WriteOnly([&] { SetCheckedFields(fallingFirst); });
    btnGetClick();
}
