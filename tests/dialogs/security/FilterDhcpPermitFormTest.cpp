// The DHCP server screening permit table against the simulator, opened through its menu command: the port
// messages (a twelve-unit stack whose unit 7 reads "Not_Exist" included), the keys locked with a selected row,
// Delete sending destroy alone, and Add closed after a Refresh until a click leaves no row selected.
#include "Filterdhcppermitformunit.h"
#include "SecurityDialogTest.h"

#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace sectest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

const std::string Entry = "1.3.6.1.4.1.32473.12.37.1.1.1";
const std::string Permit = "10.0.0.1.0.17.34.51.68.85";            // 10.0.0.1, 00-11-22-33-44-55
const std::string NewPermit = "10.0.0.9.170.187.204.221.238.255";  // 10.0.0.9, AA-BB-CC-DD-EE-FF

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class FilterDhcpPermitFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, Permit);
    }
    void Open(const std::function<void(TFilterDHCPPermitForm&)>& driver) {
        RunCommand<TFilterDHCPPermitForm>("FilterDHCPPermitTable1Click", driver);
    }
    static void NewKeys(TFilterDHCPPermitForm& form) {
        form.edtIpAddr->SetText("10.0.0.9");
        form.edtMacAddr->SetText("AABBCCDDEEFF");
    }
};

TEST_F(FilterDhcpPermitFormTest, AddAndEditNeedAPortAndAddClosesAfterARefresh) {
    ui::MessageBoxRecorder boxes;
    Open([&](TFilterDHCPPermitForm& form) {
        EXPECT_EQ(form.Caption(), "DHCP Server Filter Permit Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 1);
        NewKeys(form);
        ASSERT_TRUE(UserClick(form.btnAdd));
        form.ListView1->SetItemIndex(0);
        EXPECT_FALSE(form.edtIpAddr->Enabled());
        EXPECT_FALSE(form.edtMacAddr->Enabled());
        EXPECT_FALSE(form.btnAdd->Enabled());
        form.Ports->UncheckAllPorts();
        ASSERT_TRUE(UserClick(form.btnEdit));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Please select at least one port to add.",
                                                             "Please select at least one port to edit."}));
        EXPECT_TRUE(NothingSent("SET"));

        form.ListView1->ClearSelection();
        NewKeys(form);
        form.Ports->PortCheckBoxes[3]->SetChecked(true);
        MarkLog();
        ASSERT_TRUE(UserClick(form.btnAdd));
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]),
                    ElementsAre(Cell(3, NewPermit) + "=HEX:1000000000000000", Cell(4, NewPermit) + "=INTEGER:4"));
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        // Closed after the write's read, open again after a click on no row.
        EXPECT_FALSE(form.btnAdd->Enabled());
        ClickEmptyPartOf(*form.ListView1);
        EXPECT_TRUE(form.btnAdd->Enabled());
        EXPECT_EQ(boxes.Calls().size(), 2u);
    });
}

TEST_F(FilterDhcpPermitFormTest, DeleteSendsDestroyAloneAfterTheKeyChecks) {
    ui::MessageBoxRecorder boxes;
    Open([&](TFilterDHCPPermitForm& form) {
        form.ListView1->SetItemIndex(0);
        form.Ports->PortCheckBoxes[0]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.btnDelete));
        ASSERT_EQ(Pdus("SET").size(), 1u);
        EXPECT_THAT(Varbinds(Pdus("SET")[0]), ElementsAre(Cell(4, Permit) + "=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 0);
        EXPECT_EQ(form.StaticText1->Caption(), "0");
        EXPECT_TRUE(NoInvalidBits(form.Permits));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(FilterDhcpPermitFormTest, APortOfTheAbsentUnitIsNoPort) {
    StackStateScope stack("enabled", TwelveUnitsWithoutUnitSeven("Not_Exist", "exist"));
    ui::MessageBoxRecorder boxes;
    Open([&](TFilterDHCPPermitForm& form) {
        ASSERT_EQ(form.Ports->PortCheckBoxes.size(), 768u);
        NewKeys(form);
        form.Ports->PortCheckBoxes[PortBox(7, 3)]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.btnAdd));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Please select at least one port to add."});
        EXPECT_TRUE(NothingSent("SET"));
        form.Ports->PortCheckBoxes[PortBox(12, 48)]->SetChecked(true);
        ASSERT_TRUE(UserClick(form.btnAdd));
        EXPECT_EQ(Pdus("SET").size(), 1u);
        EXPECT_EQ(boxes.Calls().size(), 1u);
    });
}

}  // namespace
