#include "Summertime.h"

#include "CatalogTables.h"
#include "DialogMessages.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "GUIEditorPanel.h"
#include "GUIPanels.h"
#include "NxOptionList.h"
#include "NxSNMPRequest2Edits.h"
#include "StdCtrls.h"

#include <algorithm>
#include <array>

namespace {

const CatalogTable& SummerTimeGroup = Oid_time::E_12_10_12;
constexpr int EditWidth = 240;
constexpr int RuleRows = 4;

constexpr NxOptionPair MonthPairs[] = {NxOptionPair::Int(1, "Jan"),
                                       NxOptionPair::Int(2, "Feb"),
                                       NxOptionPair::Int(3, "Mar"),
                                       NxOptionPair::Int(4, "Apr"),
                                       NxOptionPair::Int(5, "May"),
                                       NxOptionPair::Int(6, "Jun"),
                                       NxOptionPair::Int(7, "Jul"),
                                       NxOptionPair::Int(8, "Aug"),
                                       NxOptionPair::Int(9, "Sep"),
                                       NxOptionPair::Int(10, "Oct"),
                                       NxOptionPair::Int(11, "Nov"),
                                       NxOptionPair::Int(12, "Dec"),
                                       {}};
constexpr NxOptionPair WeekdayPairs[] = {
    NxOptionPair::Int(1, "Sun"), NxOptionPair::Int(2, "Mon"), NxOptionPair::Int(3, "Tue"), NxOptionPair::Int(4, "Wed"),
    NxOptionPair::Int(5, "Thu"), NxOptionPair::Int(6, "Fri"), NxOptionPair::Int(7, "Sat"), {}};
constexpr NxOptionPair WeekPairs[] = {NxOptionPair::Int(1, "1st"),    NxOptionPair::Int(2, "2nd"),
                                      NxOptionPair::Int(3, "3rd"),    NxOptionPair::Int(4, "4th"),
                                      NxOptionPair::Int(255, "last"), {}};

NxOptionList MonthOptions;
NxOptionList WeekdayOptions;
NxOptionList WeekOptions;

// Days of each month; February always 28.
constexpr std::array<int, 12> MonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int RuleIndex(int row) { return row - TSummerTimeForm::RepeatStart; }

ui::ComboBox* NewPartCombo(ui::Panel* panel, int left, int width) {
    auto* combo = new ui::ComboBox(panel->Owner());
    combo->SetParent(panel);
    combo->SetBounds(left, 0, width, panel->Height());
    return combo;
}

ui::Edit* NewPartEdit(ui::Panel* panel, int left, int width, const std::string& hint) {
    auto* edit = new ui::Edit(panel->Owner());
    edit->SetParent(panel);
    edit->SetBounds(left, 0, width, panel->Height());
    edit->SetHint(hint);
    edit->SetShowHint(true);
    return edit;
}

// The bold ":" right after the hour edit.
void NewHourColon(ui::Panel* panel, const ui::Edit* hour) {
    auto* colon = new ui::Label(panel->Owner());
    colon->SetParent(panel);
    colon->SetCaption(":");
    ui::Font font = colon->Font();
    font.Bold = true;
    colon->SetFont(font);
    colon->SetLeft(hour->Left() + hour->Width());
    colon->SetTop(2);
}

// A part's number as typed: a decimal text of 0 or more, else -1.
long long PartNumber(const ui::Control* part) {
    const auto* edit = dynamic_cast<const ui::Edit*>(part);
    return edit ? TextToIntDef(edit->Text(), -1) : -1;
}

int ChosenValue(const ui::Control* part, const NxOptionList& options) {
    const auto* combo = dynamic_cast<const ui::ComboBox*>(part);
    if (!combo || combo->ItemIndex() < 0 || combo->ItemIndex() >= options.Count()) return -1;
    return options.GetPair(combo->ItemIndex()).IntValue;
}

bool IsTime(long long hour, long long minute) { return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59; }

}  // namespace

void SummerTimeOptionListsInit() {
    MonthOptions.Build(MonthPairs, NxOptionList::KindInteger);
    WeekdayOptions.Build(WeekdayPairs, NxOptionList::KindInteger);
    WeekOptions.Build(WeekPairs, NxOptionList::KindInteger);
}

void SummerTimeOptionListsExit() {
    WeekOptions.Clear();
    WeekdayOptions.Clear();
    MonthOptions.Clear();
}

TSummerTimeForm::TSummerTimeForm(ui::Component* owner)
    : ui::Form(owner), rules_(std::make_unique<TCtrlsList[]>(RuleRows)) {
    SetName("SummerTimeForm");
    SetCaption("Summer Time");
    SetBorderStyle(ui::bsDialog);
    request_ = std::make_unique<NxSNMPRequest2Edits>(this);
    request_->Request.Vars = NxSNMPVarList(SummerTimeGroup.Table, SVT_SV, 0);
    request_->Mode = NxSNMPRequest2Controls::ModeSync;
    editorPanel_ = new TSNMPEditorPanel(this, request_.get());
    editorPanel_->SetParent(this);
    editorPanel_->PlaceOnForm(this);
    editorPanel_->SetEditWidth(EditWidth);
    editorPanel_->SetVarFormat(Offset, "%i{n30x120l3}");
    TEditsPanel& rows = *editorPanel_->EditsPanel;
    for (Row row : {RepeatStart, RepeatEnd, AnnualStart, AnnualEnd}) rows.MakeCompositeRow(row, rules_[RuleIndex(row)]);
    for (Row row : {RepeatStart, RepeatEnd}) BuildRepeatingRow(row);
    for (Row row : {AnnualStart, AnnualEnd}) BuildAnnualRow(row);
    editorPanel_->ButtonPanel->RefreshButton->OnClick = [this](ui::Component*) { Refresh(); };
    editorPanel_->ButtonPanel->SetCheckedButton->OnClick = [this](ui::Component*) { SetChecked(); };
    StatusBox()->OnChange = [this](ui::Component*) { SwitchRows(); };
    rows.SetVarText(Status, "repeating");
    SwitchRows();
    rows.ArrangeEdits(2, true);
    editorPanel_->SetClientControl(&rows);
    editorPanel_->PlaceOnForm(this);
    Refresh();
    OnClose = [this](ui::Component*, ui::CloseAction&) { FormClose(); };
}

TSummerTimeForm::~TSummerTimeForm() { FormClose(); }

void TSummerTimeForm::FormClose() {
    if (request_) {
        request_->Request.Active = 0;
        request_.reset();
    }
    delete editorPanel_;
    editorPanel_ = nullptr;
}

const TCtrlsList& TSummerTimeForm::RuleControls(Row row) const { return rules_[RuleIndex(row)]; }

ui::ComboBox* TSummerTimeForm::StatusBox() const {
    return static_cast<ui::ComboBox*>(editorPanel_->EditsPanel->Rows[Status].Editor);
}

ui::Edit* TSummerTimeForm::OffsetEdit() const {
    return static_cast<ui::Edit*>(editorPanel_->EditsPanel->Rows[Offset].Editor);
}

// Month, week, weekday (combo boxes a fifth of the row wide), hour and minute (edits 4 pixels narrower, 4 right).
void TSummerTimeForm::BuildRepeatingRow(Row row) {
    TCtrlsList& controls = rules_[RuleIndex(row)];
    ui::Panel* panel = controls.RowPanel();
    const int fifth = panel->Width() / 5;
    auto* month = NewPartCombo(panel, 0, fifth);
    auto* week = NewPartCombo(panel, fifth, fifth);
    auto* weekday = NewPartCombo(panel, 2 * fifth, fifth);
    auto* hour = NewPartEdit(panel, 3 * fifth + 4, fifth - 4, "Hour");
    auto* minute = NewPartEdit(panel, 4 * fifth + 4, fifth - 4, "Minute");
    NewHourColon(panel, hour);
    request_->BindPartControl(row, 3, sxUInt8, &MonthOptions, month);
    request_->BindPartControl(row, 0, sxUInt8, &WeekOptions, week);
    request_->BindPartControl(row, 1, sxUInt16, &WeekdayOptions, weekday);
    request_->BindPartEdit(row, 4, sxUInt8, nullptr, "%i", hour);
    request_->BindPartEdit(row, 5, sxUInt8, nullptr, "%i", minute);
    controls.Controls.insert(controls.Controls.end(), {month, week, weekday, hour, minute});
}

// Day, month, hour and minute, each a quarter of the row less 4 pixels; hour and minute 4 pixels right.
void TSummerTimeForm::BuildAnnualRow(Row row) {
    TCtrlsList& controls = rules_[RuleIndex(row)];
    ui::Panel* panel = controls.RowPanel();
    const int quarter = panel->Width() / 4;
    auto* day = NewPartEdit(panel, 0, quarter - 4, "Day");
    auto* month = NewPartCombo(panel, quarter, quarter - 4);
    auto* hour = NewPartEdit(panel, 2 * quarter + 4, quarter - 4, "Hour");
    auto* minute = NewPartEdit(panel, 3 * quarter + 4, quarter - 4, "Minute");
    NewHourColon(panel, hour);
    request_->BindPartEdit(row, 0, sxUInt8, nullptr, "%i", day);
    request_->BindPartControl(row, 1, sxUInt8, &MonthOptions, month);
    request_->BindPartEdit(row, 2, sxUInt8, nullptr, "%i", hour);
    request_->BindPartEdit(row, 3, sxUInt8, nullptr, "%i", minute);
    controls.Controls.insert(controls.Controls.end(), {day, month, hour, minute});
}

std::string TSummerTimeForm::StatusText() const { return StatusBox()->Text(); }

bool TSummerTimeForm::Ticked(Row row) const { return editorPanel_->EditsPanel->Rows[row].CheckBox->Checked(); }

// Rows left out of the next read or write: every one but rows.
void TSummerTimeForm::IncludeOnly(std::initializer_list<int> rows) {
    NxSNMPVarList& vars = request_->Request.Vars;
    for (int i = 0; i < vars.GetCount(); ++i) {
        const bool included = std::find(rows.begin(), rows.end(), i) != rows.end();
        if (included)
            vars.GetVar(i)->Access &= ~invalid;
        else
            vars.GetVar(i)->Access |= invalid;
    }
}

void TSummerTimeForm::SwitchRows() {
    TEditsPanel& rows = *editorPanel_->EditsPanel;
    const std::string status = StatusText();
    const bool repeating = status == "repeating";
    const bool annual = status == "annual";
    for (Row row : {RepeatStart, RepeatEnd, AnnualStart, AnnualEnd}) {
        const bool shown = (row <= RepeatEnd) ? repeating : annual;
        if (shown) {
            rows.ShowVar(row);
        } else {
            rows.HideVar(row);
            rows.UncheckVar(row);
        }
    }
    rows.ArrangeEdits(2, false);
}

void TSummerTimeForm::Refresh() {
    if (!request_) return;
    const auto read = [this] {
        try {
            request_->Request.Active = 1;
            request_->Get();
        } catch (const std::exception& error) {
            request_->ShowStatus(error.what());
        }
    };
    IncludeOnly({Status});
    read();
    SwitchRows();
    const std::string status = StatusText();
    if (status == "repeating")
        IncludeOnly({Status, Offset, RepeatStart, RepeatEnd});
    else if (status == "annual")
        IncludeOnly({Status, Offset, AnnualStart, AnnualEnd});
    else
        IncludeOnly({Status, Offset});
    read();
}

bool TSummerTimeForm::RepeatingRowsPass() {
    int months[2] = {-1, -1};
    for (Row row : {RepeatStart, RepeatEnd}) {
        if (!Ticked(row)) continue;
        const std::vector<ui::Control*> parts = RuleControls(row).Parts();
        const int month = ChosenValue(parts[0], MonthOptions);
        const bool chosen =
            month > 0 && ChosenValue(parts[1], WeekOptions) > 0 && ChosenValue(parts[2], WeekdayOptions) > 0;
        if (!chosen || !IsTime(PartNumber(parts[3]), PartNumber(parts[4]))) return InputRefused(this, "Time error.");
        months[row - RepeatStart] = month;
    }
    if (months[0] > 0 && months[0] == months[1])
        return InputRefused(this, "From month and To month should not be the same.");
    return true;
}

bool TSummerTimeForm::AnnualRowsPass() {
    int months[2] = {-1, -1};
    for (Row row : {AnnualStart, AnnualEnd}) {
        if (!Ticked(row)) continue;
        const std::vector<ui::Control*> parts = RuleControls(row).Parts();
        const long long day = PartNumber(parts[0]);
        const int month = ChosenValue(parts[1], MonthOptions);
        // A day of 0 names no date.
        const bool date = month > 0 && day >= 1 && day <= MonthDays[static_cast<size_t>(month - 1)];
        if (!date || !IsTime(PartNumber(parts[2]), PartNumber(parts[3]))) return InputRefused(this, "Time error.");
        months[row - AnnualStart] = month;
    }
    if (months[0] > 0 && months[0] == months[1])
        return InputRefused(this, "From month and To month should not be the same.");
    return true;
}

bool TSummerTimeForm::ChecksPass() {
    if (Ticked(Status) && StatusBox()->ItemIndex() < 0) return InputRefused(this, "Please choose Summer Time Status.");
    const std::string offset = OffsetEdit()->Text();
    if (Ticked(Offset) && !offset.empty()) {
        const long long minutes = TextToIntDef(offset, -1);
        if (minutes < 30 || minutes > 120 || minutes % 30 != 0)
            return InputRefused(this, "Summer Time Offset must chosed from {30, 60, 90, 120}.");
    }
    const std::string status = StatusText();
    if (status == "repeating") return RepeatingRowsPass();
    if (status == "annual") return AnnualRowsPass();
    return true;
}

void TSummerTimeForm::SetChecked() {
    if (!request_ || !ChecksPass()) return;
    for (int i = 0; i < RuleRows; ++i) rules_[i].MarkComplete();
    ui::BitBtn* set = editorPanel_->ButtonPanel->SetCheckedButton;
    IncludeOnly({Status});
    editorPanel_->SetCheckedClick(set);
    const std::string status = StatusText();
    if (status == "repeating")
        IncludeOnly({Offset, RepeatStart, RepeatEnd});
    else if (status == "annual")
        IncludeOnly({Offset, AnnualStart, AnnualEnd});
    else
        IncludeOnly({Offset});
    editorPanel_->SetCheckedClick(set);
}
