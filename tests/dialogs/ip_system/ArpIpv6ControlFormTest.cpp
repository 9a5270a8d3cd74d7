// The IPv6 neighbour cache dialog and its add form against the simulator: read before it shows, the add checks in
// their order, createAndGo at the three-key instance, destroy for Delete.
#include "Arpipv6controlformeditunit.h"
#include "Arpipv6controlformunit.h"
#include "IpSystemDialogTest.h"

#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "ARPControlIPv61Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.26.4.1.1";
const std::string Address = "FE800000000000000000000000000001";
const std::string Mac = "00aaBBccDDee";

struct Neighbour {
    std::string Address, Mac, Interface;
};

class ArpIpv6ControlFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
        // Three entries: fe80::1 to fe80::3, MAC 00:50:43:00:00:0n, interfaces "row1" to "row3".
        std::string instances;
        for (int n = 1; n <= 3; ++n)
            instances += " 254.128.0.0.0.0.0.0.0.0.0.0.0.0.0." + std::to_string(n) + ".0.80.67.0.0." +
                         std::to_string(n) + "." + TextInstance("row" + std::to_string(n));
        SeedRows(Entry, instances.substr(1));
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    void Open(const std::function<void(TARPIPV6ControlForm&)>& driver) {
        RunCommand<TARPIPV6ControlForm>(Handler, driver);
    }
    static void RunAddForm(TARPIPV6ControlForm& form, const Neighbour& typed) {
        bool shown = false;
        OnNextModal<TARPIPv6ControlEditForm>(shown, [&](TARPIPv6ControlEditForm& edit) {
            EXPECT_EQ(edit.Caption(), "IPv6 Neighbor Cache Table: 127.0.0.1 (Add)");
            EXPECT_FALSE(edit.cbxRowStatus->Enabled());
            EXPECT_EQ(edit.cbxRowStatus->Text(), "createAndGo");
            TypeText(edit.edtAddress, typed.Address);
            TypeText(edit.edtMac, typed.Mac);
            TypeText(edit.edtInterface, typed.Interface);
            UserClick(edit.btnSet);
        });
        ASSERT_TRUE(UserClick(form.btnAdd));
        EXPECT_TRUE(shown);
    }

    DeviceWindowValues window;
};

TEST_F(ArpIpv6ControlFormTest, TheTableIsReadBeforeTheDialogShows) {
    Open([&](TARPIPV6ControlForm& form) {
        EXPECT_EQ(ARPIPV6ControlForm, &form);
        EXPECT_EQ(form.Caption(), "IPv6 Static Route Neighbor Cache Table: 127.0.0.1");
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        ASSERT_EQ(form.ListView1->Columns().Count(), 5);
        EXPECT_EQ(form.ListView1->Columns()[3]->Caption(), "Reach State");
        EXPECT_FALSE(form.btnDelete->Enabled());
    });
}

TEST_F(ArpIpv6ControlFormTest, AddChecksRunInOrder) {
    struct Case {
        Neighbour Typed;
        const char* Message;
    };
    const Case cases[] = {
        {{"", Mac, "v1"}, "Please Set IPv6 Address"},
        {{"fe80::1", Mac, "v1"}, "Please input a valid IPv6 address"},
        {{Address.substr(1), Mac, "v1"}, "Please input a valid IPv6 address"},
        {{Address, "", "v1"}, "Please Set MAC Address"},
        {{Address, "00-aa-bb-cc-dd-ee", "v1"}, "Invalid MAC address"},
        {{Address, Mac, ""}, "Please input an index first"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TARPIPV6ControlForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Message);
            boxes.Clear();
            MarkLog();
            RunAddForm(form, c.Typed);
            EXPECT_THAT(BoxTexts(boxes), ElementsAre(c.Message));
            EXPECT_TRUE(NothingSent("SET"));
        }
    });
}

TEST_F(ArpIpv6ControlFormTest, AnAddCreatesTheEntryAtItsThreeKeyInstance) {
    ui::MessageBoxRecorder boxes;
    Open([&](TARPIPV6ControlForm& form) {
        RunAddForm(form, {Address, Mac, "v1"});
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry),
                    ElementsAre("5.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.0.170.187.204.221.238." + TextInstance("v1") +
                                "=INTEGER:4"));
        EXPECT_EQ(form.ListView1->Items().Count(), 4);
        EXPECT_EQ(form.StaticText1->Caption(), "4");
    });
}

TEST_F(ArpIpv6ControlFormTest, DeleteDestroysTheSelectedEntryAlone) {
    ui::MessageBoxRecorder boxes;
    Open([&](TARPIPV6ControlForm& form) {
        for (int left = 2; left >= 0; --left) {
            MarkLog();
            form.ListView1->SetItemIndex(0);
            ASSERT_TRUE(UserClick(form.btnDelete));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            const std::vector<std::string> varbinds = ColumnVarbinds(sets[0], Entry);
            ASSERT_EQ(varbinds.size(), 1u);
            EXPECT_THAT(varbinds[0], ::testing::StartsWith("5."));
            EXPECT_THAT(varbinds[0], ::testing::EndsWith("=INTEGER:6"));
            EXPECT_EQ(form.ListView1->Items().Count(), left);
            EXPECT_EQ(form.StaticText1->Caption(), std::to_string(left));
            EXPECT_FALSE(form.btnDelete->Enabled());
        }
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
    });
}

}  // namespace
