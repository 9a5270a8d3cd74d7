// The IPv4 access rules against the simulator, opened through their menu command: the apply boxes and what each
// write leaves out (unchecked boxes, a deny rule's fields, the protocol filter, the priority rule), the checks
// with their messages and focus, the port check standalone and in a 12-unit stack, the RX rate bounds, Check All
// on a selected row, and Delete.
#include "AclDialogTest.h"
#include "Ipruleunit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "Splitter.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

constexpr const char* Handler = "IPRule1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.3.2.1";

// Column numbers of the table (the OID's last arc).
enum Oid {
    RuleVlan = 3, SourceIp, DestIp, Dscp, Protocol, Icmp, Igmp, SourcePort, DestPort, FlagBits, ProtocolId,
    UserMask, EnablePriority, Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit, Ports, RxRate,
    RowStatus, TimeRange, IcmpType = 27, IcmpCode = 28, MirrorGroup = 35,
};

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class IpRuleFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1.1 1.2 2.1");
    }
    void Open(const std::function<void(TIPRuleForm&)>& driver) { RunCommand<TIPRuleForm>(Handler, driver); }
    // A value its check accepts in every field.
    static void FillAll(TIPRuleForm& form) {
        form.VLANEdit->SetText("default");
        form.SourceIPEdit->SetText("10.0.0.1");
        form.DestIPEdit->SetText("10.0.0.2");
        form.DSCPEdit->SetText("10");
        form.SourcePortEdit->SetText("80");
        form.DestPortEdit->SetText("8080");
        form.FlagEdit->SetText("2");
        form.ProtocolIDEdit->SetText("6");
        form.UserMaskEdit->SetText("FFFF0000");
        form.PriorityEdit->SetText("3");
        form.DSCPValueEdit->SetText("20");
        form.RxRateEdit->SetText("1000");
        form.edtTimeRange->SetText("work");
        form.TypeEdit->SetText("8");
        form.CodeEdit->SetText("0");
        form.MirrorIDEdit->SetText("1");
    }
    // The two IDs, the action box and port 1: the least an Add needs.
    static void NewRule(TIPRuleForm& form, const std::string& profile, const std::string& access) {
        form.IPRuleEdit->SetText(profile);
        form.AccessIDEdit->SetText(access);
        form.cbxPermit->SetChecked(true);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
    }
    // The one SET sent since the mark.
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
};

TEST_F(IpRuleFormTest, OpensWithTheRulesListedTheActionPermitAndOnePortPage) {
    TIPRuleForm* seen = nullptr;
    Open([&](TIPRuleForm& form) {
        seen = IPRuleForm;
        EXPECT_EQ(form.Caption(), "ACL IP Rule: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(form.ListView1->Columns().Count(), 29);
        EXPECT_EQ(form.ListView1->Items()[1]->Caption(), "1");
        EXPECT_EQ(form.ListView1->Items()[1]->SubItems()[0], "2");
        EXPECT_FALSE(form.EditButton->Enabled());
        EXPECT_FALSE(form.DeleteButton->Enabled());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_EQ(form.ProtocolComboBox->Text(), "none");
        EXPECT_EQ(form.PermitComboBox->Text(), "permit");
        EXPECT_EQ(form.PriorityComboBox->Text(), "disabled");
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");
        EXPECT_FALSE(form.RowComboBox->Visible());
        // The action "permit": priority, DSCP replacement and RX rate open, the mirror group closed.
        EXPECT_TRUE(form.RxRateEdit->Enabled());
        EXPECT_EQ(form.RxRateEdit->Color(), ui::clWindow);
        EXPECT_FALSE(form.MirrorIDEdit->Enabled());
        EXPECT_EQ(form.MirrorIDEdit->Color(), ui::clMenu);
        EXPECT_FALSE(form.MirrorIDCheckBox->Enabled());
        EXPECT_FALSE(form.cbxPriority->Enabled());  // priority "disabled"
        // The editors and the buttons get the room below the list.
        EXPECT_EQ(form.Splitter1->Height(), 3);
        EXPECT_GT(form.Panel1->Height(), 300);
        EXPECT_GT(form.EditorPanel->Height(), 300);
        ASSERT_EQ(form.PageControl1->PageCount(), 1);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Ports");
        EXPECT_EQ(form.Ports->PortCheckBoxes.size(), 64u);
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(IPRuleForm, nullptr);
}

TEST_F(IpRuleFormTest, TheActionOpensAndClosesItsControlsAndKeepsTheirChecks) {
    Open([&](TIPRuleForm& form) {
        ChooseItem(form.PriorityComboBox, "enabled");
        EXPECT_TRUE(form.cbxPriority->Checked());
        EXPECT_TRUE(form.cbxPriority->Enabled());
        EXPECT_EQ(form.PriorityEdit->Color(), ui::clWindow);
        ChooseItem(form.EnableReplComboBox, "enabled");
        EXPECT_TRUE(form.cbxValue->Checked());
        form.cbxRxRate->SetChecked(true);

        ChooseItem(form.PermitComboBox, "deny");
        for (ui::Control* closed : std::initializer_list<ui::Control*>{
                 form.PriorityComboBox, form.PriorityEdit, form.ReplaceComboBox, form.EnableReplComboBox,
                 form.DSCPValueEdit, form.RxRateEdit, form.MirrorIDEdit})
            EXPECT_EQ(closed->Color(), ui::clMenu) << closed->Name();
        for (ui::CheckBox* box : {form.cbxPriority, form.cbxReplacePriority, form.cbxValue, form.cbxRxRate}) {
            EXPECT_FALSE(box->Enabled()) << box->Name();
            EXPECT_TRUE(box->Checked()) << box->Name();
        }
        EXPECT_FALSE(form.MirrorIDCheckBox->Enabled());

        ChooseItem(form.PermitComboBox, "mirror");
        EXPECT_TRUE(form.MirrorIDEdit->Enabled());
        EXPECT_EQ(form.MirrorIDEdit->Color(), ui::clWindow);
        EXPECT_TRUE(form.MirrorIDCheckBox->Enabled());
        EXPECT_FALSE(form.RxRateEdit->Enabled());

        ChooseItem(form.PermitComboBox, "permit");
        EXPECT_FALSE(form.MirrorIDCheckBox->Enabled());
        EXPECT_TRUE(form.RxRateEdit->Enabled());
        EXPECT_TRUE(form.cbxPriority->Enabled());
    });
}

TEST_F(IpRuleFormTest, AddWithTheActionAndOnePortSendsThemWithCreateAndGoOnly) {
    // The combo boxes keep the entries of a row let go: this one shows what the form starts with.
    ASSERT_EQ(Control("set-rw " + Cell(Permit, "1.1") + " int 2"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "1.1") + " int 2"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(EnableReplaceDscp, "1.1") + " int 2"), "ok");
    Open([&](TIPRuleForm& form) {
        // A row selected and let go leaves its status in the RowStatus box; Add creates all the same.
        form.ListView1->SetItemIndex(0);
        ASSERT_EQ(form.RowComboBox->Text(), "active");
        form.ListView1->ClearSelection();
        NewRule(form, "3", "7");
        EXPECT_TRUE(UserClick(form.AddButton));
        const std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Permit, Ports, RowStatus));
        EXPECT_EQ(ValueOf(set, Entry, Permit), "INTEGER:2");
        EXPECT_EQ(ValueOf(set, Entry, RowStatus), "INTEGER:4");
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, Ports)), "8000000000000000");
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "3.7") + "="));
        ASSERT_EQ(form.ListView1->Items().Count(), 4);
        EXPECT_EQ(form.IPRuleEdit->Text(), "");
        EXPECT_FALSE(form.cbxPermit->Checked());
        EXPECT_FALSE(form.Ports->PortCheckBoxes[0]->Checked());
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

TEST_F(IpRuleFormTest, ADenyRuleNeverCarriesPriorityDscpRateOrMirrorFields) {
    Open([&](TIPRuleForm& form) {
        ChooseItem(form.PriorityComboBox, "enabled");
        ChooseItem(form.EnableReplComboBox, "enabled");
        NewRule(form, "3", "8");
        FillAll(form);
        EXPECT_TRUE(UserClick(form.CheckButton));
        ChooseItem(form.PermitComboBox, "deny");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(Columns(OneSet(), Entry),
                    ElementsAre(RuleVlan, SourceIp, DestIp, Dscp, Permit, Ports, RowStatus, TimeRange, IcmpType, IcmpCode));
    });
}

TEST_F(IpRuleFormTest, TheProtocolFiltersTheFieldsOfOtherProtocols) {
    struct Case {
        const char* protocol;
        std::vector<int> own;  // the protocol's fields, besides those every rule here sends
    };
    const Case cases[] = {
        {"none", {}},
        {"icmp", {Icmp}},
        {"igmp", {Igmp}},
        {"tcp", {SourcePort, DestPort, FlagBits}},
        {"udp", {SourcePort, DestPort}},
        {"protocolId", {ProtocolId, UserMask}},
    };
    Open([&](TIPRuleForm& form) {
        int access = 20;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.protocol);
            MarkLog();
            ChooseItem(form.ProtocolComboBox, c.protocol);
            ChooseItem(form.PriorityComboBox, "enabled");
            ChooseItem(form.EnableReplComboBox, "enabled");
            NewRule(form, "4", std::to_string(access++));
            FillAll(form);
            EXPECT_TRUE(UserClick(form.CheckButton));
            EXPECT_FALSE(form.MirrorIDCheckBox->Checked());  // closed under "permit"
            EXPECT_TRUE(UserClick(form.AddButton));
            std::vector<int> expected = {RuleVlan, SourceIp, DestIp, Dscp};
            expected.insert(expected.end(), c.own.begin(), c.own.end());
            for (int column : {EnablePriority, Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit,
                               Ports, RxRate, RowStatus, TimeRange, IcmpType, IcmpCode})
                expected.push_back(column);
            EXPECT_THAT(Columns(OneSet(), Entry), ElementsAreArray(expected));
        }
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

TEST_F(IpRuleFormTest, PriorityGoesOutOnlyWhenEnabledByTheFormOrBySelectedRow) {
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "1.1") + " int 1"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "1.2") + " int 2"), "ok");
    Open([&](TIPRuleForm& form) {
        // No row: an unchecked "Enable Priority" leaves priority out although its boxes are checked.
        ChooseItem(form.PriorityComboBox, "enabled");
        ASSERT_TRUE(form.cbxPriority->Checked());
        NewRule(form, "5", "1");
        form.PriorityEdit->SetText("4");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(Columns(OneSet(), Entry), ElementsAre(Permit, Ports, RowStatus));

        // A row that has priority enabled: selecting it checks the priority boxes, and Edit sends them.
        MarkLog();
        form.ListView1->SetItemIndex(0);
        ASSERT_EQ(form.PriorityComboBox->Text(), "enabled");
        EXPECT_TRUE(form.cbxPriority->Checked());
        EXPECT_FALSE(form.cbxEnablePriority->Checked());
        EXPECT_TRUE(UserClick(form.EditButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Priority, ReplacePriority, Ports, RowStatus));
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "1.1") + "=INTEGER:1"));

        // A row that has it disabled: priority stays out though the user enabled it on the form.
        MarkLog();
        form.ListView1->SetItemIndex(1);
        ASSERT_EQ(form.PriorityComboBox->Text(), "disabled");
        ChooseItem(form.PriorityComboBox, "enabled");
        form.cbxRxRate->SetChecked(true);
        EXPECT_TRUE(UserClick(form.EditButton));
        set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Ports, RxRate, RowStatus));
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "1.2") + "=INTEGER:1"));
        EXPECT_FALSE(form.EditButton->Enabled());
        EXPECT_TRUE(form.IPRuleEdit->Enabled());
    });
}

// A rule whose state the agent reports as an action: Edit sends the rule's fields without it. A Refresh before (which
// readies the form for an Add) changes nothing.
TEST_F(IpRuleFormTest, EditNeverSendsBackARowActionTheAgentReported) {
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "1.2") + " int 2"), "ok");
    for (int action : {4, 5, 6}) {
        SCOPED_TRACE(action);
        ASSERT_EQ(Control("set " + Cell(RowStatus, "1.2") + " int " + std::to_string(action)), "ok");
        Open([&](TIPRuleForm& form) {
            ASSERT_TRUE(UserClick(form.GetButton));
            ASSERT_TRUE(RunUntil([&] { return form.ListView1->Items().Count() == 3; }));
            MarkLog();
            form.ListView1->SetItemIndex(1);
            form.cbxRxRate->SetChecked(true);
            EXPECT_TRUE(UserClick(form.EditButton));
            EXPECT_THAT(Columns(OneSet(), Entry), ElementsAre(Ports, RxRate));
        });
    }
}

TEST_F(IpRuleFormTest, CheckAllOnASelectedRowFiltersByItsProtocolAndWritesTypeAndCode) {
    ASSERT_EQ(Control("set-rw " + Cell(Protocol, "2.1") + " int 4"), "ok");  // tcp
    ASSERT_EQ(Control("set-rw " + Cell(Permit, "2.1") + " int 2"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(EnablePriority, "2.1") + " int 2"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(UserMask, "2.1") + " hex FFFF0000"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(SourceIp, "2.1") + " ip 10.1.1.1"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(DestIp, "2.1") + " ip 10.1.1.2"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(RxRate, "2.1") + " int 64"), "ok");
    ui::MessageBoxRecorder boxes;
    Open([&](TIPRuleForm& form) {
        form.ListView1->SetItemIndex(2);
        EXPECT_EQ(form.IPRuleEdit->Text(), "2");
        EXPECT_EQ(form.AccessIDEdit->Text(), "1");
        EXPECT_FALSE(form.IPRuleEdit->Enabled());
        EXPECT_FALSE(form.AddButton->Enabled());
        EXPECT_FALSE(form.ProtocolComboBox->Enabled());
        for (ui::CheckBox* box : {form.cbxProtocol, form.cbxType, form.cbxCode}) {
            EXPECT_FALSE(box->Enabled()) << box->Name();
            EXPECT_FALSE(box->Checked()) << box->Name();
        }
        EXPECT_TRUE(UserClick(form.CheckButton));
        for (ui::CheckBox* box : {form.cbxProtocol, form.cbxType, form.cbxCode}) EXPECT_TRUE(box->Checked()) << box->Name();
        EXPECT_TRUE(UserClick(form.EditButton));
        EXPECT_TRUE(boxes.Calls().empty()) << (boxes.Calls().empty() ? "" : boxes.Calls()[0].Text);
        EXPECT_THAT(Columns(OneSet(), Entry),
                    ElementsAre(RuleVlan, SourceIp, DestIp, Dscp, SourcePort, DestPort, FlagBits, EnablePriority,
                                EnableReplaceDscp, Permit, Ports, RxRate, RowStatus, TimeRange, IcmpType, IcmpCode));
    });
}

TEST_F(IpRuleFormTest, AFailedCheckShowsItsMessageFocusesTheControlAndSendsNothing) {
    using F = TIPRuleForm;
    struct Case {
        const char* name;
        std::function<void(F&)> change;
        const char* message;
        std::function<ui::Control*(F&)> focus;
    };
    const Case cases[] = {
        {"no rule ID", [](F& f) { f.IPRuleEdit->SetText(""); }, "IP Rule ID must be set.",
         [](F& f) -> ui::Control* { return f.IPRuleEdit; }},
        {"no access ID", [](F& f) { f.AccessIDEdit->SetText(""); }, "IP Rule Access ID must be set.",
         [](F& f) -> ui::Control* { return f.AccessIDEdit; }},
        {"checked but empty", [](F& f) { f.cbxVlan->SetChecked(true); }, "Some checked field is empty",
         [](F& f) -> ui::Control* { return f.VLANEdit; }},
        {"source address", [](F& f) { f.cbxSourceIP->SetChecked(true); f.SourceIPEdit->SetText("10.0.0"); },
         "Please input a valid ip", [](F& f) -> ui::Control* { return f.SourceIPEdit; }},
        {"destination address with text after it",
         [](F& f) { f.cbxDestIP->SetChecked(true); f.DestIPEdit->SetText("10.0.0.1xyz"); }, "Please input a valid ip",
         [](F& f) -> ui::Control* { return f.DestIPEdit; }},
        {"user mask", [](F& f) { f.cbxUserMask->SetChecked(true); f.UserMaskEdit->SetText("FFFF"); },
         "Invalid User Mask", [](F& f) -> ui::Control* { return f.UserMaskEdit; }},
        {"empty mirror group",
         [](F& f) { ChooseItem(f.PermitComboBox, "mirror"); f.MirrorIDCheckBox->SetChecked(true); f.MirrorIDEdit->SetText(""); },
         "Mirror Group ID checked but it is empty", [](F& f) -> ui::Control* { return f.MirrorIDEdit; }},
        {"no port", [](F& f) { f.Ports->PortCheckBoxes[0]->SetChecked(false); }, "You must choose at least 1 port!",
         [](F& f) -> ui::Control* { return f.AddButton; }},
        {"listed IDs", [](F& f) { f.IPRuleEdit->SetText("1"); f.AccessIDEdit->SetText("2"); },
         "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
         [](F& f) -> ui::Control* { return f.IPRuleEdit; }},
        {"no action", [](F& f) { f.cbxPermit->SetChecked(false); }, "Permit option must be checked.",
         [](F& f) -> ui::Control* { return f.PermitComboBox; }},
    };
    ui::MessageBoxRecorder boxes;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        Open([&](TIPRuleForm& form) {
            NewRule(form, "6", "1");
            c.change(form);
            form.AddButton->SetFocus();
            EXPECT_TRUE(UserClick(form.AddButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE(c.focus(form)->Focused());
            EXPECT_TRUE(Pdus("SET").empty());
            EXPECT_TRUE(NoInvalidBits(form.Rules));
        });
    }
}

TEST_F(IpRuleFormTest, TheRxRateMayBeUpTo156249) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIPRuleForm& form) {
        NewRule(form, "7", "1");
        form.cbxRxRate->SetChecked(true);
        form.RxRateEdit->SetText("156250");
        form.AddButton->SetFocus();
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"RX Rate should between 0-156249"});
        EXPECT_TRUE(form.RxRateEdit->Focused());
        EXPECT_TRUE(Pdus("SET").empty());
        form.RxRateEdit->SetText("156249");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(ValueOf(OneSet(), Entry, RxRate), "INTEGER:156249");
    });
}

TEST_F(IpRuleFormTest, InATwelveUnitStackAPortOfUnitTwelveIsEnough) {
    std::vector<StackUnitRow> units;
    for (int u = 1; u <= 12; ++u)
        units.push_back({std::to_string(u), std::to_string((u - 1) * 64 + 1), "QSW-2150", "exist"});
    StackStateScope stack("enabled", units);
    ui::MessageBoxRecorder boxes;
    Open([&](TIPRuleForm& form) {
        ASSERT_EQ(form.Ports->PortCheckBoxes.size(), 768u);
        form.IPRuleEdit->SetText("8");
        form.AccessIDEdit->SetText("1");
        form.cbxPermit->SetChecked(true);
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"You must choose at least 1 port!"});
        form.Ports->PortCheckBoxes[11 * 64 + 4]->SetChecked(true);  // unit 12, port 5
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(boxes.Calls().size(), 1u);
        const std::string ports = OctetsHex(ValueOf(OneSet(), Entry, Ports));
        // 96 octets; bit 708 is octet 88 under 0x08.
        EXPECT_EQ(ports, std::string(176, '0') + "08" + std::string(14, '0'));
    });
}

TEST_F(IpRuleFormTest, DeleteSendsRowStatusDestroyAlone) {
    Open([&](TIPRuleForm& form) {
        form.ListView1->SetItemIndex(1);
        EXPECT_TRUE(UserClick(form.DeleteButton));
        EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Cell(RowStatus, "1.2") + "=INTEGER:6"));
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_FALSE(form.DeleteButton->Enabled());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_TRUE(form.AccessIDEdit->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.Rules));
    });
}

// Refresh reads the rules again and puts the dialog in its add state: the IDs open and empty, Edit and Delete
// disabled, every apply box but the mirror group's unchecked; nothing is written.
TEST_F(IpRuleFormTest, RefreshReadsTheRulesAgainAndResetsTheForm) {
    ASSERT_EQ(Control("set-rw " + Cell(RxRate, "1.2") + " int 64"), "ok");
    Open([&](TIPRuleForm& form) {
        ChooseItem(form.PermitComboBox, "mirror");
        form.MirrorIDCheckBox->SetChecked(true);
        ChooseItem(form.PermitComboBox, "permit");
        form.ListView1->SetItemIndex(1);
        ASSERT_EQ(form.RxRateEdit->Text(), "64");
        ASSERT_TRUE(form.EditButton->Enabled());
        for (ui::CheckBox* box : {form.cbxVlan, form.cbxRxRate, form.cbxPermit}) box->SetChecked(true);
        ASSERT_EQ(Control("set-rw " + Cell(RxRate, "1.2") + " int 99"), "ok");  // changed on the switch meanwhile

        ASSERT_TRUE(UserClick(form.GetButton));
        EXPECT_FALSE(Pdus("GETNEXT").empty());
        EXPECT_TRUE(NothingSent("SET"));
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(form.ListView1->Selected(), nullptr);
        EXPECT_FALSE(form.EditButton->Enabled());
        EXPECT_FALSE(form.DeleteButton->Enabled());
        EXPECT_TRUE(form.AddButton->Enabled());
        for (ui::Edit* id : {form.IPRuleEdit, form.AccessIDEdit}) {
            EXPECT_TRUE(id->Enabled()) << id->Name();
            EXPECT_EQ(id->Text(), "") << id->Name();
        }
        EXPECT_EQ(form.RxRateEdit->Text(), "");
        for (ui::CheckBox* box : {form.cbxVlan, form.cbxRxRate, form.cbxPermit})
            EXPECT_FALSE(box->Checked()) << box->Name();
        EXPECT_TRUE(form.MirrorIDCheckBox->Checked());
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.RxRateEdit->Text(), "99");
    });
}

// Clear Checks unchecks every apply box but the mirror group's; the two priority boxes only while they are enabled.
TEST_F(IpRuleFormTest, ClearChecksKeepsTheMirrorBoxAndDisabledPriorityBoxes) {
    const auto alwaysCleared = [](TIPRuleForm& f) {
        return std::vector<ui::CheckBox*>{
            f.cbxVlan,     f.cbxSourceIP,   f.cbxDestIP,   f.cbxDscp, f.cbxProtocol,       f.cbxRuleIcmp,
            f.cbxRuleIgmp, f.cbxSourcePort, f.cbxDestPort, f.cbxFBs,  f.cbxProtocolID,     f.cbxUserMask,
            f.cbxPermit,   f.cbxTimeRange,  f.cbxType,     f.cbxCode, f.cbxEnablePriority, f.cbxEnableReplaceDscp,
            f.cbxValue,    f.cbxRxRate};
    };
    Open([&](TIPRuleForm& form) {
        ChooseItem(form.PriorityComboBox, "enabled");  // checks the two priority boxes
        ChooseItem(form.EnableReplComboBox, "enabled");
        ASSERT_TRUE(UserClick(form.CheckButton));
        for (ui::CheckBox* box : alwaysCleared(form)) ASSERT_TRUE(box->Checked()) << box->Name();
        ChooseItem(form.PermitComboBox, "mirror");  // the priority boxes disabled, the mirror box enabled
        form.MirrorIDCheckBox->SetChecked(true);

        ASSERT_TRUE(UserClick(form.UncheckButton));
        for (ui::CheckBox* box : alwaysCleared(form)) EXPECT_FALSE(box->Checked()) << box->Name();
        EXPECT_TRUE(form.MirrorIDCheckBox->Checked());
        EXPECT_TRUE(form.cbxPriority->Checked());
        EXPECT_TRUE(form.cbxReplacePriority->Checked());

        ChooseItem(form.PermitComboBox, "permit");  // the priority boxes enabled (and checked) again
        ASSERT_TRUE(form.cbxPriority->Enabled());
        ASSERT_TRUE(UserClick(form.UncheckButton));
        EXPECT_FALSE(form.cbxPriority->Checked());
        EXPECT_FALSE(form.cbxReplacePriority->Checked());
        EXPECT_TRUE(form.MirrorIDCheckBox->Checked());
        EXPECT_TRUE(NothingSent());
    });
}

}  // namespace
