#include "ExtCtrls.h"

#include "Application.h"
#include "Text.h"

#include <QBitmap>
#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace ui {

namespace {

class PanelWidget : public QFrame {
public:
    QString caption;
    Qt::Alignment alignment = Qt::AlignHCenter;

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        if (caption.isEmpty()) return;
        QPainter painter(this);
        painter.drawText(contentsRect(), static_cast<int>(alignment | Qt::AlignVCenter), caption);
    }
};

PanelWidget* AsPanelWidget(QWidget* widget) { return static_cast<PanelWidget*>(widget); }

Qt::Alignment HorizontalAlignment(Alignment alignment) {
    switch (alignment) {
    case taLeftJustify: return Qt::AlignLeft;
    case taRightJustify: return Qt::AlignRight;
    default: return Qt::AlignHCenter;
    }
}

QPixmap FirstGlyph(const Bitmap& glyph) {
    const QImage& image = glyph.Image();
    int count = image.height() > 0 && image.width() % image.height() == 0 ? image.width() / image.height() : 1;
    if (count < 1 || count > 4) count = 1;
    const QImage cell = image.copy(0, 0, image.width() / count, image.height());
    QPixmap pixmap = QPixmap::fromImage(cell);
    pixmap.setMask(pixmap.createMaskFromColor(cell.pixelColor(0, cell.height() - 1)));
    return pixmap;
}

}  // namespace

// ---- Panel ----

Panel::Panel(Component* owner) : Control(owner, new PanelWidget) {
    SetColor(clBtnFace);
    ApplyFrame();
    SetBounds(0, 0, 185, 41);
}

void Panel::SetCaption(const std::string& caption) {
    caption_ = caption;
    AsPanelWidget(Widget())->caption = ToQString(caption);
    Widget()->update();
}

void Panel::SetAlignment(ui::Alignment alignment) {
    alignment_ = alignment;
    AsPanelWidget(Widget())->alignment = HorizontalAlignment(alignment);
    Widget()->update();
}

void Panel::SetBevelOuter(BevelCut bevel) {
    bevelOuter_ = bevel;
    ApplyFrame();
}

void Panel::SetBevelInner(BevelCut bevel) {
    bevelInner_ = bevel;
    ApplyFrame();
}

void Panel::SetBevelWidth(int width) {
    bevelWidth_ = width;
    ApplyFrame();
}

void Panel::SetBorderWidth(int width) {
    borderWidth_ = width;
    Realign();
}

void Panel::ApplyFrame() {
    auto* frame = AsPanelWidget(Widget());
    const int bevels = (bevelOuter_ != bvNone ? 1 : 0) + (bevelInner_ != bvNone ? 1 : 0);
    const BevelCut look = bevelOuter_ != bvNone ? bevelOuter_ : bevelInner_;
    if (bevels == 0) {
        frame->setFrameStyle(QFrame::NoFrame);
    } else {
        frame->setFrameStyle(QFrame::Panel | (look == bvRaised ? QFrame::Raised : QFrame::Sunken));
        frame->setLineWidth(bevels * bevelWidth_);
    }
    Realign();
}

Rect Panel::AlignRect() const {
    const int inset = borderWidth_ + (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
    return {inset, inset, ClientWidth() - inset, ClientHeight() - inset};
}

// ---- Timer ----

Timer::Timer(Component* owner) : Component(owner), timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        if (!OnTimer) return;
        try {
            OnTimer(this);
        } catch (...) {
            detail::HandleCurrentException();
        }
    });
    Update();
}

Timer::~Timer() { timer_.reset(); }

void Timer::SetInterval(int interval) {
    if (interval == interval_) return;
    interval_ = interval;
    Update();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

bool Timer::Running() const { return timer_->isActive(); }

void Timer::Update() {
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
    else
        timer_->stop();
}

// ---- SpeedButton ----

SpeedButton::SpeedButton(Component* owner) : Control(owner, new QToolButton) {
    ToolButton()->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetBounds(0, 0, 23, 22);
    QObject::connect(ToolButton(), &QToolButton::clicked, SignalContext(), [this] { UserClicked(); });
}

QToolButton* SpeedButton::ToolButton() const { return static_cast<QToolButton*>(Widget()); }

std::string SpeedButton::Caption() const { return FromQString(ToolButton()->text()); }

void SpeedButton::SetCaption(const std::string& caption) { ToolButton()->setText(ToQString(caption)); }

void SpeedButton::SetGroupIndex(int groupIndex) {
    groupIndex_ = groupIndex;
    ToolButton()->setCheckable(groupIndex != 0);
    if (groupIndex == 0) down_ = false;
    ShowDown();
}

void SpeedButton::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;  // the down button of a group stays down until another goes down
    down_ = down;
    if (down) ReleaseOthers();
    ShowDown();
}

void SpeedButton::SetAllowAllUp(bool allowAllUp) {
    allowAllUp_ = allowAllUp;
    if (!Parent() || groupIndex_ == 0) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<SpeedButton*>(Parent()->Controls(i)); other && other->groupIndex_ == groupIndex_)
            other->allowAllUp_ = allowAllUp;
}

bool SpeedButton::Flat() const { return ToolButton()->autoRaise(); }

void SpeedButton::SetFlat(bool flat) { ToolButton()->setAutoRaise(flat); }

void SpeedButton::SetGlyph(const Bitmap& glyph) {
    glyph_ = glyph;
    if (glyph.Empty()) {
        ToolButton()->setIcon(QIcon());
        ToolButton()->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return;
    }
    const QPixmap pixmap = FirstGlyph(glyph);
    ToolButton()->setIcon(QIcon(pixmap));
    ToolButton()->setIconSize(pixmap.size());
    ToolButton()->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void SpeedButton::ShowDown() {
    ToolButton()->setChecked(down_);
}

void SpeedButton::ReleaseOthers() {
    if (!Parent() || groupIndex_ == 0) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<SpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
            other->down_ = false;
            other->ShowDown();
        }
    }
}

void SpeedButton::UserClicked() {
    FireUser([this] {
        if (groupIndex_ != 0) {
            if (!down_) {
                down_ = true;
                ReleaseOthers();
            } else if (allowAllUp_) {
                down_ = false;
            }
        }
        ShowDown();
        Click();
    });
}

// ---- BitBtn ----

BitBtn::BitBtn(Component* owner) : Button(owner, new QPushButton) {}

void BitBtn::SetGlyph(const Bitmap& glyph) {
    glyph_ = glyph;
    if (glyph.Empty()) {
        PushButton()->setIcon(QIcon());
        return;
    }
    const QPixmap pixmap = FirstGlyph(glyph);
    PushButton()->setIcon(QIcon(pixmap));
    PushButton()->setIconSize(pixmap.size());
}

}  // namespace ui
