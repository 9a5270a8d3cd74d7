#pragma once
// Form: a window (top-level, or borderless and embedded in a parent control), shown plain or modally.
//
// Width and Height of a top-level form include a frame of fixed size per border style (the client
// area is the Qt widget); an embedded form has no frame.
//
// ShowModal runs a nested event loop until ModalResult is set (Close sets mrCancel), then asks
// OnCloseQuery and OnClose; caNone keeps the form open. While modal, a top-level form is transient
// for the form that opened it (the active form, else its owner), so it stands over that form.
// Messages posted with PostMessage are queued behind every event posted before them and delivered
// to Dispatch, so a message posted before ShowModal is handled in the modal loop's first pass.
// Dispatch handles WM_CLOSE (Close) and WM_NEXTDLGCTL (wParam 0: next control in tab order,
// 1: previous) and passes every other message to OnMessage. A form freed while handling its own event uses Release.
#include "Control.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

namespace ui {

struct Message {
    unsigned Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

using CloseEvent = std::function<void(Component* sender, CloseAction& action)>;
using CloseQueryEvent = std::function<void(Component* sender, bool& canClose)>;
using MessageEvent = std::function<void(Component* sender, Message& message)>;

class Form : public Control {
public:
    explicit Form(Component* owner);
    ~Form() override;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    ui::BorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ui::BorderStyle style);
    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }

    int ClientWidth() const override;
    int ClientHeight() const override;
    QWidget* ClientWidget() const override { return client_; }
    // Puts a menu bar (the main menu's widget) above the client area; the client area keeps its size.
    // Null removes it. The form never deletes it.
    void SetMenuWidget(QWidget* menuBar);
    QWidget* MenuWidget() const { return menuBar_; }
    void SetParent(Control* parent) override;
    void SetVisible(bool visible) override;

    // Runs OnCreate once; a form's constructor calls it when it has built its controls.
    // Show and ShowModal run it for a form whose constructor did not.
    void DoCreate();

    ui::ModalResult ShowModal();
    bool Modal() const { return modal_; }
    ui::ModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(ui::ModalResult result);
    void Close();
    bool CloseQuery();
    // Frees the form once the events posted so far are handled.
    void Release();
    bool Active() const;

    // Handles one posted message.
    virtual void Dispatch(Message& message);
    // Moves the focus to the next (or previous) control of the form that takes it in tab order.
    void SelectNext(bool forward = true);

    NotifyEvent OnCreate;
    NotifyEvent OnShow;
    NotifyEvent OnHide;
    NotifyEvent OnActivate;
    NotifyEvent OnDeactivate;
    CloseEvent OnClose;
    CloseQueryEvent OnCloseQuery;
    MessageEvent OnMessage;

protected:
    bool WidgetEvent(QEvent* event) override;
    void ApplyGeometry() override;
    void ApplyVisibility() override;

private:
    friend class Application;
    friend class Control;
    int FrameWidth() const;
    int FrameHeight() const;
    int MenuHeight() const;
    void LayoutClient();
    void ApplyWindowFlags();
    void PlaceOnScreen();
    void Activate();
    bool CloseModal();

    ui::BorderStyle borderStyle_ = bsSizeable;
    FormPosition position_ = poDesigned;
    ui::ModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool created_ = false;
    bool syncingGeometry_ = false;
    bool closeActionFree_ = false;
    QWidget* client_ = nullptr;   // the client area, where child controls live
    QPointer<QWidget> menuBar_;
    // The control that last received OnEnter: focus coming back with the window enters nothing anew.
    const Control* entered_ = nullptr;
    std::weak_ptr<void> enteredLife_;   // not owned: handed back (unparented) when the form goes
};

// Queues a message for form; false when there is no form.
bool PostMessage(Form* form, unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0);

}  // namespace ui
