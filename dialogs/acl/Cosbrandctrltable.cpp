#include "Cosbrandctrltable.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "EditorItems.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "LabelledControl.h"
#include "ListView.h"
#include "StdCtrls.h"

TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm = nullptr;

namespace {

const CatalogTable& RateTable = Oid_switch::E_11_70_7_2_6_7_1;

enum Column { PortColumn, ClassId, MinRate, MaxRate };

constexpr const char* NoLimitText = "No Limit";
constexpr long long LowestRate = 64;
constexpr long long HighestRate = 1024000;

// While it lives, the "No Limit" rates of item read "0", as the binding copies the row into the variables.
class NoLimitAsZero {
public:
    explicit NoLimitAsZero(ui::ListItem* item) : item_(item) {
        if (!item_) return;
        for (int i = 0; i < item_->SubItems().Count(); ++i) saved_.push_back(item_->SubItems()[i]);
        std::vector<std::string> numbers = saved_;
        for (int column : {MinRate, MaxRate}) {
            const auto subItem = static_cast<size_t>(column - 1);
            if (subItem < numbers.size() && numbers[subItem] == NoLimitText) numbers[subItem] = "0";
        }
        item_->SetTexts(item_->Caption(), std::move(numbers));
    }
    ~NoLimitAsZero() {
        if (item_) item_->SetTexts(item_->Caption(), std::move(saved_));
    }
    NoLimitAsZero(const NoLimitAsZero&) = delete;
    NoLimitAsZero& operator=(const NoLimitAsZero&) = delete;

private:
    ui::ListItem* item_;
    std::vector<std::string> saved_;
};

}  // namespace

void CoSBrandWidthNewRequest2Edits::ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) {
    NoLimitAsZero numbers(selected ? item : nullptr);
    DialogRequest::ListViewSelectItem(sender, item, selected);
}

void CoSBrandWidthNewRequest2Edits::ControlsToRequest() {
    NoLimitAsZero numbers(ListView ? ListView->Selected() : nullptr);
    DialogRequest::ControlsToRequest();
}

void CoSBrandWidthNewRequest2Edits::RowReceived() {
    if (!ListView) return;
    for (int column : {MinRate, MaxRate}) {
        std::string& value = Request.Vars.GetVar(column)->Value;
        if (value == "0") value = NoLimitText;
    }
    AddListItem();
}

TCoSBrandwidthctrlForm::TCoSBrandwidthctrlForm(ui::Component* owner)
    : TDedicatedForm(owner, 640, 420), Rates(AddTable()) {
    SetName("CoSBrandwidthctrlForm");
    SetCaption("CoS Brandwidth Control");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    EditButton = NewRoleButton(ButtonRole::Set, "EditButton", "Edit", [this] { EditButtonClick(); });
    StopButton = NewRoleButton(ButtonRole::Stop, "StopButton");
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildTableArea("ListView1", 200, false, EditorGrid::RowHeight * 3 + 16);
    ListView1 = TableList;

    EditorGrid grid(this, EditorPanel, 220, 80);
    PortText = grid.Text(0, 0, "PortText", "Port Number", 80);
    ClassIDText = grid.Text(1, 0, "ClassIDText", "Class ID", 80);
    Typecbx = grid.Combo(0, 1, "Typecbx", "Type", 100);
    Typecbx->Items().Add("Min Rate");
    Typecbx->Items().Add("Max Rate");
    rateEdit = grid.Edit(1, 1, "rateEdit", "Rate", 80);
    auto* unit = new ui::Label(this);
    unit->SetParent(EditorPanel);
    unit->SetCaption("Kbit/sec");
    unit->SetBounds(rateEdit->Left() + rateEdit->Width() + 4, rateEdit->Top() + 4, 60, 15);
    NOLIMITRBT = grid.ApplyBox(0, 2, "NOLIMITRBT", "No Limit");
    NOLIMITRBT->OnClick = [this](ui::Component*) { CheckBox1Click(); };
    RXText = grid.Text(1, 2, "RXText", "", 60);
    TXText = grid.Text(1, 2, "TXText", "", 60);
    RXText->Hide();
    TXText->Hide();
}

void TCoSBrandwidthctrlForm::FormCreate(ui::Component*) {
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    options.StopSetsFlag = true;
    options.RefreshRefusedText = "Get data not complete!";
    options.MakeRequest = RequestOf<CoSBrandWidthNewRequest2Edits>();
    OpenRowTable(Rates, {.Table = &RateTable,
                         .KeyCount = 2,
                         .Bind =
                             [this](DialogRequest& request) {
                                 request.BindStaticText(PortColumn, PortText);
                                 request.BindStaticText(ClassId, ClassIDText);
                                 request.BindStaticText(MinRate, RXText);
                                 request.BindStaticText(MaxRate, TXText);
                             },
                         .Options = options});
    if (ui::Label* label = LabelOf(PortText)) label->SetEnabled(false);
    ShowRowCount();
}

void TCoSBrandwidthctrlForm::CheckBox1Click() {
    const bool noLimit = NOLIMITRBT->Checked();
    rateEdit->SetEnabled(!noLimit);
    rateEdit->SetColor(noLimit ? ui::clBtnFace : ui::clWindow);
    rateEdit->SetText(noLimit ? "0" : "");
}

void TCoSBrandwidthctrlForm::GetButtonClick() {
    if (!Rates.PassRefreshGuard()) return;
    Rates.Stop();
    PortText->SetCaption(" ");
    Rates.Reread();
    ResetRowButtons();
    ShowRowCount();
}

void TCoSBrandwidthctrlForm::EditButtonClick() {
    if (!ListView1->Selected()) return;
    if (ui::Label* label = LabelOf(PortText)) label->SetEnabled(false);
    if (!Rates.PassGuard()) return;
    if (rateEdit->Text().empty()) return ShowMessage(this, "Please input a rate number!");
    const long long rate = TextToIntDef(rateEdit->Text(), -1);
    if (rate < 0 || rateEdit->Text().find_first_not_of("0123456789") != std::string::npos)
        return Rates.ShowError("'" + rateEdit->Text() + "' is not a valid integer value");
    if (!NOLIMITRBT->Checked() && (rate < LowestRate || rate > HighestRate))
        return ShowMessage(this, "Please input a number between 64 and 1024000!");
    const std::string type = Typecbx->ItemIndex() >= 0 ? Typecbx->Items()[Typecbx->ItemIndex()] : std::string();
    const std::string rateText = std::to_string(NOLIMITRBT->Checked() ? 0 : rate);
    if (type == "Min Rate") RXText->SetCaption(rateText);
    if (type == "Max Rate") TXText->SetCaption(rateText);
    WriteRates();
}

// One synchronous SET of both rates of the selected row, then the table read again.
void TCoSBrandwidthctrlForm::WriteRates() {
    DialogRequest& request = *Rates.Request();
    const bool sent = Rates.WriteOnly([&] {
        request.Mode = NxSNMPRequest2Controls::ModeSync;
        struct AsyncAgain {
            DialogRequest& request;
            ~AsyncAgain() { request.Mode = NxSNMPRequest2Controls::ModeAsync; }
        } asyncAgain{request};
        Rates.Send();
    });
    if (sent) Rates.Reread();
}
