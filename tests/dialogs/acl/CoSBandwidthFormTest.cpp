// CoS bandwidth control against the simulator, opened through its menu command: "No Limit" shown for a rate of 0 and
// written back as 0, both rates of the row in the one SET, the rate bounds and messages, and the guards while a walk
// runs (Refresh and Edit refused, Stop ending it).
#include "AclDialogTest.h"
#include "Cosbrandctrltable.h"

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

constexpr const char* Handler = "CoSBandwidthControlSettings1Click";
const std::string Entry = "1.3.6.1.4.1.32473.11.70.7.2.6.7.1";

enum Oid { MinRate = 3, MaxRate = 4 };

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class CoSBandwidthFormTest : public DedicatedDialogTest {
protected:
    using F = TCoSBrandwidthctrlForm;
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1.0 1.1 2.0");
        for (const char* row : {"1.0", "1.1", "2.0"}) {
            ASSERT_EQ(Control("set-rw " + Cell(MinRate, row) + " int 0"), "ok");
            ASSERT_EQ(Control("set-rw " + Cell(MaxRate, row) + " int 2048"), "ok");
        }
        ASSERT_EQ(Control("set-rw " + Cell(MaxRate, "2.0") + " int 0"), "ok");
    }
    void Open(const std::function<void(F&)>& driver) {
        OpenWhenWalked<F>(
            Handler, [](F& form) -> DialogTable& { return form.Rates; }, driver);
    }
    // Selects row, chooses type (none when empty) and the rate, clicks Edit and waits for the re-read.
    void EditRow(F& form, int row, const char* type, const char* rate) {
        form.ListView1->SetItemIndex(row);
        if (*type) ChooseItem(form.Typecbx, type);
        form.rateEdit->SetText(rate);
        ASSERT_TRUE(UserClick(form.EditButton));
        ASSERT_TRUE(WaitWalk(form.Rates));
    }
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
};

TEST_F(CoSBandwidthFormTest, ARateOfZeroShowsAsNoLimit) {
    Open([&](F& form) {
        EXPECT_EQ(form.Caption(), "CoS Bandwidth Control Settings: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        EXPECT_EQ(form.ListView1->Items()[0]->SubItems()[1], "No Limit");
        EXPECT_EQ(form.ListView1->Items()[0]->SubItems()[2], "2048");
        EXPECT_EQ(form.ListView1->Items()[2]->SubItems()[2], "No Limit");
        EXPECT_FALSE(form.EditButton->Enabled());
        form.ListView1->SetItemIndex(1);
        EXPECT_TRUE(form.EditButton->Enabled());
        EXPECT_EQ(form.PortText->Caption(), "1");
        EXPECT_EQ(form.ClassIDText->Caption(), "1");
    });
}

// The new rate in its column, the row's other rate as it stands; "No Limit" goes back as 0.
TEST_F(CoSBandwidthFormTest, EditSendsBothRatesOfTheRow) {
    struct Case {
        int row;
        const char* type;
        const char* rate;
        bool noLimit;
        const char* instance;
        const char* min;
        const char* max;
    };
    const Case cases[] = {
        {2, "", "100", false, "2.0", "INTEGER:0", "INTEGER:0"},  // no type chosen yet: both as they stand
        {0, "Max Rate", "4096", false, "1.0", "INTEGER:0", "INTEGER:4096"},
        {1, "Min Rate", "64", false, "1.1", "INTEGER:64", "INTEGER:2048"},
        {1, "Max Rate", "", true, "1.1", "INTEGER:64", "INTEGER:0"},
        {0, "Min Rate", "1024000", false, "1.0", "INTEGER:1024000", "INTEGER:4096"},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.instance) + " " + c.type + " " + c.rate);
            MarkLog();
            form.NOLIMITRBT->SetChecked(c.noLimit);
            if (c.noLimit) {
                EXPECT_EQ(form.rateEdit->Text(), "0");
                EXPECT_FALSE(form.rateEdit->Enabled());
            }
            EditRow(form, c.row, c.type, c.noLimit ? "0" : c.rate);
            const std::string set = OneSet();
            EXPECT_THAT(Columns(set, Entry), ElementsAre(MinRate, MaxRate));
            EXPECT_THAT(set, HasSubstr(Cell(MinRate, c.instance) + "=" + c.min));
            EXPECT_THAT(set, HasSubstr(Cell(MaxRate, c.instance) + "=" + c.max));
            EXPECT_FALSE(Pdus("GETNEXT").empty());
            form.NOLIMITRBT->SetChecked(false);
        }
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(form.ListView1->Items()[0]->SubItems()[1], "1024000");
    });
}

TEST_F(CoSBandwidthFormTest, ARateOutsideItsBoundsOrNoNumberIsRefused) {
    struct Case {
        const char* rate;
        const char* message;  // empty: the conversion error in panel 0
    };
    const Case cases[] = {
        {"", "Please input a rate number!"},
        {"63", "Please input a number between 64 and 1024000!"},
        {"1024001", "Please input a number between 64 and 1024000!"},
        {"fast", ""},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.ListView1->SetItemIndex(0);
        ChooseItem(form.Typecbx, "Max Rate");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.rate);
            boxes.Clear();
            form.rateEdit->SetText(c.rate);
            ASSERT_TRUE(UserClick(form.EditButton));
            if (*c.message) {
                EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            } else {
                EXPECT_TRUE(boxes.Calls().empty());
                EXPECT_EQ(Status(form), "'fast' is not a valid integer value");
            }
        }
        EXPECT_TRUE(NothingSent("SET"));
    });
}

TEST_F(CoSBandwidthFormTest, WhileAWalkRunsRefreshAndEditAreRefusedAndStopEndsIt) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.Rates, *form.ListView1, form.GetButton, Cell(MinRate, "1.0")));
        EXPECT_TRUE(UserClick(form.GetButton));
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not complete!"});
        form.ListView1->SetItemIndex(0);
        form.rateEdit->SetText("100");
        ChooseItem(form.Typecbx, "Min Rate");
        EXPECT_TRUE(UserClick(form.EditButton));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete!", "Get data not complete"}));
        EXPECT_TRUE(NothingSent("SET"));
        EXPECT_TRUE(UserClick(form.StopButton));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitIdle(form.Rates));
        boxes.Clear();
        EXPECT_TRUE(UserClick(form.GetButton));
        ASSERT_TRUE(WaitWalk(form.Rates));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
    });
}

}  // namespace
