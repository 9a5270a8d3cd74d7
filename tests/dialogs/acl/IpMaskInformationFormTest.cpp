// The IPv4 access profiles against the simulator, opened through their menu command: which columns a new profile
// carries for each address mask state and protocol type, the checks with their messages and focus, the duplicate
// profile ID, Delete, and an exception in a write shown in panel 0.
#include "AclDialogTest.h"
#include "Ipmaskinformationformunit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

constexpr const char* Handler = "IPMaskInformation1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.2.1";

class IpMaskInformationFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1-3");
    }
    void Open(const std::function<void(TIPMaskInformationForm&)>& driver) {
        RunCommand<TIPMaskInformationForm>(Handler, driver);
    }
    // Every mask and number edit filled with a value its check accepts.
    static void FillAll(TIPMaskInformationForm& form) {
        form.IpAddMaskSrcEdit->SetText("255.255.0.0");
        form.IpAddMaskDstEdit->SetText("255.0.0.0");
        form.TCPUDPSrcMaskEdit->SetText("FFFF");
        form.TCPUDPDstPortMaskEdit->SetText("00FF");
        form.TCPFlagBitMaskEdit->SetText("63");
        form.ProtoIDEdit->SetText("6");
        form.ProIDMaskEdit->SetText("FFFFFFFF");
    }
};

TEST_F(IpMaskInformationFormTest, OpensWithTheTableReadAndTheAddStateSet) {
    Open([&](TIPMaskInformationForm& form) {
        EXPECT_EQ(form.Caption(), "ACL IP Mask: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(form.ListView1->Columns().Count(), 22);
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
        EXPECT_TRUE(form.BT_Add->Enabled());
        EXPECT_FALSE(form.BT_Delete->Enabled());
        EXPECT_TRUE(form.IPIDEdit->Enabled());
        EXPECT_EQ(form.IPIDEdit->Text(), "");
        EXPECT_EQ(form.VlanComboBox->Text(), "enabled");
        EXPECT_EQ(form.IpAddMaskStateComboBox->Text(), "other");
        EXPECT_EQ(form.UseProTypeComBo->Text(), "none");
        EXPECT_EQ(form.IgmpComboBox->Text(), "disable");
        EXPECT_EQ(form.OwnerComboBox->Text(), "acl");
        EXPECT_FALSE(form.OwnerComboBox->Enabled());
        EXPECT_FALSE(form.RowStatusComBo->Visible());

        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.IPIDEdit->Text(), "2");
        EXPECT_FALSE(form.IPIDEdit->Enabled());
        EXPECT_FALSE(form.BT_Add->Enabled());
        EXPECT_TRUE(form.BT_Delete->Enabled());
        EXPECT_FALSE(form.OwnerComboBox->Enabled());  // read-only values stay shown only
        EXPECT_FALSE(form.EntriesEdit->Text().empty());
        form.ListView1->ClearSelection();
        EXPECT_EQ(form.IPIDEdit->Text(), "");
        EXPECT_EQ(form.EntriesEdit->Text(), "");
        EXPECT_EQ(form.OwnerComboBox->Text(), "acl");
        EXPECT_TRUE(form.IPIDEdit->Enabled());
        EXPECT_TRUE(form.BT_Add->Enabled());
    });
    EXPECT_EQ(IPMaskInformationForm, nullptr);  // the menu command leaves the pointer alone
}

// Each case: the choices, then the columns the creating SET carries (every mask and number edit filled).
struct ColumnsCase {
    const char* name;
    const char* maskState;
    const char* protocol;
    const char* tcp;
    const char* udp;
    const char* flag;
    const char* protocolOption;
    const char* icmp;
    std::vector<int> columns;
};

TEST_F(IpMaskInformationFormTest, ANewProfileCarriesTheColumnsItsChoicesUse) {
    const ColumnsCase cases[] = {
        {"none", "other", "none", "dst-src-addr", "dst-src-addr", "enable", "enable", "type-code", {2, 6, 19}},
        {"both address masks", "dst-src-ip-addr", "none", "other", "other", "disable", "disable", "none",
         {2, 3, 4, 5, 6, 19}},
        {"destination mask", "dst-ip-addr", "none", "other", "other", "disable", "disable", "none", {2, 3, 5, 6, 19}},
        {"source mask", "src-ip-addr", "none", "other", "other", "disable", "disable", "none", {2, 3, 4, 6, 19}},
        {"icmp", "other", "icmp", "src-addr", "src-addr", "enable", "enable", "type", {2, 6, 7, 8, 19}},
        {"icmp without option", "other", "icmp", "other", "other", "disable", "disable", "none", {2, 6, 7, 19}},
        {"igmp", "other", "igmp", "src-addr", "src-addr", "enable", "enable", "type", {2, 6, 7, 9, 19}},
        {"tcp source", "other", "tcp", "src-addr", "other", "enable", "enable", "type",
         {2, 6, 7, 10, 12, 14, 15, 19}},
        {"tcp both masks", "other", "tcp", "src-addr", "dst-addr", "disable", "enable", "none",
         {2, 6, 7, 10, 12, 13, 14, 19}},
        {"udp without options", "other", "udp", "other", "other", "enable", "enable", "none", {2, 6, 7, 19}},
        {"udp by the tcp option", "other", "udp", "dst-addr", "other", "enable", "enable", "none", {2, 6, 7, 13, 19}},
        {"udp both", "other", "udp", "dst-src-addr", "dst-src-addr", "enable", "enable", "none",
         {2, 6, 7, 11, 12, 13, 19}},
        {"protocol id disabled", "other", "protocolId", "dst-src-addr", "dst-src-addr", "enable", "disable", "type",
         {2, 6, 7, 16, 19}},
        {"protocol id", "other", "protocolId", "other", "other", "enable", "enable", "none",
         {2, 6, 7, 16, 17, 18, 19}},
    };
    // Fourteen cases: the table's fourteen profiles, from an empty table.
    ASSERT_EQ(Control("remove " + Entry), "ok");
    Open([&](TIPMaskInformationForm& form) {
        int id = 1;
        for (const ColumnsCase& c : cases) {
            SCOPED_TRACE(c.name);
            MarkLog();
            form.IPIDEdit->SetText(std::to_string(id));
            ChooseItem(form.IpAddMaskStateComboBox, c.maskState);
            ChooseItem(form.UseProTypeComBo, c.protocol);
            ChooseItem(form.TCPOptionComBo, c.tcp);
            ChooseItem(form.UDPOptionComBo, c.udp);
            ChooseItem(form.TCPFlagBitOptionComBo, c.flag);
            ChooseItem(form.ProOptionComBo, c.protocolOption);
            ChooseItem(form.IcmpComboBox, c.icmp);
            FillAll(form);
            EXPECT_TRUE(UserClick(form.BT_Add));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(Columns(sets[0], Entry), ElementsAreArray(c.columns));
            EXPECT_EQ(ValueOf(sets[0], Entry, 19), "INTEGER:4");
            EXPECT_THAT(sets[0], HasSubstr(Entry + ".19." + std::to_string(id) + "="));
            ++id;
            // Read again, and the editors emptied for the next profile.
            EXPECT_EQ(form.ListView1->Items().Count(), id - 1);
            EXPECT_EQ(form.IPIDEdit->Text(), "");
            EXPECT_EQ(form.IpAddMaskSrcEdit->Text(), "");
        }
        EXPECT_TRUE(NoInvalidBits(form.Profiles));
    });
}

TEST_F(IpMaskInformationFormTest, AnEmptyMaskOrNumberStaysOut) {
    Open([&](TIPMaskInformationForm& form) {
        form.IPIDEdit->SetText("9");
        ChooseItem(form.IpAddMaskStateComboBox, "dst-src-ip-addr");
        ChooseItem(form.UseProTypeComBo, "tcp");
        ChooseItem(form.TCPOptionComBo, "dst-src-addr");
        ChooseItem(form.TCPFlagBitOptionComBo, "enable");
        form.IpAddMaskSrcEdit->SetText("255.255.255.0");
        form.TCPUDPSrcMaskEdit->SetText("ff00");
        EXPECT_TRUE(UserClick(form.BT_Add));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Columns(sets[0], Entry), ElementsAre(2, 3, 4, 6, 7, 10, 12, 14, 19));
        EXPECT_EQ(ValueOf(sets[0], Entry, 4), "IPADDRESS:255.255.255.0");
        EXPECT_EQ(ValueOf(sets[0], Entry, 12), "HEX:FF00");
    });
}

// Each case: the choices and edits, the message, and the edit that gets the focus.
struct CheckCase {
    const char* name;
    std::function<void(TIPMaskInformationForm&)> fill;
    const char* message;
    std::function<ui::Edit*(TIPMaskInformationForm&)> focus;
};

TEST_F(IpMaskInformationFormTest, AFailedCheckShowsItsMessageFocusesTheEditAndSendsNothing) {
    using F = TIPMaskInformationForm;
    const CheckCase cases[] = {
        {"no profile ID", [](F& f) { f.IPIDEdit->SetText(""); }, "IP Mask ID must be set.", [](F& f) { return f.IPIDEdit; }},
        {"source mask", [](F& f) { ChooseItem(f.IpAddMaskStateComboBox, "src-ip-addr"); f.IpAddMaskSrcEdit->SetText("255.255.0"); },
         "Please input a valid ip", [](F& f) { return f.IpAddMaskSrcEdit; }},
        {"source mask with text after it",
         [](F& f) { ChooseItem(f.IpAddMaskStateComboBox, "dst-src-ip-addr"); f.IpAddMaskSrcEdit->SetText("255.255.255.255xyz"); },
         "Please input a valid ip", [](F& f) { return f.IpAddMaskSrcEdit; }},
        {"destination mask dot",
         [](F& f) { ChooseItem(f.IpAddMaskStateComboBox, "dst-ip-addr"); f.IpAddMaskDstEdit->SetText("255..0.0"); },
         "Please input a valid ip", [](F& f) { return f.IpAddMaskDstEdit; }},
        {"user mask",
         [](F& f) { ChooseItem(f.UseProTypeComBo, "protocolId"); ChooseItem(f.ProOptionComBo, "enable"); f.ProIDMaskEdit->SetText("FFFF"); },
         "Invalid Mask!", [](F& f) { return f.ProIDMaskEdit; }},
        {"protocol id", [](F& f) { ChooseItem(f.UseProTypeComBo, "protocolId"); f.ProtoIDEdit->SetText("256"); },
         "Please input a valid value", [](F& f) { return f.ProtoIDEdit; }},
        {"destination port mask by the udp option",
         [](F& f) { ChooseItem(f.UseProTypeComBo, "tcp"); ChooseItem(f.UDPOptionComBo, "dst-addr"); f.TCPUDPDstPortMaskEdit->SetText("FFF"); },
         "Invalid Mask!", [](F& f) { return f.TCPUDPDstPortMaskEdit; }},
        {"source port mask",
         [](F& f) { ChooseItem(f.UseProTypeComBo, "udp"); ChooseItem(f.TCPOptionComBo, "dst-src-addr"); f.TCPUDPSrcMaskEdit->SetText("FFFFF"); },
         "Invalid Mask!", [](F& f) { return f.TCPUDPSrcMaskEdit; }},
        {"flag bit mask",
         [](F& f) { ChooseItem(f.UseProTypeComBo, "tcp"); ChooseItem(f.TCPFlagBitOptionComBo, "enable"); f.TCPFlagBitMaskEdit->SetText("64"); },
         "Please input a valid value", [](F& f) { return f.TCPFlagBitMaskEdit; }},
        {"duplicate profile ID", [](F& f) { f.IPIDEdit->SetText("2"); },
         "There is already a record with the same IP Mask ID. Please modified it.", [](F& f) { return f.IPIDEdit; }},
    };
    ui::MessageBoxRecorder boxes;
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        Open([&](TIPMaskInformationForm& form) {
            form.IPIDEdit->SetText("7");
            c.fill(form);
            form.BT_Add->SetFocus();
            EXPECT_TRUE(UserClick(form.BT_Add));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE(c.focus(form)->Focused());
            EXPECT_TRUE(Pdus("SET").empty());
            EXPECT_EQ(form.RowStatusComBo->Text(), "createAndGo");
        });
    }
}

TEST_F(IpMaskInformationFormTest, AMaskTheChoicesDoNotUseIsNeitherCheckedNorSent) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIPMaskInformationForm& form) {
        form.IPIDEdit->SetText("8");
        ChooseItem(form.UseProTypeComBo, "tcp");  // both port options "other"
        form.TCPUDPDstPortMaskEdit->SetText("FFF");
        form.IpAddMaskSrcEdit->SetText("not an address");  // mask state "other"
        EXPECT_TRUE(UserClick(form.BT_Add));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Columns(sets[0], Entry), ElementsAre(2, 6, 7, 14, 19));
    });
}

TEST_F(IpMaskInformationFormTest, DeleteSendsRowStatusDestroyAloneUntilTheListIsEmpty) {
    Open([&](TIPMaskInformationForm& form) {
        for (int left = 2; left >= 0; --left) {
            MarkLog();
            form.ListView1->SetItemIndex(0);
            const std::string id = form.ListView1->Items()[0]->Caption();
            EXPECT_TRUE(UserClick(form.BT_Delete));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(simdialog::Varbinds(sets[0]), ElementsAre(Entry + ".19." + id + "=INTEGER:6"));
            EXPECT_EQ(form.ListView1->Items().Count(), left);
            EXPECT_EQ(form.StaticText1->Caption(), std::to_string(left));
            EXPECT_FALSE(form.BT_Delete->Enabled());
            EXPECT_TRUE(form.BT_Add->Enabled());
            EXPECT_TRUE(form.IPIDEdit->Enabled());
        }
    });
}

TEST_F(IpMaskInformationFormTest, ARefusedAddIsReportedAndTheTableReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIPMaskInformationForm& form) {
        ASSERT_EQ(Control("error " + Entry + " wrongValue 1"), "ok");
        form.IPIDEdit->SetText("12");
        EXPECT_TRUE(UserClick(form.BT_Add));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(Pdus("GETNEXT").empty(), false);
        EXPECT_TRUE(NoInvalidBits(form.Profiles));
    });
}

TEST_F(IpMaskInformationFormTest, AnExceptionWhileWritingIsShownInPanelZero) {
    Open([&](TIPMaskInformationForm& form) {
        // The check lets a fourth digit of the last group pass; the value cannot be sent as an address.
        form.IPIDEdit->SetText("10");
        ChooseItem(form.IpAddMaskStateComboBox, "src-ip-addr");
        form.IpAddMaskSrcEdit->SetText("255.255.255.0001");
        EXPECT_TRUE(UserClick(form.BT_Add));
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_FALSE(Status(form).empty());
        EXPECT_THAT(Status(form), ::testing::Not(HasSubstr("Ok!")));
        EXPECT_EQ(form.ListView1->Items().Count(), 3);  // read again all the same
        EXPECT_TRUE(NoInvalidBits(form.Profiles));
    });
}

// A write that cannot be sent (the request's address went bad): Delete shows the error in panel 0, sends nothing,
// does not read the table again and leaves the dialog in its add state.
TEST_F(IpMaskInformationFormTest, AnExceptionWhileDeletingIsShownInPanelZero) {
    ui::MessageBoxRecorder boxes;
    Open([&](TIPMaskInformationForm& form) {
        form.ListView1->SetItemIndex(1);
        ASSERT_EQ(form.IPIDEdit->Text(), "2");
        form.Profiles.Request()->Request.Device.Address = "256.256.256.256";
        ASSERT_TRUE(UserClick(form.BT_Delete));
        EXPECT_TRUE(NothingSent());
        EXPECT_EQ(Status(form), "Invalid IP Address or DNS name!");  // bare, and no read after it
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_TRUE(form.BT_Add->Enabled());
        EXPECT_FALSE(form.BT_Delete->Enabled());
        EXPECT_TRUE(form.IPIDEdit->Enabled());
        EXPECT_EQ(form.IPIDEdit->Text(), "");
        EXPECT_TRUE(NoInvalidBits(form.Profiles));
    });
}

}  // namespace
