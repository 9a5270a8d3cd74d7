// The IPv6 static route dialog and its add form against the simulator: routes at their four-key instance, the
// address, prefix, next-hop and metric checks, createAndGo with the metric left out when empty, the default route,
// and destroy for Delete.
#include "IpSystemDialogTest.h"
#include "Ipv6staticrouteeditunit.h"
#include "Ipv6staticrouteunit.h"

#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Handler = "IPv6StaticRoute1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.26.3.1.1";
const std::string Zeros(32, '0');
const std::string Destination = "20010DB8000000000000000000000000";
const std::string NextHop = "FE800000000000000000000000000001";

// The instance arcs of an IPv6 address typed as 32 hex digits.
std::string AddressArcs(const std::string& hex) {
    std::string arcs;
    for (size_t i = 0; i < hex.size(); i += 2)
        arcs += (i ? "." : "") + std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
    return arcs;
}

struct Route {
    std::string Destination, Prefix, Interface, NextHop, Metric;
};

class Ipv6StaticRouteFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, Instance(Destination, 64, "v1", NextHop) + " " + Instance(Destination, 48, "v2", NextHop));
    }
    static std::string Instance(const std::string& destination, int prefix, const std::string& interface,
                                const std::string& nextHop) {
        return AddressArcs(destination) + "." + std::to_string(prefix) + "." + TextInstance(interface) + "." +
               AddressArcs(nextHop);
    }
    void Open(const std::function<void(TIpv6StaticRouteForm&)>& driver) {
        OpenWhenIdle<TIpv6StaticRouteForm>(
            Handler, [](TIpv6StaticRouteForm& form) -> DialogTable& { return form.RouteTable; }, driver);
    }
    static void RunAddForm(ui::Button* opener, const std::function<void(TIpv6StaticRouteEditForm&)>& fill) {
        bool shown = false;
        OnNextModal<TIpv6StaticRouteEditForm>(shown, [&](TIpv6StaticRouteEditForm& edit) {
            fill(edit);
            UserClick(edit.btnSet);
        });
        ASSERT_TRUE(UserClick(opener));
        EXPECT_TRUE(shown);
    }
    static void Type(TIpv6StaticRouteEditForm& edit, const Route& route) {
        TypeText(edit.edtDst, route.Destination);
        TypeText(edit.edtPrefix, route.Prefix);
        TypeText(edit.edtInterface, route.Interface);
        TypeText(edit.edtNextHop, route.NextHop);
        TypeText(edit.edtMetric, route.Metric);
    }
};

TEST_F(Ipv6StaticRouteFormTest, AddChecksTheAddressesPrefixAndMetric) {
    struct Case {
        Route Typed;
        const char* Message;
    };
    const Case cases[] = {
        {{"", "64", "v1", NextHop, ""}, "Please Set Destination Address"},
        {{Destination.substr(1), "64", "v1", NextHop, ""}, "Please input a valid IPv6 address"},
        {{"2001:db8::", "64", "v1", NextHop, ""}, "Please input a valid IPv6 address"},
        {{Destination, "", "v1", NextHop, ""}, "Please Set Prefix length"},
        {{Destination, "129", "v1", NextHop, ""}, "Prefix should between 0-128"},
        {{Destination, "64", "v1", "", ""}, "Please Set Next Hop Address"},
        {{Destination, "64", "v1", NextHop.substr(2), ""}, "Please input a valid IPv6 address"},
        {{Destination, "64", "v1", Destination, ""}, "Duplicate IP address, Please input a valid Next Hop"},
        {{Destination, "64", "v1", NextHop, "0"}, "Metric should between 1-65535"},
        {{Destination, "64", "v1", NextHop, "65536"}, "Metric should between 1-65535"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TIpv6StaticRouteForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Message);
            boxes.Clear();
            MarkLog();
            RunAddForm(form.btnAdd, [&](TIpv6StaticRouteEditForm& edit) { Type(edit, c.Typed); });
            EXPECT_THAT(BoxTexts(boxes), ElementsAre(c.Message));
            EXPECT_TRUE(NothingSent("SET"));
        }
    });
}

TEST_F(Ipv6StaticRouteFormTest, AnAddCreatesTheRouteAtItsFourKeyInstance) {
    struct Case {
        Route Typed;
        bool SendsMetric;
    };
    const Case cases[] = {{{Destination, "128", "v1", NextHop, ""}, false},
                          {{Destination, "0", "v2", NextHop, "7"}, true}};
    ui::MessageBoxRecorder boxes;
    Open([&](TIpv6StaticRouteForm& form) {
        const int before = form.ListView1->Items().Count();
        int added = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Typed.Prefix);
            MarkLog();
            RunAddForm(form.btnAdd, [&](TIpv6StaticRouteEditForm& edit) {
                EXPECT_EQ(edit.Caption(), "IPv6 Static Route Table: 127.0.0.1 (Add)");
                EXPECT_EQ(edit.cbxBackup->Text(), "none");
                EXPECT_FALSE(edit.cbxStatus->Enabled());
                Type(edit, c.Typed);
            });
            ASSERT_TRUE(WaitIdle(form.RouteTable));
            EXPECT_THAT(BoxTexts(boxes), IsEmpty());
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            const std::string instance = Instance(Destination, std::stoi(c.Typed.Prefix), c.Typed.Interface, NextHop);
            std::vector<std::string> expected;
            if (c.SendsMetric) expected.push_back("5." + instance + "=INTEGER:7");
            expected.push_back("8." + instance + "=INTEGER:4");
            expected.push_back("9." + instance + "=INTEGER:3");
            EXPECT_EQ(ColumnVarbinds(sets[0], Entry), expected);
            EXPECT_EQ(form.ListView1->Items().Count(), before + ++added);
            EXPECT_TRUE(NoInvalidBits(form.RouteTable));
        }
    });
}

TEST_F(Ipv6StaticRouteFormTest, AddDefaultWritesTheZeroPrefixAndRefusesAZeroNextHop) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpv6StaticRouteForm& form) {
        RunAddForm(form.btnAddDefault, [&](TIpv6StaticRouteEditForm& edit) {
            EXPECT_EQ(edit.Caption(), "IPv6 Static Route Table: 127.0.0.1(Add default)");
            EXPECT_EQ(edit.edtDst->Text(), Zeros);
            EXPECT_EQ(edit.edtPrefix->Text(), "0");
            EXPECT_FALSE(edit.edtDst->Enabled());
            TypeText(edit.edtInterface, "v1");
            TypeText(edit.edtNextHop, Zeros);
            UserClick(edit.btnSet);
            EXPECT_THAT(BoxTexts(boxes), ElementsAre("Duplicate IP address, Please input a valid Next Hop"));
            edit.edtNextHop->SetText(NextHop);
        });
        ASSERT_TRUE(WaitIdle(form.RouteTable));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string instance = Instance(Zeros, 0, "v1", NextHop);
        EXPECT_THAT(ColumnVarbinds(sets[0], Entry),
                    ElementsAre("8." + instance + "=INTEGER:4", "9." + instance + "=INTEGER:3"));
    });
}

TEST_F(Ipv6StaticRouteFormTest, DeleteDestroysTheSelectedRouteAndCountsDown) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpv6StaticRouteForm& form) {
        const int rows = form.ListView1->Items().Count();
        ASSERT_EQ(rows, 2);
        EXPECT_FALSE(form.btnDelete->Enabled());
        for (int left = rows - 1; left >= 0; --left) {
            MarkLog();
            form.ListView1->SetItemIndex(0);
            ASSERT_TRUE(UserClick(form.btnDelete));
            ASSERT_TRUE(WaitIdle(form.RouteTable));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            const std::vector<std::string> varbinds = ColumnVarbinds(sets[0], Entry);
            ASSERT_EQ(varbinds.size(), 2u);
            EXPECT_THAT(varbinds[0], ::testing::StartsWith("8."));
            EXPECT_THAT(varbinds[0], ::testing::EndsWith("=INTEGER:6"));
            EXPECT_THAT(varbinds[1], ::testing::StartsWith("9."));  // the row's own backup state
            EXPECT_EQ(form.ListView1->Items().Count(), left);
            EXPECT_EQ(form.StaticText1->Caption(), std::to_string(left));
            EXPECT_FALSE(form.btnDelete->Enabled());
        }
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
    });
}

TEST_F(Ipv6StaticRouteFormTest, AddsAreRefusedWhileTheTableIsRead) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIpv6StaticRouteForm& form) {
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        ASSERT_EQ(Control("hold " + Entry + ".4"), "ok");  // the first column read
        form.RouteTable.Request()->Request.Timeout = HeldAnswerTimeout;
        ASSERT_TRUE(UserClick(form.btnGet));
        ASSERT_TRUE(RunUntil([&] { return form.RouteTable.Busy(); }));
        ASSERT_TRUE(UserClick(form.btnAdd));
        ASSERT_TRUE(UserClick(form.btnAddDefault));
        EXPECT_THAT(BoxTexts(boxes), ElementsAre(GetDataNotCompleteText, GetDataNotCompleteText));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitIdle(form.RouteTable));
        EXPECT_TRUE(NothingSent("SET"));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
    });
}

}  // namespace
