// The LED shapes.
#include "NxSNMPRequest2Leds.h"

#include "ExtCtrls.h"

ui::Control* CreateLedShape(ui::Component* owner, ui::Control* parent, int) {
    auto* shape = new ui::Panel(owner);
    shape->SetBevelOuter(ui::bvNone);
    shape->SetParent(parent);
    return shape;
}

void PaintLedShape(ui::Control* shape, int32_t colour) {
    if (shape->Color() != colour) shape->SetColor(colour);
    shape->Show();
}

int32_t LedShapeColour(const ui::Control* shape) { return shape->Color(); }
