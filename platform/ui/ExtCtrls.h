#pragma once
// Panels, timers, speed buttons and bit buttons.
#include "Graphics.h"
#include "StdCtrls.h"

#include <memory>

class QTimer;
class QToolButton;

namespace ui {

// A plain container with an optional centred caption and bevels. Aligned children sit inside the
// bevels and the border width.
class Panel : public Control {
public:
    explicit Panel(Component* owner);
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    ui::Alignment Alignment() const { return alignment_; }
    void SetAlignment(ui::Alignment alignment);
    BevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(BevelCut bevel);
    BevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(BevelCut bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    Rect AlignRect() const override;

private:
    friend class PanelWidget;
    void ApplyFrame();
    std::string caption_;
    ui::Alignment alignment_ = taCenter;
    BevelCut bevelOuter_ = bvRaised;
    BevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
};

// Fires OnTimer every Interval milliseconds while Enabled; an interval of 0 never fires.
class Timer : public Component {
public:
    explicit Timer(Component* owner);
    ~Timer() override;
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Running() const;  // enabled with an interval above 0: ticks are due

    NotifyEvent OnTimer;

private:
    void Update();
    std::unique_ptr<QTimer> timer_;
    int interval_ = 1000;
    bool enabled_ = true;
};

// A flat button that can stay down. Buttons of one parent with the same GroupIndex (not 0) act
// as a group: one is down at a time; with AllowAllUp a click on the down one lets it up.
class SpeedButton : public Control {
public:
    explicit SpeedButton(Component* owner);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int groupIndex);
    bool Down() const { return down_; }
    void SetDown(bool down);  // no event
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allowAllUp);
    bool Flat() const;
    void SetFlat(bool flat);
    const Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(const Bitmap& glyph);

protected:
    bool MouseReleaseClicks() const override { return false; }

private:
    QToolButton* ToolButton() const;
    void UserClicked();
    void ShowDown();
    void ReleaseOthers();
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    Bitmap glyph_;
};

// A button with a picture. A glyph as wide as several squares holds several images; the first shows.
// The colour of the bottom-left pixel is transparent.
class BitBtn : public Button {
public:
    explicit BitBtn(Component* owner);
    const Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(const Bitmap& glyph);

private:
    Bitmap glyph_;
};

}  // namespace ui
