#include "Ipv6staticrouteeditunit.h"

#include "EditorGrid.h"
#include "EditorInput.h"
#include "StdCtrls.h"

TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm = nullptr;

namespace {

constexpr int Rows = 7;
constexpr int Ipv6Digits = 32;
constexpr const char* InvalidIpv6 = "Please input a valid IPv6 address";
constexpr int NoBackup = 2;  // the entry "none"

}  // namespace

TIpv6StaticRouteEditForm::TIpv6StaticRouteEditForm(ui::Form& dialog, DialogTable& table)
    : TDialogEditForm(dialog, table, 420, Rows * EditorGrid::RowHeight + 85) {
    SetName("Ipv6StaticRouteEditForm");
    SetCaption("IPv6 Static Route Edit");
    EditorGrid grid(this, this, 410, 100);
    edtDst = grid.Edit(0, 0, "edtDst", "Destination", 260);
    edtPrefix = grid.Edit(0, 1, "edtPrefix", "Prefix Length", 60);
    edtInterface = grid.Edit(0, 2, "edtInterface", "Interface Name");
    edtNextHop = grid.Edit(0, 3, "edtNextHop", "Next Hop", 260);
    edtMetric = grid.Edit(0, 4, "edtMetric", "Metric", 60);
    cbxStatus = grid.Combo(0, 5, "cbxStatus", "Status");
    cbxBackup = grid.Combo(0, 6, "cbxBackup", "Backup State");
    edtProtocol = grid.Edit(0, 6, "edtProtocol", "");
    edtProtocol->Hide();
    const int buttonTop = grid.Bottom(Rows) + 8;
    btnSet = new ui::Button(this);
    btnSet->SetName("btnSet");
    btnSet->SetParent(this);
    btnSet->SetCaption("Set");
    btnSet->SetBounds(230, buttonTop, 80, 25);
    btnSet->OnClick = [this](ui::Component*) { btnSetClick(); };
    btnClose = new ui::Button(this);
    btnClose->SetName("btnClose");
    btnClose->SetParent(this);
    btnClose->SetCaption("Close");
    btnClose->SetBounds(320, buttonTop, 80, 25);
    btnClose->OnClick = [this](ui::Component*) { Close(); };
    BindsColumns({{Destination, edtDst, "%s{l32}"},
                  {PrefixLength, edtPrefix, "%i{n0x128l3}"},
                  {InterfaceName, edtInterface, "%s{l12}"},
                  {NextHop, edtNextHop, "%s{l32}"},
                  {Metric, edtMetric, "%i{n1x65535l5}"},
                  {Protocol, edtProtocol, "%s"},
                  {BackupState, cbxBackup}});
    PreparesEditors({edtDst, edtPrefix}, {edtInterface, edtNextHop, edtProtocol, edtMetric}, cbxStatus);
    KeepsDisabled({edtProtocol});
}

TIpv6StaticRouteEditForm::~TIpv6StaticRouteEditForm() {
    if (Ipv6StaticRouteEditForm == this) Ipv6StaticRouteEditForm = nullptr;
}

void TIpv6StaticRouteEditForm::ShowForRoute(bool defaultRoute) {
    defaultRoute_ = defaultRoute;
    ShowFor(Mode::Add, tableDialog_.Caption(), defaultRoute ? "(Add default)" : " (Add)");
}

void TIpv6StaticRouteEditForm::Activated() {
    cbxBackup->SetItemIndex(NoBackup);
    if (!defaultRoute_) return;
    edtDst->SetText(std::string(Ipv6Digits, '0'));
    edtPrefix->SetText("0");
    SetEditorEnabled(edtDst, false);
    SetEditorEnabled(edtPrefix, false);
}

void TIpv6StaticRouteEditForm::btnSetClick() {
    if (!defaultRoute_ && !DestinationPasses()) return;
    if (!NextHopPasses() || !CheckOptionalNumberEdit(this, edtMetric, 1, 65535, "Metric should between 1-65535"))
        return;
    if (edtMetric->Text().empty())
        SetThroughTable({Metric});
    else
        SetThroughTable();
}

bool TIpv6StaticRouteEditForm::DestinationPasses() {
    if (edtDst->Text().empty()) return InputRefused(this, "Please Set Destination Address");
    if (!CheckHexEdit(this, edtDst, Ipv6Digits, InvalidIpv6)) return false;
    if (edtPrefix->Text().empty()) return InputRefused(this, "Please Set Prefix length");
    const long long prefix = TextToIntDef(edtPrefix->Text(), -1);
    if (prefix < 0 || prefix > 128) return InputRefused(this, "Prefix should between 0-128", edtPrefix);
    return true;
}

bool TIpv6StaticRouteEditForm::NextHopPasses() {
    if (edtNextHop->Text().empty()) return InputRefused(this, "Please Set Next Hop Address");
    if (!CheckHexEdit(this, edtNextHop, Ipv6Digits, InvalidIpv6)) return false;
    if (edtNextHop->Text() == edtDst->Text())
        return InputRefused(this, "Duplicate IP address, Please input a valid Next Hop", edtNextHop);
    return true;
}
