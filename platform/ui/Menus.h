#pragma once
// Menus: items in a tree, shown as a form's menu bar (MainMenu) or as a popup menu (PopupMenu).
//
// A caption is kept and shown exactly as given, blanks included; "&" marks the access key and a
// caption of "-" makes a separator. Click runs OnClick when the item is enabled, whether or not it
// is visible, so a hidden item's command can still be called. With AutoCheck a click toggles
// Checked (a radio item is only ever checked by it). Checking a radio item unchecks the other radio
// items of the same parent with the same GroupIndex. OnClick fires for the user's choice and for
// Click(); a change of Checked fires nothing.
#include "Component.h"
#include "Control.h"

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ui {

class Form;

class MenuItem : public Component {
public:
    explicit MenuItem(Component* owner);
    ~MenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool IsSeparator() const { return caption_ == "-"; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radioItem);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int groupIndex) { groupIndex_ = groupIndex; }
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool autoCheck);

    // Sub-items, in menu order. An item belongs to one parent at a time; Add moves it.
    MenuItem* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem* Items(int index) const;  // raises Exception outside 0 .. Count - 1
    int IndexOf(const MenuItem* item) const;
    void Add(MenuItem* item);
    void Insert(int index, MenuItem* item);
    void Remove(MenuItem* item);
    // The sub-item with this caption (exactly), or null.
    MenuItem* Find(const std::string& caption) const;

    void Click();
    NotifyEvent OnClick;

    QAction* Action() const { return action_.get(); }
    // The widget that shows the sub-items (created with the first one).
    QMenu* SubMenu() const { return subMenu_.get(); }

private:
    friend class Menu;
    void ApplyAction();
    QMenu& EnsureSubMenu();
    void PlaceAction(MenuItem* item);
    void UncheckGroup();
    void UserTriggered();
    // Where the sub-items' actions go: the sub-menu, or the widget of the menu this is the root of.
    QWidget* ActionHost();

    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    bool autoCheck_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> items_;
    std::unique_ptr<QAction> action_;
    std::unique_ptr<QMenu> subMenu_;
    QWidget* rootHost_ = nullptr;  // set for the root item of a menu
};

// The common part of main and popup menus: a root item whose sub-items are the menu's items.
class Menu : public Component {
public:
    ~Menu() override;
    MenuItem& Items() { return *root_; }
    const MenuItem& Items() const { return *root_; }

protected:
    // Takes ownership of host, the widget that shows the top items.
    Menu(Component* owner, QWidget* host);
    QWidget* Host() const { return host_.get(); }

private:
    std::unique_ptr<QWidget> host_;
    std::unique_ptr<MenuItem> root_;
};

// A form's menu bar. Made with a form as owner it becomes that form's menu unless the form has one.
class MainMenu : public Menu {
public:
    explicit MainMenu(Component* owner);
    ~MainMenu() override;
    // Shows the bar above form's client area (null: on no form).
    void AttachTo(Form* form);
    Form* AttachedForm() const;
    QMenuBar* MenuBar() const;

private:
    Form* form_ = nullptr;
    std::weak_ptr<void> formLife_;
};

// A menu that opens at a point, for a control (its PopupMenu) or by code.
class PopupMenu : public Menu, public PopupProvider {
public:
    explicit PopupMenu(Component* owner);
    ~PopupMenu() override;
    // Opens for source (a right click on a control whose PopupMenu this is).
    void ShowPopup(Control* source, int screenX, int screenY) override;
    // The control the menu was last opened for, or null.
    Control* PopupComponent() const;
    void SetPopupComponent(Control* control);
    // Opens the menu at screen position x, y; it stays open while the event loop runs.
    void Popup(int x, int y);
    QMenu* MenuWidget() const;

private:
    Control* popupComponent_ = nullptr;
    std::weak_ptr<void> popupComponentLife_;
};

}  // namespace ui
