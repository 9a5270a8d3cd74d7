#pragma once
// Control: a component that shows, wrapping one real Qt widget that it owns.
//
// Owner and parent are separate. The owner (Component) frees the control; the parent is the
// control it shows in. SetParent moves the widget without destroying it, so its state stays.
// Destroying a parent destroys the controls that show in it (each leaves its owner's list).
//
// Geometry is absolute: Left/Top relative to the parent's client area (a top-level form's to the
// screen), no Qt layouts. Align places a child in its parent's AlignRect in the order top, bottom,
// left, right, client; within one alignment the control whose change caused the realignment comes
// first, then the others by position (top edge, bottom edge, left edge, right edge).
//
// Event rules (who fires a handler):
// - A handler runs when the user acts and, where listed, when code changes the value:
//   Edit::OnChange, Memo::OnChange        user and code (only when the text really changes)
//   ComboBox::OnChange                    user only (SetItemIndex, SetText and item changes stay silent)
//   ComboBox::OnClick                     user selection of an item, just before its OnChange
//   CheckBox::OnClick                     user and code (SetChecked fires when the state changes)
//   RadioButton::OnClick                  user and code (when it becomes checked)
//   RadioGroup::OnClick                   user and code (when ItemIndex changes)
//   Button/BitBtn/SpeedButton::OnClick    user click, or Click() from code
//   OnKeyDown, OnKeyPress                 user only, on the control that has the focus: OnKeyDown
//                                         with the virtual key code (keys without one are not
//                                         reported), then OnKeyPress with the character the key
//                                         types, if any; a handler that sets the key to 0 drops it
// - A handler fired by a code change runs inside that call, and an exception it throws leaves
//   through the call. A handler fired by the user runs from the event loop; an exception it throws
//   goes to Application::HandleException and the program goes on. No exception leaves a Qt slot.
// - Handlers do not run while a control is being destroyed.
// - A handler run from the layer's own event handling (mouse and key events, a splitter's OnMoved, the list view's
//   mouse events) may free its control or the control's form: the event ends there. A handler run from a Qt signal
//   (a button's OnClick, OnChange, a list view's selection) frees its form through Form::Release.
//
// Writing a control: derive from Control (or a container) and hand the constructor a new widget;
// override ClientWidget when children live in an inner widget and AlignRect when borders take room.
// Connect widget signals with SignalContext() as context and run user handlers through FireUser;
// raise code-triggered events directly, so their exceptions reach the caller. WidgetEvent sees
// every event of the widget.
#include "Component.h"
#include "Types.h"

#include <functional>
#include <string>
#include <vector>

class QEvent;
class QObject;
class QWidget;

namespace ui {

class Control;
class Form;
class EventBridge;

enum MouseButton { mbLeft, mbRight, mbMiddle };

// Implemented by a popup menu component: shows itself for source at a screen position.
class PopupProvider {
public:
    virtual ~PopupProvider() = default;
    virtual void ShowPopup(Control* source, int screenX, int screenY) = 0;
};
using MouseEvent = std::function<void(Component* sender, MouseButton button, int x, int y)>;
using MouseMoveEvent = std::function<void(Component* sender, int x, int y)>;
using KeyEvent = std::function<void(Component* sender, int& key, ShiftState shift)>;
using KeyPressEvent = std::function<void(Component* sender, char& key)>;

class Control : public Component {
public:
    // Takes ownership of widget.
    Control(Component* owner, QWidget* widget);
    ~Control() override;

    QWidget* Widget() const { return widget_; }
    // Where the widgets of child controls live (a container may keep them in an inner widget).
    virtual QWidget* ClientWidget() const { return widget_; }

    // Parent
    Control* Parent() const { return parent_; }
    virtual void SetParent(Control* parent);
    int ControlCount() const { return static_cast<int>(children_.size()); }
    Control* Controls(int index) const { return children_.at(static_cast<size_t>(index)); }
    bool ContainsControl(const Control* control) const;  // a child or deeper descendant
    Form* ParentForm() const;                            // the form this control shows on, or null

    // Geometry
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    Rect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    Rect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    // The part of the client area that aligned children share (borders and bevels left out).
    virtual Rect AlignRect() const { return ClientRect(); }
    ui::Align Align() const { return align_; }
    void SetAlign(ui::Align align);
    // Places the aligned children again; trigger (a child or null) comes first among its alignment.
    void Realign(Control* trigger = nullptr);
    void DisableAlign() { ++alignLock_; }
    void EnableAlign();

    // State
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Showing() const;  // visible, and every parent too
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    // A control that stands for this one, such as its label: it takes this control's Visible and Enabled now
    // and follows each change of them. Not owned; a buddy freed first is dropped. Null: none.
    Control* Buddy() const { return buddyLife_.expired() ? nullptr : buddy_; }
    void SetBuddy(Control* buddy);
    ui::Color Color() const { return color_; }
    virtual void SetColor(ui::Color color);
    ui::Font Font() const;
    void SetFont(const ui::Font& font);
    // The font's character set: how the control turns its text bytes into characters and back.
    int FontCharset() const { return charset_; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);
    bool CanFocus() const;
    void SetFocus();
    bool Focused() const;
    // The popup menu a right click (or the menu key) shows: a component that is a PopupProvider.
    Component* PopupMenu() const { return popupLife_.expired() ? nullptr : popupMenu_; }
    void SetPopupMenu(Component* menu);
    // The least height that shows the control's text whole in its font (frame included).
    int FittingHeight() const;
    void BringToFront();
    void SendToBack();
    void Repaint();

    // Fires OnClick (and what the control adds to a click, such as a button's modal result).
    virtual void Click();

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    NotifyEvent OnEnter;
    NotifyEvent OnExit;
    NotifyEvent OnResize;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;
    KeyEvent OnKeyDown;
    KeyPressEvent OnKeyPress;

protected:
    // Called for every event of the widget; true swallows it.
    virtual bool WidgetEvent(QEvent* event);
    // Whether a mouse release on the widget counts as a click (buttons report their own).
    virtual bool MouseReleaseClicks() const { return true; }
    virtual void BoundsChanged() {}
    // Which background role the colour paints (the text area for edits, the window elsewhere).
    virtual bool ColorPaintsBase() const { return false; }
    // The widget whose palette Color sets (a view: its viewport, so that its header and scroll bars keep the
    // form's palette).
    virtual QWidget* ColorWidget() const { return widget_; }
    // Takes a new font character set; a control that shows text bytes shows them again in it.
    virtual void SetFontCharset(int charset) { charset_ = charset; }
    // Size the widget takes for width_ x height_ (a form leaves its frame out).
    virtual void ApplyGeometry();
    virtual void ApplyVisibility();
    bool IsTopLevel() const;
    // Runs OnKeyDown and OnKeyPress for a key event; true when a handler dropped the key.
    bool KeyEventDropped(QEvent* event);
    bool FocusInChildControl() const;
    void SetColorQuietly(ui::Color color) { color_ = color; }
    // Context object for signal connections; gone before the widget, so no slot outlives the wrapper.
    QObject* SignalContext() const;
    // Runs a handler for a user action: skipped while destroying, exceptions to the application.
    static void FireUser(const std::function<void()>& action);
    static bool DestroyingAny();

private:
    friend class EventBridge;
    void AddChild(Control* child);
    void RemoveChild(Control* child);
    void ApplyToolTip();
    void PositionAligned(Control* child, ui::Align align, Rect& rect);

    QWidget* widget_;
    EventBridge* bridge_;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    ui::Align align_ = alNone;
    int alignLock_ = 0;
    bool aligning_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    ui::Color color_ = clBtnFace;
    int fontColor_ = clWindowText;
    int charset_ = 0;
    bool tabStop_ = false;
    std::string hint_;
    bool showHint_ = false;
    bool mousePressed_ = false;
    Component* popupMenu_ = nullptr;
    std::weak_ptr<void> popupLife_;
    Control* buddy_ = nullptr;
    std::weak_ptr<void> buddyLife_;
};

}  // namespace ui
