// The MSTP port state table and its edit form against the simulator, opened through the menu command: the walk,
// the edit form's disabled controls, what a port's SET carries under each spanning-tree version, and Edit refused
// while the table is being read.
#include "DedicatedDialogFixture.h"
#include "MSTPPortStateEditFormUnit.h"
#include "MSTPPortStateFormUnit.h"
#include "ProgressBoxDriver.h"

#include "ComCtrls.h"
#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTableView>

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

constexpr const char* Handler = "PortStateInformation1Click";
const std::string PortEntry = "1.3.6.1.4.1.32473.12.15.2.4.1";
const std::string Version = "1.3.6.1.4.1.32473.12.15.1.2.0";

std::string Column(int arc) { return PortEntry + "." + std::to_string(arc); }

// The OIDs of a logged PDU's varbinds.
std::vector<std::string> Oids(const std::string& line) {
    std::vector<std::string> oids;
    for (const std::string& varbind : Varbinds(line)) oids.push_back(varbind.substr(0, varbind.find('=')));
    return oids;
}

class MSTPPortStateFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
        SeedRows(PortEntry, "1-4");
        ASSERT_EQ(Control("set-rw " + Version + " int 1"), "ok");
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    void Open(const std::function<void(TMSTPPortStateForm&)>& driver) {
        OpenWhenWalked<TMSTPPortStateForm>(
            Handler, [](TMSTPPortStateForm& form) -> DialogTable& { return form.PortStateRequest; }, driver);
    }
    static bool WaitWalk(TMSTPPortStateForm& form) { return DedicatedDialogTest::WaitWalk(form.PortStateRequest); }
    static void Select(TMSTPPortStateForm& form, int row) { form.lvMSTPPortState->SetItemIndex(row); }

    DeviceWindowValues window;
};

// A left-button double click on row of list, as the mouse sends it: press, release, double click, release.
void DoubleClickRow(ui::ListView& list, int row) {
    list.FlushRows();
    auto* view = static_cast<QTableView*>(list.Widget());
    QWidget* viewport = view->viewport();
    const QPointF centre = view->visualRect(view->model()->index(row, 0)).center();
    const QPointF global = viewport->mapToGlobal(centre);
    const std::pair<QEvent::Type, Qt::MouseButtons> steps[] = {{QEvent::MouseButtonPress, Qt::LeftButton},
                                                              {QEvent::MouseButtonRelease, Qt::NoButton},
                                                              {QEvent::MouseButtonDblClick, Qt::LeftButton},
                                                              {QEvent::MouseButtonRelease, Qt::NoButton}};
    for (const auto& [type, buttons] : steps) {
        QMouseEvent event(type, centre, centre, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

TEST_F(MSTPPortStateFormTest, OpensWithEveryPortAndEditFollowsTheSelection) {
    Open([&](TMSTPPortStateForm& form) {
        EXPECT_EQ(MSTPPortStateForm, &form);
        EXPECT_EQ(MSTPPortStateEditForm, form.EditForm);
        EXPECT_EQ(form.Caption(), "STP Port State Information: 127.0.0.1");
        ASSERT_EQ(form.lvMSTPPortState->Items().Count(), 4);
        EXPECT_EQ(form.StaticText1->Caption(), "4");
        EXPECT_EQ(form.lvMSTPPortState->Items()[1]->Caption(), "2");
        ASSERT_EQ(form.lvMSTPPortState->Columns().Count(), 14);
        EXPECT_EQ(form.lvMSTPPortState->Columns()[2]->Caption(), "Admin HelloTime");
        EXPECT_EQ(form.lvMSTPPortState->Columns()[13]->Caption(), "Restricted TCN");
        EXPECT_EQ(form.lblSTPVersion->Caption(), "rstp");
        EXPECT_FALSE(form.lblSTPVersion->Visible());
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
        EXPECT_FALSE(form.btnEdit->Enabled());
        Select(form, 2);
        EXPECT_TRUE(form.btnEdit->Enabled());
        EXPECT_EQ(form.EditForm->edtPortIndex->Text(), "3");
        form.lvMSTPPortState->ClearSelection();
        EXPECT_FALSE(form.btnEdit->Enabled());
    });
    EXPECT_EQ(MSTPPortStateForm, nullptr);
    EXPECT_EQ(MSTPPortStateEditForm, nullptr);
}

TEST_F(MSTPPortStateFormTest, AnEmptyTableCountsZero) {
    ASSERT_EQ(Control("remove " + PortEntry), "ok");
    Open([&](TMSTPPortStateForm& form) {
        EXPECT_EQ(form.lvMSTPPortState->Items().Count(), 0);
        EXPECT_EQ(form.StaticText1->Caption(), "0");
    });
}

TEST_F(MSTPPortStateFormTest, APortsSetLeavesAdminHelloTimeOutUnderStpAndRstpOnly) {
    struct Case {
        int VersionValue;
        const char* VersionText;
        bool SendsAdminHelloTime;
    };
    ui::MessageBoxRecorder boxes;
    Open([&](TMSTPPortStateForm& form) {
        std::vector<int32_t> access;
        for (int i = 0; i < form.PortStateRequest.Vars().GetCount(); ++i)
            access.push_back(form.PortStateRequest.Vars().GetVar(i)->Access);
        for (const Case c : {Case{1, "rstp", false}, Case{2, "mstp", true}, Case{0, "stp", false}}) {
            SCOPED_TRACE(c.VersionText);
            ASSERT_EQ(Control("set-rw " + Version + " int " + std::to_string(c.VersionValue)), "ok");
            form.btnRefresh->Click();
            ASSERT_TRUE(WaitWalk(form));
            EXPECT_EQ(form.lblSTPVersion->Caption(), c.VersionText);
            MarkLog();
            Select(form, 1);
            bool shown = false;
            ui::TestHooks::RunInNextModal([&](ui::Form& editForm) {
                shown = true;
                TMSTPPortStateEditForm& edit = *form.EditForm;
                EXPECT_EQ(&editForm, &edit);
                EXPECT_EQ(edit.Caption(), "MSTP Port State Information: 127.0.0.1 (Edit)");
                EXPECT_EQ(edit.edtPortIndex->Text(), "2");
                for (ui::Control* control : std::initializer_list<ui::Control*>{
                         edit.edtPortIndex, edit.edtOperHelloTime, edit.cbxOperEdgePort, edit.cbxOperP2P})
                    EXPECT_FALSE(control->Enabled()) << control->Name();
                for (ui::Control* control : std::initializer_list<ui::Control*>{
                         edit.edtAdminHelloTime, edit.cbxPortEnable, edit.edtExtPathCost, edit.cbxMigration,
                         edit.cbxAdminEdgePort, edit.cbxAdminP2P, edit.cbxSTPlbd, edit.cbxBPDUFlt, edit.cbxSTPRole,
                         edit.cbxSTPTCN})
                    EXPECT_TRUE(control->Enabled()) << control->Name();
                edit.edtAdminHelloTime->SetText("300");
                edit.edtExtPathCost->SetText("2000");
                ChooseItem(edit.cbxPortEnable, "disabled");
                ChooseItem(edit.cbxAdminP2P, "auto");
                edit.btnEdit->Click();
            });
            form.btnEdit->Click();
            EXPECT_TRUE(shown);
            EXPECT_FALSE(form.btnEdit->Enabled());
            ASSERT_TRUE(WaitWalk(form));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            std::vector<std::string> expected;
            for (int arc : {3, 4, 5, 6, 7, 9, 11, 12, 13, 14})
                if (arc != 3 || c.SendsAdminHelloTime) expected.push_back(Column(arc) + ".2");
            EXPECT_THAT(Oids(sets[0]), ElementsAreArray(expected));
            const std::vector<std::string> varbinds = Varbinds(sets[0]);
            EXPECT_THAT(varbinds, ::testing::Contains(Column(4) + ".2=INTEGER:2"));
            EXPECT_THAT(varbinds, ::testing::Contains(Column(5) + ".2=INTEGER:2000"));
            EXPECT_THAT(varbinds, ::testing::Contains(Column(9) + ".2=INTEGER:2"));
            if (c.SendsAdminHelloTime) {
                EXPECT_EQ(varbinds[0], Column(3) + ".2=INTEGER:300");
            }
            // The table and the version are read again.
            EXPECT_EQ(form.lvMSTPPortState->Items()[1]->SubItems()[3], "2000");
            for (size_t i = 0; i < access.size(); ++i)
                EXPECT_EQ(form.PortStateRequest.Vars().GetVar(static_cast<int>(i))->Access, access[i]) << i;
        }
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MSTPPortStateFormTest, ARefusedSetShowsItsErrorAndTheTableIsReadAgain) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMSTPPortStateForm& form) {
        ASSERT_EQ(Control("error " + PortEntry + " wrongValue 1"), "ok");
        Select(form, 0);
        ui::TestHooks::RunInNextModal([&](ui::Form&) {
            form.EditForm->edtExtPathCost->SetText("5000");
            form.EditForm->btnEdit->Click();
        });
        form.btnEdit->Click();
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(Pdus("SET").size(), 1u);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
        EXPECT_FALSE(boxes.Calls()[0].Text.empty());
        ASSERT_EQ(form.lvMSTPPortState->Items().Count(), 4);
        EXPECT_NE(form.lvMSTPPortState->Items()[0]->SubItems()[3], "5000");
        EXPECT_EQ(form.PortStateRequest.Vars().GetVar(TMSTPPortStateEditForm::AdminHelloTime)->Access, readwrite);
        // The dialog stays usable: the next Refresh reads.
        MarkLog();
        form.btnRefresh->Click();
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_FALSE(Pdus("GETNEXT").empty());
    });
}

TEST_F(MSTPPortStateFormTest, EditAndRefreshWhileTheTableIsReadAreRefused) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMSTPPortStateForm& form) {
        // The walk names the readable columns (the index is not): the step after port 1 is held.
        ASSERT_TRUE(
            HoldWalkAfterFirstRow(form.PortStateRequest, *form.lvMSTPPortState, form.btnRefresh, Column(2) + ".1"));
        for (int i = 0; i < 20; ++i) ui::Application::Instance().ProcessMessages();
        ASSERT_EQ(form.lvMSTPPortState->Items().Count(), 1);
        Select(form, 0);
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& other) {
            shown = true;
            other.Close();
        });
        form.btnEdit->Click();
        EXPECT_FALSE(shown);
        EXPECT_TRUE(TakeUnusedModalDriver());
        EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{"Get data not complete"});
        MarkLog();
        EXPECT_TRUE(UserClick(form.btnRefresh));  // ignored without a word
        EXPECT_EQ(boxes.Calls().size(), 1u);
        EXPECT_TRUE(UserClick(form.btnStop));
        ASSERT_EQ(Control("release"), "ok");
        ASSERT_TRUE(WaitWalk(form));
        EXPECT_EQ(form.lvMSTPPortState->Items().Count(), 2);
        EXPECT_TRUE(NothingSent("GETNEXT"));  // no new walk, and no row asked for after the stop
    });
}

TEST_F(MSTPPortStateFormTest, ADoubleClickOnARowOpensTheEditFormAndCloseWritesNothing) {
    Open([&](TMSTPPortStateForm& form) {
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form&) {
            shown = true;
            EXPECT_EQ(form.EditForm->edtPortIndex->Text(), "4");
            form.EditForm->btnClose->Click();
        });
        DoubleClickRow(*form.lvMSTPPortState, 3);
        EXPECT_TRUE(shown);
        EXPECT_TRUE(Pdus("SET").empty());
        EXPECT_FALSE(form.btnEdit->Enabled());
    });
}

// The version was never read (the switch has no such object): the label keeps its design caption and a port's SET
// carries Admin HelloTime, as under "mstp".
TEST_F(MSTPPortStateFormTest, WithoutAVersionReadAPortsSetCarriesAdminHelloTime) {
    ASSERT_EQ(Control("remove " + Version), "ok");
    ui::MessageBoxRecorder boxes;
    Open([&](TMSTPPortStateForm& form) {
        EXPECT_EQ(form.lblSTPVersion->Caption(), "STP Version");
        Select(form, 0);
        ui::TestHooks::RunInNextModal([&](ui::Form&) {
            form.EditForm->edtAdminHelloTime->SetText("300");
            EXPECT_TRUE(UserClick(form.EditForm->btnEdit));
        });
        ASSERT_TRUE(UserClick(form.btnEdit));
        ASSERT_TRUE(WaitWalk(form));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]).front(), Column(3) + ".1=INTEGER:300");
        EXPECT_EQ(form.lblSTPVersion->Caption(), "STP Version");
    });
}

TEST_F(MSTPPortStateFormTest, TheVersionIsReadWithoutTouchingTheStatusPanel) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMSTPPortStateForm& form) {
        const std::string status = Status(form);
        EXPECT_THAT(status, HasSubstr("Ok!"));
        ASSERT_EQ(Control("error " + Version + " genErr 1"), "ok");
        form.btnEdit->Click();  // without a row: the version is read again, nothing else
        EXPECT_EQ(Pdus("GET").size(), 1u);
        EXPECT_EQ(Status(form), status);  // its failure is not shown either
        EXPECT_EQ(form.lblSTPVersion->Caption(), "rstp");
        EXPECT_TRUE(boxes.Calls().empty());
    });
}

TEST_F(MSTPPortStateFormTest, UnderMstpARefusedSetLeavesTheListAsItWas) {
    ASSERT_EQ(Control("set-rw " + Version + " int 2"), "ok");
    ui::MessageBoxRecorder boxes;
    Open([&](TMSTPPortStateForm& form) {
        ASSERT_EQ(form.lblSTPVersion->Caption(), "mstp");
        ASSERT_EQ(Control("error " + PortEntry + " wrongValue 1"), "ok");
        Select(form, 0);
        ui::TestHooks::RunInNextModal([&](ui::Form&) {
            form.EditForm->edtExtPathCost->SetText("5000");
            form.EditForm->btnEdit->Click();
        });
        form.btnEdit->Click();
        ASSERT_TRUE(RunUntil([&] { return boxes.Calls().size() == 1 && !form.PortStateRequest.Busy(); }));
        EXPECT_EQ(Pdus("SET").size(), 1u);
        EXPECT_TRUE(Pdus("GETNEXT").empty());
        EXPECT_TRUE(Pdus("GETBULK").empty());
        EXPECT_EQ(form.lvMSTPPortState->Items().Count(), 4);
        EXPECT_TRUE(form.PortStateRequest.Complete());
    });
}

TEST_F(MSTPPortStateFormTest, ClosingFreesTheVersionRequestBeforeTheTableRequest) {
    ASSERT_EQ(Control("set-rw " + Version + " int 2"), "ok");
    ui::MessageBoxRecorder boxes;
    bool versionFreedFirst = false;
    Open([&](TMSTPPortStateForm& form) {
        // Under "mstp" the SET's answer brings a read, held after its first row: closing waits for it.
        form.PortStateRequest.Request()->Request.Timeout = 1000;
        ASSERT_EQ(Control("hold " + Column(2) + ".1"), "ok");
        Select(form, 0);
        ui::TestHooks::RunInNextModal([&](ui::Form&) { form.EditForm->btnEdit->Click(); });
        form.btnEdit->Click();
        ASSERT_TRUE(form.PortStateRequest.Busy());
        Then([&] {
            versionFreedFirst = !form.VersionRequest.HasRequest() && form.PortStateRequest.HasRequest();
            ASSERT_EQ(Control("release"), "ok");
        });
        form.btnClose->Click();
    });
    EXPECT_TRUE(versionFreedFirst);
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
