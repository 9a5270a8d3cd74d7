// The DNS relay dialog and its add form against the simulator: State valid to create and invalid to remove (the
// State column alone), an add during the first walk and a delete during a walk, each leaving every row listed once.
#include "Dnsctrladdformunit.h"
#include "Dnsctrlformunit.h"
#include "IpSystemDialogTest.h"

#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <set>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "DNSCtrlTable1Click";
const std::string Entry = "1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1";

class DnsCtrlFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
        SeedRows(Entry,
                 First + " " + TextInstance("b.example") + ".10.0.0.2 " + TextInstance("c.example") + ".10.0.0.3");
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    static void AddEntry(TDNSCtrlForm& form, const std::string& name, const std::string& address) {
        bool shown = false;
        OnNextModal<TDNSCtrlAddForm>(shown, [&](TDNSCtrlAddForm& add) {
            EXPECT_EQ(add.Caption(), "DNS Relay Control Table : 127.0.0.1 (Add)");
            EXPECT_EQ(add.cbxState->Text(), "valid");
            EXPECT_FALSE(add.cbxState->Enabled());
            TypeText(add.edtName, name);
            TypeText(add.edtIP, address);
            UserClick(add.btnAdd);
        });
        ASSERT_TRUE(UserClick(form.btnAdd));
        EXPECT_TRUE(shown);
    }
    // Every row of the list once.
    static ::testing::AssertionResult RowsOnce(TDNSCtrlForm& form, size_t expected) {
        std::set<std::string> keys;
        for (int i = 0; i < form.ListView1->Items().Count(); ++i)
            keys.insert(form.ListView1->Items()[i]->Caption() + " " + form.ListView1->Items()[i]->SubItems()[0]);
        if (static_cast<size_t>(form.ListView1->Items().Count()) == expected && keys.size() == expected)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << form.ListView1->Items().Count() << " rows, " << keys.size() << " different";
    }

    const std::string First = TextInstance("a.example") + ".10.0.0.1";
    DeviceWindowValues window;
};

TEST_F(DnsCtrlFormTest, AnAddWritesValidAndTheTableIsReadOnceItHasAnswered) {
    ui::MessageBoxRecorder boxes;
    OpenWhenIdle<TDNSCtrlForm>(
        Handler, [](TDNSCtrlForm& form) -> DialogTable& { return form.DnsTable; },
        [&](TDNSCtrlForm& form) {
            EXPECT_EQ(form.Caption(), "DNS Relay Control Table: 127.0.0.1");
            ASSERT_TRUE(RowsOnce(form, 3));
            AddEntry(form, "d.example", "10.0.0.4");
            ASSERT_TRUE(RunUntil([&] { return form.ListView1->Items().Count() == 4 && !form.DnsTable.Busy(); }));
            EXPECT_THAT(BoxTexts(boxes), IsEmpty());
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(ColumnVarbinds(sets[0], Entry),
                        ElementsAre("3." + TextInstance("d.example") + ".10.0.0.4=INTEGER:3"));
            EXPECT_EQ(Walks(Entry + ".3"), 1);
            EXPECT_TRUE(RowsOnce(form, 4));
        });
}

TEST_F(DnsCtrlFormTest, AnAddDuringTheFirstWalkStopsItAndTheListShowsEachRowOnce) {
    ui::MessageBoxRecorder boxes;
    ASSERT_EQ(Control("hold " + Entry + ".3." + First + " 300"), "ok");
    RunCommand<TDNSCtrlForm>(Handler, [&](TDNSCtrlForm& form) {
        form.DnsTable.Request()->Request.Timeout = HeldAnswerTimeout;
        ASSERT_TRUE(RunUntil([&] { return form.ListView1->Items().Count() == 1; }));
        ASSERT_TRUE(form.DnsTable.Busy());
        AddEntry(form, "d.example", "10.0.0.4");
        ASSERT_TRUE(RunUntil([&] { return form.ListView1->Items().Count() == 4 && !form.DnsTable.Busy(); }));
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        EXPECT_EQ(Pdus("SET").size(), 1u);
        EXPECT_TRUE(RowsOnce(form, 4));
    });
}

TEST_F(DnsCtrlFormTest, DeleteDuringAWalkWaitsWritesInvalidAndReadsOnce) {
    ui::MessageBoxRecorder boxes;
    OpenWhenIdle<TDNSCtrlForm>(
        Handler, [](TDNSCtrlForm& form) -> DialogTable& { return form.DnsTable; },
        [&](TDNSCtrlForm& form) {
            ASSERT_TRUE(HoldWalkAfterFirstRow(form.DnsTable, *form.ListView1, form.btnGet, Entry + ".3." + First, 300));
            form.ListView1->SetItemIndex(0);
            MarkLog();
            ASSERT_TRUE(UserClick(form.btnDelete));
            ASSERT_TRUE(RunUntil([&] { return form.ListView1->Items().Count() == 2 && !form.DnsTable.Busy(); }));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(ColumnVarbinds(sets[0], Entry), ElementsAre("3." + First + "=INTEGER:2"));
            EXPECT_EQ(Walks(Entry + ".3"), 1);
            EXPECT_TRUE(RowsOnce(form, 2));
            EXPECT_THAT(BoxTexts(boxes), IsEmpty());
            EXPECT_FALSE(form.btnDelete->Enabled());
        });
}

}  // namespace
