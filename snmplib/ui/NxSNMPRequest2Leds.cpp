#include "NxSNMPRequest2Leds.h"

#include "ExtCtrls.h"
#include "Form.h"
#include "NxOptionList.h"
#include "NxRawOctets.h"
#include "NxSNMPError.h"
#include "NxUtils.h"
#include "Shape.h"

#include "Exception.h"

namespace {

// The states of every LED, put back when a reading cannot be shown.
struct LedStates {
    explicit LedStates(const std::vector<std::unique_ptr<NxLedBinding>>& leds) {
        for (const auto& led : leds) saved.push_back({led->Blinking, led->Colour});
    }
    void Restore(std::vector<std::unique_ptr<NxLedBinding>>& leds) const {
        for (size_t i = 0; i < leds.size() && i < saved.size(); ++i) {
            leds[i]->Blinking = saved[i].first;
            leds[i]->Colour = saved[i].second;
        }
    }
    std::vector<std::pair<uint8_t, int32_t>> saved;
};

}  // namespace

NxSNMPRequest2Leds::NxSNMPRequest2Leds(ui::Form* owner)
    : NxSNMPRequest2Controls(owner), PollTimer(new ui::Timer(owner)), BlinkTimer(new ui::Timer(owner)) {
    PollTimer->SetEnabled(false);
    PollTimer->OnTimer = [this](ui::Component*) { PollTick(); };
    BlinkTimer->SetInterval(BlinkIntervalMs);
    BlinkTimer->OnTimer = [this](ui::Component*) { PaintLeds(); };
    BlinkTimer->SetEnabled(false);  // a reading with a blinking LED starts it
    pollTimerLife_ = PollTimer->LifeToken();
    blinkTimerLife_ = BlinkTimer->LifeToken();
}

NxSNMPRequest2Leds::~NxSNMPRequest2Leds() {
    StopPolling();
    // The timers would call into this object: they go with it (they leave their owner's list).
    if (!pollTimerLife_.expired()) delete PollTimer;
    if (!blinkTimerLife_.expired()) delete BlinkTimer;
}

void NxSNMPRequest2Leds::AddLeds(int varIndex, const std::string& stateIndexList, NxSNMPLedColorMapList* map,
                                 ui::Panel* panel, int left, int gap, int shapeKind, int width, int height) {
    if (!map) throw Exception("No LED colour map", 0);
    NxNumList indexes;
    indexes.Delimiter = ',';
    indexes.Parse(stateIndexList);
    for (int32_t i = 0; i < indexes.Count(); ++i) {
        auto led = std::make_unique<NxLedBinding>();
        led->VarIndex = varIndex;
        led->StateIndex = indexes.Item(i);
        led->Map = map;
        led->Colour = map->DefaultColor;
        led->Shape = CreateLedShape(OwnerForm, panel, shapeKind);
        led->Shape->SetBounds(left + i * (gap + width), 0, width, height);
        led->ShapeLife = led->Shape->LifeToken();
        PaintLedShape(led->Shape, led->Colour);
        Leds.push_back(std::move(led));
    }
    if (panel) {
        panel->SetBevelInner(ui::bvNone);
        panel->SetBevelOuter(ui::bvNone);
    }
}

void NxSNMPRequest2Leds::SetStateLayout(int32_t layout, int32_t singleLedCount) {
    StateLayout = layout > 0 ? layout : 1;
    SingleLedCount = singleLedCount > 0 ? singleLedCount : 4;
}

void NxSNMPRequest2Leds::Refresh() {
    try {
        Get();
    } catch (...) {
        SetAllDefault();
        throw;
    }
}

void NxSNMPRequest2Leds::StartPolling(int n) {
    PollTimer->SetInterval(n * 10);
    PollTimer->SetEnabled(true);
    Refresh();
}

void NxSNMPRequest2Leds::StopPolling() {
    if (!pollTimerLife_.expired()) PollTimer->SetEnabled(false);
    if (!blinkTimerLife_.expired()) BlinkTimer->SetEnabled(false);
    SetAllDefault();
}

void NxSNMPRequest2Leds::SetAllDefault() {
    for (auto& led : Leds) {
        led->Blinking = 0;
        led->Colour = led->Map->DefaultColor;
        if (!led->ShapeLife.expired()) PaintLedShape(led->Shape, led->Colour);
    }
}

void NxSNMPRequest2Leds::PollTick() {
    try {
        Get();
    } catch (const Exception& e) {
        SetAllDefault();
        StatusTemplate = StatusTemplateGet;
        ShowStatus(e.Message);
    }
}

void NxSNMPRequest2Leds::BeforeGet() {
    // The LED string is read as raw octets: as a display string its text would end at the first zero octet.
    for (const auto& led : Leds) {
        if (led->VarIndex < 0 || led->VarIndex >= Request.Vars.GetCount()) continue;
        NxSNMPVarItem& variable = *Request.Vars.GetVar(led->VarIndex);
        if (variable.Syntax == sxDisplayStr) variable.Syntax = sxOctetStr;
    }
}

void NxSNMPRequest2Leds::RowReceived() {
    BlinkCounter = 0;
    const LedStates before(Leds);
    try {
        for (auto& led : Leds) ComputeLedState(*led);
    } catch (...) {
        before.Restore(Leds);  // nothing of a reading that cannot be shown is painted, not even later
        throw;
    }
    PaintLeds();
}

void NxSNMPRequest2Leds::GetFailed(const NxSNMPError& result) {
    SetAllDefault();
    StatusTemplate = StatusTemplateGet;
    ShowStatus(result.Message);
}

void NxSNMPRequest2Leds::ComputeLedState(NxLedBinding& led) {
    if (led.VarIndex < 0 || led.VarIndex >= Request.Vars.GetCount()) RaiseNxSNMPError(NxErrPartOutOfRange);
    const NxSNMPVarItem& variable = *Request.Vars.GetVar(led.VarIndex);
    const std::string text = variable.Options ? variable.Options->TextToValue(variable.Value) : variable.Value;
    const std::string octets = TextToRaw(text, variable.Syntax);
    const NxSNMPLedColorMapList& map = *led.Map;
    const size_t index = static_cast<size_t>(led.StateIndex);
    const bool single = StateLayout != 2 || led.StateIndex < SingleLedCount;
    // A single LED needs its octet, a paired one both of its octets.
    if (led.StateIndex < 0 || index + (single ? 0 : 1) >= octets.size()) {
        if (map.MissingColor == -1) RaiseNxSNMPError(NxErrPartOutOfRange);
        led.Colour = map.MissingColor;
        led.Blinking = 0;
        return;
    }
    const auto first = static_cast<uint8_t>(octets[index]);
    if (single) {
        led.Colour = map.ColorOf(first & map.StateMask);
        led.Blinking = (first & map.BlinkMask) != 0;
        return;
    }
    if (first == 1) {  // nothing present
        led.Colour = map.MissingColor != -1 ? map.MissingColor : map.DefaultColor;
        led.Blinking = 0;
        return;
    }
    led.Blinking = (first & map.BlinkMask) != 0;
    led.Colour = map.ColorOf(static_cast<uint8_t>(octets[index + 1]) & map.StateMask);
}

void NxSNMPRequest2Leds::PaintLeds() {
    bool anyBlinking = false;
    for (auto& led : Leds) {
        if (led->ShapeLife.expired()) continue;
        int32_t colour = led->Colour;
        if (led->Blinking) {
            anyBlinking = true;
            const bool showsDefault = LedShapeColour(led->Shape) == led->Map->DefaultColor;
            if (!showsDefault && BlinkCounter <= BlinkLimit) colour = led->Map->DefaultColor;
        }
        PaintLedShape(led->Shape, colour);
    }
    if (anyBlinking) ++BlinkCounter;
    // The painting at BlinkLimit + 1 makes every blinking LED steady; later ones would change nothing.
    if (!blinkTimerLife_.expired()) BlinkTimer->SetEnabled(anyBlinking && BlinkCounter <= BlinkLimit + 1);
}
