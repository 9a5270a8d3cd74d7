// The four read-only views of the IP-MAC binding's ACL tables against the simulator, opened through their menu
// commands: the rows and the row count, a row shown in read-only editors with the combo box kept disabled, the rule
// views' ports per unit in a stack, a click beside the rows resetting the editors, an empty table, and no write.
#include "AclDialogTest.h"
#include "Ibpviewunit.h"
#include "Ibpethermaskformunit.h"
#include "Ibpetherruleformunit.h"
#include "Ibpipmaskformunit.h"
#include "Ibpipruleformunit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;

constexpr const char* EtherMaskEntry = "1.3.6.1.4.1.32473.12.9.2.6.1";
constexpr const char* IpMaskEntry = "1.3.6.1.4.1.32473.12.9.2.7.1";
constexpr const char* EtherRuleEntry = "1.3.6.1.4.1.32473.12.9.3.5.1";
constexpr const char* IpRuleEntry = "1.3.6.1.4.1.32473.12.9.3.6.1";

class IbpViewFormTest : public DedicatedDialogTest {
protected:
    // The view's rows, its caption, a click on its second row and one beside the rows; nothing is written.
    template <typename Form>
    void ExpectView(const char* handler, const char* caption, const std::string& secondRowKey) {
        SCOPED_TRACE(handler);
        ui::MessageBoxRecorder boxes;
        RunCommand<Form>(handler, [&](Form& opened) {
            // Each view is the one shared implementation, given its recipe.
            TIBPViewForm& form = opened;
            EXPECT_EQ(form.Caption(), std::string(caption) + ": 127.0.0.1");
            ASSERT_EQ(form.ListView1->Items().Count(), 3);
            EXPECT_EQ(form.StaticText1->Caption(), "3");
            form.ListView1->SetItemIndex(1);
            EXPECT_EQ(form.ListView1->Items()[1]->Caption(), secondRowKey);
            ASSERT_TRUE(UserClick(form.RefreshButton));
            EXPECT_EQ(form.ListView1->Items().Count(), 3);
            EXPECT_EQ(form.ListView1->Selected(), nullptr);
            EXPECT_TRUE(NothingSent("SET"));
        });
        EXPECT_TRUE(boxes.Calls().empty());
    }
};

TEST_F(IbpViewFormTest, EachViewListsItsRowsAndNeverWrites) {
    SeedRows(EtherMaskEntry, "1-3");
    SeedRows(IpMaskEntry, "1-3");
    SeedRows(EtherRuleEntry, "1.1 2.1 3.1");
    SeedRows(IpRuleEntry, "1.1 2.1 3.1");
    ExpectView<TIBPACLEtherMaskForm>("IPMACBindingEthernetMask1Click", "ACL IP-MAC Binding Ethernet Mask", "2");
    ExpectView<TIBPIPMaskForm>("IPMACBindingIPMask1Click", "ACL IP-MAC Binding IP Mask", "2");
    ExpectView<TIBPEtherRuleForm>("IPMACBindingEthernetRule1Click", "ACL IP-MAC Binding Ethernet Rule", "2");
    ExpectView<TIBPIPRuleForm>("IPMACBindingIPRule1Click", "ACL IP-MAC Binding IP Rule", "2");
}

TEST_F(IbpViewFormTest, AProfileRowShowsInReadOnlyEditorsAndTheComboStaysDisabled) {
    SeedRows(EtherMaskEntry, "1-2");
    ASSERT_EQ(Control(std::string("set ") + EtherMaskEntry + ".2.2 int 1"), "ok");
    RunCommand<TIBPACLEtherMaskForm>("IPMACBindingEthernetMask1Click", [&](TIBPACLEtherMaskForm& form) {
        EXPECT_EQ(form.cbxEtherType->ItemIndex(), -1);
        EXPECT_FALSE(form.cbxEtherType->Enabled());
        EXPECT_TRUE(form.edtID->ReadOnly());
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.edtID->Text(), "2");
        EXPECT_EQ(form.cbxEtherType->Text(), "enabled");
        EXPECT_FALSE(form.cbxEtherType->Enabled());
        EXPECT_TRUE(form.edtID->ReadOnly());
        EXPECT_TRUE(NothingSent("SET"));
        form.ListView1->ClearSelection();
        EXPECT_EQ(form.edtID->Text(), "");
        EXPECT_EQ(form.cbxEtherType->ItemIndex(), -1);
    });
    SeedRows(IpMaskEntry, "4");
    ASSERT_EQ(Control(std::string("set ") + IpMaskEntry + ".3.4 ip 255.255.0.0"), "ok");
    RunCommand<TIBPIPMaskForm>("IPMACBindingIPMask1Click", [&](TIBPIPMaskForm& form) {
        form.ListView1->SetItemIndex(0);
        EXPECT_EQ(form.edtID->Text(), "4");
        EXPECT_EQ(form.edtSrcIPMask->Text(), "255.255.0.0");
        EXPECT_TRUE(form.edtSrcIPMask->ReadOnly());
        EXPECT_FALSE(form.edtSrcMacMask->Text().empty());
    });
}

// In a stack the rule's ports of unit 12 are checked on that unit's page; the boxes a user ticks are never written.
TEST_F(IbpViewFormTest, ARuleRowShowsItsPortsPerUnit) {
    std::vector<StackUnitRow> units;
    for (int u = 1; u <= 12; ++u)
        units.push_back({std::to_string(u), std::to_string((u - 1) * 64 + 1), "QSW-2150", "exist"});
    StackStateScope stack("enabled", units);
    SeedRows(IpRuleEntry, "1.1 1.2");
    // Port 1 of unit 1 and port 3 of unit 12.
    const std::string ports = "80" + std::string(174, '0') + "20" + std::string(14, '0');
    ASSERT_EQ(Control(std::string("set ") + IpRuleEntry + ".6.1.2 hex " + ports), "ok");
    ASSERT_EQ(Control(std::string("set ") + IpRuleEntry + ".5.1.2 int 2"), "ok");
    RunCommand<TIBPIPRuleForm>("IPMACBindingIPRule1Click", [&](TIBPIPRuleForm& form) {
        ASSERT_EQ(form.Ports->PortCheckBoxes.size(), 768u);
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.edtMaskID->Text(), "1");
        EXPECT_EQ(form.edtAccessID->Text(), "2");
        EXPECT_EQ(form.cbxPermit->Text(), "permit");
        EXPECT_FALSE(form.cbxPermit->Enabled());
        EXPECT_TRUE(form.Ports->PortCheckBoxes[0]->Checked());
        EXPECT_TRUE(form.Ports->PortCheckBoxes[11 * 64 + 2]->Checked());
        EXPECT_FALSE(form.Ports->PortCheckBoxes[1]->Checked());
        form.Ports->PortCheckBoxes[5]->SetChecked(true);
        form.ListView1->ClearSelection();
        EXPECT_FALSE(form.Ports->PortCheckBoxes[0]->Checked());
        EXPECT_FALSE(form.Ports->PortCheckBoxes[5]->Checked());
        EXPECT_EQ(form.edtMaskID->Text(), "");
        EXPECT_TRUE(NothingSent("SET"));
    });
}

TEST_F(IbpViewFormTest, AnEmptyTableShowsNoRowsAndZero) {
    ASSERT_EQ(Control(std::string("remove ") + EtherRuleEntry), "ok");
    RunCommand<TIBPEtherRuleForm>("IPMACBindingEthernetRule1Click", [&](TIBPEtherRuleForm& form) {
        EXPECT_EQ(form.ListView1->Items().Count(), 0);
        EXPECT_EQ(form.StaticText1->Caption(), "0");
        EXPECT_EQ(form.cbxPermit->ItemIndex(), -1);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Ports");
    });
}

}  // namespace
