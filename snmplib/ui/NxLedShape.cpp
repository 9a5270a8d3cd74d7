// The LED shapes: small figures filled and outlined in the LED's colour.
#include "NxSNMPRequest2Leds.h"

#include "Shape.h"

ui::Shape* CreateLedShape(ui::Component* owner, ui::Control* parent, int shapeKind) {
    auto* shape = new ui::Shape(owner);
    if (shapeKind >= ui::stRectangle && shapeKind <= ui::stCircle) shape->SetShape(static_cast<ui::ShapeType>(shapeKind));
    shape->SetParent(parent);
    return shape;
}

void PaintLedShape(ui::Shape* shape, int32_t colour) {
    ui::Brush brush = shape->Brush();
    brush.Color = colour;
    brush.Style = ui::bsSolid;
    ui::Pen pen = shape->Pen();
    pen.Color = colour;
    if (!(shape->Brush() == brush)) shape->SetBrush(brush);
    if (!(shape->Pen() == pen)) shape->SetPen(pen);
    shape->Show();
}

int32_t LedShapeColour(const ui::Shape* shape) { return shape->Brush().Color; }
