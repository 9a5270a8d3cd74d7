#include "Currenttime.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "NxInputCheck.h"
#include "StdCtrls.h"

TCurrentTimeForm* CurrentTimeForm = nullptr;

namespace {

const CatalogTable& TimeGroup = Oid_time::E_12_10;
enum Scalar { TimeCapacity, CurrentClock, ClockResetOnReboot };

}  // namespace

TCurrentTimeForm::TCurrentTimeForm(ui::Component* owner) : TDedicatedForm(owner, 470, 150), TimeScalars(AddTable()) {
    SetName("CurrentTimeForm");
    SetCaption("Current Time");
    BuildButtonPanel("");
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { TimeScalars.ReadAgain(); });
    SetButton = NewRoleButton(ButtonRole::Set, "SetButton", [this] { SetButtonClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    EditorGrid grid(this, this, 340, 170);
    timecapacityEdit = grid.Edit(0, 0, "timecapacityEdit", "Time Capacity", 160);
    SetEditorEnabled(timecapacityEdit, false);
    currentclockEdit = grid.Edit(0, 1, "currentclockEdit", "Current Clock(Example  2007-5-26,15:30:15.0)", 160);
    cbxReset = grid.Combo(0, 2, "cbxReset", "Clock Reset On Reboot");
    tempText = NewHiddenKeyText(this, this, "tempText");
}

void TCurrentTimeForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    TimeScalars.OnWalkEnded = [this] { ShowCapacity(); };
    TimeScalars.Open(
        TimeGroup, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindStaticText(TimeCapacity, tempText);
            request.BindEdit(CurrentClock, "%s{l22}", currentclockEdit);
            request.BindComboBox(ClockResetOnReboot, cbxReset);
        },
        options);
    ShowsOnly({cbxReset, timecapacityEdit});
    SetEditorEnabled(cbxReset, false);
}

std::string TCurrentTimeForm::CapacityText(const std::string& capacityHex) {
    const uint32_t capacity = HexTextToInt(capacityHex);
    std::string text = " ";
    if (capacity & 0x80) text += "systemTime";
    if (capacity & 0x40) text += ",SNTP";
    if (capacity & 0x20) text += ",SummerTime";
    if (capacity & 0x10) text += ",realTimeClock";
    return text;
}

void TCurrentTimeForm::ShowCapacity() {
    if (tempText->Caption().empty()) return;
    timecapacityEdit->SetText(CapacityText(tempText->Caption()));
}

void TCurrentTimeForm::SetButtonClick() {
    if (currentclockEdit->Text().empty())
        return RefuseInput(this, "The Current Edit should not be empty!", currentclockEdit);
    // The two read-only scalars are never sent.
    TimeScalars.WriteOnly([this] { TimeScalars.Send(); });
}
