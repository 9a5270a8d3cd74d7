#include "Form.h"

#include "Application.h"
#include "Exception.h"
#include "Screen.h"
#include "TestHooks.h"
#include "Text.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace ui {

namespace {
constexpr int captionHeight = 19;
constexpr int smallCaptionHeight = 15;
constexpr int fixedFrame = 3;
constexpr int sizingFrame = 4;

// The window a modal form stands over: the active form's, else its owner's, when shown and top-level.
QWindow* OpenerWindow(const Form& form, const Form* active) {
    const Form* opener = active && active != &form ? active : dynamic_cast<const Form*>(form.Owner());
    if (!opener || opener == &form || opener->Parent() || !opener->Showing()) return nullptr;
    return opener->Widget()->windowHandle();
}

// Hides the form and leaves modal state however ShowModal ends.
class ModalScope {
public:
    ModalScope(Form& form, std::weak_ptr<void> life, bool& modal) : form_(form), life_(std::move(life)), modal_(modal) {}
    ~ModalScope() {
        if (life_.expired()) return;
        modal_ = false;
        form_.Widget()->setWindowModality(Qt::NonModal);
        if (QWindow* window = form_.Widget()->windowHandle()) window->setTransientParent(nullptr);
    }

private:
    Form& form_;
    std::weak_ptr<void> life_;
    bool& modal_;
};
}  // namespace

Form::Form(Component* owner) : Control(owner, new QWidget(nullptr, Qt::Window)) {
    client_ = new QWidget(Widget());
    client_->show();
    Control::SetVisible(false);
    SetColor(clBtnFace);
    ApplyWindowFlags();
    SetBounds(0, 0, 320, 240);
}

Form::~Form() {
    MarkDestroying();
    if (menuBar_) {
        menuBar_->hide();
        menuBar_->setParent(nullptr);
    }
    if (auto* app = Application::InstanceOrNull()) app->FormGone(this);
}

std::string Form::Caption() const { return FromQString(Widget()->windowTitle()); }

void Form::SetCaption(const std::string& caption) { Widget()->setWindowTitle(ToQString(caption)); }

void Form::SetBorderStyle(ui::BorderStyle style) {
    if (style == borderStyle_) return;
    const int clientWidth = ClientWidth();
    const int clientHeight = ClientHeight();
    borderStyle_ = style;
    ApplyWindowFlags();
    // The client area keeps its size; the frame around it changes.
    SetBounds(Left(), Top(), clientWidth + FrameWidth(), clientHeight + FrameHeight());
    ApplyGeometry();
    ApplyVisibility();
}

int Form::FrameWidth() const {
    if (Parent()) return 0;
    switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable: case bsSizeToolWin: return 2 * sizingFrame;
    default: return 2 * fixedFrame;
    }
}

int Form::FrameHeight() const {
    if (Parent()) return 0;
    switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable: return 2 * sizingFrame + captionHeight;
    case bsSizeToolWin: return 2 * sizingFrame + smallCaptionHeight;
    case bsToolWindow: return 2 * fixedFrame + smallCaptionHeight;
    default: return 2 * fixedFrame + captionHeight;
    }
}

int Form::MenuHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

int Form::ClientWidth() const { return Width() - FrameWidth(); }

int Form::ClientHeight() const { return Height() - FrameHeight() - MenuHeight(); }

void Form::SetMenuWidget(QWidget* menuBar) {
    if (menuBar == menuBar_) return;
    const int clientHeight = ClientHeight();
    if (menuBar_) {
        menuBar_->hide();
        menuBar_->setParent(nullptr);
    }
    menuBar_ = menuBar;
    if (menuBar_) {
        menuBar_->setParent(Widget());
        menuBar_->show();
    }
    SetBounds(Left(), Top(), Width(), clientHeight + FrameHeight() + MenuHeight());
    LayoutClient();
}

void Form::LayoutClient() {
    const QSize area = Widget()->size();
    const int menuHeight = MenuHeight();
    if (menuBar_) menuBar_->setGeometry(0, 0, area.width(), menuHeight);
    client_->setGeometry(0, menuHeight, area.width(), std::max(0, area.height() - menuHeight));
}

void Form::ApplyWindowFlags() {
    if (Parent()) return;  // embedded: a plain child widget
    Qt::WindowFlags flags = Qt::Window;
    switch (borderStyle_) {
    case bsNone: flags |= Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog; break;
    case bsToolWindow: case bsSizeToolWin: flags = Qt::Tool; break;
    default: break;
    }
    if (Widget()->windowFlags() != flags) Widget()->setWindowFlags(flags);
}

void Form::SetParent(Control* parent) {
    Control::SetParent(parent);
    ApplyWindowFlags();
    ApplyGeometry();
    ApplyVisibility();
}

void Form::ApplyGeometry() {
    if (Parent()) {
        Control::ApplyGeometry();
    } else {
        syncingGeometry_ = true;
        Widget()->move(Left(), Top());
        Widget()->resize(std::max(0, Width() - FrameWidth()), std::max(0, Height() - FrameHeight()));
        syncingGeometry_ = false;
    }
    LayoutClient();
}

void Form::ApplyVisibility() { Widget()->setVisible(Visible()); }

void Form::DoCreate() {
    if (created_) return;
    created_ = true;
    if (OnCreate) OnCreate(this);
}

void Form::PlaceOnScreen() {
    int x = Left();
    int y = Top();
    auto centreOn = [&](int left, int top, int width, int height) {
        x = left + (width - Width()) / 2;
        y = top + (height - Height()) / 2;
    };
    const Form* anchor = nullptr;
    if (position_ == poOwnerFormCenter) anchor = dynamic_cast<const Form*>(Owner());
    if (position_ == poMainFormCenter || (position_ == poOwnerFormCenter && !anchor)) {
        auto* app = Application::InstanceOrNull();
        anchor = app ? app->MainForm() : nullptr;
    }
    if (anchor == this) anchor = nullptr;
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter: centreOn(0, 0, Screen::Width(), Screen::Height()); break;
    case poMainFormCenter:
    case poOwnerFormCenter:
        if (anchor)
            centreOn(anchor->Left(), anchor->Top(), anchor->Width(), anchor->Height());
        else
            centreOn(0, 0, Screen::Width(), Screen::Height());
        break;
    default: return;
    }
    SetBounds(std::max(0, x), std::max(0, y), Width(), Height());
}

void Form::SetVisible(bool visible) {
    if (visible == Visible()) return;
    if (visible) {
        DoCreate();
        if (!Parent()) PlaceOnScreen();
    }
    Control::SetVisible(visible);
    if (visible) {
        if (OnShow) OnShow(this);
        if (!Parent()) Activate();
    } else {
        if (OnHide) OnHide(this);
        if (auto* app = Application::InstanceOrNull(); app && app->ActiveForm() == this) app->SetActiveForm(nullptr);
    }
}

bool Form::Active() const {
    auto* app = Application::InstanceOrNull();
    return app && app->ActiveForm() == this;
}

void Form::Activate() {
    auto* app = Application::InstanceOrNull();
    if (!app || app->ActiveForm() == this) return;
    Form* previous = app->ActiveForm();
    app->SetActiveForm(this);
    // Activation is ours: shown forms and the end of a modal loop decide it, not the window system.
    Widget()->activateWindow();
    if (previous && previous->OnDeactivate) previous->OnDeactivate(previous);
    if (OnActivate) OnActivate(this);
}

void Form::SetModalResult(ui::ModalResult result) {
    modalResult_ = result;
    if (modal_ && result != mrNone) detail::WakeUp();
}

ModalResult Form::ShowModal() {
    if (Visible() || !Enabled() || modal_) throw Exception("Cannot make a visible window modal");
    auto* app = Application::InstanceOrNull();
    Form* previous = app ? app->ActiveForm() : nullptr;
    std::weak_ptr<void> previousLife = previous ? previous->LifeToken() : std::weak_ptr<void>();
    const std::weak_ptr<void> life = LifeToken();

    modalResult_ = mrNone;
    modal_ = true;
    bool freeAfter = false;
    {
        ModalScope scope(*this, life, modal_);
        Widget()->setWindowModality(Qt::ApplicationModal);
        if (QWindow* opener = Parent() ? nullptr : OpenerWindow(*this, previous)) {
            Widget()->winId();  // the window exists before it is shown
            Widget()->windowHandle()->setTransientParent(opener);
        }
        SetVisible(true);
        if (auto driver = TestHooks::TakeModalDriver()) detail::Post(this, [this, driver] { driver(*this); });
        for (;;) {
            if (modalResult_ == mrNone)
                QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            if (life.expired()) return mrCancel;
            if (app && app->Terminated()) modalResult_ = mrCancel;
            if (modalResult_ == mrNone) continue;
            if (CloseModal()) break;
        }
        freeAfter = closeActionFree_;
        SetVisible(false);
    }
    if (!previousLife.expired() && previous != this && previous->Showing() && !previous->Parent())
        previous->Activate();
    const ui::ModalResult result = modalResult_;
    if (freeAfter) Release();
    return result;
}

bool Form::CloseModal() {
    CloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        if (OnClose) OnClose(this, action);
    }
    closeActionFree_ = action == caFree;
    if (action == caNone) {
        modalResult_ = mrNone;
        return false;
    }
    return true;
}

bool Form::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void Form::Close() {
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    CloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (auto* app = Application::InstanceOrNull(); app && app->MainForm() == this) {
        app->Terminate();
        return;
    }
    if (action == caFree)
        Release();
    else
        SetVisible(false);
}

void Form::Release() {
    detail::Post(this, [this] { delete this; });
}

void Form::Dispatch(Message& message) {
    switch (message.Msg) {
    case WM_CLOSE: Close(); break;
    case WM_NEXTDLGCTL:
        if (message.LParam == 0) SelectNext(message.WParam == 0);
        break;
    default:
        if (OnMessage) OnMessage(this, message);
        break;
    }
}

void Form::SelectNext(bool forward) {
    QWidget* root = Widget();
    QWidget* start = root->focusWidget() ? root->focusWidget() : root;
    QWidget* w = start;
    for (;;) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == start) return;
        if (w == root || !root->isAncestorOf(w)) continue;
        if (!w->isVisibleTo(root) || !w->isEnabled()) continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
    }
}

bool Form::WidgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Close:
        // The close box asks the form; the form decides whether it hides.
        event->ignore();
        FireUser([this] { Close(); });
        return true;
    case QEvent::Resize:
    case QEvent::Move:
        if (!Parent() && !syncingGeometry_ && Widget()->isVisible()) {
            const QRect area = Widget()->geometry();
            const QPoint frame = Widget()->pos();
            FireUser([&] {
                SetBounds(frame.x(), frame.y(), area.width() + FrameWidth(), area.height() + FrameHeight());
            });
            LayoutClient();
        }
        return false;
    default:
        return Control::WidgetEvent(event);
    }
}

bool PostMessage(Form* form, unsigned message, uintptr_t wParam, intptr_t lParam) {
    if (!form) return false;
    detail::Post(form, [form, message, wParam, lParam] {
        Message m{message, wParam, lParam, 0};
        form->Dispatch(m);
    });
    return true;
}

}  // namespace ui
