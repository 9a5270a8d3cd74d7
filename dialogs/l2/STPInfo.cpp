#include "STPInfo.h"

#include "CatalogTables.h"
#include "ComCtrls.h"
#include "DeviceWindow.h"
#include "DialogProgress.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <cstdint>

TSTP_Info* STP_Info = nullptr;

namespace {

const CatalogTable& SettingsTable = Oid_switch::E_12_15_1_A;
const CatalogTable& MstpSettingsTable = Oid_switch::E_12_15_1_B;
const CatalogTable& StaStateTable = Oid_switch::E_11_70_7_2_1_2_B;

enum Setting { Version, MaxAge, HelloTime, ForwardDelay, MaxHops, TxHoldCount, Bpdu, Lbd, LbdRecover, NniBpdu };

constexpr const char* EmptyFieldText = "Don't Leave Empty Fileds !";
constexpr const char* DataErrorText = "Data Error !";
constexpr int SettingsWidth = 330;
constexpr int LabelWidth = 150;
constexpr int LbdRecoverMin = 60;
constexpr int LbdRecoverMax = 1000000;

constexpr long long NotAnInteger = INT64_MIN;  // beyond the 32 bits a text may give

// The text as an integer; raises Exception when it is not one.
long long ToInteger(const std::string& text) {
    const long long value = TextToIntDef(text, NotAnInteger);
    if (value == NotAnInteger) throw Exception("'" + text + "' is not a valid integer value");
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
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get", [this] { BT_GetClick(); });
    BT_Set = NewRoleButton(ButtonRole::Set, "BT_Set", [this] { BT_SetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    lbMSTPState = new ui::Label(this);
    lbMSTPState->SetName("lbMSTPState");
    lbMSTPState->SetParent(Panel1);
    lbMSTPState->SetTop(BT_Get->Top() + 4 * (BT_Get->Height() + 8));
    lbMSTPState->Hide();

    EditorGrid rows(this, this, SettingsWidth, LabelWidth);
    int row = 0;
    Combo_STPVersion = rows.Combo(0, row++, "Combo_STPVersion", "STP Version");
    ET_AgingTime = rows.Edit(0, row++, "ET_AgingTime", "Max Age (600-4000)");
    ET_HelloTime = rows.Edit(0, row++, "ET_HelloTime", "Hello Time(100-1000)");
    ET_ForwardDelay = rows.Edit(0, row++, "ET_ForwardDelay", "Forward Delay(400-3000)");
    ET_Priority = rows.Edit(0, row++, "ET_Priority", "Max Hops[1-40]");
    ED_TxHoldCount = rows.Edit(0, row++, "ED_TxHoldCount", "TX Hold Count (1-10)");
    Combo_BPDU = rows.Combo(0, row++, "Combo_BPDU", "Forwarding BPDU");
    Combo_LBD = rows.Combo(0, row++, "Combo_LBD", "STP LBD");
    ET_LBDRecover = rows.Edit(0, row++, "ET_LBDRecover", "STP LBD Recover time");
    NNIBPDUADDRESSComboBox = rows.Combo(0, row++, "NNIBPDUADDRESSComboBox", "NNI BPDU Address");
    for (const char* note : {"Notes : 2*(Forward Delay - 100) >= Max Age", "Max Age>= 2*(Hello Time + 100)"}) {
        auto* label = new ui::Label(this);
        label->SetParent(this);
        label->SetCaption(note);
        label->SetTop(rows.Bottom(row++) + 4);
        label->SetLeft(8);
        ui::Font font = label->Font();
        font.Color = ui::clRed;
        label->SetFont(font);
    }
    ListView1 = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->Hide();
}

void TSTP_Info::FormCreate(ui::Component*) {
    SetCaption("Spanning Tree Control : " + CurrentDeviceWindow().DeviceAddress());
    DialogTable::Options settings = SynchronousTableOptions();
    settings.FirstGet = true;
    settings.Errors = DialogTable::ErrorText::Template;
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
    SetEditorEnabled(ET_HelloTime, !mstp);
    ET_HelloTime->SetText(mstp ? std::string() : text);
}

void TSTP_Info::BT_GetClick() {
    const bool mstp = IsMstp(CurrentDeviceWindow().StpVersion());
    SettingsRequest.Reread();
    if (mstp) MstpSettingsRequest.Reread();
    StaStateRequest.Reread();
    // Outside MSTP the edit keeps the value just read.
    ShowHelloTime(mstp, ET_HelloTime->Text());
}

void TSTP_Info::Combo_STPVersionChange(ui::Component*) { ShowHelloTime(IsMstp(Combo_STPVersion->Text()), "200"); }

void TSTP_Info::Fail(const std::string& message) { StatusBar1->Panels()[0]->SetText(message); }

void TSTP_Info::BT_SetClick() {
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
    const long long maxHops = ToInteger(ET_Priority->Text());
    const long long maxAge = ToInteger(ET_AgingTime->Text());
    const long long forwardDelay = ToInteger(ET_ForwardDelay->Text());
    const long long lbdRecover = TextToIntDef(ET_LBDRecover->Text(), -1);
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
    if (!SettingsRequest.HasRequest()) return false;
    return SettingsRequest.Request()->Set(true, true);
}

// One SET of the MSTP group, written from its list row: every setting but Hello Time.
bool TSTP_Info::SendMstpSettings() {
    if (!MstpSettingsRequest.HasRequest()) return false;
    ui::ListItem* row = ListView1->Items()[0];  // raises when the group was never read
    row->SetSelected(true);
    row->SetCaption(Combo_STPVersion->Text());
    const std::string values[] = {ET_AgingTime->Text(), ET_ForwardDelay->Text(), ET_Priority->Text(),
                                  ED_TxHoldCount->Text(), Combo_BPDU->Text(), Combo_LBD->Text(),
                                  ET_LBDRecover->Text(), NNIBPDUADDRESSComboBox->Text()};
    for (int k = 0; k < 8; ++k) row->SubItems().Put(k, values[k]);
    return MstpSettingsRequest.Request()->Set(true, true);
}
