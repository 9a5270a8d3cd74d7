// The IPv6 access profiles against the simulator, opened through their menu command: the editors the protocol and
// the mask state open, the columns a new profile carries by the state of its editors (also after a row click and a
// click beside the rows), profile IDs 1 to 6, the checks, Refresh's reset, Delete and a failed Delete's status line.
#include "AclDialogTest.h"
#include "Ipv6maskinfoformunit.h"

#include "ComCtrls.h"
#include "LabelledControl.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

constexpr const char* Handler = "IPv6MaskInformation1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.4.1";

enum Oid {
    MaskClass = 2,
    FlowLabel,
    MaskState,
    SrcMask,
    DstMask,
    RowStatus,
    ProtocolType = 11,
    TcpOption,
    UdpOption,
    SrcPortMask,
    DstPortMask,
};

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

// The user clicks into edit, selects its whole text and types keys over it.
bool TypeOver(ui::Edit* edit, const std::string& keys) {
    edit->Widget()->setFocus(Qt::MouseFocusReason);
    QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(edit->Widget(), &selectAll);
    return TypeText(edit, keys);
}

// A click that first takes the focus, so the edit left runs its exit check; false when a refusal kept the focus.
bool ClickTakingFocus(ui::Button* button) {
    if (!UserCanReach(button, "click")) return false;
    button->Widget()->setFocus(Qt::MouseFocusReason);
    return button->Widget()->hasFocus() && UserClick(button);
}

class Ipv6ProfileFormTest : public DedicatedDialogTest {
protected:
    using F = TIPv6ProfileForm;
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1-3");
    }
    void Open(const std::function<void(F&)>& driver) { RunCommand<F>(Handler, driver); }
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
    static void FillMasks(F& form) {
        form.edtSrcMask->SetText("ffffffffffffffff0000000000000000");
        form.edtDstMask->SetText("FFFFFFFFFFFFFFFFFFFFFFFF00000000");
        form.SourcePortEdit->SetText("FF00");
        form.DstPortEdit->SetText("00FF");
    }
};

TEST_F(Ipv6ProfileFormTest, OpensWithTheProfilesListedAndOnlyTheClassAndFlowLabelOpen) {
    F* seen = nullptr;
    Open([&](F& form) {
        seen = IPv6ProfileForm;
        EXPECT_EQ(form.Caption(), "ACL IPv6 Mask: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.Static->Caption(), "3");
        EXPECT_EQ(form.ListView1->Columns().Count(), 14);
        ASSERT_NE(LabelOf(form.edtMaskID), nullptr);
        EXPECT_EQ(LabelOf(form.edtMaskID)->Caption(), "Profile ID (1-6)");
        EXPECT_EQ(form.cbxMaskClass->Text(), "disable");
        EXPECT_EQ(form.cbxMaskFlowlabel->Text(), "disable");
        EXPECT_EQ(form.cbxMaskState->Text(), "other");
        EXPECT_EQ(form.ProtoTypeCombo->Text(), "none");
        EXPECT_EQ(form.cbbOwner->Text(), "acl");
        EXPECT_EQ(form.cbbRowStatus->Text(), "createAndGo");
        EXPECT_FALSE(form.cbbRowStatus->Visible());
        for (ui::Control* closed : std::initializer_list<ui::Control*>{
                 form.TCPOptionCombo, form.UDPOptionCombo, form.SourcePortEdit, form.DstPortEdit, form.edtSrcMask,
                 form.edtDstMask, form.cbbOwner, form.edtEntries}) {
            EXPECT_FALSE(closed->Enabled()) << closed->Name();
            EXPECT_EQ(closed->Color(), ui::clMenu) << closed->Name();
        }
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_FALSE(form.DeleteButton->Enabled());
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(IPv6ProfileForm, nullptr);
}

TEST_F(Ipv6ProfileFormTest, ANewProfileCarriesTheColumnsOfItsOpenEditors) {
    struct Case {
        const char* state;
        const char* protocol;
        const char* option;
        std::vector<int> columns;
    };
    const Case cases[] = {
        {"other", "none", "other", {MaskClass, FlowLabel, RowStatus}},
        {"dst-ipv6-addr", "none", "other", {MaskClass, FlowLabel, MaskState, DstMask, RowStatus}},
        {"src-ipv6-addr", "none", "other", {MaskClass, FlowLabel, MaskState, SrcMask, RowStatus}},
        {"dst-src-ipv6-addr", "none", "other", {MaskClass, FlowLabel, MaskState, SrcMask, DstMask, RowStatus}},
        {"other", "tcp", "other", {MaskClass, FlowLabel, RowStatus, ProtocolType}},
        {"other", "tcp", "dst-addr", {MaskClass, FlowLabel, RowStatus, ProtocolType, TcpOption, DstPortMask}},
        {"other", "udp", "src-addr", {MaskClass, FlowLabel, RowStatus, ProtocolType, UdpOption, SrcPortMask}},
        {"other",
         "udp",
         "dst-src-addr",
         {MaskClass, FlowLabel, RowStatus, ProtocolType, UdpOption, SrcPortMask, DstPortMask}},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        SeedRows(Entry, "1");
        ASSERT_TRUE(UserClick(form.GetButton));
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.state) + " " + c.protocol + " " + c.option);
            MarkLog();
            form.edtMaskID->SetText("2");
            ChooseItem(form.cbxMaskState, c.state);
            ChooseItem(form.ProtoTypeCombo, c.protocol);
            if (std::string(c.protocol) != "none")
                ChooseItem(std::string(c.protocol) == "tcp" ? form.TCPOptionCombo : form.UDPOptionCombo, c.option);
            FillMasks(form);
            EXPECT_TRUE(UserClick(form.AddButton));
            const std::string set = OneSet();
            EXPECT_THAT(Columns(set, Entry), ElementsAreArray(c.columns));
            EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "2") + "=INTEGER:4"));
            EXPECT_TRUE(NoInvalidBits(form.Profiles));
            // Gone again for the next case, and the form back in its add state.
            ASSERT_EQ(form.ListView1->Items().Count(), 2);
            form.ListView1->SetItemIndex(1);
            ASSERT_TRUE(UserClick(form.DeleteButton));
            EXPECT_EQ(form.ProtoTypeCombo->Text(), "none");
        }
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

// A row selection enables every bound editor; the dialog closes again those the row's protocol and mask state do
// not use, and a click beside the rows resets them, so the next Add carries the reset choices only.
TEST_F(Ipv6ProfileFormTest, ARowClickAndAClickBesideTheRowsApplyTheEditorStatesAgain) {
    ASSERT_EQ(Control("set-rw " + Cell(ProtocolType, "2") + " int 2"), "ok");  // tcp
    ASSERT_EQ(Control("set-rw " + Cell(TcpOption, "2") + " int 2"), "ok");     // dst-addr
    ASSERT_EQ(Control("set-rw " + Cell(UdpOption, "2") + " int 3"), "ok");
    ASSERT_EQ(Control("set-rw " + Cell(MaskState, "2") + " int 3"), "ok");  // src-ipv6-addr
    Open([&](F& form) {
        form.ListView1->SetItemIndex(1);
        ASSERT_EQ(form.ProtoTypeCombo->Text(), "tcp");
        ASSERT_EQ(form.TCPOptionCombo->Text(), "dst-addr");
        EXPECT_TRUE(form.TCPOptionCombo->Enabled());
        EXPECT_FALSE(form.UDPOptionCombo->Enabled());
        EXPECT_FALSE(form.SourcePortEdit->Enabled());
        EXPECT_TRUE(form.DstPortEdit->Enabled());
        EXPECT_TRUE(form.edtSrcMask->Enabled());
        EXPECT_FALSE(form.edtDstMask->Enabled());
        EXPECT_EQ(form.edtDstMask->Color(), ui::clMenu);
        EXPECT_FALSE(form.cbbOwner->Enabled());
        EXPECT_FALSE(form.edtEntries->Enabled());
        EXPECT_FALSE(form.AddButton->Enabled());
        EXPECT_FALSE(form.edtMaskID->Enabled());
        EXPECT_TRUE(form.DeleteButton->Enabled());

        form.ListView1->ClearSelection();
        EXPECT_EQ(form.ProtoTypeCombo->Text(), "none");
        EXPECT_EQ(form.cbxMaskState->Text(), "other");
        EXPECT_EQ(form.cbbOwner->Text(), "any");
        EXPECT_EQ(form.cbxMaskClass->Text(), "disable");
        EXPECT_EQ(form.edtMaskID->Text(), "");
        EXPECT_TRUE(form.edtMaskID->Enabled());
        for (ui::Control* closed :
             std::initializer_list<ui::Control*>{form.TCPOptionCombo, form.DstPortEdit, form.edtSrcMask, form.cbbOwner})
            EXPECT_FALSE(closed->Enabled()) << closed->Name();
        form.edtMaskID->SetText("5");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(Columns(OneSet(), Entry), ElementsAre(MaskClass, FlowLabel, RowStatus));
    });
}

// The profile ID takes one character, 1 to 6: a 7 is refused when the focus leaves the edit, so Add sends nothing.
TEST_F(Ipv6ProfileFormTest, TheProfileIdTakesOneToSix) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        QApplication::setActiveWindow(form.Widget());
        ASSERT_TRUE(TypeOver(form.edtMaskID, "12"));
        EXPECT_EQ(form.edtMaskID->Text(), "1");
        ASSERT_TRUE(TypeOver(form.edtMaskID, "7"));
        EXPECT_FALSE(ClickTakingFocus(form.AddButton));
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_TRUE(NothingSent("SET"));
        ASSERT_TRUE(TypeOver(form.edtMaskID, "6"));
        EXPECT_TRUE(ClickTakingFocus(form.AddButton));
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_THAT(OneSet(), HasSubstr(Cell(RowStatus, "6") + "=INTEGER:4"));
    });
}

TEST_F(Ipv6ProfileFormTest, ChoosingNoProtocolEmptiesThePortMasks) {
    Open([&](F& form) {
        ChooseItem(form.ProtoTypeCombo, "tcp");
        ChooseItem(form.TCPOptionCombo, "dst-src-addr");
        FillMasks(form);
        ChooseItem(form.ProtoTypeCombo, "none");
        EXPECT_EQ(form.SourcePortEdit->Text(), "");
        EXPECT_EQ(form.DstPortEdit->Text(), "");
        ChooseItem(form.ProtoTypeCombo, "tcp");
        EXPECT_EQ(form.SourcePortEdit->Text(), "");
        EXPECT_TRUE(form.SourcePortEdit->Enabled());
    });
}

TEST_F(Ipv6ProfileFormTest, AFailedCheckShowsItsMessageAndSendsNothing) {
    struct Case {
        const char* id;
        const char* message;
    };
    const Case cases[] = {
        {"", "IPv6 Mask ID must be set."},
        {"3", "There is already a record with the same IPv6 Mask ID. Please modify it."},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            boxes.Clear();
            form.edtMaskID->SetText(c.id);
            form.AddButton->SetFocus();
            EXPECT_TRUE(UserClick(form.AddButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE(form.edtMaskID->Focused());
        }
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(Ipv6ProfileFormTest, DeleteSendsRowStatusDestroyAloneUntilTheListIsEmpty) {
    Open([&](F& form) {
        for (int left = 2; left >= 0; --left) {
            MarkLog();
            form.ListView1->SetItemIndex(0);
            const std::string id = form.ListView1->Items()[0]->Caption();
            EXPECT_TRUE(UserClick(form.DeleteButton));
            EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Cell(RowStatus, id) + "=INTEGER:6"));
            EXPECT_EQ(form.ListView1->Items().Count(), left);
            EXPECT_EQ(form.Static->Caption(), std::to_string(left));
            EXPECT_TRUE(form.AddButton->Enabled());
            EXPECT_TRUE(NoInvalidBits(form.Profiles));
        }
    });
}

// A Delete that cannot be sent shows the SET's status line with the error, after the table is read again.
TEST_F(Ipv6ProfileFormTest, AFailedDeleteShowsTheSetStatusLineWithTheError) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.ListView1->SetItemIndex(1);
        form.Profiles.Request()->Request.Device.Address = "256.256.256.256";
        ASSERT_TRUE(UserClick(form.DeleteButton));
        EXPECT_TRUE(NothingSent());
        EXPECT_THAT(Status(form), HasSubstr("Set"));
        EXPECT_THAT(Status(form), HasSubstr("Invalid IP Address or DNS name!"));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.Profiles));
    });
}

}  // namespace
