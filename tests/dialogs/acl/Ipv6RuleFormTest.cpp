// The IPv6 access rules against the simulator, opened through their menu command: what Add and Edit send, the
// mutual exclusion of class and flow label with the addresses, the flow label and address messages, Check All and
// Clear Checks (never the RX rate box), the protocol's port boxes, profile IDs up to 14, and Delete.
#include "AclDialogTest.h"
#include "Ipv6ruleinfoformunit.h"

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

constexpr const char* Handler = "IPv6Rule1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.3.4.1";

enum Oid {
    Class = 3,
    Flowlabel,
    SourceAddress,
    DestAddress,
    EnablePriority,
    Priority,
    ReplacePriority,
    Permit,
    Ports,
    RxRate,
    RowStatus,
    TimeRange,
    Protocol = 20,
    SourcePort,
    DestPort,
    MirrorGroup = 29,
};

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class Ipv6RuleFormTest : public DedicatedDialogTest {
protected:
    using F = TIpv6RuleForm;
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1.1 1.2 2.1");
    }
    void Open(const std::function<void(F&)>& driver) { RunCommand<F>(Handler, driver); }
    static void NewRule(F& form, const std::string& profile, const std::string& access) {
        form.edtRuleID->SetText(profile);
        form.edtRuleAccessID->SetText(access);
        form.cbxPermit->SetChecked(true);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
    }
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
};

TEST_F(Ipv6RuleFormTest, OpensWithTheRulesListedAndThePortFieldsClosedForNoProtocol) {
    F* seen = nullptr;
    Open([&](F& form) {
        seen = Ipv6RuleForm;
        EXPECT_EQ(form.Caption(), "ACL IPv6 Rule: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(form.ListView1->Columns().Count(), 19);
        EXPECT_EQ(form.PermitComboBox->Text(), "permit");
        EXPECT_EQ(form.cbxProtocol->Text(), "none");
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");
        EXPECT_TRUE(form.cbxRow->Checked());
        EXPECT_FALSE(form.cbxRow->Visible());
        EXPECT_FALSE(form.SourcePortCheckBox->Enabled());
        EXPECT_FALSE(form.edtDestinationPort->Enabled());
        EXPECT_FALSE(form.MirrorGroupIDCheckBox->Enabled());
        EXPECT_TRUE(form.cbxRxRate->Enabled());
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Ports");
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(Ipv6RuleForm, nullptr);
}

TEST_F(Ipv6RuleFormTest, TheProtocolOpensThePortBoxesWithoutTickingThem) {
    Open([&](F& form) {
        ChooseItem(form.cbxProtocol, "tcp");
        EXPECT_TRUE(form.SourcePortCheckBox->Enabled());
        EXPECT_TRUE(form.edtSourcePort->Enabled());
        EXPECT_FALSE(form.SourcePortCheckBox->Checked());
        form.SourcePortCheckBox->SetChecked(true);
        form.DestinationPortCheckBox->SetChecked(true);
        ChooseItem(form.cbxProtocol, "none");
        for (ui::CheckBox* box : {form.SourcePortCheckBox, form.DestinationPortCheckBox}) {
            EXPECT_FALSE(box->Enabled()) << box->Name();
            EXPECT_FALSE(box->Checked()) << box->Name();
        }
    });
}

TEST_F(Ipv6RuleFormTest, AddSendsTheTickedFieldsAndADenyRuleSendsThemAll) {
    Open([&](F& form) {
        NewRule(form, "3", "7");
        EXPECT_TRUE(UserClick(form.AddButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Permit, Ports, RowStatus));
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "3.7") + "=INTEGER:4"));
        EXPECT_TRUE(NoInvalidBits(form.Rules));

        MarkLog();
        NewRule(form, "3", "8");
        ChooseItem(form.cbxProtocol, "udp");
        ChooseItem(form.PriorityComboBox, "enabled");
        form.cbxEnablePriority->SetChecked(true);
        form.PriorityEdit->SetText("5");
        form.cbxRuleSrcIpv6addr->SetChecked(true);
        form.edtRuleSrcIpv6addr->SetText("fe800000000000000000000000000001");
        form.ProtocolCheckBox->SetChecked(true);
        form.DestinationPortCheckBox->SetChecked(true);
        form.edtDestinationPort->SetText("53");
        form.cbxRxRate->SetChecked(true);
        form.RxRateEdit->SetText("64");
        ChooseItem(form.PermitComboBox, "deny");
        EXPECT_TRUE(UserClick(form.AddButton));
        set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(SourceAddress, EnablePriority, Priority, ReplacePriority, Permit,
                                                     Ports, RxRate, RowStatus, Protocol, DestPort));
        EXPECT_EQ(ValueOf(set, Entry, Permit), "INTEGER:1");
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, SourceAddress)), "FE800000000000000000000000000001");
    });
}

TEST_F(Ipv6RuleFormTest, EditSendsTheRowStatusOfTheRowAndAcceptsProfilesUpTo14) {
    Open([&](F& form) {
        NewRule(form, "14", "1");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(OneSet(), HasSubstr(Cell(RowStatus, "14.1") + "=INTEGER:4"));
        ASSERT_EQ(form.ListView1->Items().Count(), 4);

        MarkLog();
        form.ListView1->SetItemIndex(1);
        ASSERT_EQ(form.edtRuleID->Text(), "1");
        ASSERT_EQ(form.edtRuleAccessID->Text(), "2");
        EXPECT_FALSE(form.edtRuleID->Enabled());
        form.Ports->PortCheckBoxes[1]->SetChecked(true);
        form.cbxTimeRange->SetChecked(true);
        form.edtTimeRange->SetText("night");
        EXPECT_TRUE(UserClick(form.EditButton));
        const std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Ports, RowStatus, TimeRange));
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "1.2") + "=INTEGER:1"));
        EXPECT_FALSE(form.EditButton->Enabled());
    });
}

TEST_F(Ipv6RuleFormTest, AFailedCheckShowsItsMessageAndSendsNothing) {
    struct Case {
        const char* name;
        std::function<void(F&)> change;
        const char* message;
        std::function<ui::Control*(F&)> focus;  // null: the focus stays on Add
    };
    const auto flowLabel = [](const char* text) {
        return [=](F& f) {
            f.cbxRuleFlowlabel->SetChecked(true);
            f.edtRuleFlowlabel->SetText(text);
        };
    };
    const auto address = [](ui::CheckBox* F::*box, ui::Edit* F::*edit, const char* text) {
        return [=](F& f) {
            (f.*box)->SetChecked(true);
            (f.*edit)->SetText(text);
        };
    };
    const auto flowFocus = [](F& f) -> ui::Control* { return f.edtRuleFlowlabel; };
    const Case cases[] = {
        {"no profile ID", [](F& f) { f.edtRuleID->SetText(""); }, "Rule ID must be set.",
         [](F& f) -> ui::Control* { return f.edtRuleID; }},
        {"no access ID", [](F& f) { f.edtRuleAccessID->SetText(""); }, "Rule Access ID must be set.",
         [](F& f) -> ui::Control* { return f.edtRuleAccessID; }},
        {"class and source address",
         [](F& f) {
             f.cbxRuleClass->SetChecked(true);
             f.cbxRuleSrcIpv6addr->SetChecked(true);
         },
         "Can not set mutex data together", nullptr},
        {"Check All", [](F& f) { ASSERT_TRUE(UserClick(f.CheckButton)); }, "Can not set mutex data together", nullptr},
        {"class empty", address(&F::cbxRuleClass, &F::edtRuleClass, ""), "Some checked field is empty",
         [](F& f) -> ui::Control* { return f.edtRuleClass; }},
        {"flow label of 5 digits", flowLabel("FFFFF"), "Invalid data!", flowFocus},
        {"flow label empty", flowLabel(""), "Invalid data!", flowFocus},
        {"flow label of 9 characters", flowLabel("000FFFFF0"), "The length of this value should be eight.", flowFocus},
        {"address with colons", address(&F::cbxRuleDstIpv6addr, &F::edtRuleDstIpv6addr, "fe80::1"),
         "Invalid Ipv6 Address value", [](F& f) -> ui::Control* { return f.edtRuleDstIpv6addr; }},
        {"address empty", address(&F::cbxRuleSrcIpv6addr, &F::edtRuleSrcIpv6addr, ""), "Some checked field is empty",
         [](F& f) -> ui::Control* { return f.edtRuleSrcIpv6addr; }},
        {"RX rate 156250", address(&F::cbxRxRate, &F::RxRateEdit, "156250"), "RX Rate should between 0-156249",
         [](F& f) -> ui::Control* { return f.RxRateEdit; }},
        {"no port", [](F& f) { f.Ports->PortCheckBoxes[0]->SetChecked(false); }, "You must choose at least 1 port!",
         nullptr},
        {"listed IDs",
         [](F& f) {
             f.edtRuleID->SetText("2");
             f.edtRuleAccessID->SetText("1");
         },
         "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
         [](F& f) -> ui::Control* { return f.edtRuleID; }},
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

TEST_F(Ipv6RuleFormTest, AFlowLabelOfEightHexDigitsPasses) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        NewRule(form, "6", "2");
        form.cbxRuleFlowlabel->SetChecked(true);
        form.edtRuleFlowlabel->SetText("000fffff");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(OctetsHex(ValueOf(OneSet(), Entry, Flowlabel)), "000FFFFF");
    });
}

// Check All ticks the mirror box only under "mirror" and never the RX rate box; Clear Checks keeps the RX rate box.
TEST_F(Ipv6RuleFormTest, CheckAllNeverTicksTheRxRateAndClearChecksNeverClearsIt) {
    Open([&](F& form) {
        EXPECT_TRUE(UserClick(form.CheckButton));
        EXPECT_FALSE(form.cbxRxRate->Checked());
        EXPECT_FALSE(form.MirrorGroupIDCheckBox->Checked());
        for (ui::CheckBox* box :
             {form.cbxRuleClass, form.cbxRuleFlowlabel, form.cbxRuleSrcIpv6addr, form.cbxRuleDstIpv6addr,
              form.cbxPermit, form.cbxTimeRange, form.ProtocolCheckBox, form.cbxEnablePriority})
            EXPECT_TRUE(box->Checked()) << box->Name();
        ChooseItem(form.PermitComboBox, "mirror");
        EXPECT_TRUE(UserClick(form.CheckButton));
        EXPECT_TRUE(form.MirrorGroupIDCheckBox->Checked());

        ChooseItem(form.PermitComboBox, "permit");
        form.cbxRxRate->SetChecked(true);
        EXPECT_TRUE(UserClick(form.UncheckButton));
        EXPECT_TRUE(form.cbxRxRate->Checked());
        EXPECT_TRUE(form.cbxRow->Checked());
        EXPECT_FALSE(form.MirrorGroupIDCheckBox->Checked());
        EXPECT_FALSE(form.cbxRuleClass->Checked());
        EXPECT_TRUE(NothingSent());
    });
}

TEST_F(Ipv6RuleFormTest, DeleteSendsRowStatusDestroyAlone) {
    Open([&](F& form) {
        form.ListView1->SetItemIndex(2);
        EXPECT_TRUE(UserClick(form.DeleteButton));
        EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Cell(RowStatus, "2.1") + "=INTEGER:6"));
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

}  // namespace
