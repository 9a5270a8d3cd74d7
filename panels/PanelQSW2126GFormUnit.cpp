#include "PanelQSW2126GFormUnit.h"

#include "ExtCtrls.h"
#include "Image.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPRequest2Leds.h"
#include "PanelPictures.h"
#include "StdCtrls.h"

namespace {

std::string GreenName(int n) { return "Port" + std::to_string(n) + "green"; }
std::string OrangeName(int n) { return "Port" + std::to_string(n) + "Orange"; }

bool IsOrange(const std::string& code) { return code == "8201" || code == "8202"; }
bool IsGreen(const std::string& code) { return code == "8203"; }
bool IsAbsent(const std::string& code) { return code == "0101"; }

}  // namespace

TPanelQSW2126GForm::TPanelQSW2126GForm(ui::Component* owner, TPanelHost& host)
    : TPanelForm(owner, host, "QSW-2126G") {
    Image1->SetStretch(false);  // drawn at the view's size
    portspeedled = new ui::Label(this);
    portspeedled->SetName("portspeedled");
    portspeedled->SetParent(this);
    portspeedled->SetCaption("portspeedled");
    portspeedled->SetVisible(false);
    CreatePortPictures();
}

TPanelQSW2126GForm::~TPanelQSW2126GForm() { StopAndFree(LedTextRequest); }

// Pictures 1-24 at the fibre connectors, 25-28 at the copper connectors of combo ports 21-24.
void TPanelQSW2126GForm::CreatePortPictures() {
    const auto& connectors = Geometry().Connectors;
    for (int n = 1; n <= 28 && n <= static_cast<int>(connectors.size()); ++n) {
        const panels::Box& at = connectors[static_cast<size_t>(n - 1)].Bounds;
        for (bool green : {true, false}) {
            auto* picture = new ui::Image(this);
            picture->SetName(green ? GreenName(n) : OrangeName(n));
            picture->SetParent(this);
            picture->SetBounds(at.Left + 3, at.Top + 1, at.Width - 6, 4);
            picture->SetStretch(true);
            picture->Picture().Assign(panels::PortStatePicture(green, at.Width - 6, 4));
            picture->SetVisible(false);
        }
    }
}

void TPanelQSW2126GForm::InitPanelLeds() {
    ProbeComboPorts();
    try {
        ReadLedText();
        UpdatePortPictures();
        LedRequest = NewLedRequest().release();
        for (const panels::LedGroup& group : Geometry().SystemLeds) AddLedGroup(*LedRequest, group, "", ColorMap(group.Map));
        for (const panels::LedGroup& group : Geometry().PortLeds) AddLedGroup(*LedRequest, group, "", ColorMap(group.Map));
        // The probed connector is the copper one, Combo<k>Panel; the panel without the LED is hidden.
        for (size_t k = 0; k < Geometry().Combos.size() && k < 4; ++k) {
            const panels::ComboPort& combo = Geometry().Combos[k];
            const bool copperLinked = ComboFlags[k] != 0;
            const panels::LedGroup& shown = copperLinked ? combo.ComboPanel : combo.PortPanel;
            const panels::LedGroup& dark = copperLinked ? combo.PortPanel : combo.ComboPanel;
            AddLedGroup(*LedRequest, shown, "", ColorMap(shown.Map));
            if (ui::Panel* panel = LedPanel(dark.Panel)) {
                panel->SetColor(ui::clBlack);
                panel->SetVisible(false);
            }
            if (ui::Panel* panel = LedPanel(shown.Panel)) panel->SetVisible(true);
        }
        AddLedOnlyLeds(*LedRequest, "");
        DrawUnitPicture();
        LedRequest->SetStatusPanel(Host().LedStatusPanel());
        LedRequest->Request.Vars.Name = " Led Status";
        LedRequest->StartPolling(300);
    } catch (const std::exception&) {
        // What was built stays; the main window's own StartPolling reports a lasting failure.
    }
}

// The LED string read once, as hex text whatever the variable's syntax: the stack-unit column is a display string,
// whose text would stop at the first zero octet.
void TPanelQSW2126GForm::ReadLedText() {
    LedTextRequest = new NxSNMPRequest2Edits(this);
    LedTextRequest->Mode = NxSNMPRequest2Controls::ModeSync;
    AssignLedVariable(*LedTextRequest);
    LedTextRequest->Request.Vars.GetVar(0)->Syntax = sxOctetStr;
    LedTextRequest->BindControl(0, portspeedled);
    LedTextRequest->Get();
}

std::string TPanelQSW2126GForm::PortCode(int port) const {
    const std::string text = portspeedled->Caption();
    const size_t at = static_cast<size_t>(4 * port + 2);  // position 4p + 3, counted from 1
    return at + 4 <= text.size() ? text.substr(at, 4) : std::string();
}

void TPanelQSW2126GForm::ShowPictures(const std::vector<std::pair<std::string, bool>>& visibility) {
    for (const auto& [name, visible] : visibility)
        if (auto* picture = dynamic_cast<ui::Image*>(FindComponent(name))) picture->SetVisible(visible);
}

void TPanelQSW2126GForm::UpdatePortPictures() {
    for (int p = 1; p <= 20; ++p) {
        if (!FindComponent(GreenName(p))) continue;
        const std::string code = PortCode(p);
        if (IsAbsent(code)) ShowPictures({{GreenName(p), false}, {OrangeName(p), false}});
        else if (IsOrange(code)) ShowPictures({{GreenName(p), false}, {OrangeName(p), true}});
        else if (IsGreen(code)) ShowPictures({{GreenName(p), true}, {OrangeName(p), false}});
    }
    for (int p = 21; p <= 24; ++p) {
        const std::string code = PortCode(p);
        const int copper = p + 4;
        std::vector<std::pair<std::string, bool>> all{
            {GreenName(p), false}, {OrangeName(p), false}, {GreenName(copper), false}, {OrangeName(copper), false}};
        if (!IsAbsent(code) && !IsOrange(code) && !IsGreen(code)) continue;
        if (!IsAbsent(code)) {
            const int at = ComboFlags[p - 21] ? copper : p;
            all.push_back({IsGreen(code) ? GreenName(at) : OrangeName(at), true});
        }
        ShowPictures(all);
    }
}

void TPanelQSW2126GForm::FormClose(ui::Component* sender, ui::CloseAction& action) {
    TPanelForm::FormClose(sender, action);
    StopAndFree(LedTextRequest);
}
