#include "Dot3CounterForm.h"

#include "ComCtrls.h"
#include "EditorItems.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

namespace {

constexpr const char* NoCountersText = "Get data not completed!";

// Interval items after "none", in milliseconds.
const int Intervals[] = {2000, 5000, 10000, 30000, 60000};

}  // namespace

TDot3CounterForm::TDot3CounterForm(ui::Component* owner, const Layout& layout)
    : TDedicatedForm(owner, layout.Width, layout.Height), layout_(layout) {
    SetName(layout.Name);
    if (layout.CountersCloseFirst) {
        counters_ = &AddTable();
        table_ = &AddTable();
    } else {
        table_ = &AddTable();
        counters_ = &AddTable();
    }
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    Timer1 = new ui::Timer(this);
    Timer1->SetEnabled(false);
    Timer1->OnTimer = [this](ui::Component*) { Timer1Timer(); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) {
        Timer1->SetEnabled(false);
        FormClose(sender, action);
    };
}

void TDot3CounterForm::BuildCounterArea() {
    BuildTableArea("ListView1", 170, false);
    ListView1 = TableList;
    ListView2 = new ui::ListView(this);
    ListView2->SetName("ListView2");
    ListView2->SetParent(EditorPanel);
    ListView2->SetGridLines(true);
    ListView2->SetBounds(8, 64, 300, 90);
    ui::ListColumn* name = ListView2->Columns().Add();
    name->SetCaption("Name");
    name->SetWidth(layout_.NameWidth);
    ui::ListColumn* value = ListView2->Columns().Add();
    value->SetCaption("Value");
    value->SetAutoSize(true);
    for (const std::string& counter : layout_.CounterNames) ListView2->Items().Add()->SetTexts(counter, {""});
    lvChart = new ui::ListView(this);
    lvChart->SetName("lvChart");
    lvChart->SetParent(EditorPanel);
    lvChart->Hide();
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose", [this] {
        Timer1->SetEnabled(false);
        Close();
    });
    // The dialog's editors take the first line; the interval the second, the values below it.
    cbxInterval = EditorRow(this, EditorPanel, 8, 36).Combo("cbxInterval", "Interval Time", 60);
    cbxInterval->SetStyle(ui::csDropDownList);
    for (const char* item : {"none", "2s", "5s", "10s", "30s", "1m"}) cbxInterval->Items().Add(item);
    cbxInterval->SetItemIndex(0);
    cbxInterval->OnChange = [this](ui::Component*) { cbxIntervalChange(); };
}

void TDot3CounterForm::FormCreate(ui::Component*) {
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(*table_, {.Table = layout_.Table,
                           .Kind = MVT_FMV,
                           .Bind = [this](DialogRequest& request) { BindEditors(request); },
                           .Options = options});
    table_->OnWalkEnded = [this] { EnableEditors(); };
    DialogTable::Options counters = NoFlagTableOptions();
    counters.Errors = DialogTable::ErrorText::Bare;
    counters.FirstGet = false;
    counters_->Open(
        *layout_.Counters, MVT_SV, 0, [this](DialogRequest& request) { request.BindListView(lvChart, true); },
        counters);
    ResetEditors();
}

void TDot3CounterForm::btnGetClick() {
    if (!table_->PassRefreshGuard()) return;
    ResetCounterView();
    table_->Reread();
}

void TDot3CounterForm::cbxIntervalChange() {
    const int index = cbxInterval->ItemIndex();
    if (index == 0) {
        Timer1->SetEnabled(false);
    } else if (index >= 1 && index <= 5) {
        Timer1->SetInterval(Intervals[index - 1]);
        Timer1->SetEnabled(true);
    }
}

void TDot3CounterForm::RowSelectionChanged(bool selected) {
    ui::ListItem* row = ListView1->Selected();
    if (!selected || !row) return ResetCounterView();
    ReadCounters(row->Caption());
}

void TDot3CounterForm::ReadCounters(const std::string& portIndex) {
    if (!counters_->HasRequest()) return;
    // A fresh list, so the instance of the port clicked before is dropped.
    counters_->Vars() = NxSNMPVarList(layout_.Counters->Table, MVT_SV, 0);
    counters_->Vars().AppendOidSuffix(portIndex);
    counters_->Request()->Mode = NxSNMPRequest2Controls::ModeSync;
    portChosen_ = true;
    lvChart->Items().Clear();
    if (counters_->ReadAgain()) ShowCounterValues();
}

void TDot3CounterForm::Timer1Timer() {
    if (counters_->Busy()) return;
    lvChart->Items().Clear();
    // Before a port was clicked there is no instance to read.
    if (portChosen_ && !counters_->ReadAgain()) return;
    ShowCounterValues();
}

void TDot3CounterForm::ShowCounterValues() {
    if (lvChart->Items().Count() == 0) {
        ShowMessage(this, NoCountersText);
        ResetCounterView();
        return;
    }
    const ui::ListItem& counters = *lvChart->Items()[0];
    for (int row = 0; row < ListView2->Items().Count(); ++row)
        ListView2->Items()[row]->SubItems().Put(0, counters.ColumnText(row));
}

void TDot3CounterForm::ResetCounterView() {
    Timer1->SetEnabled(false);
    cbxInterval->SetItemIndex(0);
    for (int row = 0; row < ListView2->Items().Count(); ++row) ListView2->Items()[row]->SubItems().Put(0, "");
    ResetEditors();
    lvChart->Items().Clear();
}
