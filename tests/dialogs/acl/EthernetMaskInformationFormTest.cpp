// The Ethernet access profiles against the simulator, opened through their menu command: the columns a new profile
// carries for each MAC mask state, the checks with their messages and focus, the duplicate mask ID, Delete, the
// access bits put back after every write, and an exception in a write shown in panel 0.
#include "AclDialogTest.h"
#include "Ethernetmaskinformationformunit.h"

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

constexpr const char* Handler = "EthernetMask1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.1.1";

enum Oid { UseVlan = 2, MaskState, SrcMask, DstMask, Use8021p, UseEthType, RowStatus };

class EthernetMaskInformationFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1-3");
    }
    void Open(const std::function<void(TEthernetMaskInformationForm&)>& driver) {
        RunCommand<TEthernetMaskInformationForm>(Handler, driver);
    }
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
    // The access bits as the table has them: "Use" columns and masks readwrite, owner and entries readonly.
    static void ExpectTableAccess(DialogTable& table) {
        for (int column = 1; column <= 7; ++column) EXPECT_EQ(table.Vars().GetVar(column)->Access, readwrite) << column;
        for (int column : {8, 9}) EXPECT_EQ(table.Vars().GetVar(column)->Access, readonly) << column;
    }
};

TEST_F(EthernetMaskInformationFormTest, OpensWithTheTableReadAndTheAddStateSet) {
    Open([&](TEthernetMaskInformationForm& form) {
        EXPECT_EQ(form.Caption(), "ACL Ethernet Mask: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        ASSERT_EQ(form.ListView1->Columns().Count(), 10);
        EXPECT_EQ(form.ListView1->Columns()[0]->Caption(), "Mask ID ");
        EXPECT_TRUE(form.AddBtn->Enabled());
        EXPECT_FALSE(form.BT_Delete->Enabled());
        EXPECT_TRUE(form.IDEdit->Enabled());
        EXPECT_EQ(form.UseVLanComBo->Text(), "enabled");
        EXPECT_EQ(form.MacMaskStateComBo->Text(), "other");
        EXPECT_EQ(form.Use8021pComBo->Text(), "enabled");
        EXPECT_EQ(form.UseEthTypeCombo->Text(), "enabled");
        EXPECT_EQ(form.OwnerCombo->Text(), "acl");
        EXPECT_FALSE(form.OwnerCombo->Enabled());
        EXPECT_FALSE(form.EntryEdit->Enabled());
        EXPECT_FALSE(form.RowStatusComBo->Visible());

        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.IDEdit->Text(), "2");
        EXPECT_FALSE(form.IDEdit->Enabled());
        EXPECT_FALSE(form.AddBtn->Enabled());
        EXPECT_TRUE(form.BT_Delete->Enabled());
        EXPECT_FALSE(form.OwnerCombo->Enabled());
        form.ListView1->ClearSelection();
        EXPECT_TRUE(form.IDEdit->Enabled());
        EXPECT_EQ(form.IDEdit->Text(), "");
        EXPECT_EQ(form.MacMaskDstEdit->Text(), "");
        EXPECT_EQ(form.MacAddMaskSourceEdit->Text(), "");
    });
}

TEST_F(EthernetMaskInformationFormTest, ANewProfileCarriesTheMasksItsStateUses) {
    struct Case {
        const char* state;
        const char* source;
        const char* destination;
        std::vector<int> columns;
    };
    const Case cases[] = {
        {"other", "FFFFFFFFFFFF", "FFFFFF000000", {UseVlan, Use8021p, UseEthType, RowStatus}},
        {"dst-mac-addr",
         "FFFFFFFFFFFF",
         "ffffff000000",
         {UseVlan, MaskState, DstMask, Use8021p, UseEthType, RowStatus}},
        {"dst-mac-addr", "", "", {UseVlan, MaskState, Use8021p, UseEthType, RowStatus}},
        {"src-mac-addr",
         "FFFFFFFFFFFF",
         "FFFFFF000000",
         {UseVlan, MaskState, SrcMask, Use8021p, UseEthType, RowStatus}},
        {"dst-src-mac-addr",
         "FFFFFFFFFFFF",
         "FFFFFF000000",
         {UseVlan, MaskState, SrcMask, DstMask, Use8021p, UseEthType, RowStatus}},
        {"dst-src-mac-addr", "", "FFFFFF000000", {UseVlan, MaskState, DstMask, Use8021p, UseEthType, RowStatus}},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TEthernetMaskInformationForm& form) {
        int id = 4;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.state) + " " + c.source + "/" + c.destination);
            MarkLog();
            form.IDEdit->SetText(std::to_string(id));
            ChooseItem(form.MacMaskStateComBo, c.state);
            form.MacAddMaskSourceEdit->SetText(c.source);
            form.MacMaskDstEdit->SetText(c.destination);
            EXPECT_TRUE(UserClick(form.AddBtn));
            const std::string set = OneSet();
            EXPECT_THAT(Columns(set, Entry), ElementsAreArray(c.columns));
            EXPECT_THAT(set, HasSubstr(Entry + ".8." + std::to_string(id) + "=INTEGER:4"));
            if (!ValueOf(set, Entry, DstMask).empty()) {
                EXPECT_EQ(OctetsHex(ValueOf(set, Entry, DstMask)), "FFFFFF000000");
            }
            EXPECT_EQ(form.ListView1->Items().Count(), id);
            EXPECT_EQ(form.IDEdit->Text(), "");
            ExpectTableAccess(form.Profiles);
            ++id;
        }
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

TEST_F(EthernetMaskInformationFormTest, AFailedCheckShowsItsMessageFocusesTheEditAndSendsNothing) {
    using F = TEthernetMaskInformationForm;
    struct Case {
        const char* name;
        std::function<void(F&)> change;
        const char* message;
        std::function<ui::Control*(F&)> focus;
    };
    const auto mac = [](const char* state, const char* source, const char* destination) {
        return [=](F& f) {
            ChooseItem(f.MacMaskStateComBo, state);
            f.MacAddMaskSourceEdit->SetText(source);
            f.MacMaskDstEdit->SetText(destination);
        };
    };
    const Case cases[] = {
        {"listed ID", [](F& f) { f.IDEdit->SetText("2"); },
         "There is already a record with the same Ethernet Mask ID. Please modified it.",
         [](F& f) -> ui::Control* { return f.IDEdit; }},
        {"no ID", [](F& f) { f.IDEdit->SetText(""); }, "Mask ID must be set",
         [](F& f) -> ui::Control* { return f.IDEdit; }},
        {"destination with separators", mac("dst-mac-addr", "", "FF:FF:FF:00:00:00"), "Invalid MAC Address",
         [](F& f) -> ui::Control* { return f.MacMaskDstEdit; }},
        {"source of 11 digits", mac("src-mac-addr", "FFFFFFFFFFF", ""), "Invalid MAC Address",
         [](F& f) -> ui::Control* { return f.MacAddMaskSourceEdit; }},
        {"both, destination first", mac("dst-src-mac-addr", "FFFFFFFFFFFFF", "FFFFFFFFFFFFF"), "Invalid MAC Address",
         [](F& f) -> ui::Control* { return f.MacMaskDstEdit; }},
    };
    ui::MessageBoxRecorder boxes;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        Open([&](F& form) {
            form.IDEdit->SetText("9");
            c.change(form);
            form.AddBtn->SetFocus();
            EXPECT_TRUE(UserClick(form.AddBtn));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE(c.focus(form)->Focused());
            EXPECT_TRUE(Pdus("SET").empty());
        });
    }
}

// A mask the state does not use is neither checked nor sent.
TEST_F(EthernetMaskInformationFormTest, AMaskTheStateDoesNotUseIsNeitherCheckedNorSent) {
    ui::MessageBoxRecorder boxes;
    Open([&](TEthernetMaskInformationForm& form) {
        form.IDEdit->SetText("5");
        ChooseItem(form.MacMaskStateComBo, "dst-mac-addr");
        form.MacAddMaskSourceEdit->SetText("not hex");
        form.MacMaskDstEdit->SetText("00000000FFFF");
        EXPECT_TRUE(UserClick(form.AddBtn));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_THAT(Columns(OneSet(), Entry),
                    ElementsAre(UseVlan, MaskState, DstMask, Use8021p, UseEthType, RowStatus));
    });
}

TEST_F(EthernetMaskInformationFormTest, DeleteSendsRowStatusDestroyAloneUntilTheListIsEmpty) {
    Open([&](TEthernetMaskInformationForm& form) {
        for (int left = 2; left >= 0; --left) {
            MarkLog();
            form.ListView1->SetItemIndex(0);
            const std::string id = form.ListView1->Items()[0]->Caption();
            EXPECT_TRUE(UserClick(form.BT_Delete));
            EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Entry + ".8." + id + "=INTEGER:6"));
            EXPECT_EQ(form.ListView1->Items().Count(), left);
            EXPECT_EQ(form.StaticText1->Caption(), std::to_string(left));
            EXPECT_FALSE(form.BT_Delete->Enabled());
            EXPECT_TRUE(form.AddBtn->Enabled());
            EXPECT_TRUE(form.IDEdit->Enabled());
            ExpectTableAccess(form.Profiles);
        }
    });
}

TEST_F(EthernetMaskInformationFormTest, ARefusedAddIsReportedAndTheTableReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TEthernetMaskInformationForm& form) {
        ASSERT_EQ(Control("error " + Entry + " wrongValue 1"), "ok");
        form.IDEdit->SetText("12");
        EXPECT_TRUE(UserClick(form.AddBtn));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_FALSE(Pdus("GETNEXT").empty());
        ExpectTableAccess(form.Profiles);
    });
}

// A write that cannot be sent (the request's address went bad): the error is shown in panel 0, not swallowed.
TEST_F(EthernetMaskInformationFormTest, AnExceptionWhileAddingIsShownInPanelZero) {
    ui::MessageBoxRecorder boxes;
    Open([&](TEthernetMaskInformationForm& form) {
        form.IDEdit->SetText("10");
        form.Profiles.Request()->Request.Device.Address = "256.256.256.256";
        ASSERT_TRUE(UserClick(form.AddBtn));
        EXPECT_TRUE(NothingSent());
        EXPECT_THAT(Status(form), HasSubstr("Invalid IP Address or DNS name!"));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_TRUE(form.AddBtn->Enabled());
        EXPECT_EQ(form.IDEdit->Text(), "");
        ExpectTableAccess(form.Profiles);
    });
}

}  // namespace
