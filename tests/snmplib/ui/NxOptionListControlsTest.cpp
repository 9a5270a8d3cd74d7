// Option lists on combo boxes and radio groups, and the value checkers on controls.
#include "NxOptionList.h"
#include "NxOptionListControls.h"
#include "NxValueCheckControls.h"

#include "BindingTestSupport.h"
#include "StdCtrls.h"

namespace {

using bindtest::FormTest;

constexpr NxOptionPair kStates[] = {NxOptionPair::Int(1, "enabled"), NxOptionPair::Int(2, "disabled"),
                                    NxOptionPair::End()};

class OptionListControlsTest : public FormTest {
protected:
    NxOptionList states{kStates, NxOptionList::KindInteger};
};

TEST_F(OptionListControlsTest, ComboBoxShowsTheTextsInPairOrderAndSelectsByTextOrValue) {
    auto* combo = Make<ui::ComboBox>();
    combo->Items().Add("stale");
    FillComboBox(states, *combo);
    EXPECT_EQ(combo->Items().ToVector(), (std::vector<std::string>{"enabled", "disabled"}));
    for (const char* value : {"enabled", "1", "ENABLED"}) {
        combo->SetItemIndex(-1);
        SelectComboBox(states, *combo, value);
        EXPECT_EQ(combo->ItemIndex(), 0) << value;
    }
    SelectComboBox(states, *combo, "2");
    EXPECT_EQ(combo->ItemIndex(), 1);
    SelectComboBox(states, *combo, "7");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(OptionListControlsTest, RadioGroupIsFilledAndSelectedWithOneClickPerChange) {
    auto* radio = Make<ui::RadioGroup>();
    int clicks = 0;
    radio->OnClick = [&](ui::Component*) { ++clicks; };
    FillRadioGroup(states, *radio);
    EXPECT_EQ(radio->Items().ToVector(), (std::vector<std::string>{"enabled", "disabled"}));
    SelectRadioGroup(states, *radio, "2");
    EXPECT_EQ(radio->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    SelectRadioGroup(states, *radio, "disabled");
    EXPECT_EQ(clicks, 1);
    SelectRadioGroup(states, *radio, "nothing");
    EXPECT_EQ(radio->ItemIndex(), -1);
}

TEST_F(OptionListControlsTest, AnEmptyListLeavesTheComboBoxEmpty) {
    constexpr NxOptionPair none[] = {NxOptionPair::End()};
    NxOptionList empty(none, NxOptionList::KindInteger);
    auto* combo = Make<ui::ComboBox>();
    combo->Items().Add("stale");
    FillComboBox(empty, *combo);
    EXPECT_EQ(combo->Items().Count(), 0);
}

TEST_F(OptionListControlsTest, CheckersReadTheControlAndTheHexWordCheckerRewritesIt) {
    auto* edit = Make<ui::Edit>();
    auto* label = Make<ui::Label>(30);
    edit->SetText("192.168.0.1");
    label->SetCaption("192.168.0");
    EXPECT_TRUE(CheckIpText(edit));
    EXPECT_FALSE(CheckIpText(label));
    edit->SetText("01-00-5E-00-00-01");
    EXPECT_TRUE(CheckMacText(edit));
    EXPECT_TRUE(CheckMulticastMacText(edit));
    EXPECT_FALSE(CheckUnicastMacText(edit));
    edit->SetText("255.255.128.0");
    EXPECT_TRUE(CheckNetmaskText(edit));
    edit->SetText("abc");
    EXPECT_TRUE(NormalizeHexWordText(edit));
    EXPECT_EQ(edit->Text(), "0ABC");
    edit->SetText("81G0");
    EXPECT_FALSE(NormalizeHexWordText(edit));
    EXPECT_EQ(edit->Text(), "81G0");
}

}  // namespace
