// The four transceiver diagnostics (DDM) dialogs against the simulator, opened through their menu commands: what
// each shows and writes, the size of the table dialogs, and the thresholds shown in units and written back in
// thousandths.
#include "ComCtrls.h"
#include "DDMDialogs.h"
#include "DedicatedDialogFixture.h"

#include "GUIConfigForm.h"
#include "GUIListViewPanel.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string Ddm = "1.3.6.1.4.1.32473.12.72";
const std::string ThresholdEntry = Ddm + ".3.1.1.1";

class DDMDialogsTest : public DedicatedDialogTest {
protected:
    // Runs the command of handler; driver gets the dialog and its panel once the first read has ended.
    template <typename Panel>
    void Open(const char* handler, const std::function<void(TConfigForm&, Panel&)>& driver) {
        RunCommand<TConfigForm>(handler, [&](TConfigForm& form) {
            ASSERT_EQ(form.Requests.size(), 1u);
            NxSNMPRequest2Edits& request = *form.Requests[0];
            ASSERT_TRUE(RunUntil([&] { return !request.Busy; }));
            Panel* panel = FindOwned<Panel>(form);
            ASSERT_NE(panel, nullptr);
            MarkLog();
            driver(form, *panel);
        });
    }
    static ui::Edit* EditOf(TSNMPEditorPanel& panel, int row) {
        return dynamic_cast<ui::Edit*>(panel.EditsPanel->Rows[static_cast<size_t>(row)].Editor);
    }
    static ui::ComboBox* ComboOf(TSNMPEditorPanel& panel, int row) {
        return dynamic_cast<ui::ComboBox*>(panel.EditsPanel->Rows[static_cast<size_t>(row)].Editor);
    }
    static void Tick(TSNMPEditorPanel& panel, int row) {
        panel.EditsPanel->Rows[static_cast<size_t>(row)].CheckBox->SetChecked(true);
    }
    // Selects row as a user does, then opens Edit and runs driver in the row dialog.
    static void EditRow(TSNMPListViewPanel& panel, int row, const std::function<void(TSNMPPanel&)>& driver) {
        ui::ListView& list = *panel.ListViewPanel->ListView;
        list.SetItemIndex(row);
        list.Click();
        bool ran = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& dialog) {
            ran = true;
            TSNMPPanel* rowPanel = FindOwned<TSNMPPanel>(dialog);
            ASSERT_NE(rowPanel, nullptr);
            driver(*rowPanel);
            if (dialog.Visible() && dialog.ModalResult() == ui::mrNone) dialog.Close();
        });
        EXPECT_TRUE(UserClick(panel.ButtonPanel->EditButton));
        EXPECT_TRUE(ran);
        EXPECT_TRUE(RunUntil([&] { return !panel.Request->Busy; }));
    }
    static std::vector<std::string> RowTexts(TSNMPListViewPanel& panel, int row) {
        const ui::ListItem& item = *panel.ListViewPanel->ListView->Items()[row];
        std::vector<std::string> texts{item.Caption()};
        for (int i = 0; i < item.SubItems().Count(); ++i) texts.push_back(item.SubItems()[i]);
        return texts;
    }
    static std::vector<std::string> EditorTexts(TSNMPEditorPanel& panel) {
        std::vector<std::string> texts;
        for (int row = NewRequest2EditsForDDMThreshold::FirstThresholdColumn; row < panel.EditsPanel->RowCount(); ++row)
            texts.push_back(EditOf(panel, row)->Text());
        return texts;
    }
    // Runs a dialog function as its menu command does, with the given scale factor.
    static void OpenScaled(const char* function, float scaleFactor, const std::function<void(TConfigForm&)>& driver) {
        const DialogFunction* run = FindDialogFunction(function);
        ASSERT_NE(run, nullptr) << function;
        bool ran = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
            ran = true;
            auto* form = dynamic_cast<TConfigForm*>(&shown);
            ASSERT_NE(form, nullptr);
            driver(*form);
            shown.Close();
        });
        (*run)("127.0.0.1", scaleFactor);
        EXPECT_TRUE(ran);
    }
};

TEST_F(DDMDialogsTest, SettingsAreReadAsARowAndWrittenAtInstanceZero) {
    ASSERT_EQ(Control("set " + Ddm + ".1.1.0 int 1"), "ok");
    ASSERT_EQ(Control("set " + Ddm + ".1.2.0 int 2"), "ok");
    Open<TSNMPEditorPanel>("ControlTable6Click", [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        EXPECT_EQ(form.Caption(), "DDM Settings: 127.0.0.1");
        EXPECT_EQ(ComboOf(panel, 0)->Text(), "enabled");
        EXPECT_EQ(ComboOf(panel, 1)->Text(), "disabled");
        ComboOf(panel, 0)->SetItemIndex(1);
        ComboOf(panel, 1)->SetItemIndex(0);
        Tick(panel, 0);
        Tick(panel, 1);
        ui::MessageBoxRecorder boxes;
        EXPECT_TRUE(UserClick(panel.ButtonPanel->SetCheckedButton));
        EXPECT_THAT(BoxTexts(boxes), ElementsAre());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Ddm + ".1.1.0=INTEGER:2", Ddm + ".1.2.0=INTEGER:1"));
    });
}

TEST_F(DDMDialogsTest, StatusTableShowsTheReadingsAsSentWithNeitherEditNorAddNorDelete) {
    Open<TSNMPListViewPanel>("StatusTable2Click", [&](TConfigForm& form, TSNMPListViewPanel& panel) {
        EXPECT_EQ(form.Caption(), "DDM Status Table: 127.0.0.1");
        EXPECT_EQ(form.Height(), 450);
        ASSERT_GE(panel.ListViewPanel->ListView->Items().Count(), 1);
        EXPECT_THAT(RowTexts(panel, 0), ElementsAre("1", "36.50", "3.30", "6.12", "-2.31", "-5.47"));
        EXPECT_FALSE(panel.ButtonPanel->AddButton->Visible());
        EXPECT_FALSE(panel.ButtonPanel->DeleteButton->Visible());
        EXPECT_FALSE(panel.ButtonPanel->EditButton->Visible());
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(DDMDialogsTest, TableDialogsAre450PixelsHighScaledByTheFactorTheCommandPasses) {
    for (const char* function : {"ShowDDMStatusTableDialog", "ShowDDMThresholdManagementTableDialog",
                                 "ShowDDMPortManagementTableDialog"}) {
        OpenScaled(function, 1.25f, [&](TConfigForm& form) { EXPECT_EQ(form.Height(), 562) << function; });
        OpenScaled(function, 1.0f, [&](TConfigForm& form) { EXPECT_EQ(form.Height(), 450) << function; });
    }
}

TEST_F(DDMDialogsTest, ThresholdsShowInUnitsInTheEditorsAndGoBackInThousandths) {
    Open<TSNMPListViewPanel>("ThresholdManagementTable2Click", [&](TConfigForm& form, TSNMPListViewPanel& panel) {
        EXPECT_EQ(form.Caption(), "DDM Threshold Management Table: 127.0.0.1");
        EXPECT_EQ(form.Height(), 450);
        EXPECT_FALSE(panel.ButtonPanel->AddButton->Visible());
        EXPECT_FALSE(panel.ButtonPanel->DeleteButton->Visible());
        ASSERT_GE(panel.ListViewPanel->ListView->Items().Count(), 2);
        // The list keeps the agent's texts.
        EXPECT_THAT(RowTexts(panel, 1), ElementsAre(::testing::_, "Voltage", "3600", "3000", "3500", "3100"));
        const std::string instance = panel.ListViewPanel->ListView->Items()[1]->Caption() + ".2";
        EditRow(panel, 1, [&](TSNMPPanel& rowPanel) {
            EXPECT_THAT(EditorTexts(panel), ElementsAre("3.600", "3.000", "3.500", "3.100"));
            EditOf(panel, 3)->SetText("2.9");
            Tick(panel, 2);
            Tick(panel, 3);
            ui::MessageBoxRecorder boxes;
            EXPECT_TRUE(UserClick(rowPanel.ButtonPanel->SetCheckedButton));
            EXPECT_THAT(BoxTexts(boxes), ElementsAre());
        });
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(ThresholdEntry + ".2." + instance + "=STRING:\"3600\"",
                                                   ThresholdEntry + ".3." + instance + "=STRING:\"2900\""));
    });
}

TEST_F(DDMDialogsTest, AThresholdWithNoValueShowsADashAndIsLeftOutOfTheWrite) {
    Open<TSNMPListViewPanel>("ThresholdManagementTable2Click", [&](TConfigForm&, TSNMPListViewPanel& panel) {
        ASSERT_GE(panel.ListViewPanel->ListView->Items().Count(), 3);
        EXPECT_THAT(RowTexts(panel, 2), ElementsAre(::testing::_, "Bias", "-1", "-1", "N/A", "900"));
        const std::string instance = panel.ListViewPanel->ListView->Items()[2]->Caption() + ".3";
        EditRow(panel, 2, [&](TSNMPPanel& rowPanel) {
            EXPECT_THAT(EditorTexts(panel), ElementsAre("-", "-", "-", "0.900"));
            for (int row = 2; row <= 5; ++row) Tick(panel, row);
            EXPECT_TRUE(UserClick(rowPanel.ButtonPanel->SetCheckedButton));
        });
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(ThresholdEntry + ".5." + instance + "=STRING:\"900\""));
        // The columns left out are read again afterwards.
        for (int i = 2; i <= 5; ++i) EXPECT_FALSE(panel.Request->Request.Vars.GetVar(i)->Access & invalid) << i;
        EXPECT_THAT(RowTexts(panel, 2), ElementsAre(::testing::_, "Bias", "-1", "-1", "N/A", "900"));
    });
}

TEST_F(DDMDialogsTest, AWriteOfNothingButDashesSendsNothingAndSaysSo) {
    Open<TSNMPListViewPanel>("ThresholdManagementTable2Click", [&](TConfigForm&, TSNMPListViewPanel& panel) {
        ASSERT_GE(panel.ListViewPanel->ListView->Items().Count(), 3);
        EditRow(panel, 2, [&](TSNMPPanel& rowPanel) {
            Tick(panel, 2);
            Tick(panel, 4);
            ui::MessageBoxRecorder boxes;
            EXPECT_TRUE(UserClick(rowPanel.ButtonPanel->SetCheckedButton));
            EXPECT_THAT(panel.MessagePanel->StatusBar->SimpleText(),
                        HasSubstr("Nothing written: no value in High Alarm, High Warning"));
            // Said in the row dialog too, whose status line is behind it.
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_THAT(boxes.Calls()[0].Text, HasSubstr("Nothing written: no value in High Alarm, High Warning"));
            EXPECT_EQ(boxes.Calls()[0].Owner, rowPanel.HostForm);
        });
        for (const std::string& line : Pdus("SET")) ADD_FAILURE() << line;
        for (int i = 2; i <= 5; ++i) EXPECT_FALSE(panel.Request->Request.Vars.GetVar(i)->Access & invalid) << i;
    });
}

TEST_F(DDMDialogsTest, AThresholdThatIsNoNumberIsRefusedAndNothingIsSent) {
    Open<TSNMPListViewPanel>("ThresholdManagementTable2Click", [&](TConfigForm&, TSNMPListViewPanel& panel) {
        ASSERT_GE(panel.ListViewPanel->ListView->Items().Count(), 1);
        EditRow(panel, 0, [&](TSNMPPanel& rowPanel) {
            EditOf(panel, 2)->SetText("7O.5");
            Tick(panel, 2);
            ui::MessageBoxRecorder boxes;
            EXPECT_TRUE(UserClick(rowPanel.ButtonPanel->SetCheckedButton));
            EXPECT_THAT(panel.MessagePanel->StatusBar->SimpleText(), HasSubstr("High Alarm"));
            // The row dialog says it in a box of its own and keeps what was typed.
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_THAT(boxes.Calls()[0].Text, HasSubstr("High Alarm"));
            EXPECT_EQ(boxes.Calls()[0].Owner, rowPanel.HostForm);
            EXPECT_EQ(rowPanel.HostForm->ModalResult(), ui::mrNone);
            EXPECT_EQ(EditOf(panel, 2)->Text(), "7O.5");
        });
        EXPECT_TRUE(Pdus("SET").empty());
        for (int i = 2; i <= 5; ++i) EXPECT_FALSE(panel.Request->Request.Vars.GetVar(i)->Access & invalid) << i;
    });
}

TEST_F(DDMDialogsTest, PortManagementWritesTheCheckedColumnsAtThePortNumber) {
    Open<TSNMPListViewPanel>("PortManagementTable4Click", [&](TConfigForm& form, TSNMPListViewPanel& panel) {
        EXPECT_EQ(form.Caption(), "DDM Port Management Table: 127.0.0.1");
        EXPECT_EQ(form.Height(), 450);
        EXPECT_FALSE(panel.ButtonPanel->AddButton->Visible());
        EXPECT_FALSE(panel.ButtonPanel->DeleteButton->Visible());
        ASSERT_GE(panel.ListViewPanel->ListView->Items().Count(), 1);
        const std::string port = panel.ListViewPanel->ListView->Items()[0]->Caption();
        EditRow(panel, 0, [&](TSNMPPanel& rowPanel) {
            ComboOf(panel, 2)->SetItemIndex(ComboOf(panel, 2)->Items().IndexOf("warning"));
            Tick(panel, 2);
            EXPECT_TRUE(UserClick(rowPanel.ButtonPanel->SetCheckedButton));
        });
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre(Ddm + ".3.2.2.1.2." + port + "=INTEGER:2"));
    });
}

TEST(DDMThresholdTextTest, AgentThousandthsAreShownInUnitsAndComeBackExactly) {
    const struct {
        const char* agent;
        const char* shown;
    } cases[] = {
        {"3600", "3.600"}, {"75000", "75.000"}, {"-5000", "-5.000"}, {"900", "0.900"},
        {"-500", "-0.500"}, {"0", "0.000"},     {"7", "0.007"},      {"-1", "-"},
        {"N/A", "-"},      {"", "-"},           {"(NULL)", "-"},     {"3.5", "-"},
        {"12a", "-"},      {"-", "-"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ThresholdToDisplay(c.agent), c.shown) << c.agent;
        if (std::string(c.shown) != "-") {
            EXPECT_EQ(ThresholdToAgent(c.shown, "High Alarm"), std::to_string(std::stoll(c.agent)));
        }
    }
}

TEST(DDMThresholdTextTest, EditedTextsBecomeThousandthsOrAreLeftOutOrRefused) {
    const struct {
        const char* shown;
        const char* agent;
    } cases[] = {
        {"3.6", "3600"}, {"3", "3000"}, {"-2.25", "-2250"}, {".5", "500"}, {"-.5", "-500"}, {"-", ""}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ThresholdToAgent(c.shown, "Low Alarm"), c.agent) << c.shown;
    for (const char* bad : {"abc", "3.6005", "1.2.3", "3.", "-.", "--1", "1e3", " 3", "N/A", "9999999999999999"}) {
        try {
            ThresholdToAgent(bad, "Low Alarm");
            ADD_FAILURE() << bad << " accepted";
        } catch (const std::exception& error) {
            EXPECT_THAT(error.what(), HasSubstr("Low Alarm")) << bad;
        }
    }
}

}  // namespace
