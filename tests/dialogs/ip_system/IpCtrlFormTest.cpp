// The IP interface dialog and its add/edit form against the simulator: the add checks in their order, the SET an
// add and an edit send (ticked fields only, never the IPv6 auto and DHCPv6 states of a secondary interface), the
// deletion rules and the read after a write.
#include "IpSystemDialogTest.h"
#include "Ipctrleditunit.h"
#include "Ipctrlunit.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "IPControlTable1Click";
const std::string Entry = "1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1";

struct Interface {
    std::string Name, Address, Mask, Vlan;
    bool Secondary = false;
};

class IpCtrlFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        ASSERT_EQ(Control("remove " + Entry), "ok");
        Seed({"System", "10.1.1.1", "255.0.0.0", "default"});
        Seed({"lab", "192.168.1.1", "255.255.255.0", "v2"});
    }
    static void Seed(const Interface& row) {
        const std::string instance = TextInstance(row.Name);
        ASSERT_EQ(Control("rows " + Entry + " " + instance), "ok");
        const auto set = [&](int column, const std::string& typedValue) {
            ASSERT_EQ(Control("set-rw " + Entry + "." + std::to_string(column) + "." + instance + " " + typedValue),
                      "ok");
        };
        set(3, "ip " + row.Address);
        set(4, "ip " + row.Mask);
        set(5, "str " + row.Vlan);
        set(7, std::string("int ") + (row.Secondary ? "1" : "2"));
    }
    void Open(const std::function<void(TIpCtrlForm&)>& driver) {
        OpenWhenWalked<TIpCtrlForm>(
            Handler, [](TIpCtrlForm& form) -> DialogTable& { return form.InterfaceTable; }, driver);
    }
    static int RowOf(TIpCtrlForm& form, const std::string& name) {
        for (int i = 0; i < form.ListView1->Items().Count(); ++i)
            if (form.ListView1->Items()[i]->Caption() == name) return i;
        return -1;
    }
    // Add (or Edit) through the form: fill fills it, then its Set button is pressed.
    static void RunEditForm(ui::Button* opener, const std::function<void(TIPCtrlEdtForm&)>& fill) {
        bool shown = false;
        OnNextModal<TIPCtrlEdtForm>(shown, [&](TIPCtrlEdtForm& edit) {
            fill(edit);
            UserClick(edit.btnSet);
        });
        ASSERT_TRUE(UserClick(opener));
        EXPECT_TRUE(shown);
    }
    static void FillNew(TIPCtrlEdtForm& edit, const Interface& row) {
        TypeText(edit.edtInterface, row.Name);
        TypeText(edit.edtIPAddr, row.Address);
        TypeText(edit.edtMask, row.Mask);
        TypeText(edit.edtVlan, row.Vlan);
        ChooseItem(edit.cbxSecondary, row.Secondary ? "true" : "false");
    }
};

TEST_F(IpCtrlFormTest, OpensWithEveryInterfaceAndNeverOffersToDeleteTheSystemInterface) {
    Open([&](TIpCtrlForm& form) {
        EXPECT_EQ(IpCtrlForm, &form);
        EXPECT_EQ(form.Caption(), "IP Control Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        ASSERT_EQ(form.ListView1->Columns().Count(), 16);
        EXPECT_EQ(form.ListView1->Columns()[5]->Caption(), "Secondary");
        form.ListView1->SetItemIndex(RowOf(form, "System"));
        EXPECT_FALSE(form.btnDel->Enabled());
        EXPECT_TRUE(form.btnEdit->Enabled());
        EXPECT_FALSE(form.btnAdd->Enabled());
        form.ListView1->SetItemIndex(RowOf(form, "lab"));
        EXPECT_TRUE(form.btnDel->Enabled());
        form.ListView1->ClearSelection();
        EXPECT_TRUE(form.btnAdd->Enabled());
        EXPECT_FALSE(form.btnDel->Enabled());
    });
    EXPECT_EQ(IpCtrlForm, nullptr);
    EXPECT_EQ(IPCtrlEdtForm, nullptr);
}

TEST_F(IpCtrlFormTest, AddChecksRunInOrderAndSendNothingOnARefusal) {
    struct Case {
        Interface Row;
        const char* Message;
    };
    const Case cases[] = {
        {{"n", "127.0.0.1", "255.0.0.0", "v9"}, "Please input valid IP Address."},
        {{"n", "224.0.0.1", "255.0.0.0", "v9"}, "Please input valid IP Address."},
        {{"n", "20.1.1.1", "255.255.255.128", "v9"}, "Please input valid Subnet Mask."},
        {{"n", "20.1.1.1", "", "v9"}, "Please input valid Subnet Mask."},
        {{"n", "10.2.2.2", "255.0.0.0", "v9"}, "There is an same interface, please modify IP or Subnet Mask!"},
        {{"", "10.2.2.2", "255.255.0.0", "v9"}, "Please input Interface Name."},
        {{"lab", "20.1.1.1", "255.0.0.0", "v9"}, "Please input different Interface Name."},
        {{"n", "20.1.1.1", "255.0.0.0", ""}, "Please input a VLAN name."},
        {{"n", "20.1.1.1", "255.0.0.0", "v2"},
         "This VLAN has been used to create primary interface.\nPlease choose true in Secondary"},
        {{"n", "20.1.1.1", "255.0.0.0", "v9", true}, "You should create primary interface at first."},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TIpCtrlForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Message);
            boxes.Clear();
            MarkLog();
            RunEditForm(form.btnAdd, [&](TIPCtrlEdtForm& edit) {
                EXPECT_EQ(edit.Caption(), "IP Control Table: 127.0.0.1 (Add)");
                EXPECT_EQ(edit.btnSet->Caption(), "Add");
                FillNew(edit, c.Row);
                edit.IPAddressCheckBox->SetChecked(true);
            });
            EXPECT_THAT(BoxTexts(boxes), ElementsAre(c.Message));
            EXPECT_TRUE(NothingSent("SET"));
        }
    });
}

TEST_F(IpCtrlFormTest, AnAddSendsTheTickedFieldsWithCreateAndGoAndTheListShowsItOnce) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpCtrlForm& form) {
        RunEditForm(form.btnAdd, [&](TIPCtrlEdtForm& edit) {
            // A mask other than the listed interfaces' networks: 192.168.2.1 is a subnet of its own.
            FillNew(edit, {"vl3", "192.168.2.1", "255.255.255.0", "v3"});
            for (ui::CheckBox* box :
                 {edit.IPAddressCheckBox, edit.SubnetMaskCheckBox, edit.VLANNameCheckBox, edit.SecondaryCheckBox})
                box->SetChecked(true);
        });
        ASSERT_TRUE(WaitWalk(form.InterfaceTable));
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string key = TextInstance("vl3");
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry),
                    ElementsAre("3." + key + "=IPADDRESS:192.168.2.1", "4." + key + "=IPADDRESS:255.255.255.0",
                                "5." + key + "=STRING:\"v3\"", "7." + key + "=INTEGER:2", "16." + key + "=INTEGER:4"));
        EXPECT_EQ(Walks(Entry + ".2"), 1);  // the first column read
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_TRUE(NoInvalidBits(form.InterfaceTable));
    });
}

TEST_F(IpCtrlFormTest, AnAddWithoutAddressSkipsTheAddressChecksAndSendsNeither) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpCtrlForm& form) {
        RunEditForm(form.btnAdd, [&](TIPCtrlEdtForm& edit) {
            FillNew(edit, {"dhcp1", "", "", "v4"});
            UserClick(edit.CheckButton);
        });
        ASSERT_TRUE(WaitWalk(form.InterfaceTable));
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        for (const std::string& varbind : ColumnVarbinds(sets[0], Entry)) {
            EXPECT_NE(varbind.rfind("3.", 0), 0u) << varbind;
            EXPECT_NE(varbind.rfind("4.", 0), 0u) << varbind;
        }
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
    });
}

TEST_F(IpCtrlFormTest, ASecondaryInterfaceNeverSendsItsIpv6AutoAndDhcpv6States) {
    Open([&](TIpCtrlForm& form) {
        RunEditForm(form.btnAdd, [&](TIPCtrlEdtForm& edit) {
            FillNew(edit, {"sec", "192.168.1.2", "255.255.0.0", "v2", true});
            EXPECT_FALSE(edit.cbxAutoState->Enabled());
            EXPECT_FALSE(edit.DHCPv6CheckBox->Enabled());
            UserClick(edit.CheckButton);
            EXPECT_FALSE(edit.ipV6LKAutoStateCheckBox->Checked());
            // Ticked by code all the same: still not sent.
            edit.ipV6LKAutoStateCheckBox->SetChecked(true);
            edit.DHCPv6CheckBox->SetChecked(true);
        });
        ASSERT_TRUE(WaitWalk(form.InterfaceTable));
        // Mask 255.255.0.0 gives the network 192.168.0.0, which no listed interface has.
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        std::vector<int> columns;
        for (const std::string& varbind : ColumnVarbinds(sets[0], Entry)) columns.push_back(std::stoi(varbind));
        EXPECT_THAT(columns, ElementsAre(3, 4, 5, 7, 8, 9, 16, 6, 18, 21));
        EXPECT_TRUE(NoInvalidBits(form.InterfaceTable));

        // An edit of the secondary row: the same two left out.
        MarkLog();
        form.ListView1->SetItemIndex(RowOf(form, "sec"));
        RunEditForm(form.btnEdit, [&](TIPCtrlEdtForm& edit) {
            EXPECT_EQ(edit.Caption(), "IP Control Table: 127.0.0.1 (Edit)");
            EXPECT_FALSE(edit.edtInterface->Enabled());
            EXPECT_EQ(edit.edtInterface->Text(), "sec");
            UserClick(edit.CheckButton);
        });
        ASSERT_TRUE(WaitWalk(form.InterfaceTable));
        const std::vector<std::string> edits = Pdus("SET");
        ASSERT_EQ(edits.size(), 1u);
        columns.clear();
        for (const std::string& varbind : ColumnVarbinds(edits[0], Entry)) columns.push_back(std::stoi(varbind));
        EXPECT_THAT(columns, ElementsAre(3, 4, 5, 7, 8, 9, 16, 6, 18, 21));
        EXPECT_FALSE(form.btnEdit->Enabled());
    });
}

TEST_F(IpCtrlFormTest, AnEditSendsOnlyTheTickedFieldsOfTheSelectedRow) {
    Open([&](TIpCtrlForm& form) {
        form.ListView1->SetItemIndex(RowOf(form, "lab"));
        RunEditForm(form.btnEdit, [&](TIPCtrlEdtForm& edit) {
            EXPECT_EQ(edit.btnSet->Caption(), "Edit");
            EXPECT_EQ(edit.edtIPAddr->Text(), "192.168.1.1");
            EXPECT_FALSE(edit.IPAddressCheckBox->Checked());
            edit.edtVlan->SetText("");
            TypeText(edit.edtVlan, "v7");
            edit.VLANNameCheckBox->SetChecked(true);
            ChooseItem(edit.cbxAdmin, "disabled");
            edit.AdminStateCheckBox->SetChecked(true);
        });
        ASSERT_TRUE(WaitWalk(form.InterfaceTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string key = TextInstance("lab");
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry),
                    ElementsAre("5." + key + "=STRING:\"v7\"", "9." + key + "=INTEGER:2"));
        EXPECT_EQ(form.ListView1->Items()[RowOf(form, "lab")]->SubItems()[3], "v7");
    });
}

TEST_F(IpCtrlFormTest, AVlanHoldsAtMostSixtyFourInterfaces) {
    for (int i = 1; i < 64; ++i) Seed({"b" + std::to_string(i), "0.0.0.0", "0.0.0.0", "big", i > 1});
    ui::MessageBoxRecorder boxes;
    Open([&](TIpCtrlForm& form) {
        ASSERT_EQ(form.ListView1->Items().Count(), 65);
        // 63 interfaces on "big": a 64th secondary is accepted.
        const auto addToBig = [&](const char* name) {
            RunEditForm(form.btnAdd, [&](TIPCtrlEdtForm& edit) {
                FillNew(edit, {name, "", "", "big", true});
                edit.VLANNameCheckBox->SetChecked(true);
                edit.SecondaryCheckBox->SetChecked(true);
            });
        };
        addToBig("b64");
        ASSERT_TRUE(WaitWalk(form.InterfaceTable));
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        ASSERT_EQ(form.ListView1->Items().Count(), 66);
        MarkLog();
        addToBig("b65");
        EXPECT_THAT(BoxTexts(boxes), ElementsAre("A VLAN can just create 64 interfaces."));
        EXPECT_TRUE(NothingSent("SET"));
    });
}

TEST_F(IpCtrlFormTest, APrimaryInterfaceIsDeletedOnlyAfterItsSecondaries) {
    Seed({"lab2", "192.168.1.2", "255.255.255.0", "v2", true});
    ui::MessageBoxRecorder boxes;
    Open([&](TIpCtrlForm& form) {
        form.ListView1->SetItemIndex(RowOf(form, "lab"));
        ASSERT_TRUE(UserClick(form.btnDel));
        EXPECT_THAT(BoxTexts(boxes), ElementsAre("The secondary interface must be deleted first!"));
        EXPECT_TRUE(NothingSent("SET"));
        for (const char* name : {"lab2", "lab"}) {
            SCOPED_TRACE(name);
            MarkLog();
            form.ListView1->SetItemIndex(RowOf(form, name));
            ASSERT_TRUE(UserClick(form.btnDel));
            ASSERT_TRUE(WaitWalk(form.InterfaceTable));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("16." + TextInstance(name) + "=INTEGER:6"));
            EXPECT_EQ(RowOf(form, name), -1);
            EXPECT_FALSE(form.btnDel->Enabled());
        }
        EXPECT_EQ(form.StaticText1->Caption(), "1");
        EXPECT_EQ(BoxTexts(boxes).size(), 1u);
    });
}

TEST_F(IpCtrlFormTest, AddAndClosingWaitForTheWalk) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpCtrlForm& form) {
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.InterfaceTable, *form.ListView1, form.btnRefresh,
                                          Entry + ".2." + TextInstance("lab")));
        ASSERT_TRUE(UserClick(form.btnAdd));
        form.Close();
        Then([&] {
            EXPECT_THAT(BoxTexts(boxes), ElementsAre(GetDataNotCompleteText, GetDataNotCompleteText));
            EXPECT_TRUE(form.Visible());
            ASSERT_EQ(Control("release"), "ok");
            ASSERT_TRUE(WaitWalk(form.InterfaceTable));
            EXPECT_EQ(form.ListView1->Items().Count(), 2);
        });
    });
}

}  // namespace
