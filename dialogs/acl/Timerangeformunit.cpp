#include "Timerangeformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <algorithm>

TTimeRangeForm* TimeRangeForm = nullptr;

namespace {

const CatalogTable& TimeRangeTable = Oid_timerange::E_12_50_3_1_1;

enum Column { RangeName, SelectDays, StartTime, EndTime, Status };


ui::CheckBox* NewDayBox(ui::Component* owner, ui::Control* parent, const std::string& name, const std::string& caption,
                        int index) {
    auto* box = new ui::CheckBox(owner);
    box->SetName(name);
    box->SetParent(parent);
    box->SetCaption(caption);
    box->SetBounds(12 + (index % 4) * 120, 20 + (index / 4) * 22, 110, 17);
    return box;
}

ui::Label* NewNote(ui::Component* owner, ui::Control* parent, int left, int top) {
    auto* note = new ui::Label(owner);
    note->SetParent(parent);
    note->SetCaption("(Time hh:mm:ss )");
    note->SetBounds(left, top, 110, 15);
    return note;
}

}  // namespace

TTimeRangeForm::TTimeRangeForm(ui::Component* owner) : TDedicatedForm(owner, 600, 470), Ranges(AddTable()) {
    SetName("TimeRangeForm");
    SetCaption("Time Range Form");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", "Edit", [this] { btnSetClick(); });
    btnAdd = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    BuildTableArea("ListView1", 180, false);
    ListView1 = TableList;

    EditorGrid names(this, EditorPanel, 280, 60);
    edtName = names.Edit(0, 0, "edtName", "Name", 180);
    cbxStatus = names.Combo(1, 0, "cbxStatus", "");
    cbxStatus->Hide();

    WeekdaysBox = new ui::GroupBox(this);
    WeekdaysBox->SetParent(EditorPanel);
    WeekdaysBox->SetCaption("Weekdays");
    WeekdaysBox->SetBounds(8, names.Bottom(1), 486, 70);
    CheckBox1 = NewDayBox(this, WeekdaysBox, "CheckBox1", "Monday", 0);
    CheckBox2 = NewDayBox(this, WeekdaysBox, "CheckBox2", "Tuesday", 1);
    CheckBox3 = NewDayBox(this, WeekdaysBox, "CheckBox3", "Wednesday", 2);
    CheckBox4 = NewDayBox(this, WeekdaysBox, "CheckBox4", "Thursday", 3);
    CheckBox5 = NewDayBox(this, WeekdaysBox, "CheckBox5", "Friday", 4);
    CheckBox6 = NewDayBox(this, WeekdaysBox, "CheckBox6", "Saturday", 5);
    CheckBox7 = NewDayBox(this, WeekdaysBox, "CheckBox7", "Sunday", 6);
    CheckBox8 = NewDayBox(this, WeekdaysBox, "CheckBox8", "None", 7);
    CheckBox8->Hide();

    DailyBox = new ui::GroupBox(this);
    DailyBox->SetParent(EditorPanel);
    DailyBox->SetCaption("Daily");
    DailyBox->SetBounds(8, names.Bottom(1) + 78, 486, 70);
    EditorGrid daily(this, DailyBox, 240, 70, 18);
    edtStart = daily.Edit(0, 0, "edtStart", "Start Time", 80);
    edtEnd = daily.Edit(1, 0, "edtEnd", "End Time", 80);
    NewNote(this, DailyBox, 8 + 20 + 70, 18 + 24);
    NewNote(this, DailyBox, 8 + 240 + 20 + 70, 18 + 24);
}

std::vector<ui::CheckBox*> TTimeRangeForm::Weekdays() const {
    return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7};
}

void TTimeRangeForm::FormCreate(ui::Component*) {
    // The walk's end lets the user tick the days again.
    Ranges.OnWalkEnded = [this] {
        for (ui::CheckBox* day : Weekdays())
            if (day->Visible()) day->SetEnabled(true);
    };
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(Ranges, {.Table = &TimeRangeTable,
                          .Bind = [this](DialogRequest& request) {
                              request.BindEdit(RangeName, "%s", edtName);
                              // Bit 0 (the most significant) is Sunday, bit 7 "None".
                              request.BindCheckBoxes(SelectDays, "0,1,2,3,4,5,6,7",
                                                     {CheckBox7, CheckBox1, CheckBox2, CheckBox3, CheckBox4,
                                                      CheckBox5, CheckBox6, CheckBox8});
                              // A mask the agent sends short (or empty) shows clear days.
                              request.ShowMissingBitsClear(SelectDays);
                              request.BindEdit(StartTime, "%s", edtStart);
                              request.BindEdit(EndTime, "%s", edtEnd);
                          },
                          .Options = options,
                          .RowStatusColumn = Status,
                          .RowStatusCombo = cbxStatus,
                          .KeyEdits = {edtName},
                          .ClearedEdits = {edtName, edtStart, edtEnd},
                          .GuardsClose = true});
}

void TTimeRangeForm::ResetForm() {
    ClearEditors();
    SetEditorEnabled(cbxStatus, true);
    SetEditorEnabled(edtName, true);
    for (ui::CheckBox* day : Weekdays())
        if (day->Visible()) day->SetChecked(false);
}

void TTimeRangeForm::RowSelectionChanged(bool selected) {
    if (selected)
        SetEditorEnabled(cbxStatus, false);
    else
        ResetForm();
}

void TTimeRangeForm::btnGetClick() {
    if (!Ranges.PassRefreshGuard()) return;
    Ranges.Reread();
    ResetForm();
}

bool TTimeRangeForm::CheckDaysAndTimes() {
    const std::vector<ui::CheckBox*> days = Weekdays();
    if (std::none_of(days.begin(), days.end(), [](ui::CheckBox* day) { return day->Checked(); })) {
        ShowMessage(this, "Please select the weekdays");
        return false;
    }
    if (edtStart->Text().empty()) {
        ShowMessage(this, "Please select the daily start time");
        return false;
    }
    if (edtEnd->Text().empty()) {
        ShowMessage(this, "Please select the daily end time");
        return false;
    }
    return true;
}

void TTimeRangeForm::btnAddClick() {
    if (!Ranges.PassGuard()) return;
    Ranges.SelectRowStatus(RowStatusValue::CreateAndGo);
    if (!CheckDaysAndTimes()) return;
    Ranges.Write([this] { Ranges.Send(); });
}

void TTimeRangeForm::btnSetClick() {
    if (!ListView1->Selected() || !Ranges.PassGuard()) return;
    if (!CheckDaysAndTimes()) return;
    Ranges.SelectRowStatus(RowStatusValue::Active);
    Ranges.Write([this] { Ranges.Send(); });
    AfterRowWrite();
}

void TTimeRangeForm::btnDeleteClick() {
    if (!ListView1->Selected() || !Ranges.PassGuard()) return;
    Ranges.SelectRowStatus(RowStatusValue::Destroy);
    Ranges.Write([this] { Ranges.Send(); });
    ShowRowCount();
    AfterRowWrite();
}

// Edit and Delete disabled, Add and the name open again, the form reset.
void TTimeRangeForm::AfterRowWrite() {
    ResetRowButtons();
    ResetForm();
}
