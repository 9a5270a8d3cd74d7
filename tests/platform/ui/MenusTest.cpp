// Main and popup menus: captions, hidden and disabled items, radio groups, sub-menus, popups on controls.
#include "Application.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "Menus.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class MenusTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form>(nullptr);
        form->SetClientWidth(400);
        form->SetClientHeight(150);
        menu = new ui::MainMenu(form.get());
    }
    void TearDown() override { form.reset(); }

    ui::MenuItem* Item(ui::MenuItem& parent, const std::string& caption) {
        auto* item = new ui::MenuItem(form.get());
        item->SetCaption(caption);
        parent.Add(item);
        return item;
    }

    std::unique_ptr<ui::Form> form;
    ui::MainMenu* menu = nullptr;
};

TEST_F(MenusTest, CaptionsAreKeptExactly) {
    const std::vector<std::string> captions = {"Configuration", "Moudle Basic Configuration", "MAC  Address Table ",
                                               "&Help", "Port\tF2"};
    ui::MenuItem* top = Item(menu->Items(), captions[0]);
    for (size_t i = 1; i < captions.size(); ++i) Item(*top, captions[i]);

    ASSERT_EQ(top->Count(), 4);
    for (int i = 0; i < top->Count(); ++i) {
        EXPECT_EQ(top->Items(i)->Caption(), captions[static_cast<size_t>(i) + 1]);
        EXPECT_EQ(top->Items(i)->Action()->text().toStdString(), captions[static_cast<size_t>(i) + 1]);
    }
    EXPECT_EQ(top->Find("MAC  Address Table "), top->Items(1));
    EXPECT_EQ(top->Find("MAC Address Table"), nullptr);
    // The top item shows in the bar and opens its sub-menu.
    EXPECT_EQ(menu->MenuBar()->actions().value(0), top->Action());
    EXPECT_EQ(top->Action()->menu(), top->SubMenu());
    EXPECT_EQ(top->SubMenu()->actions().size(), 4);
}

TEST_F(MenusTest, HiddenItemsCommandsStayCallableAndDisabledOnesDoNothing) {
    ui::MenuItem* top = Item(menu->Items(), "Configuration");
    ui::MenuItem* refresh = Item(*top, "Refresh Panel");
    int clicks = 0;
    refresh->OnClick = [&](ui::Component* sender) {
        EXPECT_EQ(sender, refresh);
        ++clicks;
    };

    refresh->SetVisible(false);
    EXPECT_FALSE(refresh->Action()->isVisible());
    refresh->Click();
    EXPECT_EQ(clicks, 1);

    refresh->SetEnabled(false);
    refresh->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(refresh->Action()->isEnabled());

    refresh->SetEnabled(true);
    refresh->SetVisible(true);
    refresh->Action()->trigger();  // as the user's choice
    EXPECT_EQ(clicks, 2);
}

TEST_F(MenusTest, RadioItemsOfOneGroupCheckOneAtATime) {
    ui::MenuItem* top = Item(menu->Items(), "View");
    std::vector<ui::MenuItem*> group;
    for (const char* caption : {"One", "Two", "Three"}) {
        ui::MenuItem* item = Item(*top, caption);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        item->SetAutoCheck(true);
        group.push_back(item);
    }
    ui::MenuItem* other = Item(*top, "Other group");
    other->SetRadioItem(true);
    other->SetGroupIndex(2);
    other->SetChecked(true);

    group[0]->SetChecked(true);
    group[2]->SetChecked(true);
    EXPECT_FALSE(group[0]->Checked());
    EXPECT_TRUE(group[2]->Checked());
    EXPECT_TRUE(other->Checked());  // another group is left alone

    group[1]->Action()->trigger();  // the user picks one: it stays checked
    group[1]->Action()->trigger();
    EXPECT_TRUE(group[1]->Checked());
    EXPECT_FALSE(group[2]->Checked());
    EXPECT_TRUE(group[1]->Action()->isChecked());
    EXPECT_FALSE(group[2]->Action()->isChecked());

    ui::MenuItem* plain = Item(*top, "Plain");
    plain->Action()->trigger();  // without AutoCheck a click checks nothing
    EXPECT_FALSE(plain->Checked());
    EXPECT_FALSE(plain->Action()->isChecked());
}

TEST_F(MenusTest, SubMenusNestAndItemsLeaveTheirParentWhenFreed) {
    ui::MenuItem* top = Item(menu->Items(), "Layer 2");
    ui::MenuItem* sub = Item(*top, "VLAN");
    ui::MenuItem* leaf = Item(*sub, "802.1Q Static VLAN");
    Item(*top, "-");
    EXPECT_TRUE(top->Items(1)->Action()->isSeparator());
    EXPECT_EQ(leaf->Parent(), sub);

    ui::MenuItem* first = new ui::MenuItem(form.get());
    first->SetCaption("First");
    top->Insert(0, first);
    EXPECT_EQ(top->SubMenu()->actions().value(0), first->Action());
    EXPECT_THROW(leaf->Add(top), Exception);

    delete sub;  // frees its own sub-items too
    EXPECT_EQ(top->Count(), 2);
    EXPECT_EQ(top->SubMenu()->actions().size(), 2);
    EXPECT_THROW(top->Items(2), Exception);
}

TEST_F(MenusTest, SeparatorsAreDrawnAsABareLine) {
    ui::MenuItem* top = Item(menu->Items(), "Layer 2");
    Item(*top, "VLAN");
    ui::MenuItem* separator = Item(*top, "-");
    Item(*top, "LLDP");
    EXPECT_EQ(separator->Caption(), "-");
    QMenu* shown = top->SubMenu();
    shown->popup(QPoint(0, 0));
    // The same menu with a separator that never had a caption: both rows look alike.
    QMenu plain;
    plain.addAction("VLAN");
    plain.addSeparator();
    plain.addAction("LLDP");
    plain.setFixedSize(shown->size());
    plain.popup(QPoint(0, 0));
    const QRect row = shown->actionGeometry(separator->Action());
    ASSERT_EQ(row, plain.actionGeometry(plain.actions().value(1)));
    EXPECT_EQ(shown->grab(row).toImage(), plain.grab(row).toImage());
    shown->hide();
}

TEST_F(MenusTest, MainMenuTakesPlaceAboveTheClientArea) {
    Item(menu->Items(), "Configuration");
    EXPECT_EQ(form->MenuWidget(), menu->MenuBar());
    EXPECT_EQ(form->ClientHeight(), 150);
    delete menu;
    EXPECT_EQ(form->MenuWidget(), nullptr);
    EXPECT_EQ(form->ClientHeight(), 150);
}

TEST_F(MenusTest, ExceptionInAMenuCommandReachesTheApplication) {
    ui::MenuItem* top = Item(menu->Items(), "Help");
    ui::MenuItem* about = Item(*top, "About");
    about->OnClick = [](ui::Component*) { throw Exception("No help file"); };
    std::string shown;
    auto& app = ui::Application::Instance();
    auto saved = app.OnException;
    app.OnException = [&](ui::Component*, const std::exception& error) { shown = error.what(); };
    about->Action()->trigger();
    app.OnException = saved;
    EXPECT_EQ(shown, "No help file");
}

TEST(PopupMenu, OpensForTheControlAndNamesIt) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    auto* popup = new ui::PopupMenu(form.get());
    auto* info = new ui::MenuItem(form.get());
    info->SetCaption("Port Information");
    popup->Items().Add(info);
    auto* button = new ui::SpeedButton(form.get());
    button->SetParent(form.get());
    button->SetHint("21.2");
    button->SetPopupMenu(popup);
    form->Show();

    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), button->Widget()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(button->Widget(), &request);
    EXPECT_EQ(popup->PopupComponent(), button);
    EXPECT_TRUE(popup->MenuWidget()->isVisible());
    EXPECT_EQ(popup->MenuWidget()->actions().value(0)->text(), "Port Information");
    popup->MenuWidget()->hide();

    delete button;
    EXPECT_EQ(popup->PopupComponent(), nullptr);
    delete popup;
    auto* other = new ui::SpeedButton(form.get());
    EXPECT_EQ(other->PopupMenu(), nullptr);
}

}  // namespace
