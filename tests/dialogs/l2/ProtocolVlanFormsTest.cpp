// The protocol VLAN dialogs against the simulator: the maker's protocol VLAN table (its Add checks, the optional
// columns each protocol type sends, Delete) and the 802.1v protocol group table (its checks, the hex protocol value
// in the octet-string key, createAndGo and destroy).
#include "DedicatedDialogFixture.h"
#include "ProtcolVlanUnit.h"
#include "ProtocolVLANUnit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr const char* VlanEntry = "1.3.6.1.4.1.32473.12.16.1.1.1";
constexpr const char* GroupEntry = "1.3.6.1.2.1.17.7.1.5.1.1";
std::string VlanColumn(int column) { return std::string(VlanEntry) + "." + std::to_string(column) + "."; }
std::string GroupColumn(int column) { return std::string(GroupEntry) + "." + std::to_string(column) + "."; }

class ProtocolVlanFormsTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(VlanEntry, "1-3");
        SeedRows(GroupEntry, "1.1.1 2.1.2 3.1.3");
    }
    void OpenVlans(const std::function<void(TProtocolVlanForm&)>& driver) {
        RunCommand<TProtocolVlanForm>("ProtocolVLAN1Click", driver);
    }
    void OpenGroups(const std::function<void(TProtocolVLANGroupForm&)>& driver) {
        RunCommand<TProtocolVLANGroupForm>("ProtocolVLANGroup1Click", driver);
    }
};

TEST_F(ProtocolVlanFormsTest, AddChecksItsEditorsInOrderAndRefusesAListedVlanId) {
    ui::MessageBoxRecorder boxes;
    OpenVlans([&](TProtocolVlanForm& form) {
        EXPECT_EQ(form.Caption(), "Protocol VLAN: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);  // read before the dialog showed
        EXPECT_FALSE(form.Edit->Visible());
        ASSERT_TRUE(UserClick(form.Add));
        ASSERT_TRUE(TypeText(form.Index, "2"));
        ASSERT_TRUE(UserClick(form.Add));
        ASSERT_TRUE(TypeText(form.Name, "Ip"));
        ASSERT_TRUE(UserClick(form.Add));
        form.Index->SetText("");
        ASSERT_TRUE(TypeText(form.Index, "20"));
        form.RowStatus->SetItemIndex(-1);
        ASSERT_TRUE(UserClick(form.Add));
        EXPECT_EQ(BoxTexts(boxes),
                  (std::vector<std::string>{"Index must be set.", "VLAN name must be set",
                                            "There is already a record with the same Index. Please modified it.",
                                            "Row State must be createAndGo."}));
        EXPECT_TRUE(NothingSent());
    });
}

TEST_F(ProtocolVlanFormsTest, AddSendsTheColumnsItsProtocolTypeUses) {
    struct Case {
        const char* type;           // empty: none chosen
        const char* advertisement;  // empty: none chosen
        const char* userProtocol;
        const char* encap;
        std::vector<std::string> columns;  // sent, by column number
    };
    const Case cases[] = {
        {"protocol-ip", "enabled", "", "", {"2", "3", "4", "7"}},
        {"protocol-ip", "", "", "", {"2", "3", "7"}},
        {"protocol-userDefined", "", "2048", "", {"2", "3", "5", "7"}},
        {"protocol-userDefined", "disabled", "2048", "snap", {"2", "3", "4", "5", "6", "7"}},
        {"", "", "", "", {"2", "7"}},
    };
    ui::MessageBoxRecorder boxes;
    OpenVlans([&](TProtocolVlanForm& form) {
        int vlan = 100;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.type) + "/" + c.advertisement + "/" + c.encap);
            MarkLog();
            const std::string id = std::to_string(vlan++);
            ASSERT_TRUE(TypeText(form.Index, id));
            ASSERT_TRUE(TypeText(form.Name, "P" + id));
            form.ProtocolType->SetItemIndex(-1);
            if (*c.type) ChooseItem(form.ProtocolType, c.type);
            form.Advertisement->SetItemIndex(-1);
            if (*c.advertisement) ChooseItem(form.Advertisement, c.advertisement);
            if (*c.userProtocol) {
                ASSERT_TRUE(TypeText(form.UserProtocol, c.userProtocol));
            }
            form.Encap->SetItemIndex(-1);
            if (*c.encap) ChooseItem(form.Encap, c.encap);
            ChooseItem(form.RowStatus, "createAndGo");
            ASSERT_TRUE(UserClick(form.Add));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            std::vector<std::string> columns;
            for (const std::string& varbind : Varbinds(sets[0])) {
                EXPECT_THAT(varbind, ::testing::HasSubstr("." + id + "="));
                columns.push_back(varbind.substr(
                    std::string(VlanEntry).size() + 1,
                    varbind.find('.', std::string(VlanEntry).size() + 1) - std::string(VlanEntry).size() - 1));
            }
            EXPECT_THAT(columns, ElementsAreArray(c.columns));
            EXPECT_THAT(Varbinds(sets[0]).back(), ::testing::EndsWith("=INTEGER:4"));
            EXPECT_EQ(form.Index->Text(), "");
            EXPECT_TRUE(form.Add->Enabled());
        }
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(form.ListView1->Items().Count(), 8);
    });
}

TEST_F(ProtocolVlanFormsTest, TheUserDefinedTypeAloneEnablesItsProtocolAndEncapsulation) {
    OpenVlans([&](TProtocolVlanForm& form) {
        ChooseItem(form.ProtocolType, "protocol-userDefined");
        EXPECT_TRUE(form.UserProtocol->Enabled());
        EXPECT_TRUE(form.Encap->Enabled());
        ChooseItem(form.ProtocolType, "protocol-arp");
        EXPECT_FALSE(form.UserProtocol->Enabled());
        EXPECT_FALSE(form.Encap->Enabled());
    });
}

TEST_F(ProtocolVlanFormsTest, ARowLocksItsVlanIdAndDeleteSendsDestroyAlone) {
    OpenVlans([&](TProtocolVlanForm& form) {
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.Index->Text(), "2");
        EXPECT_FALSE(form.Index->Enabled());
        EXPECT_FALSE(form.Add->Enabled());
        ASSERT_TRUE(UserClick(form.Delete));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(VlanColumn(7) + "2=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_FALSE(form.Delete->Enabled());
        EXPECT_TRUE(form.Index->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.ProtocolVlanTable));
    });
}

TEST_F(ProtocolVlanFormsTest, GroupAddChecksItsEditorsAndAcceptsHexProtocolValuesOnly) {
    struct Case {
        const char* type;
        const char* value;
        const char* id;
        const char* status;
        const char* message;
    };
    const Case cases[] = {
        {"", "0800", "3", "createAndGo", "Template Frame Type must be set."},
        {"ethernet", "", "3", "createAndGo", "Template Protocol Value must be set."},
        {"ethernet", "08G0", "3", "createAndGo", "Template Protocol Value must be hexadecimal digits (0-9, A-F)."},
        {"ethernet", "08 0", "3", "createAndGo", "Template Protocol Value must be hexadecimal digits (0-9, A-F)."},
        {"ethernet", "0800", "", "createAndGo", "Group ID must be set."},
        {"ethernet", "0800", "3", "active", "Group Row Status must be createAndGo."},
    };
    ui::MessageBoxRecorder boxes;
    OpenGroups([&](TProtocolVLANGroupForm& form) {
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");
        EXPECT_EQ(form.TypeComboBox->ItemIndex(), -1);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message + std::string(" ") + c.value);
            boxes.Clear();
            form.TypeComboBox->SetItemIndex(-1);
            if (*c.type) ChooseItem(form.TypeComboBox, c.type);
            form.ValueEdit->SetText("");
            form.IDEdit->SetText("");
            TypeText(form.ValueEdit, c.value);
            TypeText(form.IDEdit, c.id);
            ChooseItem(form.RowComboBox, c.status);
            ASSERT_TRUE(UserClick(form.AddButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE(NothingSent());
        }
        form.ValueEdit->SetText("");
        ASSERT_TRUE(TypeText(form.ValueEdit, "08000"));
        EXPECT_EQ(form.ValueEdit->Text(), "0800");  // four hex digits at most
    });
}

TEST_F(ProtocolVlanFormsTest, GroupAddSendsIdAndCreateAndGoForTheOctetStringKeyAndDeleteSendsDestroyAlone) {
    ui::MessageBoxRecorder boxes;
    OpenGroups([&](TProtocolVLANGroupForm& form) {
        const int rows = form.ListView1->Items().Count();
        ChooseItem(form.TypeComboBox, "snap8021H");
        ASSERT_TRUE(TypeText(form.ValueEdit, "86dd"));
        ASSERT_TRUE(TypeText(form.IDEdit, "7"));
        ASSERT_TRUE(UserClick(form.AddButton));
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]),
                    ElementsAre(GroupColumn(3) + "3.2.134.221=INTEGER:7", GroupColumn(4) + "3.2.134.221=INTEGER:4"));
        ASSERT_EQ(form.ListView1->Items().Count(), rows + 1);
        EXPECT_EQ(form.RowComboBox->Text(), "createAndGo");

        MarkLog();
        form.ListView1->SetItemIndex(rows);
        EXPECT_FALSE(form.TypeComboBox->Enabled());
        EXPECT_FALSE(form.ValueEdit->Enabled());
        EXPECT_FALSE(form.IDEdit->Enabled());
        EXPECT_TRUE(form.RowComboBox->Enabled());
        EXPECT_FALSE(form.AddButton->Enabled());
        ASSERT_TRUE(UserClick(form.DeleteButton));
        sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(GroupColumn(4) + "3.2.134.221=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), rows);
        EXPECT_FALSE(form.DeleteButton->Enabled());
        EXPECT_TRUE(form.ValueEdit->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.ProtocolGroupTable));
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

}  // namespace
