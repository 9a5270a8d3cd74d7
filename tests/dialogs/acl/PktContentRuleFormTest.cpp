// The packet content rules against the simulator, opened through their menu command: what Add and Edit send (the
// ticked chunks, a ticked time range on Add, a "deny" rule without priority, DSCP, rate or mirror), the checks with
// their messages and focus, a duplicate by exact text, the ports of a 12-unit stack, Check All and Delete.
#include "AclDialogTest.h"
#include "Packetcontentruleformunit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Handler = "PacketContentRule1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.3.7.1";

enum Oid {
    Chunk1 = 4,
    Chunk2 = 6,
    Chunk3 = 8,
    Chunk4 = 10,
    EnablePriority,
    Priority,
    ReplacePriority,
    ReplaceDscpState,
    ReplaceDscpValue,
    Permit,
    RulePort,
    RowStatus,
    RxRate = 20,
    TimeRange,
    MirrorGroup,
};

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class PktContentRuleFormTest : public DedicatedDialogTest {
protected:
    using F = TPktContentRuleForm;
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1.1 1.2 2.1");
    }
    void Open(const std::function<void(F&)>& driver) { RunCommand<F>(Handler, driver); }
    static void NewRule(F& form, const std::string& profile, const std::string& access) {
        form.edtProfile->SetText(profile);
        form.edtAccess->SetText(access);
        form.cbxPermit->SetChecked(true);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
    }
    static void FillAll(F& form) {
        for (ui::Edit* chunk : {form.edtChunk1Offset, form.edtChunk2Offset, form.edtChunk3Offset, form.edtChunk4Offset})
            chunk->SetText("0000ffff");
        form.PriorityEdit->SetText("3");
        form.ReplaceDSCPEdit->SetText("20");
        form.RxRateEdit->SetText("1000");
        form.edtTimeRange->SetText("work");
        form.MirrorIDEdit->SetText("1");
    }
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
};

TEST_F(PktContentRuleFormTest, OpensWithTheRulesListedAndTheActionPermit) {
    F* seen = nullptr;
    Open([&](F& form) {
        seen = PktContentRuleForm;
        EXPECT_EQ(form.Caption(), "ACL Packet Content Rule: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(form.ListView1->Columns().Count(), 22);
        EXPECT_EQ(form.PermitComboBox->Text(), "permit");
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");
        EXPECT_FALSE(form.MirrorIDCheckBox->Enabled());
        EXPECT_FALSE(form.edtChunk1Value->Enabled());
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Ports");
        form.ListView1->SetItemIndex(2);
        EXPECT_EQ(form.edtProfile->Text(), "2");
        EXPECT_EQ(form.edtAccess->Text(), "1");
        EXPECT_FALSE(form.edtChunk1Value->Enabled());
        EXPECT_TRUE(form.EditButton->Enabled());
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(PktContentRuleForm, nullptr);
}

TEST_F(PktContentRuleFormTest, AddSendsTheTickedFieldsAndTheTickedTimeRange) {
    Open([&](F& form) {
        NewRule(form, "3", "7");
        form.cbxChunk2Offset->SetChecked(true);
        form.edtChunk2Offset->SetText("00FF00FF");
        form.cbxTimeRange->SetChecked(true);
        form.edtTimeRange->SetText("night");
        EXPECT_TRUE(UserClick(form.AddButton));
        const std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Chunk2, Permit, RulePort, RowStatus, TimeRange));
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, Chunk2)), "00FF00FF");
        EXPECT_EQ(ValueOf(set, Entry, TimeRange), "STRING:\"night\"");
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "3.7") + "=INTEGER:4"));
        EXPECT_EQ(form.ListView1->Items().Count(), 4);
        EXPECT_FALSE(form.cbxTimeRange->Checked());
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

// Every box ticked while the action is "permit", then "deny": the deny rule carries its match and its action only.
TEST_F(PktContentRuleFormTest, ADenyRuleLeavesOutPriorityDscpRateAndMirror) {
    Open([&](F& form) {
        ChooseItem(form.PriorityComboBox, "enabled");
        ChooseItem(form.EnableReplComboBox, "enabled");
        NewRule(form, "4", "1");
        FillAll(form);
        EXPECT_TRUE(UserClick(form.CheckButton));
        ASSERT_TRUE(form.cbxPriority->Checked());
        ChooseItem(form.PermitComboBox, "deny");
        EXPECT_TRUE(form.cbxPriority->Checked());
        EXPECT_FALSE(form.cbxPriority->Enabled());
        EXPECT_TRUE(UserClick(form.AddButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry),
                    ElementsAre(Chunk1, Chunk2, Chunk3, Chunk4, Permit, RulePort, RowStatus, TimeRange));
        EXPECT_EQ(ValueOf(set, Entry, Permit), "INTEGER:1");

        // The same choices as "permit" send them all.
        MarkLog();
        ChooseItem(form.PermitComboBox, "permit");
        ChooseItem(form.PriorityComboBox, "disabled");
        ChooseItem(form.PriorityComboBox, "enabled");
        ChooseItem(form.EnableReplComboBox, "disabled");
        ChooseItem(form.EnableReplComboBox, "enabled");
        NewRule(form, "4", "2");
        FillAll(form);
        EXPECT_TRUE(UserClick(form.CheckButton));
        EXPECT_TRUE(UserClick(form.AddButton));
        set = OneSet();
        EXPECT_THAT(Columns(set, Entry),
                    ElementsAre(Chunk1, Chunk2, Chunk3, Chunk4, EnablePriority, Priority, ReplacePriority, Permit,
                                RulePort, RowStatus, RxRate, TimeRange, ReplaceDscpState, ReplaceDscpValue));
    });
}

TEST_F(PktContentRuleFormTest, AFailedCheckShowsItsMessageFocusesTheControlAndSendsNothing) {
    struct Case {
        const char* name;
        std::function<void(F&)> change;
        const char* message;
        std::function<ui::Control*(F&)> focus;  // null: the focus stays on Add
    };
    const auto ticked = [](ui::CheckBox* F::*box, ui::Edit* F::*edit, const char* text) {
        return [=](F& f) {
            (f.*box)->SetChecked(true);
            (f.*edit)->SetText(text);
        };
    };
    const Case cases[] = {
        {"no profile ID", [](F& f) { f.edtProfile->SetText(""); }, "IP Rule ID must be set.",
         [](F& f) -> ui::Control* { return f.edtProfile; }},
        {"no access ID", [](F& f) { f.edtAccess->SetText(""); }, "IP Rule Access ID must be set.",
         [](F& f) -> ui::Control* { return f.edtAccess; }},
        {"chunk empty", ticked(&F::cbxChunk3Offset, &F::edtChunk3Offset, ""), "Some checked field is empty",
         [](F& f) -> ui::Control* { return f.edtChunk3Offset; }},
        {"chunk of 7 digits", ticked(&F::cbxChunk1Offset, &F::edtChunk1Offset, "0000FFF"), "Invalid Offset",
         [](F& f) -> ui::Control* { return f.edtChunk1Offset; }},
        {"chunk not hex", ticked(&F::cbxChunk4Offset, &F::edtChunk4Offset, "0000FFFG"), "Invalid Offset",
         [](F& f) -> ui::Control* { return f.edtChunk4Offset; }},
        {"RX rate 156250", ticked(&F::cbxRxRate, &F::RxRateEdit, "156250"), "RX Rate should between 0-156249",
         [](F& f) -> ui::Control* { return f.RxRateEdit; }},
        {"time range empty", ticked(&F::cbxTimeRange, &F::edtTimeRange, ""), "Some checked field is empty",
         [](F& f) -> ui::Control* { return f.edtTimeRange; }},
        {"no port", [](F& f) { f.Ports->PortCheckBoxes[0]->SetChecked(false); }, "You must choose at least 1 port!",
         nullptr},
        {"listed IDs",
         [](F& f) {
             f.edtProfile->SetText("1");
             f.edtAccess->SetText("2");
         },
         "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
         [](F& f) -> ui::Control* { return f.edtProfile; }},
        {"no action", [](F& f) { f.cbxPermit->SetChecked(false); }, "Permit option must be checked.",
         [](F& f) -> ui::Control* { return f.PermitComboBox; }},
    };
    ui::MessageBoxRecorder boxes;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        Open([&](F& form) {
            NewRule(form, "6", "1");
            c.change(form);
            form.AddButton->SetFocus();
            EXPECT_TRUE(UserClick(form.AddButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE((c.focus ? c.focus(form) : form.AddButton)->Focused());
            EXPECT_TRUE(Pdus("SET").empty());
        });
    }
}

// The duplicate test compares the texts as they stand: "01" is not the listed profile 1, so the SET goes to the
// switch, which refuses to create the row again.
TEST_F(PktContentRuleFormTest, ADuplicateIsTheListedTextExactly) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        NewRule(form, "01", "2");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(OneSet(), HasSubstr(Cell(RowStatus, "1.2") + "=INTEGER:4"));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_THAT(boxes.Calls()[0].Text, HasSubstr("Row Status"));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
    });
}

TEST_F(PktContentRuleFormTest, InATwelveUnitStackThePortsAreNinetySixOctets) {
    std::vector<StackUnitRow> units;
    for (int u = 1; u <= 12; ++u)
        units.push_back({std::to_string(u), std::to_string((u - 1) * 64 + 1), "QSW-2150", "exist"});
    StackStateScope stack("enabled", units);
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        ASSERT_EQ(form.Ports->PortCheckBoxes.size(), 768u);
        form.edtProfile->SetText("8");
        form.edtAccess->SetText("1");
        form.cbxPermit->SetChecked(true);
        form.Ports->PortCheckBoxes[11 * 64 + 63]->SetChecked(true);  // unit 12, port 64
        form.Ports->PortCheckBoxes[1 * 64]->SetChecked(true);        // unit 2, port 1
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::string ports = OctetsHex(ValueOf(OneSet(), Entry, RulePort));
        EXPECT_EQ(ports, std::string(16, '0') + "80" + std::string(172, '0') + "01");
    });
}

TEST_F(PktContentRuleFormTest, EditSendsTheRowStatusOfTheRowAndDeleteDestroysIt) {
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "1.2") + " int 2"), "ok");
    Open([&](F& form) {
        form.ListView1->SetItemIndex(1);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
        form.cbxChunk1Offset->SetChecked(true);
        form.edtChunk1Offset->SetText("12345678");
        EXPECT_TRUE(UserClick(form.EditButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Chunk1, RulePort, RowStatus));
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "1.2") + "=INTEGER:1"));

        MarkLog();
        form.ListView1->SetItemIndex(1);
        EXPECT_TRUE(UserClick(form.DeleteButton));
        EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Cell(RowStatus, "1.2") + "=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

// A write that cannot be sent (the request's address went bad) says why in panel 0 and puts the form back in its add
// state; the table is not read again.
TEST_F(PktContentRuleFormTest, AnExceptionInAWriteIsShownInPanelZero) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.ListView1->SetItemIndex(0);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
        form.Rules.Request()->Request.Device.Address = "256.256.256.256";
        ASSERT_TRUE(UserClick(form.EditButton));
        EXPECT_TRUE(NothingSent());
        EXPECT_EQ(Status(form), "Invalid IP Address or DNS name!");
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_FALSE(form.EditButton->Enabled());
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

}  // namespace
