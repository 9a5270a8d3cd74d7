// The packet content access profiles against the simulator, opened through their menu command: the chunk checks
// with their messages and focus, a disabled chunk neither checked nor sent, the varbinds of Add and Delete, and a
// listed profile ID sent all the same.
#include "AclDialogTest.h"
#include "Packetcontentmaskformunit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Handler = "PacketContentMask1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.8.1";

enum Oid {
    Chunk1State = 2,
    Chunk1Value,
    Chunk1Offset,
    Chunk2State,
    Chunk2Value,
    Chunk2Offset,
    Chunk3State,
    Chunk3Value,
    Chunk3Offset,
    Chunk4State,
    Chunk4Value,
    Chunk4Offset,
    RowStatus,
};

class PktContentMaskFormTest : public DedicatedDialogTest {
protected:
    using F = TPktContentMaskForm;
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
};

TEST_F(PktContentMaskFormTest, OpensWithTheProfilesListedAndEveryChunkDisabled) {
    F* seen = nullptr;
    Open([&](F& form) {
        seen = PktContentMaskForm;
        EXPECT_EQ(form.Caption(), "ACL Packet Content Mask: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.ListView1->Columns().Count(), 16);
        EXPECT_EQ(form.RowCountText, nullptr);
        for (ui::ComboBox* state : {form.cbxChunk1State, form.cbxChunk2State, form.cbxChunk3State, form.cbxChunk4State})
            EXPECT_EQ(state->Text(), "disabled") << state->Name();
        EXPECT_EQ(form.cbxOwner->Text(), "acl");
        EXPECT_FALSE(form.cbxOwner->Enabled());
        EXPECT_FALSE(form.cbxStatus->Visible());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_FALSE(form.DeleteButton->Enabled());
        form.ListView1->SetItemIndex(0);
        EXPECT_FALSE(form.edtProfileID->Enabled());
        EXPECT_TRUE(form.DeleteButton->Enabled());
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(PktContentMaskForm, nullptr);
}

TEST_F(PktContentMaskFormTest, AChunkCheckShowsItsMessageFocusesItsEditAndSendsNothing) {
    struct Case {
        int chunk;  // 0 to 3; -1: none enabled
        const char* value;
        const char* offset;
        const char* message;
        bool focusValue;
    };
    const Case cases[] = {
        {-1, "", "", "Please specify at least one Chunk!", false},
        {1, "", "0000FFFF", "Please specify Chunk2 Value!", true},
        {1, "3", "", "Please specify Chunk2 Offset!", false},
        {0, "3", "0000FFFG", "Chunk1 Offset error!", false},
        {3, "31", "FFFFFFFF0", "Chunk4 Offset error!", false},
        {2, "0", " FF", "Chunk3 Offset error!", false},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        const std::vector<ui::ComboBox*> states = {form.cbxChunk1State, form.cbxChunk2State, form.cbxChunk3State,
                                                   form.cbxChunk4State};
        const std::vector<ui::Edit*> values = {form.edtChunk1Value, form.edtChunk2Value, form.edtChunk3Value,
                                               form.edtChunk4Value};
        const std::vector<ui::Edit*> offsets = {form.edtChunk1Offset, form.edtChunk2Offset, form.edtChunk3Offset,
                                                form.edtChunk4Offset};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            boxes.Clear();
            form.edtProfileID->SetText("9");
            for (ui::ComboBox* state : states) ChooseItem(state, "disabled");
            if (c.chunk >= 0) {
                ChooseItem(states[c.chunk], "enabled");
                values[c.chunk]->SetText(c.value);
                offsets[c.chunk]->SetText(c.offset);
            }
            form.AddButton->SetFocus();
            EXPECT_TRUE(UserClick(form.AddButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            const ui::Control* focus = c.chunk < 0    ? static_cast<ui::Control*>(form.AddButton)
                                       : c.focusValue ? values[c.chunk]
                                                      : offsets[c.chunk];
            EXPECT_TRUE(focus->Focused());
        }
        form.edtProfileID->SetText("");
        boxes.Clear();
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Profile ID must be set."});
        EXPECT_TRUE(form.edtProfileID->Focused());
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

// Chunk 2 disabled with an offset no check would pass: not checked, and only its state goes.
TEST_F(PktContentMaskFormTest, AddSendsEveryStateAndTheEnabledChunksWithCreateAndGo) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.edtProfileID->SetText("5");
        ChooseItem(form.cbxChunk1State, "enabled");
        form.edtChunk1Value->SetText("4");
        form.edtChunk1Offset->SetText("0000ffff");
        form.edtChunk2Value->SetText("99");
        form.edtChunk2Offset->SetText("not hex");
        ChooseItem(form.cbxChunk3State, "enabled");
        form.edtChunk3Value->SetText("31");
        form.edtChunk3Offset->SetText("FF00FF00");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Chunk1State, Chunk1Value, Chunk1Offset, Chunk2State, Chunk3State,
                                                     Chunk3Value, Chunk3Offset, Chunk4State, RowStatus));
        EXPECT_EQ(ValueOf(set, Entry, Chunk1State), "INTEGER:1");
        EXPECT_EQ(ValueOf(set, Entry, Chunk2State), "INTEGER:2");
        EXPECT_EQ(ValueOf(set, Entry, Chunk1Value), "INTEGER:4");
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, Chunk1Offset)), "0000FFFF");
        EXPECT_THAT(set, HasSubstr(Entry + "." + std::to_string(RowStatus) + ".5=INTEGER:4"));
        EXPECT_EQ(form.ListView1->Items().Count(), 4);
        EXPECT_EQ(form.edtProfileID->Text(), "");
        EXPECT_EQ(form.edtChunk1Offset->Text(), "");
        EXPECT_TRUE(NoInvalidBits(form.Profiles));

        // A listed profile ID goes to the switch all the same (an offset may be shorter than 8 digits), which
        // refuses to create it again; the library says so.
        MarkLog();
        ChooseItem(form.cbxChunk3State, "disabled");
        form.edtProfileID->SetText("2");
        form.edtChunk1Value->SetText("1");
        form.edtChunk1Offset->SetText("FF");
        EXPECT_TRUE(UserClick(form.AddButton));
        EXPECT_THAT(OneSet(), HasSubstr(Entry + "." + std::to_string(RowStatus) + ".2=INTEGER:4"));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_THAT(boxes.Calls()[0].Text, HasSubstr("Row Status"));
        EXPECT_EQ(form.ListView1->Items().Count(), 4);
    });
}

TEST_F(PktContentMaskFormTest, DeleteSendsRowStatusDestroyAlone) {
    Open([&](F& form) {
        form.ListView1->SetItemIndex(1);
        EXPECT_TRUE(UserClick(form.DeleteButton));
        EXPECT_THAT(simdialog::Varbinds(OneSet()),
                    ElementsAre(Entry + "." + std::to_string(RowStatus) + ".2=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_TRUE(form.edtProfileID->Enabled());
        EXPECT_TRUE(NoInvalidBits(form.Profiles));
    });
}

// A write that cannot be sent (the request's address went bad) says why in panel 0 and leaves the form usable.
TEST_F(PktContentMaskFormTest, AnExceptionInAWriteIsShownInPanelZero) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.edtProfileID->SetText("6");
        ChooseItem(form.cbxChunk1State, "enabled");
        form.edtChunk1Value->SetText("1");
        form.edtChunk1Offset->SetText("FF");
        form.Profiles.Request()->Request.Device.Address = "256.256.256.256";
        ASSERT_TRUE(UserClick(form.AddButton));
        EXPECT_TRUE(NothingSent());
        EXPECT_EQ(Status(form), "Invalid IP Address or DNS name!");
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_EQ(form.edtProfileID->Text(), "");
        EXPECT_TRUE(NoInvalidBits(form.Profiles));
    });
}

}  // namespace
