#pragma once
// Splitter: a thin bar between an aligned control and the rest of its parent. Dragging it resizes
// the control aligned to the same side right next to it (never below MinSize, and leaving MinSize
// to a client-aligned neighbour); OnMoved fires when the drag ends. A control freed during the drag ends it, and
// OnMoved may free the splitter or its form.
#include "Control.h"

namespace ui {

class Splitter : public Control {
public:
    explicit Splitter(Component* owner);
    int MinSize() const { return minSize_; }
    void SetMinSize(int minSize);
    // The control the splitter resizes now, or null.
    Control* ResizedControl() const;

    NotifyEvent OnMoved;

protected:
    bool WidgetEvent(QEvent* event) override;
    bool MouseReleaseClicks() const override { return false; }

private:
    bool Vertical() const;  // a bar between left and right
    int SizeOf(const Control* control) const;
    int MaxSizeFor(const Control* target) const;
    void ApplyCursor();
    void DragTo(int globalX, int globalY);
    Control* DragTarget() const;  // null once the control dragged is freed

    int minSize_ = 30;
    Control* dragTarget_ = nullptr;
    std::weak_ptr<void> dragTargetLife_;
    int startX_ = 0, startY_ = 0, startSize_ = 0;
    bool moved_ = false;
};

}  // namespace ui
