// The Ethernet access rules against the simulator, opened through their menu command: what Add and Edit send (only
// the ticked fields, the priority rule, an Edit to "deny" that changes the action), the checks with their messages
// and focus, the port check in a 12-unit stack, Check All and Clear Checks, the action's controls, and Delete.
#include "AclDialogTest.h"
#include "Ethernetinformationruleunit.h"

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

constexpr const char* Handler = "RuleOfEthernetInformation1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.3.1.1";

// Column numbers of the table (the OID's last arc).
enum Oid {
    VlanName = 3,
    SourceMac,
    DestMac,
    Dot1p,
    EthernetType,
    EnablePriority,
    Priority,
    ReplacePriority,
    ReplaceDscpState,
    ReplaceDscpValue,
    PermitRule,
    RulePort,
    RxRate,
    RowStatus,
    TimeRange,
    MirrorGroup = 25,
};

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class EthernetInformationRuleFormTest : public DedicatedDialogTest {
protected:
    using F = TEthernetInformationRuleForm;
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1.1 1.2 2.1");
    }
    void Open(const std::function<void(F&)>& driver) { RunCommand<F>(Handler, driver); }
    static void FillAll(F& form) {
        form.VlanRuleEdit->SetText("default");
        form.SourceMACEdit->SetText("00112233aabb");
        form.DestMACEdit->SetText("001122334455");
        form.IEEE8021pEdit->SetText("5");
        form.EthTypeEdit->SetText("88cc");
        form.PriorityEdit->SetText("3");
        form.ReplaceDSCPEdit->SetText("20");
        form.RxRateEdit->SetText("1000");
        form.edtTimeRange->SetText("work");
        form.MirrorIDEdit->SetText("1");
    }
    static void NewRule(F& form, const std::string& mask, const std::string& access) {
        form.MaskIDEdit->SetText(mask);
        form.AccessEdit->SetText(access);
        form.cbxPermit->SetChecked(true);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
    }
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
};

TEST_F(EthernetInformationRuleFormTest, OpensWithTheRulesListedTheActionPermitAndTheStaticPortsPage) {
    F* seen = nullptr;
    Open([&](F& form) {
        seen = EthernetInformationRuleForm;
        EXPECT_EQ(form.Caption(), "ACL Ethernet Rule: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(form.ListView1->Columns().Count(), 19);
        EXPECT_FALSE(form.EditButton->Enabled());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_EQ(form.PermitComboBox->Text(), "permit");
        EXPECT_EQ(form.EnablePriorityComboBox->Text(), "disabled");
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");
        EXPECT_EQ(form.RuleOwnerComboBox->Text(), "acl");
        EXPECT_TRUE(form.RxRateEdit->Enabled());
        EXPECT_FALSE(form.MirrorIDCheckBox->Enabled());
        EXPECT_FALSE(form.cbxPriority->Enabled());
        ASSERT_EQ(form.PageControl1->PageCount(), 1);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Static Ports");
        EXPECT_EQ(form.Ports->PortCheckBoxes.size(), 64u);

        form.ListView1->SetItemIndex(2);
        EXPECT_EQ(form.MaskIDEdit->Text(), "2");
        EXPECT_EQ(form.AccessEdit->Text(), "1");
        EXPECT_FALSE(form.MaskIDEdit->Enabled());
        EXPECT_FALSE(form.AddButton->Enabled());
        EXPECT_TRUE(form.EditButton->Enabled());
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(EthernetInformationRuleForm, nullptr);
}

TEST_F(EthernetInformationRuleFormTest, AddSendsTheTickedFieldsWithCreateAndGo) {
    Open([&](F& form) {
        NewRule(form, "3", "7");
        EXPECT_TRUE(UserClick(form.AddButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(PermitRule, RulePort, RowStatus));
        EXPECT_EQ(ValueOf(set, Entry, PermitRule), "INTEGER:2");
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "3.7") + "=INTEGER:4"));
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, RulePort)), "8000000000000000");
        ASSERT_EQ(form.ListView1->Items().Count(), 4);
        EXPECT_FALSE(form.cbxPermit->Checked());
        EXPECT_TRUE(NoInvalidBits(form.Rules));

        // Every field, priority enabled on the form.
        MarkLog();
        ChooseItem(form.EnablePriorityComboBox, "enabled");
        ChooseItem(form.EnableReplComboBox, "enabled");
        NewRule(form, "3", "8");
        FillAll(form);
        EXPECT_TRUE(UserClick(form.AddCheckButton));
        EXPECT_FALSE(form.MirrorIDCheckBox->Checked());  // closed under "permit"
        EXPECT_TRUE(UserClick(form.AddButton));
        set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(VlanName, SourceMac, DestMac, Dot1p, EthernetType, EnablePriority,
                                                     Priority, ReplacePriority, PermitRule, RulePort, RxRate, RowStatus,
                                                     TimeRange, ReplaceDscpState, ReplaceDscpValue));
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, SourceMac)), "00112233AABB");
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, EthernetType)), "88CC");
    });
}

// "Enable Priority" ticked and "disabled" goes out, but neither priority column; the same for a row that has it
// disabled when the box is clear, whatever the priority boxes say.
TEST_F(EthernetInformationRuleFormTest, PriorityGoesOutOnlyWhenEnabledByTheFormOrBySelectedRow) {
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "1.1") + " int 1"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "1.2") + " int 2"), "ok");
    for (const char* row : {"1.1", "1.2"}) {
        ASSERT_EQ(Control("set-rw " + Cell(PermitRule, row) + " int 2"), "ok");
        ASSERT_EQ(Control("set-rw " + Cell(ReplaceDscpState, row) + " int 2"), "ok");
        ASSERT_EQ(Control("set-rw " + Cell(Priority, row) + " int 3"), "ok");
        ASSERT_EQ(Control("set-rw " + Cell(ReplacePriority, row) + " int 2"), "ok");
    }
    Open([&](F& form) {
        NewRule(form, "5", "1");
        form.cbxEnablePriority->SetChecked(true);
        form.cbxPriority->SetChecked(true);
        form.PriorityEdit->SetText("4");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(Columns(OneSet(), Entry), ElementsAre(EnablePriority, PermitRule, RulePort, RowStatus));

        MarkLog();
        form.ListView1->SetItemIndex(0);
        ASSERT_EQ(form.EnablePriorityComboBox->Text(), "enabled");
        ChooseItem(form.EnablePriorityComboBox, "enabled");  // ticks the two priority boxes
        form.cbxEnablePriority->SetChecked(false);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
        EXPECT_TRUE(UserClick(form.EditButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Priority, ReplacePriority, RulePort, RowStatus));
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "1.1") + "=INTEGER:1"));

        MarkLog();
        form.ListView1->SetItemIndex(1);
        ChooseItem(form.EnablePriorityComboBox, "enabled");
        form.cbxEnablePriority->SetChecked(false);
        ASSERT_TRUE(form.cbxPriority->Checked());
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
        EXPECT_TRUE(UserClick(form.EditButton));
        EXPECT_THAT(Columns(OneSet(), Entry), ElementsAre(RulePort, RowStatus));
    });
}

// An Edit to "deny" changes the rule's action; what a deny rule cannot carry stays out though its boxes are ticked.
TEST_F(EthernetInformationRuleFormTest, EditToDenySendsTheActionWithoutPriorityDscpRateOrMirror) {
    ASSERT_EQ(Control("set-rw " + Cell(PermitRule, "1.2") + " int 2"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "1.2") + " int 1"), "ok");
    Open([&](F& form) {
        form.ListView1->SetItemIndex(1);
        ASSERT_EQ(form.PermitComboBox->Text(), "permit");
        FillAll(form);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
        ChooseItem(form.EnableReplComboBox, "enabled");
        EXPECT_TRUE(UserClick(form.AddCheckButton));
        ASSERT_TRUE(form.cbxRxRate->Checked());
        ChooseItem(form.PermitComboBox, "deny");
        EXPECT_TRUE(form.cbxRxRate->Checked());  // disabled, still ticked
        EXPECT_TRUE(UserClick(form.EditButton));
        const std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(VlanName, SourceMac, DestMac, Dot1p, EthernetType, PermitRule,
                                                     RulePort, RowStatus, TimeRange));
        EXPECT_EQ(ValueOf(set, Entry, PermitRule), "INTEGER:1");
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.PermitComboBox->Text(), "deny");
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

TEST_F(EthernetInformationRuleFormTest, AFailedCheckShowsItsMessageFocusesTheControlAndSendsNothing) {
    struct Case {
        const char* name;
        std::function<void(F&)> change;
        const char* message;
        std::function<ui::Control*(F&)> focus;
    };
    const auto ticked = [](ui::CheckBox* F::*box, ui::Edit* F::*edit, const char* text) {
        return [=](F& f) {
            (f.*box)->SetChecked(true);
            (f.*edit)->SetText(text);
        };
    };
    const Case cases[] = {
        {"no mask ID", [](F& f) { f.MaskIDEdit->SetText(""); }, "Mask ID must be set.",
         [](F& f) -> ui::Control* { return f.MaskIDEdit; }},
        {"no access ID", [](F& f) { f.AccessEdit->SetText(""); }, "Access ID must be set.",
         [](F& f) -> ui::Control* { return f.AccessEdit; }},
        {"ticked but empty", ticked(&F::cbxTimeRange, &F::edtTimeRange, ""), "Some check field is empty",
         [](F& f) -> ui::Control* { return f.edtTimeRange; }},
        {"source MAC with separators", ticked(&F::cbxSource, &F::SourceMACEdit, "00-11-22-33"), "Invalid MAC Address",
         [](F& f) -> ui::Control* { return f.SourceMACEdit; }},
        {"destination MAC of 11 digits", ticked(&F::cbxDestination, &F::DestMACEdit, "00112233445"),
         "Invalid MAC Address", [](F& f) -> ui::Control* { return f.DestMACEdit; }},
        {"Ethernet type of 3 digits", ticked(&F::cbxEtherType, &F::EthTypeEdit, "800"), "Invalid Ethernet Type",
         [](F& f) -> ui::Control* { return f.EthTypeEdit; }},
        {"priority 8",
         [](F& f) {
             ChooseItem(f.EnablePriorityComboBox, "enabled");
             f.PriorityEdit->SetText("8");
             f.cbxReplacePriority->SetChecked(false);
         },
         "Priority value should between 0-7", [](F& f) -> ui::Control* { return f.PriorityEdit; }},
        {"RX rate 156250", ticked(&F::cbxRxRate, &F::RxRateEdit, "156250"), "RX Rate should between 0-156249",
         [](F& f) -> ui::Control* { return f.RxRateEdit; }},
        {"no port", [](F& f) { f.Ports->PortCheckBoxes[0]->SetChecked(false); }, "You must choose at least 1 port!",
         [](F& f) -> ui::Control* { return f.AddButton; }},
        {"listed IDs",
         [](F& f) {
             f.MaskIDEdit->SetText("1");
             f.AccessEdit->SetText("2");
         },
         "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
         [](F& f) -> ui::Control* { return f.MaskIDEdit; }},
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
            EXPECT_TRUE(c.focus(form)->Focused());
            EXPECT_TRUE(Pdus("SET").empty());
        });
    }
}

TEST_F(EthernetInformationRuleFormTest, ValuesAtTheBoundsPass) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        NewRule(form, "7", "1");
        form.cbxEtherType->SetChecked(true);
        form.EthTypeEdit->SetText("0800");
        form.cbxRxRate->SetChecked(true);
        form.RxRateEdit->SetText("156249");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::string set = OneSet();
        EXPECT_EQ(ValueOf(set, Entry, RxRate), "INTEGER:156249");
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, EthernetType)), "0800");
    });
}

TEST_F(EthernetInformationRuleFormTest, InATwelveUnitStackAPortOfUnitTwelveIsEnough) {
    std::vector<StackUnitRow> units;
    for (int u = 1; u <= 12; ++u)
        units.push_back({std::to_string(u), std::to_string((u - 1) * 64 + 1), "QSW-2150", "exist"});
    StackStateScope stack("enabled", units);
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        ASSERT_EQ(form.Ports->PortCheckBoxes.size(), 768u);
        form.MaskIDEdit->SetText("8");
        form.AccessEdit->SetText("1");
        form.cbxPermit->SetChecked(true);
        form.Ports->PortCheckBoxes[11 * 64]->SetChecked(true);  // unit 12, port 1
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(OctetsHex(ValueOf(OneSet(), Entry, RulePort)), std::string(176, '0') + "80" + std::string(14, '0'));
    });
}

// Check All ticks the action boxes only where they are enabled; Clear Checks unticks all fourteen.
TEST_F(EthernetInformationRuleFormTest, CheckAllTicksOpenBoxesAndClearChecksUnticksAll) {
    Open([&](F& form) {
        ChooseItem(form.PermitComboBox, "mirror");
        EXPECT_TRUE(UserClick(form.AddCheckButton));
        for (ui::CheckBox* box : {form.cbxVlan, form.cbxSource, form.cbxDestination, form.cbxIEEE802dot1P,
                                  form.cbxEtherType, form.cbxPermit, form.cbxTimeRange, form.MirrorIDCheckBox})
            EXPECT_TRUE(box->Checked()) << box->Name();
        for (ui::CheckBox* box : {form.cbxEnablePriority, form.cbxPriority, form.cbxReplacePriority,
                                  form.cbxEnableReplaceDscp, form.cbxValue, form.cbxRxRate})
            EXPECT_FALSE(box->Checked()) << box->Name();
        ChooseItem(form.PermitComboBox, "permit");
        EXPECT_FALSE(form.MirrorIDCheckBox->Enabled());
        EXPECT_TRUE(form.MirrorIDCheckBox->Checked());
        EXPECT_TRUE(UserClick(form.CleanCheButton));
        EXPECT_FALSE(form.MirrorIDCheckBox->Checked());
        EXPECT_FALSE(form.cbxVlan->Checked());
        EXPECT_TRUE(NothingSent());
    });
}

TEST_F(EthernetInformationRuleFormTest, DeleteSendsRowStatusDestroyAlone) {
    Open([&](F& form) {
        form.ListView1->SetItemIndex(1);
        EXPECT_TRUE(UserClick(form.DeleteButton));
        EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Cell(RowStatus, "1.2") + "=INTEGER:6"));
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_TRUE(form.MaskIDEdit->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

TEST_F(EthernetInformationRuleFormTest, ARefusedEditIsReportedAndTheTableReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.ListView1->SetItemIndex(0);
        form.cbxVlan->SetChecked(true);
        form.VlanRuleEdit->SetText("v1");
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
        ASSERT_EQ(Control("error " + Entry + " wrongValue 1"), "ok");
        EXPECT_TRUE(UserClick(form.EditButton));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_FALSE(Pdus("GETNEXT").empty());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

}  // namespace
