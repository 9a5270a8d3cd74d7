// The layer-2 device global settings against the simulator, opened through their menu command: the apply boxes
// (exactly the checked rows written, empty checked fields refused), the server ports read only while their server
// is enabled, the port read again around a pause after Set Checked, and the read after the write whose exception
// reaches the application.
#include "DedicatedDialogFixture.h"
#include "Layer2ControlUnit.h"

#include "Application.h"
#include "DialogPause.h"
#include "NxSNMPSession.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Handler = "DeviceControl1Click";
const std::string Settings = "1.3.6.1.4.1.32473.11.70.7.2.1.2.";
const std::string WebState = Settings + "13.1.0";
const std::string WebPort = Settings + "13.2.0";
const std::string TelnetState = Settings + "14.1.0";
const std::string TelnetPort = Settings + "14.2.0";

class Layer2ControlFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        for (const std::string& line : {"set-rw " + WebState + " int 3", "set-rw " + WebPort + " int 80",
                                        "set-rw " + TelnetState + " int 2", "set-rw " + TelnetPort + " int 23",
                                        "set-rw " + Settings + "4.0 int 3", "set-rw " + Settings + "7.0 int 1"})
            ASSERT_EQ(Control(line), "ok") << line;
        SetDialogPauseHook([this](int ms) {
            pauses_.push_back(ms);
            if (duringPause_) duringPause_();
        });
    }
    void TearDown() override {
        SetDialogPauseHook({});
        DefaultSNMPSecurity.Version = savedVersion_;
        ui::Application::Instance().OnException = nullptr;
        DedicatedDialogTest::TearDown();
    }
    void Open(const std::function<void(TLayer2ControlForm&)>& driver) {
        RunCommand<TLayer2ControlForm>(Handler, driver);
    }
    // Reads of oid since the mark.
    int Reads(const std::string& oid) const {
        int reads = 0;
        for (const std::string& line : Pdus("GET"))
            if (line.find(" " + oid + "=NULL") != std::string::npos) ++reads;
        return reads;
    }

    std::vector<int> pauses_;
    std::function<void()> duringPause_;
    uint8_t savedVersion_ = DefaultSNMPSecurity.Version;
};

TEST_F(Layer2ControlFormTest, OpensWithTheSettingsAndReadsOnlyTheEnabledServersPort) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLayer2ControlForm& form) {
        EXPECT_EQ(Layer2ControlForm, &form);
        EXPECT_EQ(form.Caption(), "Layer 2 Device Global Settings: 127.0.0.1");
        EXPECT_EQ(form.RmonComBo->Text(), "enabled");
        EXPECT_EQ(form.edtMVlanID->Text(), "1");
        EXPECT_EQ(form.IPConfigComBo->Items().Count(), 2);
        EXPECT_EQ(form.IPConfigComBo->Items()[0], "enabled");  // 1 enabled, 2 disabled on this row
        EXPECT_EQ(form.WebStateComBo->Text(), "enabled");
        EXPECT_EQ(form.WebPortEdit->Text(), "80");
        EXPECT_TRUE(form.WebPortEdit->Enabled());
        // The telnet server is disabled: its port is not read, the edit is grey and its box cannot be checked.
        EXPECT_EQ(form.TelStateComBo->Text(), "disabled");
        EXPECT_EQ(form.TelPortEdit->Text(), "");
        EXPECT_FALSE(form.TelPortEdit->Enabled());
        EXPECT_EQ(form.TelPortEdit->Color(), ui::clScrollBar);
        EXPECT_FALSE(form.CheckBox9->Enabled());
        ASSERT_TRUE(UserClick(form.CheckButton));
        EXPECT_TRUE(form.CheckBox1->Checked());
        EXPECT_TRUE(form.CheckBox19->Checked());
        EXPECT_TRUE(form.CheckBox7->Checked());
        EXPECT_FALSE(form.CheckBox9->Checked());
        ASSERT_TRUE(UserClick(form.ClearButton));
        EXPECT_FALSE(form.CheckBox1->Checked());
        EXPECT_FALSE(form.CheckBox7->Checked());
        // Enabling the telnet server in the form frees its port row; disabling it again empties and locks it.
        ChooseItem(form.TelStateComBo, "enabled");
        EXPECT_TRUE(form.TelPortEdit->Enabled());
        EXPECT_EQ(form.TelPortEdit->Color(), ui::clWindow);
        EXPECT_TRUE(form.CheckBox9->Enabled());
        form.CheckBox9->SetChecked(true);
        form.TelPortEdit->SetText("2323");
        ChooseItem(form.TelStateComBo, "disabled");
        EXPECT_EQ(form.TelPortEdit->Text(), "");
        EXPECT_FALSE(form.CheckBox9->Checked());
        EXPECT_FALSE(form.CheckBox9->Enabled());
        EXPECT_TRUE(NothingSent());
    });
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(Layer2ControlForm, nullptr);
}

TEST_F(Layer2ControlFormTest, SetCheckedWritesExactlyTheCheckedRowsThenReadsThePortAroundAPause) {
    struct Case {
        const char* name;
        uint8_t version;
        int pause;
    };
    const Case cases[] = {{"SNMPv2c", 1, 800}, {"SNMPv3", 3, 1500}};
    ui::MessageBoxRecorder boxes;
    Open([&](TLayer2ControlForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            pauses_.clear();
            MarkLog();
            // Only the pause follows the version: the dialog's requests keep the security they were built with.
            DefaultSNMPSecurity.Version = c.version;
            int readsBeforePause = -1;
            duringPause_ = [&] {
                readsBeforePause = Reads(WebPort);
                EXPECT_EQ(form.WebPortEdit->Text(), "");
                EXPECT_TRUE(form.WebPortEdit->ReadOnly());
            };
            form.CheckBox3->SetChecked(true);
            ChooseItem(form.RmonComBo, "disabled");
            ASSERT_TRUE(UserClick(form.SetButton));
            DefaultSNMPSecurity.Version = savedVersion_;
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Settings + "4.0=INTEGER:2"));
            EXPECT_EQ(pauses_, std::vector<int>{c.pause});
            EXPECT_EQ(readsBeforePause, 1);
            EXPECT_EQ(Reads(WebPort), 2);
            EXPECT_EQ(Reads(TelnetPort), 0);
            EXPECT_FALSE(form.WebPortEdit->ReadOnly());
            EXPECT_EQ(form.WebPortEdit->Text(), "80");
            EXPECT_EQ(Reads(Settings + "4.0"), 1);  // the settings read again after the SET
            EXPECT_TRUE(NoInvalidBits(form.GlobalRequest));
            ChooseItem(form.RmonComBo, "enabled");
        }
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

TEST_F(Layer2ControlFormTest, ACheckedPortIsWrittenWithoutAPauseAndNothingCheckedWritesNoSetting) {
    Open([&](TLayer2ControlForm& form) {
        form.CheckBox7->SetChecked(true);
        form.WebPortEdit->SetText("8080");
        ASSERT_TRUE(UserClick(form.SetButton));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);  // no setting is checked: only the port
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(WebPort + "=INTEGER:8080"));
        EXPECT_TRUE(pauses_.empty());
        EXPECT_EQ(form.WebPortEdit->Text(), "8080");
    });
}

TEST_F(Layer2ControlFormTest, ACheckedEmptyFieldIsRefusedWithItsFocusAndNothingIsSent) {
    struct Case {
        const char* name;
        std::function<ui::CheckBox*(TLayer2ControlForm&)> box;
        std::function<ui::Edit*(TLayer2ControlForm&)> edit;
    };
    const Case cases[] = {
        {"management VLAN", [](TLayer2ControlForm& f) { return f.CheckBox11; },
         [](TLayer2ControlForm& f) { return f.edtMVlanID; }},
        {"web port", [](TLayer2ControlForm& f) { return f.CheckBox7; },
         [](TLayer2ControlForm& f) { return f.WebPortEdit; }},
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TLayer2ControlForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            boxes.Clear();
            MarkLog();
            form.CheckBox1->SetChecked(true);  // a full row before it does not help
            c.box(form)->SetChecked(true);
            c.edit(form)->SetText("");
            ASSERT_TRUE(UserClick(form.SetButton));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Some Checked fields are empty."});
            EXPECT_TRUE(c.edit(form)->Focused());
            EXPECT_TRUE(NothingSent());
            c.box(form)->SetChecked(false);
        }
    });
}

TEST_F(Layer2ControlFormTest, AFailedWriteShowsItsMessageAndTheFailedReadAfterItReachesTheApplication) {
    std::vector<std::string> caught;
    ui::Application::Instance().OnException = [&](ui::Component*, const std::exception& e) {
        caught.push_back(e.what());
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TLayer2ControlForm& form) {
        form.CheckBox3->SetChecked(true);
        form.GlobalRequest.Request()->Request.Device.Address = "";  // no address to send to
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_FALSE(Status(form).empty());
        ASSERT_EQ(caught.size(), 1u);
        EXPECT_EQ(caught[0], Status(form));
        EXPECT_TRUE(NoInvalidBits(form.GlobalRequest));
        EXPECT_TRUE(NothingSent());
        // The dialog stays usable: the ports still answer.
        ASSERT_TRUE(UserClick(form.GetButton));
        EXPECT_EQ(form.WebPortEdit->Text(), "80");
    });
}

TEST_F(Layer2ControlFormTest, AnAgentRefusalIsShownAndTheRowsAreReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLayer2ControlForm& form) {
        ASSERT_EQ(Control("error " + Settings + "4 wrongValue 1"), "ok");
        form.CheckBox3->SetChecked(true);
        ChooseItem(form.RmonComBo, "disabled");
        ASSERT_TRUE(UserClick(form.SetButton));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(form.RmonComBo->Text(), "enabled");  // what the switch still holds
        EXPECT_TRUE(NoInvalidBits(form.GlobalRequest));
    });
}

TEST_F(Layer2ControlFormTest, AClosingAskedForDuringThePauseIsDoneAfterIt) {
    ui::MessageBoxRecorder boxes;
    Open([&](TLayer2ControlForm& form) {
        duringPause_ = [&] {
            form.CloseButton->Click();
            ui::Application::Instance().ProcessMessages();
            EXPECT_TRUE(form.Visible());
            form.SetButton->Click();  // no second write within the first
            form.GetButton->Click();
        };
        ASSERT_TRUE(UserClick(form.SetButton));
        EXPECT_EQ(Reads(WebPort), 2);  // the read after the pause still ran
        EXPECT_EQ(pauses_.size(), 1u);
        EXPECT_EQ(Reads(Settings + "4.0"), 1);
    });
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(Layer2ControlForm, nullptr);
}

}  // namespace
