#pragma once
// NxSNMPRequest2Leds: the front-panel LEDs of one unit. The switch reports every LED's state in one octet string;
// this request reads it on a poll timer, turns each LED's state octet into a colour through its colour map, paints
// the LED shapes and makes blinking LEDs flash for a moment (seven paintings, 60 ms apart) after each reading.
// The blink timer runs only while it has a painting to do: from a reading with a blinking LED until the LED is
// steady again.
//
// Layout 1: one state octet per LED. Layout 2: the first SingleLedCount octets are single-octet LEDs; every later
// LED has a presence octet (1: nothing present; its top bit: blinking) followed by its state octet.
//
// One reading at a time: a poll tick while the previous reading is still out sends nothing.
#include "NxSNMPLedColorMapList.h"
#include "NxSNMPRequest2Controls.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui { class Component; class Control; class Panel; class Shape; class Timer; }

// One LED: where its octets are and how it shows.
struct NxLedBinding {
    int32_t VarIndex = 0;                 // the variable holding the LED octets
    int32_t StateIndex = 0;               // index of the LED's first octet in the variable's raw octets
    NxSNMPLedColorMapList* Map = nullptr; // not owned
    ui::Shape* Shape = nullptr;           // owned by the owner form
    uint8_t Blinking = 0;
    int32_t Colour = 0;
    std::weak_ptr<void> ShapeLife;
};

class NxSNMPRequest2Leds : public NxSNMPRequest2Controls {
public:
    explicit NxSNMPRequest2Leds(ui::Form* owner);
    ~NxSNMPRequest2Leds() override;

    std::vector<std::unique_ptr<NxLedBinding>> Leds;
    ui::Timer* PollTimer;         // disabled until StartPolling; each tick reads
    ui::Timer* BlinkTimer;        // every 60 ms while a blinking LED flashes; each tick paints
    int32_t BlinkLimit = 6;       // blink paintings after a reading beyond the first
    int32_t BlinkCounter = 0;     // paintings since the last reading (counted while an LED blinks)
    int32_t StateLayout = 1;
    int32_t SingleLedCount = 4;

    static constexpr int BlinkIntervalMs = 60;

    // One LED per number of stateIndexList ("3,5,7"): shape i at left + i x (gap + width), top 0, inside panel,
    // shown in the map's default colour. The panel loses its bevels.
    void AddLeds(int varIndex, const std::string& stateIndexList, NxSNMPLedColorMapList* map, ui::Panel* panel,
                 int left, int gap, int shapeKind, int width, int height);
    // A layout or count below 1 gives layout 1 and 4 single-octet LEDs.
    void SetStateLayout(int32_t layout, int32_t singleLedCount);
    // Reads at once; an exception paints every LED in its default colour and is raised again.
    void Refresh();
    // Polls every n x 10 ms, reading at once.
    void StartPolling(int n);
    // Stops both timers and shows every LED in its default colour.
    void StopPolling();
    void SetAllDefault();
    // One painting: a blinking LED alternates between its colour and the default colour while BlinkCounter is at
    // most BlinkLimit, then keeps its colour. The blink timer runs on while a later painting would change a LED.
    void PaintLeds();

protected:
    void BeforeGet() override;
    void RowReceived() override;
    void GetFailed(const NxSNMPError& result) override;
    // The colour and blink flag of one LED from the received octets. Raises -519 for octets beyond the data when
    // the map has no missing colour.
    virtual void ComputeLedState(NxLedBinding& led);

private:
    void PollTick();
    std::weak_ptr<void> pollTimerLife_;
    std::weak_ptr<void> blinkTimerLife_;
};

// The shape of one LED: created for owner inside parent, filled and outlined in one colour.
ui::Shape* CreateLedShape(ui::Component* owner, ui::Control* parent, int shapeKind);
void PaintLedShape(ui::Shape* shape, int32_t colour);
int32_t LedShapeColour(const ui::Shape* shape);
