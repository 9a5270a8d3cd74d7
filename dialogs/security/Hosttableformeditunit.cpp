#include "Hosttableformeditunit.h"

#include "EditorGrid.h"
#include "EditorInput.h"

#include "StdCtrls.h"

THostTableEditForm* HostTableEditForm = nullptr;

namespace {

constexpr int ColumnWidth = 300;
constexpr int LabelWidth = 110;
constexpr const char* InvalidIp = "Please input a valid ip";
constexpr const char* InvalidIpDot = "Please input a valid IP";
// Multicast and reserved addresses (first group 224 and above) cannot be trusted hosts.
constexpr long long FirstNonHostGroup = 224;

}  // namespace

THostTableEditForm::THostTableEditForm(ui::Form& dialog, DialogTable& hosts)
    : TDialogEditForm(dialog, hosts, ColumnWidth + 40, 4 * EditorGrid::RowHeight + 90) {
    SetName("HostTableEditForm");
    SetCaption("Host Table Edit");
    EditorGrid grid(this, this, ColumnWidth, LabelWidth);
    IndexCBox = grid.ApplyBox(0, 0, "IndexCBox");
    IndexEdit = grid.Edit(0, 0, "IndexEdit", "Index", 140);
    IPCBox = grid.ApplyBox(0, 1, "IPCBox");
    IpEdit = grid.Edit(0, 1, "IpEdit", "IP Address", 140);
    StatusCBox = grid.ApplyBox(0, 2, "StatusCBox");
    StatusComboBox = grid.Combo(0, 2, "StatusComboBox", "Status", 140);
    IPnetCBox = grid.ApplyBox(0, 3, "IPnetCBox");
    IPSubnetEdit = grid.Edit(0, 3, "IPSubnetEdit", "IP Subnet Mask", 140);
    const int top = grid.Bottom(4) + 10;
    SetButton = NewButton("SetButton", "Set Checked", 8, top, &THostTableEditForm::SetButtonClick);
    CheckAllButton = NewButton("CheckAllButton", "CheckAll", 8 + 80, top, &THostTableEditForm::CheckAllButtonClick);
    ClearButton = NewButton("ClearButton", "Clear Checked", 8 + 160, top, &THostTableEditForm::ClearButtonClick);
    CloseButton = NewButton("CloseButton", "Close", 8 + 240, top, nullptr);
    IndexCBox->SetChecked(true);
    StatusCBox->SetChecked(true);
    StatusCBox->SetEnabled(false);
    BindsColumns({{Index, IndexEdit, "%i{n1x30l2}"},
                  {IpAddress, IpEdit, "%s{l16}"},
                  {RowStatus, StatusComboBox},
                  {SubnetMask, IPSubnetEdit, "%s{l16}"}});
    PreparesEditors({IndexEdit}, {IpEdit, IPSubnetEdit}, StatusComboBox);
    OnActivate = [this](ui::Component* sender) {
        FormActivate(sender);
        PrepareBoxes();
    };
}

THostTableEditForm::~THostTableEditForm() {
    if (HostTableEditForm == this) HostTableEditForm = nullptr;
}

ui::Button* THostTableEditForm::NewButton(const char* name, const char* caption, int left, int top,
                                          void (THostTableEditForm::*click)()) {
    auto* button = new ui::Button(this);
    button->SetName(name);
    button->SetParent(this);
    button->SetCaption(caption);
    button->SetBounds(left, top, 75, 25);
    button->OnClick = [this, click](ui::Component*) {
        if (click)
            (this->*click)();
        else
            Close();
    };
    return button;
}

void THostTableEditForm::PrepareBoxes() {
    SetEditorEnabled(IpEdit, true);
    StatusCBox->SetChecked(true);
    IPnetCBox->SetChecked(false);
}

void THostTableEditForm::CheckAllButtonClick() {
    IPCBox->SetChecked(true);
    IPnetCBox->SetChecked(true);
}

void THostTableEditForm::ClearButtonClick() {
    IPCBox->SetChecked(false);
    IPnetCBox->SetChecked(false);
}

bool THostTableEditForm::HostAddressPasses() {
    const std::string text = IpEdit->Text();
    const auto refuse = [this](const std::string& message) { return RefuseInput(this, message, IpEdit), false; };
    if (text.empty()) return refuse("IP Address can't be empty");
    if (text == "255.255.255.255" || text == "0.0.0.0") return refuse("you can't input this ip address");
    if (text.rfind("127", 0) == 0) return refuse("you can't input ip address like 127.*.*.*");
    const size_t dot = text.find('.');
    if (dot == std::string::npos) return refuse(InvalidIp);
    const long long firstGroup = TextToIntDef(text.substr(0, dot), -1);
    if (firstGroup < 0 || firstGroup >= FirstNonHostGroup) return refuse(InvalidIp);
    return CheckIpEdit(this, IpEdit, InvalidIp, InvalidIpDot, InvalidIpDot);
}

void THostTableEditForm::SetButtonClick() {
    if (table_.Busy()) return;
    if (IPCBox->Checked() && !HostAddressPasses()) return;
    if (IPnetCBox->Checked() && IPSubnetEdit->Text().empty())
        return RefuseInput(this, "you have choosed the Trust Host IP Subnet Mask,it can't be empty", IPSubnetEdit);
    table_.SelectRowStatus(RowStatusValue::CreateAndGo);
    if (IPnetCBox->Checked()) return SetThroughTable();
    SetThroughTable({SubnetMask});
}
