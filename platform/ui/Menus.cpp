#include "Menus.h"

#include "Application.h"
#include "Control.h"
#include "Exception.h"
#include "Form.h"
#include "Text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace ui {

namespace {
// A menu bar one line high, however many items it holds, so the form's client area keeps its size.
class MenuBarWidget : public QMenuBar {
public:
    MenuBarWidget() {
        QAction* probe = addAction(QStringLiteral("X"));
        lineHeight_ = QMenuBar::sizeHint().height();
        removeAction(probe);
        delete probe;
    }
    QSize sizeHint() const override { return {QMenuBar::sizeHint().width(), lineHeight_}; }

private:
    int lineHeight_ = 0;
};
}  // namespace

// ---- MenuItem ----

MenuItem::MenuItem(Component* owner) : Component(owner), action_(std::make_unique<QAction>()) {
    QObject::connect(action_.get(), &QAction::triggered, action_.get(), [this] { UserTriggered(); });
    ApplyAction();
}

MenuItem::~MenuItem() {
    while (!items_.empty()) delete items_.back();
    if (parent_) parent_->Remove(this);
    if (subMenu_) {
        action_->setMenu(static_cast<QMenu*>(nullptr));
        subMenu_.reset();
    }
    action_.reset();
}

void MenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    ApplyAction();
}

void MenuItem::SetVisible(bool visible) {
    visible_ = visible;
    ApplyAction();
}

void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    ApplyAction();
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (checked) UncheckGroup();
    ApplyAction();
}

void MenuItem::SetRadioItem(bool radioItem) {
    radioItem_ = radioItem;
    if (radioItem && checked_) UncheckGroup();
    ApplyAction();
}

void MenuItem::SetAutoCheck(bool autoCheck) {
    autoCheck_ = autoCheck;
    ApplyAction();
}

void MenuItem::ApplyAction() {
    // A separator's caption "-" only marks it; drawn, it is a bare line.
    action_->setText(IsSeparator() ? QString() : ToQString(caption_));
    action_->setSeparator(IsSeparator());
    action_->setVisible(visible_);
    action_->setEnabled(enabled_);
    action_->setCheckable(checked_ || radioItem_ || autoCheck_);
    action_->setChecked(checked_);
}

void MenuItem::UncheckGroup() {
    if (!radioItem_ || !parent_) return;
    for (MenuItem* sibling : parent_->items_) {
        if (sibling == this || !sibling->radioItem_ || sibling->groupIndex_ != groupIndex_ || !sibling->checked_) continue;
        sibling->checked_ = false;
        sibling->ApplyAction();
    }
}

MenuItem* MenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw Exception("Menu index out of range (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

int MenuItem::IndexOf(const MenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void MenuItem::Add(MenuItem* item) { Insert(Count(), item); }

void MenuItem::Insert(int index, MenuItem* item) {
    if (!item) return;
    for (const MenuItem* p = this; p; p = p->parent_)
        if (p == item) throw Exception("A menu item cannot contain itself");
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    PlaceAction(item);
    if (item->checked_) item->UncheckGroup();
}

void MenuItem::Remove(MenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    if (QWidget* host = rootHost_ ? rootHost_ : subMenu_.get()) host->removeAction(item->action_.get());
}

MenuItem* MenuItem::Find(const std::string& caption) const {
    for (MenuItem* item : items_)
        if (item->caption_ == caption) return item;
    return nullptr;
}

QMenu& MenuItem::EnsureSubMenu() {
    if (!subMenu_) {
        subMenu_ = std::make_unique<QMenu>();
        action_->setMenu(subMenu_.get());
    }
    return *subMenu_;
}

QWidget* MenuItem::ActionHost() { return rootHost_ ? rootHost_ : &EnsureSubMenu(); }

void MenuItem::PlaceAction(MenuItem* item) {
    QWidget* host = ActionHost();
    const int index = IndexOf(item);
    QAction* before = index + 1 < Count() ? items_[static_cast<size_t>(index + 1)]->action_.get() : nullptr;
    host->insertAction(before, item->action_.get());
}

void MenuItem::Click() {
    if (!enabled_) return;
    if (autoCheck_) SetChecked(radioItem_ ? true : !checked_);
    if (OnClick) OnClick(this);
}

void MenuItem::UserTriggered() {
    const auto life = LifeToken();
    try {
        Click();
    } catch (...) {
        detail::HandleCurrentException();
    }
    // The widget toggles a checkable action by itself; the item's own state is what shows.
    if (!life.expired()) ApplyAction();
}

// ---- Menu ----

Menu::Menu(Component* owner, QWidget* host) : Component(owner), host_(host), root_(std::make_unique<MenuItem>(nullptr)) {
    root_->rootHost_ = host;
}

Menu::~Menu() {
    root_.reset();
    host_.reset();
}

// ---- MainMenu ----

MainMenu::MainMenu(Component* owner) : Menu(owner, new MenuBarWidget) {
    if (auto* form = dynamic_cast<Form*>(owner); form && !form->MenuWidget()) AttachTo(form);
}

MainMenu::~MainMenu() { AttachTo(nullptr); }

QMenuBar* MainMenu::MenuBar() const { return static_cast<QMenuBar*>(Host()); }

Form* MainMenu::AttachedForm() const { return formLife_.expired() ? nullptr : form_; }

void MainMenu::AttachTo(Form* form) {
    if (Form* current = AttachedForm(); current && current->MenuWidget() == MenuBar()) current->SetMenuWidget(nullptr);
    form_ = form;
    formLife_ = form ? form->LifeToken() : std::weak_ptr<void>();
    if (form) form->SetMenuWidget(MenuBar());
}

// ---- PopupMenu ----

PopupMenu::PopupMenu(Component* owner) : Menu(owner, new QMenu) {}

PopupMenu::~PopupMenu() = default;

QMenu* PopupMenu::MenuWidget() const { return static_cast<QMenu*>(Host()); }

Control* PopupMenu::PopupComponent() const { return popupComponentLife_.expired() ? nullptr : popupComponent_; }

void PopupMenu::SetPopupComponent(Control* control) {
    popupComponent_ = control;
    popupComponentLife_ = control ? control->LifeToken() : std::weak_ptr<void>();
}

void PopupMenu::ShowPopup(Control* source, int screenX, int screenY) {
    SetPopupComponent(source);
    Popup(screenX, screenY);
}

void PopupMenu::Popup(int x, int y) { MenuWidget()->popup(QPoint(x, y)); }

}  // namespace ui
