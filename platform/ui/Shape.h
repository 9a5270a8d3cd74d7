#pragma once
// Shape: a filled figure (rectangle, square, ellipse, circle, rounded ones) drawn with a brush and
// a pen; the front-panel LEDs are small rectangles whose colours change as they are polled.
#include "Control.h"

namespace ui {

enum ShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum BrushStyle { bsSolid, bsClear };

struct Brush {
    ui::Color Color = clWhite;  // 0x00BBGGRR
    BrushStyle Style = bsSolid;
    bool operator==(const Brush&) const = default;
};

struct Pen {
    ui::Color Color = clBlack;  // 0x00BBGGRR
    int Width = 1;
    bool operator==(const Pen&) const = default;
};

class Shape : public Control {
public:
    explicit Shape(Component* owner);
    ~Shape() override;
    ShapeType Type() const { return type_; }
    void SetShape(ShapeType type);
    const ui::Brush& Brush() const { return brush_; }
    void SetBrush(const ui::Brush& brush);
    const ui::Pen& Pen() const { return pen_; }
    void SetPen(const ui::Pen& pen);

private:
    friend class ShapeWidget;
    ShapeType type_ = stRectangle;
    ui::Brush brush_;
    ui::Pen pen_;
};

}  // namespace ui
