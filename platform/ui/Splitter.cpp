#include "Splitter.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

namespace ui {

Splitter::Splitter(Component* owner) : Control(owner, new QWidget) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    ApplyCursor();
}

void Splitter::SetMinSize(int minSize) { minSize_ = std::max(minSize, 1); }

bool Splitter::Vertical() const { return Align() == alLeft || Align() == alRight; }

int Splitter::SizeOf(const Control* control) const { return Vertical() ? control->Width() : control->Height(); }

void Splitter::ApplyCursor() { Widget()->setCursor(Vertical() ? Qt::SplitHCursor : Qt::SplitVCursor); }

Control* Splitter::ResizedControl() const {
    if (!Parent()) return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        Control* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        switch (Align()) {
        case alLeft: if (c->Left() + c->Width() == Left()) return c; break;
        case alRight: if (c->Left() == Left() + Width()) return c; break;
        case alTop: if (c->Top() + c->Height() == Top()) return c; break;
        case alBottom: if (c->Top() == Top() + Height()) return c; break;
        default: break;
        }
    }
    return nullptr;
}

int Splitter::MaxSizeFor(const Control* target) const {
    // What the client-aligned neighbour can give up, or else the whole room left to the target.
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        const Control* c = Parent()->Controls(i);
        if (c->Visible() && c->Align() == alClient) return SizeOf(target) + std::max(0, SizeOf(c) - minSize_);
    }
    const Rect area = Parent()->AlignRect();
    return std::max(minSize_, (Vertical() ? area.Width() : area.Height()) - SizeOf(this));
}

Control* Splitter::DragTarget() const { return dragTargetLife_.expired() ? nullptr : dragTarget_; }

void Splitter::DragTo(int globalX, int globalY) {
    if (!DragTarget()) return;
    const int delta = Vertical() ? globalX - startX_ : globalY - startY_;
    const bool growsWithDelta = Align() == alLeft || Align() == alTop;
    const int wanted = startSize_ + (growsWithDelta ? delta : -delta);
    const int size = std::clamp(wanted, minSize_, std::max(minSize_, MaxSizeFor(dragTarget_)));
    if (size == SizeOf(dragTarget_)) return;
    moved_ = true;
    if (Vertical())
        dragTarget_->SetWidth(size);
    else
        dragTarget_->SetHeight(size);
}

bool Splitter::WidgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) break;
        dragTarget_ = ResizedControl();
        dragTargetLife_ = dragTarget_ ? dragTarget_->LifeToken() : std::weak_ptr<void>();
        const QPoint at = mouse->globalPosition().toPoint();
        startX_ = at.x();
        startY_ = at.y();
        startSize_ = dragTarget_ ? SizeOf(dragTarget_) : 0;
        moved_ = false;
        break;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (DragTarget() && (mouse->buttons() & Qt::LeftButton)) {
            const QPoint at = mouse->globalPosition().toPoint();
            FireUser([&] { DragTo(at.x(), at.y()); });
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (DragTarget()) {
            dragTarget_ = nullptr;
            const auto life = LifeToken();
            if (moved_ && OnMoved) FireUser([this] { OnMoved(this); });
            // A handler that freed the splitter (or its form) consumed the release.
            if (life.expired()) return true;
        }
        break;
    case QEvent::Enter:
        ApplyCursor();  // the alignment decides the direction
        break;
    default:
        break;
    }
    return Control::WidgetEvent(event);
}

}  // namespace ui
