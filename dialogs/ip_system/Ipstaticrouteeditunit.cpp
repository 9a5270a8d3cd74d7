#include "Ipstaticrouteeditunit.h"

#include "DeviceWindow.h"
#include "Dialogs.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "StdCtrls.h"

TIpStaticRouteEditForm* IpStaticRouteEditForm = nullptr;

namespace {

constexpr int Rows = 6;
constexpr const char* AnyAddress = "0.0.0.0";
constexpr size_t AddressLength = 16;
constexpr const char* DefaultRouteQuestion =
    "If you want to add a default route which Destination ip and Mask both are 0.0.0.0, you should use Add Default "
    "Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a defaut route?";

bool IsRouteMask(const std::string& mask) {
    return mask == "255.0.0.0" || mask == "255.255.0.0" || mask == "255.255.255.0" || mask == "255.255.255.255";
}

}  // namespace

TIpStaticRouteEditForm::TIpStaticRouteEditForm(ui::Form& dialog, DialogTable& table)
    : TDialogEditForm(dialog, table, 300, Rows * EditorGrid::RowHeight + 85) {
    SetName("IpStaticRouteEditForm");
    SetCaption("Ip Static Route Edit");
    EditorGrid grid(this, this, 290, 100);
    DesEdit = grid.Edit(0, 0, "DesEdit", "Destination");
    MaskEdit = grid.Edit(0, 1, "MaskEdit", "Mask");
    NextHopEdit = grid.Edit(0, 2, "NextHopEdit", "Next Hop");
    BakeupComboBox = grid.Combo(0, 3, "BakeupComboBox", "Bakeup State");
    MetricEdit = grid.Edit(0, 4, "MetricEdit", "Metric");
    cbxStatus = grid.Combo(0, 5, "cbxStatus", "Status");
    const int buttonTop = grid.Bottom(Rows) + 8;
    SetButton = new ui::Button(this);
    SetButton->SetName("SetButton");
    SetButton->SetParent(this);
    SetButton->SetCaption("Set");
    SetButton->SetBounds(110, buttonTop, 80, 25);
    SetButton->OnClick = [this](ui::Component*) { SetButtonClick(); };
    CloseButton = new ui::Button(this);
    CloseButton->SetName("CloseButton");
    CloseButton->SetParent(this);
    CloseButton->SetCaption("Close");
    CloseButton->SetBounds(200, buttonTop, 80, 25);
    CloseButton->OnClick = [this](ui::Component*) { Close(); };
    BindsColumns({{Destination, DesEdit, "%s{l16}"},
                  {Mask, MaskEdit, "%s{l16}"},
                  {NextHop, NextHopEdit, "%s{l16}"},
                  {BackupState, BakeupComboBox},
                  {Metric, MetricEdit, "%i{n1x65535l5}"}});
    PreparesEditors({DesEdit, MaskEdit}, {NextHopEdit, MetricEdit}, cbxStatus);
    CreatesWith(Valid);
}

TIpStaticRouteEditForm::~TIpStaticRouteEditForm() {
    if (IpStaticRouteEditForm == this) IpStaticRouteEditForm = nullptr;
}

void TIpStaticRouteEditForm::ShowForRoute(bool defaultRoute) {
    defaultRoute_ = defaultRoute;
    ShowFor(Mode::Add, tableDialog_.Caption(), defaultRoute ? " (Add Default Route)" : " (Add)");
}

void TIpStaticRouteEditForm::Activated() {
    BakeupComboBox->SetItemIndex(-1);
    SetEditorEnabled(BakeupComboBox, true);
    SetEditorEnabled(NextHopEdit, true);
    if (!defaultRoute_) return;
    for (ui::Edit* edit : {DesEdit, MaskEdit}) {
        edit->SetText(AnyAddress);
        SetEditorEnabled(edit, false);
    }
}

void TIpStaticRouteEditForm::SetButtonClick() {
    table_.SelectStatusValue(Valid);
    if (!RouteChecksPass()) return;
    std::vector<int> leftOut;
    if (MetricEdit->Text().empty()) leftOut.push_back(Metric);
    if (BakeupComboBox->ItemIndex() < 0) leftOut.push_back(BackupState);
    SetThroughTable(leftOut);
}

bool TIpStaticRouteEditForm::RouteChecksPass() {
    if (!defaultRoute_ && !(DestinationPasses() && MaskPasses())) return false;
    return NextHopPasses() && CheckOptionalNumberEdit(this, MetricEdit, 1, 65535, "Metric should between 1-65535");
}

bool TIpStaticRouteEditForm::DestinationPasses() {
    const std::string destination = DesEdit->Text();
    if (destination.empty()) return InputRefused(this, "Destination IP should be Set!", DesEdit);
    if (destination.size() > AddressLength) return InputRefused(this, "IP should be 16 bit", DesEdit);
    if (destination == AnyAddress) {
        // The default route has a button of its own: OK leaves for it, Cancel lets the user correct the address.
        if (ui::MessageBox(this, DefaultRouteQuestion, "Confirm", ui::mbOKCancel, ui::mtConfirmation) == ui::mrOk)
            Close();
        else if (DesEdit->Enabled())
            DesEdit->SetFocus();
        return false;
    }
    if (destination == "255.255.255.255")
        return InputRefused(this, "Destination ip can not be 255.255.255.255", DesEdit);
    return CheckIpEdit(this, DesEdit, "Please input a valid ip");
}

bool TIpStaticRouteEditForm::MaskPasses() {
    const std::string mask = MaskEdit->Text();
    if (mask.empty()) return InputRefused(this, "Mask should be Set", MaskEdit);
    if (mask.size() > AddressLength) return InputRefused(this, "IP should be 16 bit", MaskEdit);
    if (!IsRouteMask(mask)) return InputRefused(this, "Please input a valid mask", MaskEdit);
    return true;
}

bool TIpStaticRouteEditForm::NextHopPasses() {
    const std::string nextHop = NextHopEdit->Text();
    if (nextHop.empty()) return InputRefused(this, "Next Hop should be Set", NextHopEdit);
    if (nextHop.size() > AddressLength) return InputRefused(this, "Next Hop should be 16 bit", NextHopEdit);
    if (nextHop == AnyAddress) return InputRefused(this, "Next Hop can not be 0.0.0.0", NextHopEdit);
    if (nextHop == CurrentDeviceWindow().DeviceAddress())
        return InputRefused(this, "Next Hop can not be itself", NextHopEdit);
    return CheckIpEdit(this, NextHopEdit, "Please input a valid ip");
}
