// The Kelvane engine control against the simulator, opened through its menu command: Set enabled by the apply
// boxes, the threshold checks, one SET per ticked field in the order the thresholds need, and a refused SET that
// does not stop the next.
#include "DedicatedDialogFixture.h"
#include "Kelvanectrlformunit.h"

#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Group = "1.3.6.1.4.1.32473.12.19.2";
const std::string Rising = Group + ".1.0";
const std::string Falling = Group + ".2.0";
const std::string Mode = Group + ".3.0";
const std::string Alarm = Group + ".4.0";

class KelvaneCtrlFormTest : public DedicatedDialogTest {
protected:
    // Rising 80, falling 60.
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        ASSERT_EQ(Control("set-rw " + Rising + " int 80"), "ok");
        ASSERT_EQ(Control("set-rw " + Falling + " int 60"), "ok");
    }
    void Open(const std::function<void(TKelvaneCtrlForm&)>& driver) {
        RunCommand<TKelvaneCtrlForm>("ProtectControl1Click", driver);
    }
    // The varbind of each SET sent since the mark, one per SET.
    std::vector<std::string> SetVarbinds() const {
        std::vector<std::string> sent;
        for (const std::string& set : Pdus("SET")) {
            const std::vector<std::string> varbinds = Varbinds(set);
            EXPECT_EQ(varbinds.size(), 1u) << set;
            if (!varbinds.empty()) sent.push_back(varbinds[0]);
        }
        return sent;
    }
};

TEST_F(KelvaneCtrlFormTest, SetIsEnabledOnlyWhileABoxIsTicked) {
    Open([&](TKelvaneCtrlForm& form) {
        EXPECT_EQ(form.Caption(), "Kelvane Control Settings: 127.0.0.1");
        EXPECT_EQ(form.edtRising->Text(), "80");
        EXPECT_EQ(form.lbFalling->Caption(), "60");
        EXPECT_FALSE(form.cbxCurrentState->Enabled());
        EXPECT_FALSE(form.cbxCurrentState->Text().empty());
        EXPECT_FALSE(form.btnSet->Enabled());
        ASSERT_TRUE(UserClick(form.btnCheckAll));
        EXPECT_TRUE(form.btnSet->Enabled());
        ASSERT_TRUE(UserClick(form.btnClearCheck));
        EXPECT_FALSE(form.btnSet->Enabled());
        form.ckAlarm->SetChecked(true);
        EXPECT_TRUE(form.btnSet->Enabled());
    });
}

// Read rising 80 and falling 60.
TEST_F(KelvaneCtrlFormTest, EachTickedFieldGoesInASetOfItsOwnInTheThresholdsOrder) {
    struct Case {
        const char* name;
        std::vector<ui::CheckBox * TKelvaneCtrlForm::*> ticked;
        const char* rising;
        const char* falling;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"lower falling first",
         {&TKelvaneCtrlForm::ckRising, &TKelvaneCtrlForm::ckFalling},
         "50",
         "40",
         {Falling + "=INTEGER:40", Rising + "=INTEGER:50"}},
        {"higher rising first",
         {&TKelvaneCtrlForm::ckRising, &TKelvaneCtrlForm::ckFalling},
         "95",
         "70",
         {Rising + "=INTEGER:95", Falling + "=INTEGER:70"}},
        {"falling alone", {&TKelvaneCtrlForm::ckFalling}, "101", "30", {Falling + "=INTEGER:30"}},
        {"mode and alarm",
         {&TKelvaneCtrlForm::ckAlarm, &TKelvaneCtrlForm::ckMode},
         "19",
         "19",
         {Mode + "=INTEGER:2", Alarm + "=INTEGER:3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Control("set-rw " + Rising + " int 80"), "ok");
        ASSERT_EQ(Control("set-rw " + Falling + " int 60"), "ok");
        ui::MessageBoxRecorder boxes;
        Open([&](TKelvaneCtrlForm& form) {
            form.edtRising->SetText(c.rising);
            form.edtFalling->SetText(c.falling);
            ChooseItem(form.cbxMode, "fuzzy");
            ChooseItem(form.cbxAlarm, "enabled");
            for (auto box : c.ticked) (form.*box)->SetChecked(true);
            ASSERT_TRUE(UserClick(form.btnSet));
            EXPECT_EQ(SetVarbinds(), c.sent);
            EXPECT_TRUE(NoInvalidBits(form.Kelvane));
        });
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

TEST_F(KelvaneCtrlFormTest, ATickedThresholdOutOfRangeIsRefusedBeforeAnySet) {
    struct Case {
        ui::CheckBox* TKelvaneCtrlForm::*box;
        ui::Edit* TKelvaneCtrlForm::*edit;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {&TKelvaneCtrlForm::ckRising, &TKelvaneCtrlForm::edtRising, "19", "Rising Threshold should between 20-100"},
        {&TKelvaneCtrlForm::ckRising, &TKelvaneCtrlForm::edtRising, "", "Rising Threshold should between 20-100"},
        {&TKelvaneCtrlForm::ckFalling, &TKelvaneCtrlForm::edtFalling, "101", "Falling Threshold should between 20-100"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TKelvaneCtrlForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            boxes.Clear();
            ASSERT_TRUE(UserClick(form.btnClearCheck));
            form.ckMode->SetChecked(true);
            (form.*c.box)->SetChecked(true);
            (form.*c.edit)->SetText(c.text);
            ASSERT_TRUE(UserClick(form.btnSet));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE(NothingSent("SET"));
            (form.*c.edit)->SetText("50");
        }
    });
}

TEST_F(KelvaneCtrlFormTest, ARefusedSetIsReportedAndTheNextFieldIsStillSent) {
    ui::MessageBoxRecorder boxes;
    Open([&](TKelvaneCtrlForm& form) {
        ASSERT_TRUE(UserClick(form.btnCheckAll));
        form.edtRising->SetText("90");
        form.edtFalling->SetText("70");
        ASSERT_EQ(Control("error " + Rising + " wrongValue 1"), "ok");
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_EQ(Pdus("SET").size(), 4u);
        EXPECT_EQ(boxes.Calls().size(), 1u);
        // The read after the SETs shows what the switch holds.
        EXPECT_EQ(form.edtRising->Text(), "80");
        EXPECT_EQ(form.edtFalling->Text(), "70");
        EXPECT_EQ(form.lbFalling->Caption(), "70");
        EXPECT_TRUE(NoInvalidBits(form.Kelvane));
    });
}

}  // namespace
