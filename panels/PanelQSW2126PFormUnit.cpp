#include "PanelQSW2126PFormUnit.h"

#include "Application.h"
#include "Catalog.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "Image.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPRequest2Leds.h"
#include "StdCtrls.h"

namespace {

const char* const PoeLedModeTable = "1.3.6.1.4.1.32473.12.24.2.1.1 (1 entries from \"Led State\")";
const char* const PoeSuffix = "_Poe";
constexpr int PoeModeIntervalMs = 2000;

ui::Bitmap PoeTogglePicture() {
    QImage image(23, 23, QImage::Format_RGB32);
    image.fill(QColor(52, 58, 66));
    for (int y = 4; y < 19; ++y)
        for (int x = 4; x < 19; ++x) image.setPixelColor(x, y, QColor(255, 200, 40));
    for (int y = 8; y < 15; ++y)
        for (int x = 8; x < 15; ++x) image.setPixelColor(x, y, QColor(40, 40, 40));
    ui::Bitmap bitmap;
    bitmap.SetImage(image);
    return bitmap;
}

}  // namespace

TPanelQSW2126PForm::TPanelQSW2126PForm(ui::Component* owner, TPanelHost& host)
    : TPanelForm(owner, host, "QSW-2126P") {
    CreateLedPanels(PoeSuffix);

    cmbxPOE = new ui::ComboBox(this);
    cmbxPOE->SetName("cmbxPOE");
    cmbxPOE->SetParent(this);
    cmbxPOE->SetStyle(ui::csDropDownList);
    cmbxPOE->SetVisible(false);

    const panels::Box& toggle = Geometry().PoeToggle;
    Image3 = new ui::Image(this);
    Image3->SetName("Image3");
    Image3->SetParent(this);
    Image3->SetBounds(toggle.Left, toggle.Top, toggle.Width, toggle.Height);
    Image3->Picture().Assign(PoeTogglePicture());
    Image3->OnClick = [this](ui::Component* sender) { Image3Click(sender); };

    Timer1 = new ui::Timer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(PoeModeIntervalMs);
    Timer1->OnTimer = [this](ui::Component* sender) { Timer1Timer(sender); };

    Memo1 = new ui::Memo(this);
    Memo1->SetName("Memo1");
    Memo1->SetParent(this);
    Memo1->SetVisible(false);
}

TPanelQSW2126PForm::~TPanelQSW2126PForm() {
    if (Timer1) Timer1->SetEnabled(false);
    StopAndFree(PoeModeRequest);
}

void TPanelQSW2126PForm::StartPoeModeRequest() {
    PoeModeRequest = new NxSNMPRequest2Edits(this);
    PoeModeRequest->Request.Vars = NxSNMPVarList(PanelCatalogTable(PoeLedModeTable), MVT_SV, 0);
    PoeModeRequest->Request.Vars.Instance = std::to_string(UnitNumber);
    PoeModeRequest->BindComboBox(0, cmbxPOE);
    PoeModeRequest->SetStatusMemo(Memo1);
    PoeModeRequest->OnAfterGet = [this] { ++modeReads_; };
    PoeModeRequest->Get();
}

void TPanelQSW2126PForm::InitPanelLeds() {
    try {
        StartPoeModeRequest();
        RunComboProbe();
    } catch (const std::exception&) {
        for (uint8_t& flag : ComboFlags) flag = 0;
        cmbxPOE->SetItemIndex(-1);
    }
    try {
        // Both LED sets show the one LED string: one request reads it per cycle and paints both.
        LedRequest = NewLedRequest().release();
        AddSystemAndPortLeds(*LedRequest, "", false);
        AddSystemAndPortLeds(*LedRequest, PoeSuffix, true);
        AddComboLeds(*LedRequest, "");
        AddComboLeds(*LedRequest, PoeSuffix);
        AddLedOnlyLeds(*LedRequest, "");
        AddLedOnlyLeds(*LedRequest, PoeSuffix);
        LedRequest->SetStatusPanel(Host().LedStatusPanel());
        LedRequest->Request.Vars.Name = " Led Status";
        LedRequest->StartPolling(300);
        RefreshPoeLedMode();
        Timer1->SetEnabled(true);
    } catch (const std::exception&) {
        // What was built stays; the main window's own StartPolling reports a lasting failure.
    }
}

void TPanelQSW2126PForm::RefreshPoeLedMode() {
    try {
        if (PoeModeRequest) PoeModeRequest->Get();
    } catch (const Exception& e) {
        Note(e.Message);
    }
    // The set shown follows the mode of an answer that has already arrived.
    ShowLedSet(cmbxPOE->Text() == "enabled");
}

void TPanelQSW2126PForm::ShowLedSet(bool poe) {
    auto show = [&](const panels::LedGroup& group) {
        if (ui::Panel* normal = LedPanel(group.Panel)) normal->SetVisible(!poe);
        if (ui::Panel* twin = LedPanel(group.Panel + PoeSuffix)) twin->SetVisible(poe);
    };
    for (const panels::LedGroup& group : Geometry().SystemLeds) show(group);
    for (const panels::LedGroup& group : Geometry().PortLeds) show(group);
    for (const panels::ComboPort& combo : Geometry().Combos) {
        show(combo.ComboPanel);
        show(combo.PortPanel);
    }
    for (const panels::LedGroup& group : Geometry().LedOnlyPorts) show(group);
}

// Flips the mode the switch reports now: a refresh read still under way is let finish, the mode is read again and
// the value of that answer is flipped and written. A failed read writes nothing: the mode is not known. The waits
// let events run, so the window keeps painting and the view may be closed meanwhile. The 2-second refresh runs
// again on every path but a close.
void TPanelQSW2126PForm::TogglePoeLedMode() {
    if (toggling_) return;  // a click while the toggle waits
    const std::weak_ptr<void> life = LifeToken();
    toggling_ = true;
    Timer1->SetEnabled(false);
    try {
        WaitWhileModeRead(life);
        if (life.expired()) return;
        const unsigned readsBefore = modeReads_;
        ModeRequest().Get();
        WaitWhileModeRead(life);
        if (life.expired()) return;
        if (modeReads_ != readsBefore) {
            cmbxPOE->SetItemIndex(cmbxPOE->ItemIndex() != 0 ? 0 : 1);
            ModeRequest().Set(true, true);
            RefreshPoeLedMode();
        }
    } catch (const std::exception& e) {
        Note(e.what());
    }
    toggling_ = false;
    if (!closed_) Timer1->SetEnabled(true);
}

NxSNMPRequest2Edits& TPanelQSW2126PForm::ModeRequest() const {
    if (!PoeModeRequest) throw Exception("The PoE LED mode cannot be read.");
    return *PoeModeRequest;
}

// Processes events while the mode request reads; returns at once when the view is freed meanwhile.
void TPanelQSW2126PForm::WaitWhileModeRead(const std::weak_ptr<void>& life) const {
    while (!life.expired() && PoeModeRequest && PoeModeRequest->Reading())
        ui::Application::Instance().ProcessMessages();
}

void TPanelQSW2126PForm::Image3Click(ui::Component*) { TogglePoeLedMode(); }

void TPanelQSW2126PForm::Timer1Timer(ui::Component*) {
    try {
        RefreshPoeLedMode();
    } catch (const Exception& e) {
        Note(e.Message);
    }
}

void TPanelQSW2126PForm::Note(const std::string& message) { AddMemoLine(*Memo1, message); }

void TPanelQSW2126PForm::FormClose(ui::Component*, ui::CloseAction& action) {
    if (LedRequest) LedRequest->StopPolling();
    StopAndFree(LedRequest);
    StopAndFree(ComboProbeRequest);
    StopAndFree(PoeModeRequest);
    closed_ = true;
    Timer1->SetEnabled(false);
    action = ui::caFree;
}
