// Which changes fire which event, for each control: code changes versus user actions.
#include "Exception.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class EventRules : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        form->Show();
    }
    void TearDown() override { form.reset(); }

    template <class T>
    T* Make() {
        auto* control = new T(form.get());
        control->SetParent(form.get());
        return control;
    }
    ui::NotifyEvent Count(int& counter) {
        return [&counter](ui::Component*) { ++counter; };
    }

    std::unique_ptr<ui::Form> form;
};

TEST_F(EventRules, EditChangeFiresForCodeAndUser) {
    auto* edit = Make<ui::Edit>();
    int changes = 0;
    edit->OnChange = Count(changes);

    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    edit->SetText("abc");  // unchanged text: no event
    EXPECT_EQ(changes, 1);

    QTest::keyClicks(edit->Widget(), "de");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(edit->Text(), "abcde");
}

TEST_F(EventRules, MaxLengthLimitsTypingButNotCode) {
    auto* edit = Make<ui::Edit>();
    edit->SetMaxLength(4);
    QTest::keyClicks(edit->Widget(), "123456");
    EXPECT_EQ(edit->Text(), "1234");
    edit->SetText("a value longer than four");  // a device value keeps every character
    EXPECT_EQ(edit->Text(), "a value longer than four");
    QTest::keyClick(edit->Widget(), Qt::Key_Backspace);  // shortening stays possible
    EXPECT_EQ(edit->Text(), "a value longer than fou");
}

TEST_F(EventRules, MemoChangeFiresForCodeAndUser) {
    auto* memo = Make<ui::Memo>();
    int changes = 0;
    memo->OnChange = Count(changes);
    memo->Lines().Add("first");
    memo->Lines().Add("second");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->Lines()[1], "second");
    QTest::keyClicks(memo->Widget(), "x");
    EXPECT_EQ(changes, 3);
}

TEST_F(EventRules, ComboChangeFiresForUserOnly) {
    auto* combo = Make<ui::ComboBox>();
    combo->SetStyle(ui::csDropDownList);
    int changes = 0;
    combo->OnChange = Count(changes);

    combo->Items().Add("enabled");
    combo->Items().Add("disabled");
    EXPECT_EQ(combo->ItemIndex(), -1);  // adding items selects nothing
    combo->SetItemIndex(1);
    combo->SetText("ENABLED");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "enabled");
    EXPECT_EQ(changes, 0);

    std::vector<std::string> order;
    combo->OnClick = [&](ui::Component*) { order.push_back("click"); };
    combo->OnChange = [&](ui::Component*) {
        ++changes;
        order.push_back("change");
    };
    combo->Widget()->setFocus();
    QTest::keyClick(combo->Widget(), Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"click", "change"}));

    combo->Items().Delete(1);  // the selected item goes: nothing selected, no event
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->Items().Clear();
    EXPECT_EQ(changes, 1);
}

TEST_F(EventRules, CheckBoxClickFiresForCodeAndUser) {
    auto* box = Make<ui::CheckBox>();
    box->SetBounds(10, 10, 97, 17);
    int clicks = 0;
    box->OnClick = Count(clicks);

    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box->SetChecked(true);  // unchanged: no event
    EXPECT_EQ(clicks, 1);

    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(EventRules, RadioButtonClickFiresWhenChecked) {
    auto* first = Make<ui::RadioButton>();
    auto* second = Make<ui::RadioButton>();
    second->SetTop(30);
    int firstClicks = 0, secondClicks = 0;
    first->OnClick = Count(firstClicks);
    second->OnClick = Count(secondClicks);

    first->SetChecked(true);
    second->SetChecked(true);
    EXPECT_FALSE(first->Checked());
    EXPECT_EQ(firstClicks, 1);
    EXPECT_EQ(secondClicks, 1);

    second->SetChecked(false);  // code may clear the last checked one
    EXPECT_FALSE(second->Checked());
    EXPECT_EQ(secondClicks, 1);

    QTest::mouseClick(first->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(first->Checked());
    EXPECT_EQ(firstClicks, 2);
}

TEST_F(EventRules, RadioGroupClickFiresForCodeAndUser) {
    auto* group = Make<ui::RadioGroup>();
    group->SetBounds(0, 0, 185, 105);
    int clicks = 0;
    std::vector<int> seen;
    group->OnClick = [&](ui::Component* sender) {
        ++clicks;
        seen.push_back(static_cast<ui::RadioGroup*>(sender)->ItemIndex());
    };
    group->Items().Add("enabled");
    group->Items().Add("disabled");
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);

    group->SetItemIndex(1);
    group->SetItemIndex(1);
    group->SetItemIndex(-1);
    auto buttons = group->Widget()->findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_FALSE(buttons[0]->isChecked() || buttons[1]->isChecked());

    QTest::mouseClick(buttons[0], Qt::LeftButton, {}, QPoint(5, buttons[0]->height() / 2));
    EXPECT_EQ(seen, (std::vector<int>{1, -1, 0}));

    group->Items().Clear();  // no items, no selection, no event
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(clicks, 3);
}

TEST_F(EventRules, ButtonClickFiresForUserAndClickCall) {
    auto* button = Make<ui::Button>();
    int clicks = 0;
    button->OnClick = Count(clicks);
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    button->Click();
    EXPECT_EQ(clicks, 2);
}

TEST_F(EventRules, SpeedButtonsOfOneGroupStayDownOneAtATime) {
    auto* first = Make<ui::SpeedButton>();
    auto* second = Make<ui::SpeedButton>();
    second->SetLeft(30);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    int clicks = 0;
    first->OnClick = Count(clicks);
    second->OnClick = Count(clicks);

    QTest::mouseClick(first->Widget(), Qt::LeftButton);
    EXPECT_TRUE(first->Down());
    QTest::mouseClick(second->Widget(), Qt::LeftButton);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    QTest::mouseClick(second->Widget(), Qt::LeftButton);  // the down one stays down without AllowAllUp
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(clicks, 3);

    first->SetAllowAllUp(true);
    QTest::mouseClick(second->Widget(), Qt::LeftButton);
    EXPECT_FALSE(second->Down());
    first->SetDown(true);  // by code: no event
    EXPECT_TRUE(first->Down());
    EXPECT_EQ(clicks, 4);
}

TEST_F(EventRules, HandlerCanBeSavedChainedAndRestored) {
    auto* box = Make<ui::CheckBox>();
    std::vector<std::string> calls;
    box->OnClick = [&](ui::Component* sender) { calls.push_back(sender == box ? "own" : "wrong sender"); };

    ui::NotifyEvent saved = box->OnClick;  // what a binding does: save, hook, call the saved one
    box->OnClick = [&, saved](ui::Component* sender) {
        calls.push_back("hook");
        if (saved) saved(sender);
    };
    box->SetChecked(true);
    EXPECT_EQ(calls, (std::vector<std::string>{"hook", "own"}));

    box->OnClick = saved;
    calls.clear();
    box->SetChecked(false);
    EXPECT_EQ(calls, (std::vector<std::string>{"own"}));

    box->OnClick = nullptr;
    box->SetChecked(true);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(EventRules, CodeChangeHandlerExceptionLeavesThroughTheCall) {
    auto* edit = Make<ui::Edit>();
    edit->OnChange = [](ui::Component*) { throw Exception("bad value", -517); };
    try {
        edit->SetText("x");
        FAIL() << "expected the handler's exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "bad value");
        EXPECT_EQ(e.HelpContext, -517);
    }
    EXPECT_EQ(edit->Text(), "x");
}

TEST_F(EventRules, KeyPressCanDropTypedCharactersOfAnEdit) {
    auto* edit = Make<ui::Edit>();
    std::string seen;
    edit->OnKeyPress = [&seen](ui::Component*, char& key) {
        seen += key;
        if (!(key >= '0' && key <= '9') && key != '\b') key = 0;
    };
    QTest::keyClicks(edit->Widget(), "1a2");
    QTest::keyClick(edit->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "1");
    EXPECT_EQ(seen, "1a2\b");
}

TEST_F(EventRules, KeyDownReportsTheVirtualKeyAndTheModifiersOnceOnTheFocusedControl) {
    auto* button = Make<ui::Button>();
    std::vector<std::string> keys;
    button->OnKeyDown = [&keys](ui::Component*, int& key, ui::ShiftState shift) {
        if (key == ui::VK_SHIFT || key == ui::VK_MENU || key == ui::VK_CONTROL) return;  // the modifiers' own keys
        keys.push_back(std::to_string(key) + (shift.Shift ? "S" : "") + (shift.Alt ? "A" : "") + (shift.Ctrl ? "C" : ""));
    };
    int formKeys = 0;
    form->OnKeyDown = [&formKeys](ui::Component*, int&, ui::ShiftState) { ++formKeys; };
    button->SetFocus();
    QTest::keyClick(button->Widget(), Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(button->Widget(), Qt::Key_A);
    EXPECT_EQ(keys, (std::vector<std::string>{"114SA", "65"}));
    EXPECT_EQ(formKeys, 0);  // the keys the button leaves unhandled are not reported again by its form
}

TEST_F(EventRules, NoHandlerRunsWhileDestroying) {
    auto* edit = Make<ui::Edit>();
    int exits = 0;
    edit->OnExit = Count(exits);
    edit->SetFocus();
    form.reset();
    EXPECT_EQ(exits, 0);
}

}  // namespace
