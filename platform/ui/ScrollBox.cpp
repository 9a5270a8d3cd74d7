#include "ScrollBox.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace ui {

namespace {
int ScrollBarExtent(const QWidget* widget) { return widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget); }
}  // namespace

// Watches the content's children, so the scroll range follows them, and turns wheel turns into scrolling.
class ScrollWatcher : public QObject {
public:
    explicit ScrollWatcher(ScrollBox& owner) : owner_(owner) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (watched == owner_.content_) static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
            owner_.UpdateScrollRange();
            break;
        case QEvent::ChildRemoved:
            if (watched == owner_.content_) static_cast<QChildEvent*>(event)->child()->removeEventFilter(this);
            owner_.UpdateScrollRange();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched != owner_.content_) owner_.UpdateScrollRange();
            break;
        case QEvent::Wheel:
            if (watched == owner_.viewport_ && owner_.showV_) {
                QCoreApplication::sendEvent(owner_.vbar_, event);
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    ScrollBox& owner_;
};

// ---- ControlScrollBar ----

int ControlScrollBar::Position() const { return (horizontal_ ? owner_.hbar_ : owner_.vbar_)->value(); }

void ControlScrollBar::SetPosition(int position) {
    owner_.UpdateScrollRange();
    QScrollBar* bar = horizontal_ ? owner_.hbar_ : owner_.vbar_;
    bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
}

int ControlScrollBar::Range() const {
    owner_.UpdateScrollRange();
    return horizontal_ ? owner_.extentWidth_ : owner_.extentHeight_;
}

bool ControlScrollBar::IsScrollBarVisible() const {
    owner_.UpdateScrollRange();
    return horizontal_ ? owner_.showH_ : owner_.showV_;
}

// ---- ScrollBox ----

ScrollBox::ScrollBox(Component* owner) : Control(owner, new QFrame), watcher_(std::make_unique<ScrollWatcher>(*this)) {
    viewport_ = new QWidget(Widget());
    content_ = new QWidget(viewport_);
    hbar_ = new QScrollBar(Qt::Horizontal, Widget());
    vbar_ = new QScrollBar(Qt::Vertical, Widget());
    viewport_->show();
    content_->show();
    content_->installEventFilter(watcher_.get());
    viewport_->installEventFilter(watcher_.get());
    QObject::connect(hbar_, &QScrollBar::valueChanged, SignalContext(), [this] { PlaceContent(); });
    QObject::connect(vbar_, &QScrollBar::valueChanged, SignalContext(), [this] { PlaceContent(); });
    SetBorderStyle(bsSingle);
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

ScrollBox::~ScrollBox() {
    MarkDestroying();
    content_->removeEventFilter(watcher_.get());
    viewport_->removeEventFilter(watcher_.get());
    for (QObject* child : content_->children()) child->removeEventFilter(watcher_.get());
}

int ScrollBox::FrameWidth() const { return borderStyle_ == bsNone ? 0 : 2; }

int ScrollBox::ClientWidth() const {
    return std::max(0, Width() - 2 * FrameWidth() - (showV_ ? ScrollBarExtent(vbar_) : 0));
}

int ScrollBox::ClientHeight() const {
    return std::max(0, Height() - 2 * FrameWidth() - (showH_ ? ScrollBarExtent(hbar_) : 0));
}

void ScrollBox::SetAutoScroll(bool autoScroll) {
    autoScroll_ = autoScroll;
    UpdateScrollRange();
}

void ScrollBox::SetBorderStyle(ui::BorderStyle style) {
    borderStyle_ = style == bsNone ? bsNone : bsSingle;
    auto* frame = static_cast<QFrame*>(Widget());
    frame->setFrameStyle(borderStyle_ == bsNone ? QFrame::NoFrame : (QFrame::StyledPanel | QFrame::Sunken));
    frame->setLineWidth(FrameWidth());
    UpdateScrollRange();
}

void ScrollBox::BoundsChanged() { UpdateScrollRange(); }

void ScrollBox::UpdateScrollRange() {
    if (updating_ || Destroying()) return;
    updating_ = true;
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const Control* child = Controls(i);
        if (!child->Visible()) continue;
        right = std::max(right, child->Left() + child->Width());
        bottom = std::max(bottom, child->Top() + child->Height());
    }
    extentWidth_ = right;
    extentHeight_ = bottom;
    // A bar takes room from the other direction, which may then need its own bar too.
    const int frame = 2 * FrameWidth();
    const bool wasH = showH_, wasV = showV_;
    showH_ = showV_ = false;
    for (int pass = 0; pass < 2; ++pass) {
        showH_ = autoScroll_ && right > Width() - frame - (showV_ ? ScrollBarExtent(vbar_) : 0);
        showV_ = autoScroll_ && bottom > Height() - frame - (showH_ ? ScrollBarExtent(hbar_) : 0);
    }
    hbar_->setRange(0, std::max(0, right - ClientWidth()));
    hbar_->setPageStep(std::max(1, ClientWidth()));
    vbar_->setRange(0, std::max(0, bottom - ClientHeight()));
    vbar_->setPageStep(std::max(1, ClientHeight()));
    hbar_->setSingleStep(8);
    vbar_->setSingleStep(8);
    if (!showH_) hbar_->setValue(0);
    if (!showV_) vbar_->setValue(0);
    const int f = FrameWidth();
    viewport_->setGeometry(f, f, ClientWidth(), ClientHeight());
    hbar_->setGeometry(f, f + ClientHeight(), ClientWidth(), ScrollBarExtent(hbar_));
    vbar_->setGeometry(f + ClientWidth(), f, ScrollBarExtent(vbar_), ClientHeight());
    hbar_->setVisible(showH_);
    vbar_->setVisible(showV_);
    PlaceContent();
    updating_ = false;
    if (wasH != showH_ || wasV != showV_) Realign();  // the client area changed size
}

void ScrollBox::PlaceContent() {
    content_->setGeometry(-hbar_->value(), -vbar_->value(), std::max(extentWidth_, ClientWidth()),
                          std::max(extentHeight_, ClientHeight()));
}

}  // namespace ui
