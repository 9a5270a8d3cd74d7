#include "Shape.h"

#include "Text.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <algorithm>

namespace ui {

class ShapeWidget : public QWidget {
public:
    Shape* owner = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!owner) return;
        QPainter painter(this);
        const int penWidth = std::max(owner->pen_.Width, 0);
        if (penWidth > 0)
            painter.setPen(QPen(ToQColor(owner->pen_.Color), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        else
            painter.setPen(Qt::NoPen);
        if (owner->brush_.Style == bsSolid)
            painter.setBrush(ToQColor(owner->brush_.Color));
        else
            painter.setBrush(Qt::NoBrush);
        painter.drawPath(Outline(penWidth));
    }

private:
    // The figure inside the control, the pen's line kept within it as the platform draws it.
    QPainterPath Outline(int penWidth) const {
        const ShapeType type = owner->type_;
        QRectF box(0, 0, width(), height());
        if (type == stSquare || type == stRoundSquare || type == stCircle) {
            const qreal side = std::min(box.width(), box.height());
            box = QRectF((box.width() - side) / 2, (box.height() - side) / 2, side, side);
        }
        const qreal inset = penWidth / 2.0;
        box.adjust(inset, inset, -inset, -inset);
        QPainterPath path;
        switch (type) {
        case stEllipse:
        case stCircle: path.addEllipse(box); break;
        case stRoundRect:
        case stRoundSquare: {
            const qreal radius = std::min(box.width(), box.height()) / 4;
            path.addRoundedRect(box, radius, radius);
            break;
        }
        default: path.addRect(box); break;
        }
        return path;
    }
};

Shape::Shape(Component* owner) : Control(owner, new ShapeWidget) {
    static_cast<ShapeWidget*>(Widget())->owner = this;
    Widget()->setAttribute(Qt::WA_TranslucentBackground);
    SetBounds(0, 0, 65, 65);
}

Shape::~Shape() { static_cast<ShapeWidget*>(Widget())->owner = nullptr; }

void Shape::SetShape(ShapeType type) {
    if (type == type_) return;
    type_ = type;
    Widget()->update();
}

void Shape::SetBrush(const ui::Brush& brush) {
    if (brush == brush_) return;
    brush_ = brush;
    Widget()->update();
}

void Shape::SetPen(const ui::Pen& pen) {
    if (pen == pen_) return;
    pen_ = pen;
    Widget()->update();
}

}  // namespace ui
