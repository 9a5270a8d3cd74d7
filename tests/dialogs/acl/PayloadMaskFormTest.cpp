// The payload mask entries against the simulator (the payload mask table outside the catalogue), opened through their
// menu command: Add and Delete and what they carry (no ports on an Add with none ticked, every port on an Edit), the
// two-window rule, the window messages with the focus on the first window, and the entry ID and row status checks.
#include "AclDialogTest.h"
#include "Usermaskinforunit.h"

#include "ComCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using namespace acltest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Handler = "PayloadMaskInformation1Click";
const std::string Entry = "1.3.6.1.4.1.32473.12.9.2.9.1";

enum Oid { Ports = 2, Window1, Window2, Window3, Window4, Window5, RowStatus };

std::string Cell(int column, const std::string& instance) {
    return Entry + "." + std::to_string(column) + "." + instance;
}

class PayloadMaskFormTest : public DedicatedDialogTest {
protected:
    using F = TUserMaskInfoForm;
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(Entry, "1-3");
    }
    void Open(const std::function<void(F&)>& driver) { RunCommand<F>(Handler, driver); }
    static std::vector<ui::Edit*> Windows(F& f) { return {f.Edit5, f.Edit3, f.Edit4, f.Edit6, f.Edit7}; }
    std::string OneSet() const {
        const std::vector<std::string> sets = Pdus("SET");
        EXPECT_EQ(sets.size(), 1u);
        return sets.empty() ? std::string() : sets[0];
    }
};

TEST_F(PayloadMaskFormTest, OpensOnThePayloadMaskTable) {
    F* seen = nullptr;
    Open([&](F& form) {
        seen = UserMaskInfoForm;
        EXPECT_EQ(form.Caption(), "User Mask Information: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        ASSERT_EQ(form.ListView1->Columns().Count(), 8);
        EXPECT_EQ(form.ListView1->Columns()[0]->Caption(), "Mask Entry ID");
        EXPECT_EQ(form.ComboBox1->Text(), "createAndGo");
        EXPECT_EQ(form.RowCountText, nullptr);
        EXPECT_EQ(form.PageControl1->Pages(0)->Caption(), "Ports");
        form.ListView1->SetItemIndex(0);
        EXPECT_EQ(form.Edit1->Text(), "1");
        EXPECT_EQ(form.Edit5->Text(), std::string(32, 'F'));
        EXPECT_TRUE(form.OperButton->Enabled());
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(UserMaskInfoForm, nullptr);
}

// Add leaves out the ports when none is ticked and every empty window; Delete sends destroy alone.
TEST_F(PayloadMaskFormTest, AddAndDeleteCarryWhatTheyShould) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.Edit1->SetText("200");
        form.Edit3->SetText("1234");
        EXPECT_TRUE(UserClick(form.AddButton));
        std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Window2, RowStatus));
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, Window2)), "1234");
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "200") + "=INTEGER:4"));
        ASSERT_EQ(form.ListView1->Items().Count(), 4);
        EXPECT_EQ(form.Edit1->Text(), "");

        MarkLog();
        form.Edit1->SetText("201");
        form.Ports->PortCheckBoxes[2]->SetChecked(true);
        EXPECT_TRUE(UserClick(form.AddButton));
        set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Ports, RowStatus));
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, Ports)), "2000000000000000");
        EXPECT_FALSE(form.Ports->PortCheckBoxes[2]->Checked());

        MarkLog();
        form.ListView1->SetItemIndex(3);
        ASSERT_EQ(form.Edit1->Text(), "200");
        EXPECT_TRUE(UserClick(form.DeleteButton));
        EXPECT_THAT(simdialog::Varbinds(OneSet()), ElementsAre(Cell(RowStatus, "200") + "=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 4);
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_TRUE(NoInvalidBits(form.Masks));
    });
}

// Edit sends the ports even with none ticked, and the windows that are not empty.
TEST_F(PayloadMaskFormTest, EditSendsThePortsAlways) {
    Open([&](F& form) {
        form.ListView1->SetItemIndex(1);
        for (ui::CheckBox* box : form.Ports->PortCheckBoxes) box->SetChecked(false);
        for (ui::Edit* window : Windows(form)) window->SetText("");
        form.Edit7->SetText("00ff");
        EXPECT_TRUE(UserClick(form.OperButton));
        const std::string set = OneSet();
        EXPECT_THAT(Columns(set, Entry), ElementsAre(Ports, Window5, RowStatus));
        EXPECT_EQ(OctetsHex(ValueOf(set, Entry, Ports)).find_first_not_of('0'), std::string::npos);
        EXPECT_THAT(set, HasSubstr(Cell(RowStatus, "2") + "=INTEGER:1"));
    });
}

TEST_F(PayloadMaskFormTest, ARefusedWriteShowsItsMessageAndSendsNothing) {
    struct Case {
        const char* name;
        std::function<void(F&)> change;
        const char* message;
        std::function<ui::Control*(F&)> focus;
    };
    const auto windows = [](std::vector<std::string> texts) {
        return [=](F& f) {
            for (size_t w = 0; w < texts.size(); ++w) Windows(f)[w]->SetText(texts[w]);
        };
    };
    const auto first = [](F& f) -> ui::Control* { return f.Edit5; };
    const Case cases[] = {
        {"no ID", [](F& f) { f.Edit1->SetText(""); }, "Payload Entry ID must be set.",
         [](F& f) -> ui::Control* { return f.Edit1; }},
        {"listed ID", [](F& f) { f.Edit1->SetText("2"); }, "Payload Entry ID must be different.",
         [](F& f) -> ui::Control* { return f.Edit1; }},
        {"row status", [](F& f) { ChooseItem(f.ComboBox1, "active"); }, "Row State must be createAndGo.",
         [](F& f) -> ui::Control* { return f.ComboBox1; }},
        {"three windows", windows({"01", "", "02", "03"}), "Filtered Ports can not over two groups.", first},
        {"fourth window not hex", windows({std::string(32, '0'), "", "", "0G"}),
         "Filtered Port(s) [48 to 63] can not contain invalid character(s).", first},
    };
    ui::MessageBoxRecorder boxes;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        Open([&](F& form) {
            form.Edit1->SetText("50");
            c.change(form);
            form.AddButton->SetFocus();
            EXPECT_TRUE(UserClick(form.AddButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            EXPECT_TRUE(c.focus(form)->Focused());
            EXPECT_TRUE(Pdus("SET").empty());
            EXPECT_TRUE(NoInvalidBits(form.Masks));
        });
    }
}

// With "destroy" Edit skips the two-window rule, but not the window check.
TEST_F(PayloadMaskFormTest, EditWithDestroySkipsTheTwoWindowRule) {
    ui::MessageBoxRecorder boxes;
    Open([&](F& form) {
        form.ListView1->SetItemIndex(2);
        ChooseItem(form.ComboBox1, "destroy");
        form.Edit5->SetText("01");
        form.Edit3->SetText("02");
        form.Edit4->SetText("03");
        EXPECT_TRUE(UserClick(form.OperButton));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_THAT(OneSet(), HasSubstr(Cell(RowStatus, "3") + "=INTEGER:6"));
        EXPECT_EQ(form.ListView1->Items().Count(), 2);
    });
}

}  // namespace
