#include "TBasicFormUnit.h"

#include "StdCtrls.h"
#include "TestHooks.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ScreenDpi {
public:
    explicit ScreenDpi(int dpi) { ui::TestHooks::SetPixelsPerInch(dpi); }
    ~ScreenDpi() { ui::TestHooks::SetPixelsPerInch(0); }
};

TEST(TBasicForm, ScalesOnlyOffNinetySixDotsPerInch) {
    struct Case {
        int Dpi, Width, Height;
    };
    for (const Case c : {Case{96, 400, 300}, Case{120, 500, 375}, Case{144, 500, 375}}) {
        ScreenDpi dpi(c.Dpi);
        TBasicForm form(nullptr, 400, 300);
        EXPECT_EQ(form.Width(), c.Width) << c.Dpi;
        EXPECT_EQ(form.Height(), c.Height) << c.Dpi;
        EXPECT_EQ(form.Position(), ui::poMainFormCenter);
    }
    ScreenDpi dpi(120);
    TBasicForm odd(nullptr, 401, 303);  // 501.25 x 378.75, truncated
    EXPECT_EQ(odd.Width(), 501);
    EXPECT_EQ(odd.Height(), 378);
}

TEST(TBasicForm, StartsWithEmptyListsAndOneUnitsPortText) {
    TBasicForm form(nullptr);
    EXPECT_TRUE(form.CheckBoxList.empty());
    EXPECT_TRUE(form.ValueControlList.empty());
    EXPECT_EQ(form.ControlCount, 0);
    EXPECT_EQ(form.AllPortsText.substr(0, 8), "0,1,2,3,");
    EXPECT_EQ(form.AllPortsText.substr(form.AllPortsText.size() - 6), ",62,63");
}

// A dialog with one control of each kind the helpers know, and one they leave alone.
class BasicFormControls : public testing::Test {
protected:
    BasicFormControls() {
        for (ui::Control* c : {static_cast<ui::Control*>(edit), static_cast<ui::Control*>(combo),
                               static_cast<ui::Control*>(check), static_cast<ui::Control*>(radio),
                               static_cast<ui::Control*>(button)})
            c->SetParent(&form);
        edit->SetText("10.0.0.1");
        combo->Items().Assign({"first", "second"});
        combo->SetItemIndex(1);
        check->SetChecked(true);
        radio->SetChecked(true);
    }

    TBasicForm form{nullptr};
    ui::Edit* edit = new ui::Edit(&form);
    ui::ComboBox* combo = new ui::ComboBox(&form);
    ui::CheckBox* check = new ui::CheckBox(&form);
    ui::RadioButton* radio = new ui::RadioButton(&form);
    ui::Button* button = new ui::Button(&form);
};

TEST_F(BasicFormControls, DisableControlGreysValueControlsAndUnticksChoices) {
    for (ui::Control* c : {static_cast<ui::Control*>(edit), static_cast<ui::Control*>(combo),
                           static_cast<ui::Control*>(check), static_cast<ui::Control*>(radio),
                           static_cast<ui::Control*>(button)})
        form.DisableControl(c);
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Color(), ui::clMenu);
    EXPECT_EQ(edit->Text(), "10.0.0.1");  // one control alone keeps its text
    EXPECT_FALSE(combo->Enabled());
    EXPECT_EQ(combo->Color(), ui::clMenu);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_FALSE(check->Enabled());
    EXPECT_FALSE(check->Checked());
    EXPECT_FALSE(radio->Enabled());
    EXPECT_FALSE(radio->Checked());
    EXPECT_TRUE(button->Enabled());  // not a kind the helpers handle
    form.DisableControl(nullptr);
}

TEST_F(BasicFormControls, DisableThenEnableRestoresColourButNotTheEmptiedText) {
    form.DisableControls(3, {edit, combo, check});
    EXPECT_EQ(edit->Text(), "");
    EXPECT_FALSE(check->Checked());

    for (ui::Control* c : {static_cast<ui::Control*>(edit), static_cast<ui::Control*>(combo),
                           static_cast<ui::Control*>(check), static_cast<ui::Control*>(radio)})
        form.EnableControl(c);
    EXPECT_TRUE(edit->Enabled());
    EXPECT_EQ(edit->Color(), ui::clWindow);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_TRUE(combo->Enabled());
    EXPECT_EQ(combo->Color(), ui::clWindow);
    EXPECT_TRUE(check->Enabled());
    EXPECT_FALSE(check->Checked());
    EXPECT_TRUE(radio->Enabled());
    EXPECT_TRUE(radio->Checked());  // enabling leaves the tick alone
}

TEST_F(BasicFormControls, DisableControlsHandlesTheCountGivenAndAlwaysTheFirst) {
    struct Case {
        int Count;
        bool EditDisabled, ComboDisabled, CheckDisabled;
    };
    for (const Case c : {Case{0, true, false, false}, Case{1, true, false, false}, Case{2, true, true, false},
                         Case{3, true, true, true}, Case{9, true, true, true}}) {
        for (ui::Control* control : {static_cast<ui::Control*>(edit), static_cast<ui::Control*>(combo),
                                     static_cast<ui::Control*>(check)})
            form.EnableControl(control);
        form.DisableControls(c.Count, {edit, combo, check});
        EXPECT_EQ(!edit->Enabled(), c.EditDisabled) << c.Count;
        EXPECT_EQ(!combo->Enabled(), c.ComboDisabled) << c.Count;
        EXPECT_EQ(!check->Enabled(), c.CheckDisabled) << c.Count;
    }
    form.DisableControls(2, {nullptr, combo});
    EXPECT_FALSE(combo->Enabled());
}

TEST_F(BasicFormControls, ResetAndUncheckWorkOnTheirKindsAndSkipEmptyEntries) {
    auto* empty = new ui::ComboBox(&form);
    form.ValueControlList = {nullptr, edit, combo, check, empty, button};
    form.ResetControls(form.ValueControlList);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(empty->ItemIndex(), -1);
    EXPECT_TRUE(check->Checked());

    auto* second = new ui::CheckBox(&form);
    second->SetChecked(true);
    form.CheckBoxList = {check, nullptr, second, radio};
    form.UncheckControls(form.CheckBoxList);
    EXPECT_FALSE(check->Checked());
    EXPECT_FALSE(second->Checked());
    EXPECT_TRUE(radio->Checked());
}

}  // namespace
