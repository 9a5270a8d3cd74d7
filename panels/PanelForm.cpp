#include "PanelForm.h"

#include "Application.h"
#include "Catalog.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "Image.h"
#include "ImageList.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPRequest2Leds.h"
#include "PanelPictures.h"
#include "StdCtrls.h"

using panels::ComboPort;
using panels::LedGroup;
using panels::LedMap;

namespace {

const char* const LinkStatusTable = "1.3.6.1.4.1.32473.11.70.7.2.3.1.1 (1 entries from \"Link Status\")";
const char* const DeviceLedTable =
    "1.3.6.1.4.1.32473.11.70.7.2.1.1 (1 entries from \"Management Front Panel Led Status\")";
const char* const UnitLedTable =
    "1.3.6.1.4.1.32473.12.11.1.9.4.1 (1 entries from \"Management Front Panel Led Status\")";
// Shown in the probe's label until an answer arrives.
const char* const ProbeLabelDesignText = "ST_ComboPortLinkStatus";

// ImageList2 holds the numbers 12, 1, 2, ..., 11: unit n is picture n modulo 12. A unit beyond 12 has no picture
// (-1), rather than the picture of another unit's number.
int UnitPicture2Index(int unit) { return unit >= 1 && unit <= 12 ? unit % 12 : -1; }

}  // namespace

MibObjectTable PanelCatalogTable(const char* label) {
    MibObjectTable table = FindCatalogTable(label);
    if (!table) throw Exception(std::string("Missing catalogue table ") + label);
    return table;
}

TPanelForm::TPanelForm(ui::Component* owner, TPanelHost& host, const std::string& model)
    : ui::Form(owner), host_(host), geometry_(panels::GeometryOf(model)) {
    SetName(geometry_.ClassName.substr(1));
    SetBorderStyle(ui::bsNone);
    SetClientWidth(geometry_.ClientWidth);
    SetClientHeight(geometry_.ClientHeight);
    CreateControls();
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
}

TPanelForm::~TPanelForm() {
    // A view freed without being closed (with its owner) still stops its requests first.
    StopAndFree(LedRequest);
    StopAndFree(ComboProbeRequest);
}

void TPanelForm::CreateControls() {
    Image1 = new ui::Image(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetBounds(0, 0, geometry_.ClientWidth, geometry_.ClientHeight);
    Image1->SetAlign(ui::alClient);
    Image1->SetStretch(true);
    ui::Bitmap panelPicture;
    panelPicture.SetImage(panels::FrontPanelPicture(geometry_.Model));
    Image1->Picture().Assign(panelPicture);

    ST_ComboPortLinkStatus = new ui::Label(this);
    ST_ComboPortLinkStatus->SetName("ST_ComboPortLinkStatus");
    ST_ComboPortLinkStatus->SetParent(this);
    ST_ComboPortLinkStatus->SetCaption(ProbeLabelDesignText);
    ST_ComboPortLinkStatus->SetVisible(false);

    if (geometry_.UnitPictureList != 0) {
        const panels::Box& box = geometry_.UnitPicture;
        Image2 = new ui::Image(this);
        Image2->SetName("Image2");
        Image2->SetStretch(true);
        if (geometry_.UnitPicturePanel) {
            Panel1 = new ui::Panel(this);
            Panel1->SetName("Panel1");
            Panel1->SetParent(this);
            Panel1->SetBounds(box.Left, box.Top, box.Width, box.Height);
            Panel1->SetBevelOuter(ui::bvLowered);
            Image2->SetParent(Panel1);
            Image2->SetBounds(1, 1, 24, 24);
        } else {
            Image2->SetParent(this);
            Image2->SetBounds(box.Left, box.Top, box.Width, box.Height);
        }
    }
    CreateLedPanels("");
    CreatePortButtons();
}

void TPanelForm::CreateLedPanels(const std::string& suffix) {
    auto create = [&](const LedGroup& group) {
        auto* panel = new ui::Panel(this);
        panel->SetName(group.Panel + suffix);
        panel->SetParent(this);
        panel->SetBounds(group.Bounds.Left, group.Bounds.Top, group.Bounds.Width, group.Bounds.Height);
        panel->SetColor(ui::clBlack);
    };
    for (const LedGroup& group : geometry_.SystemLeds) create(group);
    for (const LedGroup& group : geometry_.PortLeds) create(group);
    for (const ComboPort& combo : geometry_.Combos) {
        create(combo.ComboPanel);
        create(combo.PortPanel);
    }
    for (const LedGroup& group : geometry_.LedOnlyPorts) create(group);
}

void TPanelForm::CreatePortButtons() {
    for (int number = 1; number <= geometry_.ButtonCount(); ++number) {
        const panels::Connector& connector = geometry_.ButtonConnector(number);
        auto* button = new ui::SpeedButton(this);
        button->SetName("SpeedButton" + std::to_string(number));
        button->SetParent(this);
        button->SetBounds(connector.Bounds.Left, connector.Bounds.Top, connector.Bounds.Width,
                          connector.Bounds.Height);
        button->SetGroupIndex(1);
        button->SetAllowAllUp(true);
        button->SetFlat(true);
        button->SetShowHint(true);
        button->SetGlyph(panels::PortGlyph(connector.Medium, connector.Bounds.Width, connector.Bounds.Height));
        buttons_.push_back(button);
    }
}

ui::Component* TPanelForm::FindComponent(const std::string& name) const {
    for (int i = 0; i < ComponentCount(); ++i)
        if (Components(i)->Name() == name) return Components(i);
    return nullptr;
}

ui::Panel* TPanelForm::LedPanel(const std::string& name) const {
    return dynamic_cast<ui::Panel*>(FindComponent(name));
}

ui::SpeedButton* TPanelForm::PortButton(int number) const {
    return number >= 1 && number <= static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(number - 1)]
                                                                       : nullptr;
}

NxSNMPLedColorMapList* TPanelForm::ColorMap(LedMap map) {
    switch (map) {
        case LedMap::System: return SystemLedColorMap;
        case LedMap::Port: return PortLedColorMap;
        case LedMap::OtherPort: return ExtraPortLedColorMap;
        case LedMap::Grey: return ExtraPortLedColorMapGrey;
    }
    return nullptr;
}

template <class Request>
void TPanelForm::StopAndFree(Request*& member) {
    if (!member) return;
    member->Request.Active = 0;
    // An answer still on its way is delivered to the living request before it goes.
    while (member && member->Busy) ui::Application::Instance().ProcessMessages();
    if (!member) return;
    Request* request = member;
    member = nullptr;
    delete request;
}

template void TPanelForm::StopAndFree<NxSNMPRequest2Leds>(NxSNMPRequest2Leds*&);
template void TPanelForm::StopAndFree<NxSNMPRequest2Edits>(NxSNMPRequest2Edits*&);

void TPanelForm::InitPanelLeds() {
    ProbeComboPorts();
    try {
        std::unique_ptr<NxSNMPRequest2Leds> request = NewLedRequest();
        LedRequest = request.release();
        AddSystemAndPortLeds(*LedRequest, "", false);
        AddComboLeds(*LedRequest, "");
        AddLedOnlyLeds(*LedRequest, "");
        LedRequest->SetStatusPanel(Host().LedStatusPanel());
        LedRequest->Request.Vars.Name = " Led Status";
        LedRequest->StartPolling(300);
    } catch (const std::exception&) {
        // What was built stays; the main window's own StartPolling reports a lasting failure.
    }
}

void TPanelForm::ProbeComboPorts() {
    try {
        RunComboProbe();
    } catch (const std::exception&) {
        for (uint8_t& flag : ComboFlags) flag = 0;
    }
}

void TPanelForm::RunComboProbe() {
    if (!host_.SwitchAnswers()) return;  // no combo port counts as linked
    {
        ComboProbeRequest = new NxSNMPRequest2Edits(this);
        ComboProbeRequest->Request.Vars = NxSNMPVarList(PanelCatalogTable(LinkStatusTable), MVT_SV, 0);
        const std::string medium = std::to_string(geometry_.ProbeMedium);
        for (size_t k = 0; k < geometry_.Combos.size() && k < 4; ++k) {
            ComboProbeRequest->Request.Vars.Instance =
                std::to_string(panels::GlobalPortNumber(UnitNumber, geometry_.Combos[k].Port)) + "." + medium;
            if (k == 0) {
                ComboProbeRequest->Mode = NxSNMPRequest2Controls::ModeSync;
                ComboProbeRequest->BindControl(0, ST_ComboPortLinkStatus);
            }
            // Each probe is decided on its own answer: a port that does not answer is not linked.
            ST_ComboPortLinkStatus->SetCaption(ProbeLabelDesignText);
            const bool answered = ComboProbeRequest->Get();
            ComboFlags[k] = answered && ST_ComboPortLinkStatus->Caption() == "link-pass" ? 1 : 0;
        }
    }
}

std::unique_ptr<NxSNMPRequest2Leds> TPanelForm::NewLedRequest() {
    auto request = std::make_unique<NxSNMPRequest2Leds>(this);
    AssignLedVariable(*request);
    request->Request.Timeout = 300;
    request->SetStateLayout(2, geometry_.SystemLedCount);
    return request;
}

void TPanelForm::AssignLedVariable(NxSNMPRequest2Controls& request) const {
    if (Host().StackModeText() == "enabled") {
        request.Request.Vars = NxSNMPVarList(PanelCatalogTable(UnitLedTable), MVT_SV, 0);
        request.Request.Vars.Instance = std::to_string(UnitNumber);
    } else {
        request.Request.Vars = NxSNMPVarList(PanelCatalogTable(DeviceLedTable), MVT_SV, 0);
        request.Request.Vars.Instance = "0";
    }
}

void TPanelForm::AddLedGroup(NxSNMPRequest2Leds& request, const LedGroup& group, const std::string& suffix,
                             NxSNMPLedColorMapList* map) const {
    request.AddLeds(0, group.OctetList(), map, LedPanel(group.Panel + suffix), group.Start, group.Gap, 0,
                    group.LedWidth, group.LedHeight);
}

void TPanelForm::AddSystemAndPortLeds(NxSNMPRequest2Leds& request, const std::string& suffix,
                                      bool otherPortRows) const {
    for (const LedGroup& group : geometry_.SystemLeds) AddLedGroup(request, group, suffix, ColorMap(group.Map));
    for (const LedGroup& group : geometry_.PortLeds)
        AddLedGroup(request, group, suffix, ColorMap(otherPortRows ? LedMap::OtherPort : group.Map));
}

void TPanelForm::AddComboLeds(NxSNMPRequest2Leds& request, const std::string& suffix) const {
    for (size_t k = 0; k < geometry_.Combos.size() && k < 4; ++k) {
        const ComboPort& combo = geometry_.Combos[k];
        const LedGroup& probed = combo.ProbedIsComboPanel ? combo.ComboPanel : combo.PortPanel;
        const LedGroup& other = combo.ProbedIsComboPanel ? combo.PortPanel : combo.ComboPanel;
        const bool linked = ComboFlags[k] != 0;
        const LedGroup& shown = linked ? probed : other;
        const LedGroup& dark = linked ? other : probed;
        AddLedGroup(request, shown, suffix, ColorMap(shown.Map));
        if (ui::Panel* panel = LedPanel(dark.Panel + suffix)) {
            panel->SetColor(ui::clBlack);
            panel->SetBevelInner(ui::bvNone);
            panel->SetBevelOuter(ui::bvNone);
        }
    }
}

void TPanelForm::AddLedOnlyLeds(NxSNMPRequest2Leds& request, const std::string& suffix) const {
    for (const LedGroup& group : geometry_.LedOnlyPorts) AddLedGroup(request, group, suffix, ColorMap(group.Map));
}

void TPanelForm::InitPortButtons() {
    for (int number = 1; number <= static_cast<int>(buttons_.size()); ++number) {
        const panels::Connector& connector = geometry_.ButtonConnector(number);
        PortButton(number)->SetHint(panels::PortHint(UnitNumber, connector.Port, connector.Medium));
    }
    for (int number = 1; number <= static_cast<int>(buttons_.size()); ++number)
        if (auto* button = dynamic_cast<ui::SpeedButton*>(FindComponent("SpeedButton" + std::to_string(number))))
            Host().PortButtonList().push_back(button);
    if (geometry_.UnitPictureList == 1) DrawUnitPicture();
}

void TPanelForm::DrawUnitPicture() {
    ui::ImageList* list = geometry_.UnitPictureList == 2 ? Host().ImageList2() : Host().ImageList1();
    if (!Image2 || !list) return;
    const int index = geometry_.UnitPictureList == 2 ? UnitPicture2Index(UnitNumber) : UnitNumber - 1;
    ui::Bitmap picture;
    QImage blank(list->Width(), list->Height(), QImage::Format_RGB32);
    blank.fill(Qt::black);
    picture.SetImage(blank);
    list->GetBitmap(index, picture);  // no such picture: the blank stays
    Image2->Picture().Assign(picture);
}

void TPanelForm::FormClose(ui::Component*, ui::CloseAction& action) {
    if (LedRequest) LedRequest->StopPolling();
    StopAndFree(LedRequest);
    StopAndFree(ComboProbeRequest);
    action = ui::caFree;
}
