#include "STPInfo.h"

#include "CatalogTables.h"
#include "ComCtrls.h"
#include "DeviceWindow.h"
#include "DialogProgress.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <charconv>
#include <cstdint>

TSTP_Info* STP_Info = nullptr;

namespace {

const CatalogTable& SettingsTable = Oid_switch::E_12_15_1_A;
const CatalogTable& MstpSettingsTable = Oid_switch::E_12_15_1_B;
const CatalogTable& StaStateTable = Oid_switch::E_11_70_7_2_1_2_B;

enum Setting { Version, MaxAge, HelloTime, ForwardDelay, MaxHops, TxHoldCount, Bpdu, Lbd, LbdRecover, NniBpdu };

constexpr const char* EmptyFieldText = "Don't Leave Empty Fileds !";
constexpr const char* DataErrorText = "Data Error !";
constexpr int ControlLeft = 170;
constexpr int ControlWidth = 120;
constexpr int LbdRecoverMin = 60;
constexpr int LbdRecoverMax = 1000000;

bool ParseInteger(const std::string& text, int32_t& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last;
}

// The text as an integer; raises Exception when it is not one.
int64_t ToInteger(const std::string& text) {
    int32_t value = 0;
    if (!ParseInteger(text, value)) throw Exception("'" + text + "' is not a valid integer value");
    return value;
}

bool IsMstp(const std::string& versionText) { return versionText == "mstp"; }

}  // namespace

TSTP_Info::TSTP_Info(ui::Component* owner)
    : TDedicatedForm(owner, 440, 420, Scaling::Unscaled),
      MstpSettingsRequest(AddTable()),
      StaStateRequest(AddTable()),
      SettingsRequest(AddTable()) {
    SetName("STP_Info");
    SetCaption("Spanning Tree Information");
    BuildButtonPanel("");
    BT_Get = NewPanelButton("BT_Get", "Refresh", [this] { BT_GetClick(BT_Get); });
    BT_Set = NewPanelButton("BT_Set", "Set", [this] { BT_SetClick(BT_Set); });
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    lbMSTPState = new ui::Label(this);
    lbMSTPState->SetName("lbMSTPState");
    lbMSTPState->SetParent(Panel1);
    lbMSTPState->SetTop(BT_Get->Top() + 4 * (BT_Get->Height() + 8));
    lbMSTPState->Hide();

    Combo_STPVersion = NewSettingCombo("Combo_STPVersion", "STP Version", ControlLeft, ControlWidth);
    ET_AgingTime = NewSettingEdit("ET_AgingTime", "Max Age (600-4000)", ControlLeft, ControlWidth);
    ET_HelloTime = NewSettingEdit("ET_HelloTime", "Hello Time(100-1000)", ControlLeft, ControlWidth);
    ET_ForwardDelay = NewSettingEdit("ET_ForwardDelay", "Forward Delay(400-3000)", ControlLeft, ControlWidth);
    ET_Priority = NewSettingEdit("ET_Priority", "Max Hops[1-40]", ControlLeft, ControlWidth);
    ED_TxHoldCount = NewSettingEdit("ED_TxHoldCount", "TX Hold Count (1-10)", ControlLeft, ControlWidth);
    Combo_BPDU = NewSettingCombo("Combo_BPDU", "Forwarding BPDU", ControlLeft, ControlWidth);
    Combo_LBD = NewSettingCombo("Combo_LBD", "STP LBD", ControlLeft, ControlWidth);
    ET_LBDRecover = NewSettingEdit("ET_LBDRecover", "STP LBD Recover time", ControlLeft, ControlWidth);
    NNIBPDUADDRESSComboBox = NewSettingCombo("NNIBPDUADDRESSComboBox", "NNI BPDU Address", ControlLeft, ControlWidth);
    for (const char* note : {"Notes : 2*(Forward Delay - 100) >= Max Age", "Max Age>= 2*(Hello Time + 100)"}) {
        ui::Label* label = NewSettingNote(note);
        ui::Font font = label->Font();
        font.Color = ui::clRed;
        label->SetFont(font);
    }
    ListView1 = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->Hide();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TSTP_Info::FormCreate(ui::Component*) {
    SetCaption("Spanning Tree Control : " + CurrentDeviceWindow().DeviceAddress());
    DialogTable::Options settings;
    settings.KeepsFlag = false;
    settings.Synchronous = true;
    settings.Timeout = 300;
    MstpSettingsRequest.Open(MstpSettingsTable, SVT_SV, 0,
                             [this](DialogRequest& request) { request.BindListView(ListView1, true); }, settings);
    DialogTable::Options state = settings;
    state.Timeout = 0;
    StaStateRequest.Open(StaStateTable, SVT_SV, 0,
                         [this](DialogRequest& request) { request.BindControl(0, lbMSTPState); }, state);
    // Before the binding, which keeps the handler and runs it on every change.
    Combo_STPVersion->OnChange = [this](ui::Component* sender) { Combo_STPVersionChange(sender); };
    SettingsRequest.Open(SettingsTable, SVT_SV, 0, [this](DialogRequest& request) {
        request.BindComboBox(Version, Combo_STPVersion);
        request.BindEdit(MaxAge, "%i{n600x4000l4a}", ET_AgingTime);
        request.BindEdit(HelloTime, "%i{n100x1000l4a}", ET_HelloTime);
        request.BindEdit(ForwardDelay, "%i{n400x3000l4a}", ET_ForwardDelay);
        request.BindEdit(MaxHops, "%i{n1x40l2a}", ET_Priority);
        request.BindEdit(TxHoldCount, "%i{n1x10l2a}", ED_TxHoldCount);
        request.BindComboBox(Bpdu, Combo_BPDU);
        request.BindComboBox(Lbd, Combo_LBD);
        request.BindEdit(LbdRecover, "%i", ET_LBDRecover);
        request.BindComboBox(NniBpdu, NNIBPDUADDRESSComboBox);
    }, settings);
    if (IsMstp(CurrentDeviceWindow().StpVersion())) ShowHelloTime(true, "");
}

void TSTP_Info::ShowHelloTime(bool mstp, const std::string& text) {
    ET_HelloTime->SetEnabled(!mstp);
    ET_HelloTime->SetColor(mstp ? ui::clMenu : ui::clWindow);
    ET_HelloTime->SetText(mstp ? std::string() : text);
}

void TSTP_Info::BT_GetClick(ui::Component*) {
    const bool mstp = IsMstp(CurrentDeviceWindow().StpVersion());
    SettingsRequest.Reread();
    if (mstp) MstpSettingsRequest.Reread();
    StaStateRequest.Reread();
    // Outside MSTP the edit keeps the value just read.
    ShowHelloTime(mstp, ET_HelloTime->Text());
}

void TSTP_Info::Combo_STPVersionChange(ui::Component*) { ShowHelloTime(IsMstp(Combo_STPVersion->Text()), "200"); }

void TSTP_Info::Fail(const std::string& message) { StatusBar1->Panels()[0]->SetText(message); }

void TSTP_Info::BT_SetClick(ui::Component*) {
    bool accepted = false;
    try {
        accepted = CheckAndSend();
    } catch (const Exception& error) {
        SettingsRequest.ShowError(error.Message);
    }
    // A refused or unsent SET changed nothing on the switch: no wait, and the main window keeps its version.
    if (!accepted) return;
    const std::string chosen = Combo_STPVersion->Text();
    DeviceWindow& window = CurrentDeviceWindow();
    if (chosen != window.StpVersion() && lbMSTPState->Caption() == "enabled")
        RunProgressForm2(*this, "Set STP Progress", "Change STP Version is doing...");
    window.SetStpVersion(chosen);
}

bool TSTP_Info::CheckAndSend() {
    if (ET_Priority->Text().empty() || ET_AgingTime->Text().empty() || ET_ForwardDelay->Text().empty() ||
        ET_LBDRecover->Text().empty()) {
        Fail(EmptyFieldText);
        return false;
    }
    const int64_t maxHops = ToInteger(ET_Priority->Text());
    const int64_t maxAge = ToInteger(ET_AgingTime->Text());
    const int64_t forwardDelay = ToInteger(ET_ForwardDelay->Text());
    int32_t lbdRecover = -1;
    if (!ParseInteger(ET_LBDRecover->Text(), lbdRecover)) lbdRecover = -1;
    if (maxAge > 2 * forwardDelay - 200) {
        Fail(DataErrorText);
        return false;
    }
    if (maxHops > 65535) {
        Fail("Priority value is wrong!");
        return false;
    }
    if (lbdRecover != 0 && (lbdRecover < LbdRecoverMin || lbdRecover > LbdRecoverMax)) {
        Fail("LBD recover time value is wrong!");
        ShowMessage(this, "LBD recover time should be equal to 0 or between 60-1000000");
        return false;
    }
    if (IsMstp(Combo_STPVersion->Text())) return SendMstpSettings();
    if (ET_HelloTime->Text().empty()) {
        Fail(EmptyFieldText);
        return false;
    }
    if (maxAge < 2 * ToInteger(ET_HelloTime->Text()) + 200) {
        Fail(DataErrorText);
        return false;
    }
    if (!SettingsRequest.Opened()) return false;
    return SettingsRequest.Request()->Set(true, true);
}

// One SET of the MSTP group, written from its list row: every setting but Hello Time.
bool TSTP_Info::SendMstpSettings() {
    if (!MstpSettingsRequest.Opened()) return false;
    ui::ListItem* row = ListView1->Items()[0];  // raises when the group was never read
    row->SetSelected(true);
    row->SetCaption(Combo_STPVersion->Text());
    const std::string values[] = {ET_AgingTime->Text(), ET_ForwardDelay->Text(), ET_Priority->Text(),
                                  ED_TxHoldCount->Text(), Combo_BPDU->Text(), Combo_LBD->Text(),
                                  ET_LBDRecover->Text(), NNIBPDUADDRESSComboBox->Text()};
    for (int k = 0; k < 8; ++k) row->SubItems().Put(k, values[k]);
    return MstpSettingsRequest.Request()->Set(true, true);
}

void TSTP_Info::btnCloseClick(ui::Component*) { Close(); }
