#include "Control.h"

#include "Application.h"
#include "Exception.h"
#include "Form.h"
#include "Text.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <array>

namespace ui {

namespace {
int destroyingDepth = 0;

struct DestroyScope {
    DestroyScope() { ++destroyingDepth; }
    ~DestroyScope() { --destroyingDepth; }
};

MouseButton ToMouseButton(Qt::MouseButton button) {
    if (button == Qt::RightButton) return mbRight;
    if (button == Qt::MiddleButton) return mbMiddle;
    return mbLeft;
}
// The virtual key code of a Qt key, 0 for a key without one.
int VirtualKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return VK_F1 + (key - Qt::Key_F1);
    static const std::array<std::pair<int, int>, 19> keys = {{
        {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
        {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, VK_SPACE}, {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP},
        {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN}, {Qt::Key_Delete, VK_DELETE},
    }};
    for (const auto& [qt, vk] : keys)
        if (qt == key) return vk;
    return key == Qt::Key_Insert ? VK_INSERT : 0;
}

// The one-byte character a key types, 0 for none.
char TypedCharacter(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.size() == 1 && text[0].unicode() < 0x100) return static_cast<char>(text[0].unicode());
    if (key.key() == Qt::Key_Backspace) return '\b';
    return 0;
}
}  // namespace

// Routes the widget's events to its wrapper; the wrapper detaches it before the widget goes.
class EventBridge : public QObject {
public:
    explicit EventBridge(Control* control) : control_(control) {}
    void Detach() { control_ = nullptr; }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!control_ || watched != control_->widget_) return false;
        // A handler that freed the control freed the widget too: the event must go no further.
        const auto life = control_->LifeToken();
        return control_->WidgetEvent(event) || life.expired();
    }

private:
    Control* control_;
};

Control::Control(Component* owner, QWidget* widget) : Component(owner), widget_(widget), bridge_(new EventBridge(this)) {
    widget_->installEventFilter(bridge_);
    widget_->setMouseTracking(true);
    widget_->setFocusPolicy(Qt::NoFocus);
    widget_->setContextMenuPolicy(Qt::NoContextMenu);
    widget_->hide();
    width_ = widget_->width();
    height_ = widget_->height();
}

Control::~Control() {
    DestroyScope scope;
    MarkDestroying();
    widget_->removeEventFilter(bridge_);
    bridge_->Detach();
    delete bridge_;  // drops every signal connection made with SignalContext()
    bridge_ = nullptr;
    // A parent destroys the controls that show in it.
    while (!children_.empty()) delete children_.back();
    if (parent_) {
        Control* parent = parent_;
        parent->RemoveChild(this);
        parent_ = nullptr;
        if (align_ != alNone && !parent->Destroying()) parent->Realign();
    }
    delete widget_;
}

QObject* Control::SignalContext() const { return bridge_; }

bool Control::DestroyingAny() { return destroyingDepth > 0; }

void Control::FireUser(const std::function<void()>& action) {
    if (destroyingDepth > 0) return;
    try {
        action();
    } catch (...) {
        detail::HandleCurrentException();
    }
}

bool Control::IsTopLevel() const { return parent_ == nullptr && dynamic_cast<const Form*>(this) != nullptr; }

void Control::SetParent(Control* parent) {
    if (parent == parent_) return;
    if (parent == this || (parent && ContainsControl(parent)))
        throw Exception("A control cannot be its own parent");
    Control* old = parent_;
    if (old) old->RemoveChild(this);
    parent_ = parent;
    if (parent) parent->AddChild(this);
    widget_->setParent(parent ? parent->ClientWidget() : nullptr);
    ApplyGeometry();
    ApplyVisibility();
    if (old && align_ != alNone) old->Realign();
    if (parent && align_ != alNone) parent->Realign(this);
}

void Control::AddChild(Control* child) { children_.push_back(child); }

void Control::RemoveChild(Control* child) {
    auto it = std::find(children_.begin(), children_.end(), child);
    if (it != children_.end()) children_.erase(it);
}

bool Control::ContainsControl(const Control* control) const {
    for (const Control* c = control ? control->parent_ : nullptr; c; c = c->parent_)
        if (c == this) return true;
    return false;
}

Form* Control::ParentForm() const {
    const Control* top = this;
    while (top->parent_) top = top->parent_;
    return dynamic_cast<Form*>(const_cast<Control*>(top));
}

void Control::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != width_ || height != height_;
    const bool moved = left != left_ || top != top_;
    if (!resized && !moved) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    ApplyGeometry();
    if (resized) {
        Realign();
        BoundsChanged();
        if (OnResize) OnResize(this);
    }
    if (parent_ && align_ != alNone && !parent_->aligning_) parent_->Realign(this);
}

void Control::ApplyGeometry() {
    widget_->setGeometry(left_, top_, std::max(0, width_), std::max(0, height_));
}

void Control::ApplyVisibility() { widget_->setVisible(visible_ && parent_ != nullptr); }

void Control::SetClientWidth(int width) { SetWidth(width + (Width() - ClientWidth())); }

void Control::SetClientHeight(int height) { SetHeight(height + (Height() - ClientHeight())); }

void Control::SetAlign(ui::Align align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->Realign(this);
}

void Control::EnableAlign() {
    if (alignLock_ > 0 && --alignLock_ == 0) Realign();
}

namespace {
// Whether c1 goes before c2 among controls of one alignment.
bool InsertBefore(const Control* c1, const Control* c2, ui::Align align) {
    switch (align) {
    case alTop: return c1->Top() < c2->Top();
    case alBottom: return c1->Top() + c1->Height() >= c2->Top() + c2->Height();
    case alLeft: return c1->Left() < c2->Left();
    case alRight: return c1->Left() + c1->Width() >= c2->Left() + c2->Width();
    default: return false;
    }
}
}  // namespace

void Control::Realign(Control* trigger) {
    if (alignLock_ > 0 || aligning_ || Destroying()) return;
    aligning_ = true;
    Rect rect = AlignRect();
    static constexpr std::array<ui::Align, 5> order{alTop, alBottom, alLeft, alRight, alClient};
    for (ui::Align align : order) {
        std::vector<Control*> list;
        if (trigger && trigger->parent_ == this && trigger->visible_ && trigger->align_ == align)
            list.push_back(trigger);
        for (Control* child : children_) {
            if (child == trigger || child->align_ != align || !child->visible_) continue;
            size_t j = 0;
            while (j < list.size() && !InsertBefore(child, list[j], align)) ++j;
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(j), child);
        }
        for (Control* child : list) PositionAligned(child, align, rect);
    }
    aligning_ = false;
}

void Control::PositionAligned(Control* child, ui::Align align, Rect& rect) {
    switch (align) {
    case alTop:
        child->SetBounds(rect.Left, rect.Top, rect.Width(), child->height_);
        rect.Top += child->height_;
        break;
    case alBottom:
        child->SetBounds(rect.Left, rect.Bottom - child->height_, rect.Width(), child->height_);
        rect.Bottom -= child->height_;
        break;
    case alLeft:
        child->SetBounds(rect.Left, rect.Top, child->width_, rect.Height());
        rect.Left += child->width_;
        break;
    case alRight:
        child->SetBounds(rect.Right - child->width_, rect.Top, child->width_, rect.Height());
        rect.Right -= child->width_;
        break;
    case alClient:
        child->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
        break;
    default:
        break;
    }
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    ApplyVisibility();
    if (parent_ && align_ != alNone) parent_->Realign(visible ? this : nullptr);
    if (Control* buddy = Buddy()) buddy->SetVisible(visible);
}

bool Control::Showing() const {
    if (!visible_) return false;
    if (parent_) return parent_->Showing();
    return IsTopLevel();
}

void Control::SetEnabled(bool enabled) {
    const bool changed = enabled != enabled_;
    enabled_ = enabled;
    widget_->setEnabled(enabled);
    if (Control* buddy = Buddy(); buddy && changed) buddy->SetEnabled(enabled);
}

void Control::SetBuddy(Control* buddy) {
    buddy_ = buddy;
    buddyLife_ = buddy ? buddy->LifeToken() : std::weak_ptr<void>();
    if (!buddy) return;
    buddy->SetVisible(visible_);
    buddy->SetEnabled(enabled_);
}

namespace {

// Whether palette already has color in role for every color group.
bool PaletteHas(const QPalette& palette, QPalette::ColorRole role, const QColor& color) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        if (palette.color(group, role) != color) return false;
    return true;
}

}  // namespace

// A palette is set only where it changes a color: every palette set makes the widget and its children a
// palette of their own, and the style's cached pixmaps are kept per palette, so they would be drawn and
// cached again for each new form.
void Control::SetColor(ui::Color color) {
    color_ = color;
    const QPalette::ColorRole role = ColorPaintsBase() ? QPalette::Base : QPalette::Window;
    const QColor shown = ToQColor(color);
    QWidget* colored = ColorWidget();
    if (!PaletteHas(colored->palette(), role, shown)) {
        QPalette palette = colored->palette();
        palette.setColor(role, shown);
        colored->setPalette(palette);
    }
    if (!ColorPaintsBase()) colored->setAutoFillBackground(true);
}

ui::Font Control::Font() const {
    ui::Font font = FromQFont(widget_->font(), fontColor_);
    font.Charset = charset_;
    return font;
}

void Control::SetFont(const ui::Font& font) {
    widget_->setFont(ToQFont(font, widget_->font()));
    if (font.Charset != charset_) SetFontCharset(font.Charset);
    if (font.Color == fontColor_) return;
    fontColor_ = font.Color;
    QPalette palette = widget_->palette();
    const QColor color = ToQColor(font.Color);
    if (PaletteHas(palette, QPalette::WindowText, color) && PaletteHas(palette, QPalette::Text, color) &&
        PaletteHas(palette, QPalette::ButtonText, color))
        return;
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget_->setPalette(palette);
}

void Control::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (widget_->focusPolicy() != Qt::NoFocus)
        widget_->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::SetHint(const std::string& hint) {
    hint_ = hint;
    ApplyToolTip();
}

void Control::SetShowHint(bool showHint) {
    showHint_ = showHint;
    ApplyToolTip();
}

void Control::ApplyToolTip() { widget_->setToolTip(showHint_ ? PlainToolTip(hint_) : QString()); }

bool Control::CanFocus() const {
    if (widget_->focusPolicy() == Qt::NoFocus || !Showing()) return false;
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void Control::SetFocus() {
    // A control that cannot take the focus now (hidden, disabled) is left alone.
    if (!CanFocus()) return;
    widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::Focused() const {
    const QWidget* focus = widget_->window()->focusWidget();
    return focus && (focus == widget_ || focus->focusProxy() == widget_ || widget_->focusProxy() == focus);
}

void Control::BringToFront() {
    widget_->raise();
    if (!parent_) return;
    auto& siblings = parent_->children_;
    siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    siblings.push_back(this);
}

void Control::SendToBack() {
    widget_->lower();
    if (!parent_) return;
    auto& siblings = parent_->children_;
    siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    siblings.insert(siblings.begin(), this);
}

void Control::Repaint() { widget_->repaint(); }

void Control::SetPopupMenu(Component* menu) {
    popupMenu_ = menu;
    popupLife_ = menu ? menu->LifeToken() : std::weak_ptr<void>();
    widget_->setContextMenuPolicy(menu ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

int Control::FittingHeight() const { return widget_->minimumSizeHint().height(); }

void Control::Click() {
    if (OnClick) OnClick(this);
}

bool Control::FocusInChildControl() const {
    QWidget* focus = widget_->window()->focusWidget();  // also while the window is not the active one
    if (!focus || focus == widget_ || !widget_->isAncestorOf(focus)) return false;
    return std::any_of(children_.begin(), children_.end(),
                       [focus](const Control* child) { return child->widget_ == focus || child->widget_->isAncestorOf(focus); });
}

bool Control::KeyEventDropped(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    auto life = LifeToken();
    if (int code = VirtualKey(key->key()); code != 0 && OnKeyDown) {
        const Qt::KeyboardModifiers held = key->modifiers();
        const ShiftState shift{(held & Qt::ShiftModifier) != 0, (held & Qt::AltModifier) != 0,
                               (held & Qt::ControlModifier) != 0};
        FireUser([&] { OnKeyDown(this, code, shift); });
        // A handler that freed the control (or its form) consumed the key.
        if (code == 0 || life.expired()) return true;
    }
    if (char typed = TypedCharacter(*key); typed != 0 && OnKeyPress) {
        FireUser([&] { OnKeyPress(this, typed); });
        if (typed == 0) return true;
    }
    return life.expired();
}

bool Control::WidgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        // A key a focused child control leaves unhandled reaches its parents too; the child reported it.
        return !FocusInChildControl() && KeyEventDropped(event);
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        mousePressed_ = mouse->button() == Qt::LeftButton;
        const QPoint p = mouse->position().toPoint();
        if (OnMouseDown) FireUser([&] { OnMouseDown(this, ToMouseButton(mouse->button()), p.x(), p.y()); });
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        const bool clicked = mousePressed_ && mouse->button() == Qt::LeftButton && widget_->rect().contains(p);
        mousePressed_ = false;
        auto life = LifeToken();
        if (OnMouseUp) FireUser([&] { OnMouseUp(this, ToMouseButton(mouse->button()), p.x(), p.y()); });
        if (clicked && !life.expired() && MouseReleaseClicks()) FireUser([&] { Click(); });
        break;
    }
    case QEvent::ContextMenu: {
        auto* provider = dynamic_cast<PopupProvider*>(PopupMenu());
        if (!provider) break;
        const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
        FireUser([&] { provider->ShowPopup(this, at.x(), at.y()); });
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (OnDblClick) FireUser([&] { OnDblClick(this); });
        break;
    case QEvent::MouseMove: {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (OnMouseMove) FireUser([&] { OnMouseMove(this, p.x(), p.y()); });
        break;
    }
    case QEvent::FocusIn: {
        // Entering is per form: a window that gets the focus back does not enter its control again.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) break;
        Form* form = ParentForm();
        if (form && form->entered_ == this && !form->enteredLife_.expired()) break;
        if (form) {
            form->entered_ = this;
            form->enteredLife_ = LifeToken();
        }
        if (OnEnter) FireUser([&] { OnEnter(this); });
        break;
    }
    case QEvent::FocusOut: {
        // A window losing the activation keeps its control entered.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
        Form* form = ParentForm();
        if (form && form->entered_ != this) break;  // never entered (focus taken back on the way)
        auto life = LifeToken();
        if (OnExit) FireUser([&] { OnExit(this); });
        // An exit handler may take the focus back (an input check does): then the control stays entered.
        if (!life.expired() && form && QApplication::focusWidget() != widget_) form->entered_ = nullptr;
        break;
    }
    default:
        break;
    }
    return false;
}

}  // namespace ui
