// The LLDP local system data and remote table against the simulator, opened through their menu commands:
// capabilities shown as names, binary IDs as hex, no neighbour, and Refresh during a walk.
#include "DedicatedDialogFixture.h"
#include "LLDPLocalSysDataTable.h"
#include "LLDPRemoteTable.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;

constexpr const char* LocalData = "1.0.8802.1.1.2.1.3";
constexpr const char* RemoteEntry = "1.0.8802.1.1.2.1.4.1.1";
std::string Local(int column) { return std::string(LocalData) + "." + std::to_string(column) + ".0"; }
std::string Remote(int column, const char* instance) {
    return std::string(RemoteEntry) + "." + std::to_string(column) + "." + instance;
}

class LldpSystemDataFormsTest : public DedicatedDialogTest {
protected:
    void OpenRemote(const std::function<void(TLLDPRemoteForm&)>& driver) {
        OpenWhenIdle<TLLDPRemoteForm>(
            "RemoteTAble1Click", [](TLLDPRemoteForm& form) -> DialogTable& { return form.RemoteTable; }, driver);
    }
    static int RowOf(const ui::ListView& list, int column, const std::string& text) {
        for (int row = 0; row < list.Items().Count(); ++row)
            if (list.Items()[row]->ColumnText(column) == text) return row;
        return -1;
    }
};

TEST_F(LldpSystemDataFormsTest, TheLocalCapabilitiesShowAsNames) {
    struct Case {
        const char* supported;
        const char* enabled;
        const char* supportedNames;
        const char* enabledNames;
    };
    const Case cases[] = {{"28", "20", " bridge,router", " bridge"}, {"60", "00", " repeater,bridge", " "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.supported);
        ASSERT_EQ(Control("set " + Local(5) + " hex " + c.supported), "ok");
        ASSERT_EQ(Control("set " + Local(6) + " hex " + c.enabled), "ok");
        ASSERT_EQ(Control("set " + Local(2) + " hex 00A0C9000056"), "ok");
        OpenWhenIdle<TLLDPLocSysDataForm>(
            "SystemData1Click", [](TLLDPLocSysDataForm& form) -> DialogTable& { return form.SystemData; },
            [&](TLLDPLocSysDataForm& form) {
                EXPECT_EQ(LLDPLocSysDataForm, &form);
                EXPECT_EQ(form.Caption(), "LLDP Local System Data: 127.0.0.1");
                EXPECT_EQ(form.CapSupportEdit->Text(), c.supportedNames);
                EXPECT_EQ(form.capEnableEdit->Text(), c.enabledNames);
                EXPECT_FALSE(form.CapSupportEdit->Enabled());
                EXPECT_FALSE(form.tempText1->Visible());
                EXPECT_EQ(form.IDText->Caption(), "00A0C9000056");  // binary: hex, whole
                EXPECT_EQ(form.RoleButton(ButtonRole::Set), nullptr);
                // Refresh reads again and shows the names of what it read.
                ASSERT_EQ(Control("set " + Local(5) + " hex 80"), "ok");
                ASSERT_TRUE(UserClick(form.GetButton));
                ASSERT_TRUE(WaitIdle(form.SystemData));
                EXPECT_EQ(form.CapSupportEdit->Text(), " other");
            });
    }
}

TEST_F(LldpSystemDataFormsTest, NeighboursShowTheirCapabilitiesAsNamesAndBinaryIdsAsHex) {
    SeedRows(RemoteEntry, "100.3.1 100.5.2");
    for (const std::string& line :
         {"set " + Remote(5, "100.3.1") + " hex 00A0C9001256", "set " + Remote(5, "100.5.2") + " str switch-b",
          "set " + Remote(7, "100.5.2") + " hex 0011220000FF", "set " + Remote(11, "100.3.1") + " hex 28",
          "set " + Remote(12, "100.3.1") + " hex 20", "set " + Remote(11, "100.5.2") + " hex 80",
          "set " + Remote(12, "100.5.2") + " hex 00"})
        ASSERT_EQ(Control(line), "ok") << line;
    ui::MessageBoxRecorder boxes;
    OpenRemote([&](TLLDPRemoteForm& form) {
        EXPECT_EQ(LLDPRemoteForm, &form);
        EXPECT_EQ(form.Caption(), "LLDP Remote System Data Remote Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        const int first = RowOf(*form.ListView1, 4, "00A0C9001256");
        ASSERT_GE(first, 0);
        const ui::ListItem& mac = *form.ListView1->Items()[first];
        EXPECT_EQ(mac.ColumnText(10), " bridge,router");
        EXPECT_EQ(mac.ColumnText(11), " bridge");
        const int second = RowOf(*form.ListView1, 4, "switch-b");
        ASSERT_GE(second, 0);
        const ui::ListItem& named = *form.ListView1->Items()[second];
        EXPECT_EQ(named.ColumnText(6), "0011220000FF");
        EXPECT_EQ(named.ColumnText(10), " other");
        EXPECT_EQ(named.ColumnText(11), " ");
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(LldpSystemDataFormsTest, NoNeighbourShowsAnEmptyListAndRefreshDuringAWalkStartsNoSecond) {
    ASSERT_EQ(Control(std::string("remove ") + RemoteEntry), "ok");
    OpenRemote([&](TLLDPRemoteForm& form) {
        EXPECT_EQ(form.ListView1->Items().Count(), 0);
        EXPECT_EQ(form.StaticText1->Caption(), "0");
        SeedRows(RemoteEntry, "100.3.1 100.5.2");
        const std::string firstColumn = std::string(RemoteEntry) + ".4";
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.RemoteTable, *form.ListView1, form.GetButton, firstColumn + ".100.3.1", 300));
        ASSERT_TRUE(UserClick(form.GetButton));
        ASSERT_TRUE(WaitIdle(form.RemoteTable));
        EXPECT_EQ(Walks(firstColumn), 1);
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
    });
}

}  // namespace
