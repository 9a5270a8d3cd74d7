// The spanning-tree global settings against the simulator, opened through their menu command: Hello Time by
// version, the timer checks, the objects an MSTP and an RSTP Set send, the progress box after a change of version
// while spanning tree runs, and the main window's version text, changed only by a SET the switch accepted.
#include "DedicatedDialogFixture.h"
#include "ProgressBoxDriver.h"
#include "STPInfo.h"

#include "ComCtrls.h"
#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Handler = "Information2Click";
const std::string StpGroup = "1.3.6.1.4.1.32473.12.15.1";
const std::string State = "1.3.6.1.4.1.32473.11.70.7.2.1.2.1.0";

// The scalar of the settings group at arc.
std::string Oid(int arc) { return StpGroup + "." + std::to_string(arc) + ".0"; }

struct Settings {
    std::string MaxAge, HelloTime, ForwardDelay, MaxHops, LbdRecover;
};

class STPInfoTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        window.StpVersionText = "rstp";
        SetDeviceWindow(&window);
        SeedSwitch(1, 2);
        MarkLog();
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    // The switch runs version (0 stp, 1 rstp, 2 mstp), spanning tree state (2 disabled, 3 enabled).
    static void SeedSwitch(int version, int state) {
        const std::pair<int, int> values[] = {{2, version}, {3, 2000}, {4, 200}, {5, 1500}, {6, 20},
                                              {7, 6},       {8, 3},    {9, 2},   {10, 60},  {11, 1}};
        for (const auto& [arc, value] : values)
            ASSERT_EQ(Control("set-rw " + Oid(arc) + " int " + std::to_string(value)), "ok");
        ASSERT_EQ(Control("set-rw " + State + " int " + std::to_string(state)), "ok");
    }
    void Open(const std::function<void(TSTP_Info&)>& driver) { RunCommand<TSTP_Info>(Handler, driver); }
    static void Fill(TSTP_Info& form, const Settings& settings) {
        form.ET_AgingTime->SetText(settings.MaxAge);
        form.ET_HelloTime->SetText(settings.HelloTime);
        form.ET_ForwardDelay->SetText(settings.ForwardDelay);
        form.ET_Priority->SetText(settings.MaxHops);
        form.ET_LBDRecover->SetText(settings.LbdRecover);
    }

    DeviceWindowValues window;
};

TEST_F(STPInfoTest, OpensWithTheSwitchsSettingsAndKeepsItsDesignSize) {
    ui::TestHooks::SetPixelsPerInch(120);
    Open([&](TSTP_Info& form) {
        EXPECT_EQ(STP_Info, &form);
        EXPECT_EQ(form.Caption(), "Spanning Tree Global Settings: 127.0.0.1");
        EXPECT_EQ(form.Width(), 440);
        EXPECT_EQ(form.Combo_STPVersion->Text(), "rstp");
        EXPECT_EQ(form.ET_AgingTime->Text(), "2000");
        EXPECT_EQ(form.ET_HelloTime->Text(), "200");
        EXPECT_EQ(form.ET_ForwardDelay->Text(), "1500");
        EXPECT_EQ(form.ET_Priority->Text(), "20");
        EXPECT_EQ(form.ED_TxHoldCount->Text(), "6");
        EXPECT_EQ(form.Combo_BPDU->Text(), "enabled");
        EXPECT_EQ(form.Combo_LBD->Text(), "disabled");
        EXPECT_EQ(form.ET_LBDRecover->Text(), "60");
        EXPECT_EQ(form.NNIBPDUADDRESSComboBox->Text(), "dot1d");
        EXPECT_EQ(form.lbMSTPState->Caption(), "disabled");
        EXPECT_FALSE(form.lbMSTPState->Visible());
        EXPECT_FALSE(form.ListView1->Visible());
        ASSERT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.ListView1->Items()[0]->Caption(), "rstp");
        EXPECT_TRUE(form.ET_HelloTime->Enabled());
    });
    EXPECT_EQ(STP_Info, nullptr);
}

TEST_F(STPInfoTest, HelloTimeIsEmptyAndDisabledWhileTheSwitchRunsMstp) {
    window.StpVersionText = "mstp";
    SeedSwitch(2, 2);
    Open([&](TSTP_Info& form) {
        const auto expectMstp = [&](const char* when) {
            EXPECT_FALSE(form.ET_HelloTime->Enabled()) << when;
            EXPECT_EQ(form.ET_HelloTime->Text(), "") << when;
            EXPECT_EQ(form.ET_HelloTime->Color(), ui::clMenu) << when;
        };
        expectMstp("opened");
        EXPECT_TRUE(UserClick(form.BT_Get));
        expectMstp("refreshed");
        EXPECT_EQ(form.ET_AgingTime->Text(), "2000");
        ChooseItem(form.Combo_STPVersion, "rstp");
        EXPECT_TRUE(form.ET_HelloTime->Enabled());
        EXPECT_EQ(form.ET_HelloTime->Text(), "200");
        EXPECT_EQ(form.ET_HelloTime->Color(), ui::clWindow);
        ChooseItem(form.Combo_STPVersion, "mstp");
        expectMstp("mstp chosen");
        // Refresh outside MSTP shows the value read.
        window.StpVersionText = "rstp";
        EXPECT_TRUE(UserClick(form.BT_Get));
        EXPECT_TRUE(form.ET_HelloTime->Enabled());
        EXPECT_EQ(form.ET_HelloTime->Text(), "200");
        EXPECT_EQ(form.ET_HelloTime->Color(), ui::clWindow);
    });
}

TEST_F(STPInfoTest, EachCheckWritesItsMessageIntoTheStatusPanelAndSendsNothing) {
    struct Case {
        const char* Version;
        Settings Values;
        const char* Message;  // empty: the checks pass and the SET goes out
        const char* Box = "";
    };
    const char* empty = "Don't Leave Empty Fileds !";
    const char* lbdWrong = "LBD recover time value is wrong!";
    const char* lbdBox = "LBD recover time should be equal to 0 or between 60-1000000";
    const Case cases[] = {
        {"rstp", {"2000", "200", "1500", "", "60"}, empty},
        {"rstp", {"", "200", "1500", "20", "60"}, empty},
        {"rstp", {"2000", "200", "", "20", "60"}, empty},
        {"rstp", {"2000", "200", "1500", "20", ""}, empty},
        {"rstp", {"2000", "", "1500", "20", "60"}, empty},
        {"mstp", {"2000", "", "1500", "20", "60"}, ""},  // Hello Time does not matter in MSTP
        {"rstp", {"2801", "200", "1500", "20", "60"}, "Data Error !"},
        {"rstp", {"2800", "200", "1500", "20", "60"}, ""},
        {"mstp", {"2801", "", "1500", "20", "60"}, "Data Error !"},
        {"rstp", {"599", "200", "1500", "20", "60"}, "Data Error !"},
        {"rstp", {"600", "200", "1500", "20", "60"}, ""},
        {"rstp", {"799", "300", "1500", "20", "60"}, "Data Error !"},
        {"rstp", {"800", "300", "1500", "20", "60"}, ""},
        {"rstp", {"2000", "200", "1500", "65536", "60"}, "Priority value is wrong!"},
        {"rstp", {"2000", "200", "1500", "20", "59"}, lbdWrong, lbdBox},
        {"rstp", {"2000", "200", "1500", "20", "1000001"}, lbdWrong, lbdBox},
        {"rstp", {"2000", "200", "1500", "20", "-"}, lbdWrong, lbdBox},  // not a number,
        {"rstp", {"2000", "200", "1500", "20", "0"}, ""},
        {"rstp", {"2000", "200", "1500", "20", "1000000"}, ""},
    };
    Open([&](TSTP_Info& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.Version) + " " + c.Values.MaxAge + "/" + c.Values.HelloTime + "/" +
                         c.Values.ForwardDelay + "/" + c.Values.MaxHops + "/" + c.Values.LbdRecover);
            ui::MessageBoxRecorder boxes;
            MarkLog();
            form.StatusBar1->Panels()[0]->SetText("");
            ChooseItem(form.Combo_STPVersion, c.Version);
            Fill(form, c.Values);
            window.StpVersionText = "before";  // spanning tree is disabled: no progress box
            EXPECT_TRUE(UserClick(form.BT_Set));
            if (*c.Message) {
                EXPECT_EQ(Status(form), c.Message);
                EXPECT_TRUE(Pdus("SET").empty());
                EXPECT_EQ(window.StpVersionText, "before");
            } else {
                EXPECT_EQ(Pdus("SET").size(), 1u);
                EXPECT_EQ(window.StpVersionText, c.Version);
            }
            if (*c.Box) {
                ASSERT_EQ(boxes.Calls().size(), 1u);
                EXPECT_EQ(boxes.Calls()[0].Text, c.Box);
            } else {
                EXPECT_TRUE(boxes.Calls().empty());
            }
        }
    });
}

TEST_F(STPInfoTest, ANonNumericTimerIsShownThroughTheStatusTemplateAndChangesNothing) {
    Open([&](TSTP_Info& form) {
        window.StpVersionText = "rstp";
        ChooseItem(form.Combo_STPVersion, "mstp");
        // The edits' input rules let a lone sign through.
        Fill(form, {"-", "", "1500", "20", "60"});
        EXPECT_TRUE(UserClick(form.BT_Set));
        EXPECT_THAT(Status(form), HasSubstr("'-' is not a valid integer value"));
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_EQ(window.StpVersionText, "rstp");
    });
}

TEST_F(STPInfoTest, MstpWritesNineObjectsWithoutHelloTimeAndTheOtherVersionsAllTen) {
    Open([&](TSTP_Info& form) {
        Fill(form, {"2400", "300", "1600", "30", "120"});
        form.ED_TxHoldCount->SetText("4");
        ChooseItem(form.Combo_LBD, "enabled");
        ChooseItem(form.Combo_STPVersion, "mstp");
        form.ET_HelloTime->SetText("300");  // not written in MSTP, whatever it holds
        EXPECT_TRUE(UserClick(form.BT_Set));
        ChooseItem(form.Combo_STPVersion, "stp");
        form.ET_HelloTime->SetText("300");
        EXPECT_TRUE(UserClick(form.BT_Set));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_THAT(Varbinds(sets[0]),
                    ElementsAre(Oid(2) + "=INTEGER:2", Oid(3) + "=INTEGER:2400", Oid(5) + "=INTEGER:1600",
                                Oid(6) + "=INTEGER:30", Oid(7) + "=INTEGER:4", Oid(8) + "=INTEGER:3",
                                Oid(9) + "=INTEGER:3", Oid(10) + "=INTEGER:120", Oid(11) + "=INTEGER:1"));
        EXPECT_THAT(Varbinds(sets[1]),
                    ElementsAre(Oid(2) + "=INTEGER:0", Oid(3) + "=INTEGER:2400", Oid(4) + "=INTEGER:300",
                                Oid(5) + "=INTEGER:1600", Oid(6) + "=INTEGER:30", Oid(7) + "=INTEGER:4",
                                Oid(8) + "=INTEGER:3", Oid(9) + "=INTEGER:3", Oid(10) + "=INTEGER:120",
                                Oid(11) + "=INTEGER:1"));
        EXPECT_EQ(window.StpVersionText, "stp");
        // The controls keep the values as typed; nothing is read back.
        EXPECT_EQ(form.ET_AgingTime->Text(), "2400");
        EXPECT_TRUE(Pdus("GET").empty());
    });
}

TEST_F(STPInfoTest, AVersionChangeWhileSpanningTreeRunsHoldsTheDialogInTheProgressBox) {
    struct Case {
        int State;
        const char* Chosen;
        bool Progress;
    };
    for (const Case c : {Case{3, "mstp", true}, Case{2, "mstp", false}, Case{3, "rstp", false}}) {
        SCOPED_TRACE(std::string(c.Chosen) + " state " + std::to_string(c.State));
        SeedSwitch(1, c.State);
        window.StpVersionText = "rstp";
        Open([&](TSTP_Info& form) {
            ProgressRun run;
            DriveNextProgressBox(run, 100);
            ChooseItem(form.Combo_STPVersion, c.Chosen);
            EXPECT_TRUE(UserClick(form.BT_Set));
            EXPECT_EQ(Pdus("SET").size(), 1u);
            EXPECT_EQ(window.StpVersionText, c.Chosen);
            EXPECT_EQ(ProgressForm2, nullptr);
            if (!c.Progress) {
                EXPECT_FALSE(run.Shown);
                EXPECT_TRUE(TakeUnusedModalDriver());
                return;
            }
            EXPECT_TRUE(run.Shown);
            EXPECT_TRUE(run.Published);
            EXPECT_EQ(run.Caption, "Set STP Progress");
            EXPECT_EQ(run.Prompt, "Change STP Version is doing...");
            EXPECT_TRUE(run.TimerRunning);
            EXPECT_EQ(run.Interval, 1000);
            EXPECT_EQ(run.TickBudget, 30);
            EXPECT_EQ(run.ClosedOnTick, 31);
        });
    }
}

TEST_F(STPInfoTest, ARefusedSetShowsItsErrorWithoutProgressAndLeavesTheVersionText) {
    SeedSwitch(1, 3);
    Open([&](TSTP_Info& form) {
        ui::MessageBoxRecorder boxes;
        ProgressRun run;
        DriveNextProgressBox(run, 100);
        ASSERT_EQ(Control("error " + StpGroup + " wrongValue 1"), "ok");
        ChooseItem(form.Combo_STPVersion, "mstp");
        EXPECT_TRUE(UserClick(form.BT_Set));
        EXPECT_EQ(Pdus("SET").size(), 1u);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        EXPECT_FALSE(run.Shown);
        EXPECT_TRUE(TakeUnusedModalDriver());
        EXPECT_EQ(window.StpVersionText, "rstp");
    });
}

// The MSTP group could not be read when the dialog opened, so its row is missing: an MSTP Set shows the error in
// panel 0, sends nothing and leaves the main window's version text.
TEST_F(STPInfoTest, AnMstpSetWithoutTheMstpRowShowsTheErrorAndSendsNothing) {
    ASSERT_EQ(Control("error " + Oid(3) + " genErr 1"), "ok");  // the first read naming Max Age: the MSTP group's
    ui::MessageBoxRecorder boxes;
    Open([&](TSTP_Info& form) {
        ASSERT_EQ(form.ListView1->Items().Count(), 0);
        EXPECT_EQ(form.ET_AgingTime->Text(), "2000");  // the settings themselves were read
        boxes.Clear();
        ChooseItem(form.Combo_STPVersion, "mstp");
        Fill(form, {"2400", "", "1600", "30", "120"});
        ASSERT_TRUE(UserClick(form.BT_Set));
        EXPECT_THAT(Status(form), HasSubstr("List index out of bounds"));
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_TRUE(NothingSent("SET"));
        EXPECT_EQ(window.StpVersionText, "rstp");
    });
}

}  // namespace
