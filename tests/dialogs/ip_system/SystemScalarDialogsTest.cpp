// The system dialogs over groups of scalars against the simulator: log save settings, RMON probe information,
// equipment basic information and the current time. What each Set writes, what it refuses, and what is read again.
#include "Currenttime.h"
#include "Equipmentbasicinfoformunit.h"
#include "IpSystemDialogTest.h"
#include "Logsavecontrolsetting.h"
#include "Probebasicinformationformunit.h"

#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using namespace ipsystemtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

const std::string LogSave = "1.3.6.1.4.1.32473.12.12.3";
const std::string Probe = "1.3.6.1.2.1.16.19";
const std::string Equipment = "1.3.6.1.4.1.32473.12.11.1";
const std::string Time = "1.3.6.1.4.1.32473.12.10";

class SystemScalarDialogsTest : public DedicatedDialogTest {
protected:
    static void SetInt(const std::string& oid, int value) {
        ASSERT_EQ(Control("set-rw " + oid + " int " + std::to_string(value)), "ok");
    }
};

TEST_F(SystemScalarDialogsTest, LogSaveWritesTheIntervalOnlyWithTheTimeIntervalMethod) {
    SetInt(LogSave + ".1.0", 1);
    SetInt(LogSave + ".2.0", 10);
    ui::MessageBoxRecorder boxes;
    RunCommand<TLogSaveControlForm>("SystemLogSaveControl1Click", [&](TLogSaveControlForm& form) {
        EXPECT_EQ(form.Caption(), "System Log Save Settings: 127.0.0.1");
        EXPECT_EQ(form.cbxLogSaveMethod->Text(), "time-interval");
        EXPECT_TRUE(form.EdLogSavetimeInterval->Enabled());
        form.EdLogSavetimeInterval->SetText("");
        TypeText(form.EdLogSavetimeInterval, "0");
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_THAT(BoxTexts(boxes), ElementsAre("Time Interval Can't be 0!"));
        EXPECT_TRUE(NothingSent());

        form.EdLogSavetimeInterval->SetText("");
        TypeText(form.EdLogSavetimeInterval, "30");
        ASSERT_TRUE(UserClick(form.btnSet));
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], LogSave), ElementsAre("1.0=INTEGER:1", "2.0=INTEGER:30"));

        MarkLog();
        ChooseItem(form.cbxLogSaveMethod, "on-demand");
        EXPECT_FALSE(form.EdLogSavetimeInterval->Enabled());
        ASSERT_TRUE(UserClick(form.btnSet));
        sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], LogSave), ElementsAre("1.0=INTEGER:2"));
        EXPECT_FALSE(Pdus("GET").empty());  // read again
        EXPECT_EQ(form.cbxLogSaveMethod->Text(), "on-demand");
        EXPECT_EQ(boxes.Calls().size(), 1u);
    });
}

TEST_F(SystemScalarDialogsTest, LogSaveWithoutAMethodAsksForOneAndShowsTheSwitchsAgain) {
    ASSERT_EQ(Control("remove " + LogSave + ".1.0"), "ok");  // no method read
    ui::MessageBoxRecorder boxes;
    RunCommand<TLogSaveControlForm>("SystemLogSaveControl1Click", [&](TLogSaveControlForm& form) {
        EXPECT_EQ(form.cbxLogSaveMethod->ItemIndex(), -1);
        EXPECT_FALSE(form.EdLogSavetimeInterval->Enabled());
        SetInt(LogSave + ".1.0", 3);
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_THAT(BoxTexts(boxes), ElementsAre("You should choose Log Save Method."));
        EXPECT_TRUE(NothingSent("SET"));
        EXPECT_EQ(form.cbxLogSaveMethod->Text(), "log-trigger");
    });
}

TEST_F(SystemScalarDialogsTest, LogSaveKeepsItsDesignedSize) {
    ui::TestHooks::SetPixelsPerInch(120);
    RunCommand<TLogSaveControlForm>("SystemLogSaveControl1Click", [&](TLogSaveControlForm& form) {
        EXPECT_EQ(form.Width(), 380);
        EXPECT_EQ(form.Height(), 150);
    });
}

TEST_F(SystemScalarDialogsTest, TheProbeShowsItsFixedCapabilitiesAndSetWritesTheResetControlAlone) {
    ASSERT_EQ(Control("set " + Probe + ".1.0 hex 01"), "ok");
    SetInt(Probe + ".5.0", 2);
    ui::MessageBoxRecorder boxes;
    RunCommand<TProbeBasicInformationForm>("ProbeBasicInformation1Click", [&](TProbeBasicInformationForm& form) {
        EXPECT_EQ(form.Caption(), "Probe Basic Information: 127.0.0.1");
        EXPECT_EQ(form.stCap->Caption(), "etherStats,historyControl,etherHistory,alarm,event,probeConfig");
        EXPECT_FALSE(form.edtCap->Visible());
        EXPECT_EQ(form.cbxReset->Text(), "warmBoot");
        ChooseItem(form.cbxReset, "running");
        ASSERT_TRUE(UserClick(form.btnSet));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Probe), ElementsAre("5.0=INTEGER:1"));
        EXPECT_THAT(Pdus("GET"), IsEmpty());  // not read again
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
    });
}

TEST_F(SystemScalarDialogsTest, EquipmentSetWritesModeAndForceMasterWithTheLongerTimeout) {
    SetInt(Equipment + ".2.0", 1);
    SetInt(Equipment + ".3.0", 2);
    ui::MessageBoxRecorder boxes;
    RunCommand<TEquipmentBasicInfoForm>("Test1Click", [&](TEquipmentBasicInfoForm& form) {
        EXPECT_EQ(form.Caption(), "Equipment Management Basic Information: 127.0.0.1");
        EXPECT_EQ(form.Edit1->Text(), "Fan, Redundant Power and Stacking");
        EXPECT_FALSE(form.cbxTopology->Enabled());
        ChooseItem(form.StackModeComboBox, "disabled");
        ASSERT_TRUE(UserClick(form.bbtnSet));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(ColumnVarbinds(sets[0], Equipment), ElementsAre("2.0=INTEGER:2", "3.0=INTEGER:2"));
        EXPECT_FALSE(Pdus("GET").empty());
        EXPECT_EQ(form.StackModeComboBox->Text(), "disabled");
        EXPECT_FALSE(form.cbxTopology->Enabled());
        EXPECT_EQ(form.EquipmentScalars.Request()->Request.Timeout, 500);
        ASSERT_TRUE(UserClick(form.BitBtn1));
        EXPECT_EQ(form.EquipmentScalars.Request()->Request.Timeout, 500);
        EXPECT_THAT(BoxTexts(boxes), IsEmpty());
    });
}

TEST_F(SystemScalarDialogsTest, TheTimeCapacityIsDecodedFromItsBits) {
    struct Case {
        const char* Hex;
        const char* Shown;
    };
    for (const Case c : {Case{"F0", " systemTime,SNTP,SummerTime,realTimeClock"}, Case{"80", " systemTime"},
                         Case{"40", " ,SNTP"}, Case{"00", " "}}) {
        SCOPED_TRACE(c.Hex);
        ASSERT_EQ(Control("set " + Time + ".1.0 hex " + c.Hex), "ok");
        OpenWhenIdle<TCurrentTimeForm>(
            "Time1Click", [](TCurrentTimeForm& form) -> DialogTable& { return form.TimeScalars; },
            [&](TCurrentTimeForm& form) {
                EXPECT_EQ(form.Caption(), "Current Time: 127.0.0.1");
                EXPECT_EQ(form.timecapacityEdit->Text(), c.Shown);
                EXPECT_FALSE(form.timecapacityEdit->Enabled());
                EXPECT_FALSE(form.cbxReset->Enabled());
            });
    }
}

TEST_F(SystemScalarDialogsTest, SetWritesTheClockTextAloneAndRefusesAnEmptyOne) {
    ui::MessageBoxRecorder boxes;
    OpenWhenIdle<TCurrentTimeForm>(
        "Time1Click", [](TCurrentTimeForm& form) -> DialogTable& { return form.TimeScalars; },
        [&](TCurrentTimeForm& form) {
            form.currentclockEdit->SetText("");
            ASSERT_TRUE(UserClick(form.SetButton));
            EXPECT_THAT(BoxTexts(boxes), ElementsAre("The Current Edit should not be empty!"));
            EXPECT_TRUE(NothingSent());
            TypeText(form.currentclockEdit, "2024-3-5,13:30:15.0");
            ASSERT_TRUE(UserClick(form.SetButton));
            ASSERT_TRUE(WaitIdle(form.TimeScalars));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            const std::vector<std::string> varbinds = ColumnVarbinds(sets[0], Time);
            ASSERT_EQ(varbinds.size(), 1u);
            EXPECT_THAT(varbinds[0], StartsWith("2.0=HEX:07E803050D1E0F00"));
            EXPECT_THAT(Pdus("GETNEXT"), IsEmpty());
            EXPECT_THAT(Pdus("GET"), IsEmpty());
            EXPECT_EQ(boxes.Calls().size(), 1u);
        });
}

}  // namespace
