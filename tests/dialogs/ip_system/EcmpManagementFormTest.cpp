// The ECMP hash settings against the simulator: only the ticked scalars are written, the boxes stay ticked after
// Set Checked, IP Source, CRC Low and CRC High exclude one another, and the scalars are read again.
#include "Ecmpmanagementformunit.h"
#include "IpSystemDialogTest.h"

#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "OSPFECMPManagement1Click";
const std::string Group = "1.3.6.1.4.1.32473.11.70.7.3.15";

class EcmpManagementFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        for (int scalar = 1; scalar <= 6; ++scalar)
            ASSERT_EQ(Control("set-rw " + Group + "." + std::to_string(scalar) + ".0 int 1"), "ok");
    }
    static std::vector<bool> Ticks(TECMPManagementForm& form) {
        std::vector<bool> ticks;
        for (ui::CheckBox* box :
             {form.CheckBox1, form.CheckBox2, form.CheckBox3, form.CheckBox4, form.CheckBox5, form.CheckBox6})
            ticks.push_back(box->Checked());
        return ticks;
    }
};

TEST_F(EcmpManagementFormTest, SetCheckedWritesTheTickedScalarsAndKeepsTheBoxes) {
    ui::MessageBoxRecorder boxes;
    RunCommand<TECMPManagementForm>(Handler, [&](TECMPManagementForm& form) {
        EXPECT_EQ(form.Caption(), "OSPF ECMP Management: 127.0.0.1");
        EXPECT_EQ(form.Statecbx->Text(), "enabled");
        ChooseItem(form.Statecbx, "disabled");
        ChooseItem(form.DestIPcbx, "disabled");
        form.CheckBox6->SetChecked(true);
        ASSERT_TRUE(UserClick(form.SetButton));
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Group), ElementsAre("6.0=INTEGER:2"));
        // Read again: the scalar not written shows the switch's value.
        EXPECT_EQ(form.DestIPcbx->Text(), "enabled");
        EXPECT_EQ(form.Statecbx->Text(), "disabled");
        EXPECT_EQ(Ticks(form), (std::vector<bool>{false, false, false, false, false, true}));

        MarkLog();
        ASSERT_TRUE(UserClick(form.ClearButton));
        EXPECT_EQ(Ticks(form), std::vector<bool>(6, false));
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_THAT(Pdus("SET"), IsEmpty());
        EXPECT_FALSE(Pdus("GET").empty());
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        EXPECT_TRUE(NoInvalidBits(form.EcmpScalars));
    });
}

TEST_F(EcmpManagementFormTest, IpSourceAndTheCrcHalvesExcludeOneAnother) {
    RunCommand<TECMPManagementForm>(Handler, [&](TECMPManagementForm& form) {
        form.CheckBox1->SetChecked(true);
        form.CheckBox5->SetChecked(true);
        form.CheckBox3->SetChecked(true);
        form.CheckBox4->SetChecked(true);
        EXPECT_EQ(Ticks(form), (std::vector<bool>{true, false, false, true, true, false}));
        form.CheckBox2->SetChecked(true);
        EXPECT_EQ(Ticks(form), (std::vector<bool>{true, true, false, false, true, false}));
        form.CheckBox2->SetChecked(false);  // clearing one changes nothing else
        EXPECT_EQ(Ticks(form), (std::vector<bool>{true, false, false, false, true, false}));
        form.CheckBox4->SetChecked(true);
        ASSERT_TRUE(UserClick(form.SetButton));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Group), ElementsAre("1.0=INTEGER:1", "4.0=INTEGER:1", "5.0=INTEGER:1"));
    });
}

TEST_F(EcmpManagementFormTest, ARefusedSetShowsTheErrorAndTheScalarsAreReadAgain) {
    ui::MessageBoxRecorder boxes;
    RunCommand<TECMPManagementForm>(Handler, [&](TECMPManagementForm& form) {
        ASSERT_EQ(Control("error " + Group + ".6 wrongValue 1"), "ok");
        ChooseItem(form.Statecbx, "disabled");
        form.CheckBox6->SetChecked(true);
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(form.Statecbx->Text(), "enabled");
        EXPECT_TRUE(NoInvalidBits(form.EcmpScalars));
        EXPECT_TRUE(form.CheckBox6->Checked());
    });
}

}  // namespace
