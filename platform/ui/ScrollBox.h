#pragma once
// ScrollBox: a container whose children may reach beyond its client area; scroll bars then appear
// (while AutoScroll is on) and move the content. Children keep their positions in the content, so
// Left and Top do not change when the box scrolls. ClientWidth/ClientHeight are the visible part,
// scroll bars left out.
#include "Control.h"

#include <memory>

class QScrollBar;

namespace ui {

class ScrollBox;

class ControlScrollBar {
public:
    int Position() const;
    void SetPosition(int position);  // kept within 0 .. Range less the visible part
    int Range() const;               // the content's extent along the bar
    bool IsScrollBarVisible() const;

private:
    friend class ScrollBox;
    ControlScrollBar(ScrollBox& owner, bool horizontal) : owner_(owner), horizontal_(horizontal) {}
    ScrollBox& owner_;
    bool horizontal_;
};

class ScrollBox : public Control {
public:
    explicit ScrollBox(Component* owner);
    ~ScrollBox() override;

    QWidget* ClientWidget() const override { return content_; }
    int ClientWidth() const override;
    int ClientHeight() const override;

    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool autoScroll);
    ui::BorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ui::BorderStyle style);  // bsNone or bsSingle
    ControlScrollBar& HorzScrollBar() { return horz_; }
    ControlScrollBar& VertScrollBar() { return vert_; }
    // Measures the children again and shows or hides the scroll bars; runs by itself when children
    // move, change size, show or hide.
    void UpdateScrollRange();

protected:
    void BoundsChanged() override;

private:
    friend class ControlScrollBar;
    friend class ScrollWatcher;
    int FrameWidth() const;
    void PlaceContent();

    QWidget* viewport_ = nullptr;
    QWidget* content_ = nullptr;
    QScrollBar* hbar_ = nullptr;
    QScrollBar* vbar_ = nullptr;
    std::unique_ptr<QObject> watcher_;
    ControlScrollBar horz_{*this, true};
    ControlScrollBar vert_{*this, false};
    int extentWidth_ = 0, extentHeight_ = 0;
    bool showH_ = false, showV_ = false;
    bool autoScroll_ = true;
    bool updating_ = false;
    ui::BorderStyle borderStyle_ = bsSingle;
};

}  // namespace ui
