// The port trunk table against the simulator, opened through its menu command: the master port split into unit and
// port and composed back (standalone and stacked), the checks of Add and Set with their focus, the member count,
// what Add and Delete send, the unit and port keys, and the unit table read again when the stack counts no unit.
#include "DedicatedDialogFixture.h"
#include "PortTrunk.h"

#include "DeviceWindow.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* Handler = "PortTrunk2Click";
constexpr const char* Entry = "1.3.6.1.4.1.32473.11.70.7.2.9.3.1";
std::string Column(int column) { return std::string(Entry) + "." + std::to_string(column) + "."; }

const std::vector<StackUnitRow> TwoUnits = {{"1", "1", "QSW-2126P", "exist"}, {"2", "65", "QSW-2150", "exist"}};

class PortTrunkFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1-3");
        for (const auto& [row, master] : {std::pair{1, 0}, std::pair{2, 64}, std::pair{3, 65}})
            ASSERT_EQ(Control("set-rw " + Column(3) + std::to_string(row) + " int " + std::to_string(master)), "ok");
    }
    void Open(const std::function<void(TPortTrunkForm&)>& driver) { RunCommand<TPortTrunkForm>(Handler, driver); }
    // A new trunk's fields: index 5, unit and port, type static, and the member boxes (0-based) ticked.
    static void FillNewTrunk(TPortTrunkForm& form, const char* unit, const char* port, std::vector<int> members) {
        form.ED_Index->SetText("5");
        form.UnitEdit->SetText(unit);
        form.PortEdit->SetText(port);
        ChooseItem(form.Combo_Type, "static");
        for (ui::CheckBox* box : form.MemberPorts->PortCheckBoxes) box->SetChecked(false);
        for (int box : members) form.MemberPorts->PortCheckBoxes.at(static_cast<size_t>(box))->SetChecked(true);
    }
    static int Ticked(const TStackingPortUitForm& selector) {
        int ticked = 0;
        for (const ui::CheckBox* box : selector.PortCheckBoxes) ticked += box->Checked() ? 1 : 0;
        return ticked;
    }
};

TEST_F(PortTrunkFormTest, TheMasterPortShowsAsUnitAndPort) {
    struct Case {
        int row;
        const char* unit;
        const char* port;
    };
    const Case cases[] = {{0, "0", "0"}, {1, "1", "64"}, {2, "2", "1"}};
    for (const char* mode : {"disabled", "enabled"}) {
        SCOPED_TRACE(mode);
        StackStateScope stack(mode, TwoUnits);
        Open([&](TPortTrunkForm& form) {
            EXPECT_EQ(form.Caption(), "Port Trunk: 127.0.0.1");
            ASSERT_EQ(form.LV_PortTrunk->Items().Count(), 3);
            EXPECT_EQ(form.StaticText1->Caption(), "3");
            EXPECT_EQ(form.TrunkTable.Request()->Request.Timeout, TPortTrunkForm::TrunkTimeout);
            for (const Case& c : cases) {
                SCOPED_TRACE(c.row);
                form.LV_PortTrunk->SetItemIndex(c.row);
                EXPECT_EQ(form.UnitEdit->Text(), c.unit);
                EXPECT_EQ(form.PortEdit->Text(), c.port);
                EXPECT_FALSE(form.ED_Index->Enabled());
                EXPECT_TRUE(form.SetBtn->Enabled());
                EXPECT_FALSE(form.BT_Set->Enabled());
            }
            form.LV_PortTrunk->ClearSelection();
            EXPECT_EQ(form.UnitEdit->Text(), "");
            EXPECT_TRUE(form.ED_Index->Enabled());
            EXPECT_TRUE(form.BT_Set->Enabled());
        });
    }
}

TEST_F(PortTrunkFormTest, AddRefusesAnInvalidMasterPortWithItsFocusAndSendsNothing) {
    struct Case {
        const char* name;
        const char* mode;
        const char* unit;
        const char* port;
        std::vector<int> members;
        const char* message;
        std::function<ui::Control*(TPortTrunkForm&)> focus;
    };
    const auto unitEdit = [](TPortTrunkForm& f) -> ui::Control* { return f.UnitEdit; };
    const auto portEdit = [](TPortTrunkForm& f) -> ui::Control* { return f.PortEdit; };
    const Case cases[] = {
        {"standalone unit 2", "disabled", "2", "1", {0, 1}, "set valid master port", unitEdit},
        {"standalone port 27", "disabled", "1", "27", {26, 27}, "set valid master port", portEdit},
        {"port 0", "disabled", "1", "0", {0, 1}, "set valid master port", portEdit},
        {"stacked port past the model", "enabled", "2", "49", {112, 113}, "set valid master port", portEdit},
        {"absent unit", "enabled", "3", "1", {128, 129}, "set valid master port", unitEdit},
        {"listed master", "enabled", "2", "1", {64, 0}, "The master port must be different!", unitEdit},
        {"master not a member", "disabled", "1", "26", {0, 1}, "Master port must be checked.", portEdit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StackStateScope stack(c.mode, TwoUnits);
        ui::MessageBoxRecorder boxes;
        Open([&](TPortTrunkForm& form) {
            FillNewTrunk(form, c.unit, c.port, c.members);
            ASSERT_TRUE(UserClick(form.BT_Set));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE(c.focus(form)->Focused());
            EXPECT_TRUE(NothingSent("SET"));
        });
    }
}

TEST_F(PortTrunkFormTest, TheOtherFieldsOfAddAreCheckedInTurn) {
    ui::MessageBoxRecorder boxes;
    Open([&](TPortTrunkForm& form) {
        struct Step {
            std::function<void()> change;
            const char* message;
            ui::Control* focus;
        };
        const Step steps[] = {
            {[] {}, "The index should not be empty.", form.ED_Index},
            {[&] { form.ED_Index->SetText("2"); }, "The Index must be different!", form.ED_Index},
            {[&] { form.ED_Index->SetText("5"); }, "The Unit should not be empty.", form.UnitEdit},
            {[&] { form.UnitEdit->SetText("1"); }, "The Port should not be empty.", form.PortEdit},
            {[&] { form.PortEdit->SetText("3"); }, "Please choose trunk type.", form.Combo_Type},
        };
        for (const Step& step : steps) {
            SCOPED_TRACE(step.message);
            boxes.Clear();
            step.change();
            ASSERT_TRUE(UserClick(form.BT_Set));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{step.message});
            EXPECT_TRUE(step.focus->Focused());
        }
        EXPECT_TRUE(NothingSent("SET"));
    });
}

TEST_F(PortTrunkFormTest, ATrunkHasTwoToEightMembersAndTheNinthTickIsCleared) {
    StackStateScope stack("enabled", TwoUnits);
    struct Case {
        const char* name;
        std::vector<int> members;
        const char* message;  // null: sent
    };
    const Case cases[] = {
        {"nine", {0, 1, 2, 3, 4, 5, 64, 65, 66}, "The trunk member can't over eight!"},
        {"the master alone", {0}, "You must choose at least two members!"},
        {"eight over two units", {0, 1, 2, 3, 4, 5, 64, 65}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::MessageBoxRecorder boxes;
        Open([&](TPortTrunkForm& form) {
            FillNewTrunk(form, "1", "1", c.members);
            ASSERT_TRUE(UserClick(form.BT_Set));
            if (c.message) {
                EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
                EXPECT_TRUE(NothingSent("SET"));
                if (c.members.size() > 8) {
                    EXPECT_FALSE(form.MemberPorts->PortCheckBoxes[66]->Checked());  // the ninth in port order
                    EXPECT_EQ(Ticked(*form.MemberPorts), 8);
                }
                return;
            }
            EXPECT_TRUE(boxes.Calls().empty());
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(Varbinds(sets[0])[1].size(), (Column(4) + "5=HEX:").size() + 192);  // 96 octets
        });
    }
}

TEST_F(PortTrunkFormTest, AddSendsCreateAndGoThenEnableWhenAskedAndDeleteSendsDestroyAlone) {
    struct Case {
        const char* status;  // "" : none chosen
        int sets;
    };
    const Case cases[] = {{"enable", 2}, {"disable", 1}, {"", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        ui::MessageBoxRecorder boxes;
        Open([&](TPortTrunkForm& form) {
            FillNewTrunk(form, "1", "10", {9, 10});
            if (*c.status) {
                ChooseItem(form.ComboBox1, c.status);
            }
            ASSERT_TRUE(UserClick(form.BT_Set));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), static_cast<size_t>(c.sets));
            EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Column(3) + "5=INTEGER:10", Column(4) + "5=HEX:0060000000000000",
                                                       Column(6) + "5=INTEGER:2", Column(7) + "5=INTEGER:4"));
            if (c.sets == 2) {
                EXPECT_EQ(Varbinds(sets[1]).back(), Column(7) + "5=INTEGER:1");
            }
            EXPECT_TRUE(boxes.Calls().empty());
            // Read again: the new trunk is listed and the editors are empty.
            ASSERT_EQ(form.LV_PortTrunk->Items().Count(), 4);
            EXPECT_EQ(form.ED_Index->Text(), "");
            MarkLog();
            form.LV_PortTrunk->SetItemIndex(3);
            ASSERT_TRUE(UserClick(form.BT_Delete));
            const std::vector<std::string> deletes = Pdus("SET");
            ASSERT_EQ(deletes.size(), 1u);
            EXPECT_THAT(Varbinds(deletes[0]), ElementsAre(Column(7) + "5=INTEGER:6"));
            EXPECT_EQ(form.LV_PortTrunk->Items().Count(), 3);
            EXPECT_TRUE(NoInvalidBits(form.TrunkTable));
        });
    }
}

TEST_F(PortTrunkFormTest, SetWritesTheSelectedTrunkWithTheChosenState) {
    StackStateScope stack("enabled", TwoUnits);
    ui::MessageBoxRecorder boxes;
    Open([&](TPortTrunkForm& form) {
        form.LV_PortTrunk->SetItemIndex(2);  // master 65: unit 2 port 1
        for (ui::CheckBox* box : form.MemberPorts->PortCheckBoxes) box->SetChecked(false);
        form.MemberPorts->PortCheckBoxes[64]->SetChecked(true);
        form.MemberPorts->PortCheckBoxes[65]->SetChecked(true);
        ChooseItem(form.ComboBox1, "disable");
        ASSERT_TRUE(UserClick(form.SetBtn));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]).front(), Column(3) + "3=INTEGER:65");
        EXPECT_EQ(Varbinds(sets[0]).back(), Column(7) + "3=INTEGER:2");
        EXPECT_EQ(form.ED_Index->Text(), "");
        EXPECT_FALSE(form.SetBtn->Enabled());
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

TEST_F(PortTrunkFormTest, TheUnitAndPortEditsDropOtherKeysWithABeep) {
    ui::BeepRecorder beeps;
    Open([&](TPortTrunkForm& form) {
        for (ui::Edit* edit : {form.UnitEdit, form.PortEdit}) {
            SCOPED_TRACE(edit->Name());
            edit->SetText("");
            edit->SetFocus();
            ASSERT_TRUE(TypeText(edit, "1a2-"));
            EXPECT_EQ(edit->Text(), "12");
        }
    });
    EXPECT_EQ(beeps.Beeps().size(), 4u);
}

TEST_F(PortTrunkFormTest, WithNoUnitCountedTheUnitTableIsReadAgain) {
    DeviceWindowValues window;
    SetDeviceWindow(&window);
    StackStateScope stack("enabled", {});
    Open([&](TPortTrunkForm& form) {
        EXPECT_EQ(window.UnitRereads, 1);
        EXPECT_TRUE(form.UnitInformationTrunkList.empty());
        EXPECT_EQ(form.MemberPorts->PortCheckBoxes.size(), 768u);
    });
    SetDeviceWindow(nullptr);
}

}  // namespace
