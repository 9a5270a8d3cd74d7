// The list-view panel against the simulator: filling, Refresh and Stop, Add, Edit and Delete through the
// RowStatus column, and what happens while the simulator holds a walk.
#include "ComCtrls.h"
#include "GUIListViewPanel.h"
#include "ListView.h"
#include "SimDialogFixture.h"
#include "EventWait.h"

#include "Exception.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionViewItem>
#include <QTableView>

#include <algorithm>
#include <chrono>

namespace {

using namespace simdialog;
using ::testing::HasSubstr;

constexpr const char* StatusColumnOid = "1.3.6.1.4.1.32473.12.38.3.3.1.5";

TSNMPPanel* RowDialogPanel(ui::Form& dialog) {
    for (int i = 0; i < dialog.ControlCount(); ++i)
        if (auto* panel = dynamic_cast<TSNMPPanel*>(dialog.Controls(i))) return panel;
    return nullptr;
}

// The user selects the whole text of edit (Ctrl+A) and types keys over it.
void TypeOver(ui::Edit* edit, const std::string& keys) {
    QWidget* widget = edit->Widget();
    widget->setFocus(Qt::MouseFocusReason);
    QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(widget, &selectAll);
    for (char ch : keys) {
        const QString typed(QChar::fromLatin1(ch));
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, QChar::fromLatin1(ch).toUpper().unicode(), Qt::NoModifier, typed);
            QApplication::sendEvent(widget, &event);
        }
    }
}

class ListViewPanelTest : public SimDialogTest {
protected:
    TSNMPListViewPanel* OpenList(const char* label, int keys, int statusColumn) {
        dialog_ = std::make_unique<TConfigForm>(&ui::Application::Instance());
        request_ = NewRequest(dialog_.get(), label, MVT_UMV, keys);
        const bool rowStatus = statusColumn >= 0;
        panel_ = dialog_->CreateListViewPanel(request_, statusColumn, rowStatus ? "createAndGo" : "", statusColumn,
                                              rowStatus ? "destroy" : "");
        dialog_->SetCaption("Static Binding: 127.0.0.1");
        return panel_;
    }
    void RunDialog(const std::function<void()>& driver) {
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            EXPECT_TRUE(WaitIdle(*request_));
            driver();
            EXPECT_TRUE(WaitIdle(*request_));
            form.Close();
        });
        dialog_->ShowModal();
    }
    // Opens a row dialog with button and runs driver inside it (the dialog then closes unless driver did).
    void InRowDialog(ui::Control* button, const std::function<void(ui::Form&, TSNMPPanel&)>& driver) {
        bool ran = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            ran = true;
            TSNMPPanel* panel = RowDialogPanel(form);
            ASSERT_NE(panel, nullptr);
            driver(form, *panel);
            if (form.Visible() && form.ModalResult() == ui::mrNone) form.Close();
        });
        button->Click();
        EXPECT_TRUE(ran);
        EXPECT_TRUE(WaitIdle(*request_));
    }
    ui::ListView& List() { return *panel_->ListViewPanel->ListView; }
    TEditsPanel& Rows() { return *panel_->EditsPanel; }
    ui::Edit* EditOf(int row) { return dynamic_cast<ui::Edit*>(Rows().Rows[static_cast<size_t>(row)].Editor); }
    ui::ComboBox* ComboOf(int row) { return dynamic_cast<ui::ComboBox*>(Rows().Rows[static_cast<size_t>(row)].Editor); }
    std::string Status() { return panel_->MessagePanel->StatusBar->SimpleText(); }
    std::vector<std::string> ComboItems(int row) {
        std::vector<std::string> items;
        for (int i = 0; i < ComboOf(row)->Items().Count(); ++i) items.push_back(ComboOf(row)->Items()[i]);
        return items;
    }
    // Types a new binding's values into the Add dialog's rows.
    void TypeBinding(const std::string& pool, const std::string& ip, const std::string& mac) {
        EditOf(0)->SetText(pool);
        EditOf(1)->SetText(ip);
        EditOf(2)->SetText(mac);
        ComboOf(3)->SetItemIndex(0);
        Rows().Rows[2].CheckBox->SetChecked(true);
        Rows().Rows[3].CheckBox->SetChecked(true);
    }
    bool ListHas(const std::string& text) {
        for (int i = 0; i < List().Items().Count(); ++i)
            for (int c = 0; c < List().Columns().Count(); ++c)
                if (List().Items()[i]->ColumnText(c) == text) return true;
        return false;
    }
    int ReadsUnder(const std::string& prefix) {
        int count = 0;
        for (const std::string& line : Pdus())
            if (line.rfind("SET ", 0) != 0 && line.find(prefix) != std::string::npos) ++count;
        return count;
    }

    std::unique_ptr<TConfigForm> dialog_;
    NxSNMPRequest2Edits* request_ = nullptr;
    TSNMPListViewPanel* panel_ = nullptr;
};

TEST_F(ListViewPanelTest, TableOpensFillsAndRefreshes) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    TCtrlBtnPanel& buttons = *panel_->ButtonPanel;
    EXPECT_TRUE(buttons.AddButton->Visible());
    EXPECT_TRUE(buttons.DeleteButton->Visible());
    EXPECT_TRUE(buttons.EditButton->Visible());
    EXPECT_FALSE(buttons.SetCheckedButton->Visible());
    EXPECT_FALSE(Rows().Visible());
    // The list part, the button column, the splitter and 3.
    EXPECT_EQ(dialog_->ClientWidth(), 8 * 45 + 116 + 3 + 3);
    RunDialog([&] {
        EXPECT_EQ(List().Items().Count(), 3);
        EXPECT_EQ(buttons.RowCounter->Caption(), "3");
        EXPECT_FALSE(buttons.EditButton->Enabled());
        EXPECT_FALSE(buttons.DeleteButton->Enabled());
        List().SetItemIndex(0);
        List().Click();
        EXPECT_TRUE(buttons.EditButton->Enabled());
        EXPECT_TRUE(buttons.DeleteButton->Enabled());
        MarkLog();
        buttons.RefreshButton->Click();
        EXPECT_FALSE(buttons.EditButton->Enabled());
        EXPECT_TRUE(WaitIdle(*request_));
        EXPECT_EQ(List().Items().Count(), 3);
        EXPECT_GT(ReadsUnder("1.3.6.1.4.1.32473.12.38.3.3.1"), 0);
        // A click on no row disables Edit and Delete and empties the row editors.
        List().ClearSelection();
        List().Click();
        EXPECT_FALSE(buttons.DeleteButton->Enabled());
        EXPECT_EQ(EditOf(2)->Text(), "");
    });
}

TEST_F(ListViewPanelTest, ColumnsAreAsWideAsTheirWidestValueOfTheFirstRows) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        List().FlushRows();
        ASSERT_GT(List().Items().Count(), 0);
        // Qt's own measure of the cell a text needs (margins included) to show without "...".
        auto* view = static_cast<QTableView*>(List().Widget());
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.font = view->font();
        option.fontMetrics = view->fontMetrics();
        for (int c = 0; c < List().Columns().Count(); ++c) {
            const int width = List().Columns()[c]->Width();
            if (width == 0) continue;  // a hidden column
            for (int i = 0; i < List().Items().Count(); ++i) {
                const int needed = view->itemDelegate()->sizeHint(option, view->model()->index(i, c)).width();
                EXPECT_GE(width, needed) << c << " " << List().Items()[i]->ColumnText(c);
            }
        }
        testsupport::SaveDocsPicture(*dialog_->Widget(), "generic-dialog.png");
    });
}

TEST_F(ListViewPanelTest, ListWidthIsEightPixelsPerCaptionCharacter) {
    OpenList(ExcludedRanges, 2, 2);
    EXPECT_EQ(dialog_->ClientWidth(), 240 + 116 + 3 + 3);
    // The RowStatus column is the only writable one: Edit still shows.
    EXPECT_TRUE(panel_->ButtonPanel->EditButton->Visible());
}

TEST_F(ListViewPanelTest, AddCreatesARowWithCreateAndGoAndTheListReadsItBack) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        MarkLog();
        InRowDialog(panel_->ButtonPanel->AddButton, [&](ui::Form& form, TSNMPPanel& rowPanel) {
            EXPECT_EQ(form.Caption(), "Static Binding: 127.0.0.1 (Add)");
            EXPECT_TRUE(Rows().Showing());
            // Keys are always written; the RowStatus row is fixed at createAndGo.
            EXPECT_TRUE(Rows().Rows[0].CheckBox->Checked());
            EXPECT_FALSE(Rows().Rows[0].CheckBox->Enabled());
            EXPECT_TRUE(Rows().Rows[0].Editor->Enabled());
            // A table read does not disable the fields the new row needs.
            EXPECT_TRUE(Rows().Rows[2].Editor->Enabled());
            EXPECT_TRUE(Rows().Rows[3].Editor->Enabled());
            EXPECT_EQ(ComboOf(4)->Text(), "createAndGo");
            EXPECT_FALSE(ComboOf(4)->Enabled());
            EXPECT_FALSE(rowPanel.ButtonPanel->RefreshButton->Visible());
            TypeBinding("added", "10.9.8.7", "00A0C9112233");
            rowPanel.ButtonPanel->SetCheckedButton->Click();
            EXPECT_EQ(form.ModalResult(), ui::mrCancel);  // closed by its Set
        });
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(sets[0], HasSubstr(std::string(StatusColumnOid) + "."));
        EXPECT_THAT(sets[0], HasSubstr("=INTEGER:4"));
        EXPECT_THAT(sets[0], HasSubstr("00A0C9112233"));
        EXPECT_FALSE(Rows().Visible());
        EXPECT_EQ(Rows().Parent(), panel_->ClientPanel);
        EXPECT_EQ(List().Items().Count(), 4);
        EXPECT_TRUE(ListHas("10.9.8.7"));
    });
}

TEST_F(ListViewPanelTest, ARefusedAddShowsItsMessageAndLeavesTheListUnchanged) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        const int before = List().Items().Count();
        // The keys of an existing row: createAndGo on it is refused.
        const std::string pool = List().Items()[0]->ColumnText(0);
        const std::string ip = List().Items()[0]->ColumnText(1);
        ui::MessageBoxRecorder boxes;
        MarkLog();
        InRowDialog(panel_->ButtonPanel->AddButton, [&](ui::Form&, TSNMPPanel& rowPanel) {
            TypeBinding(pool, ip, "001122334455");
            rowPanel.ButtonPanel->SetCheckedButton->Click();
        });
        EXPECT_EQ(Pdus("SET").size(), 1u);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
        EXPECT_EQ(List().Items().Count(), before);
    });
}

TEST_F(ListViewPanelTest, AnAddAnsweredWithAnExceptionValueFailsAndKeepsItsDialogOpenWithTheValuesTyped) {
    DefaultSNMPSecurity.Version = snmp::Version2c;  // SNMPv1 has no exception values
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        const int before = List().Items().Count();
        // The agent answers noError, the RowStatus varbind noSuchInstance: nothing was created.
        ASSERT_EQ(Control(std::string("error ") + StatusColumnOid + " noSuchInstance 1"), "ok");
        ui::MessageBoxRecorder boxes;
        MarkLog();
        InRowDialog(panel_->ButtonPanel->AddButton, [&](ui::Form& form, TSNMPPanel& rowPanel) {
            TypeBinding("refused", "10.9.8.6", "00A0C9112244");
            rowPanel.ButtonPanel->SetCheckedButton->Click();
            EXPECT_EQ(form.ModalResult(), ui::mrNone);  // still open
            EXPECT_EQ(EditOf(0)->Text(), "refused");
            EXPECT_EQ(EditOf(2)->Text(), "00A0C9112244");
            ASSERT_EQ(boxes.Calls().size(), 1u);
            // The simulator refuses the new row's other columns as well; the box names whichever it refused.
            EXPECT_EQ(boxes.Calls()[0].Text.rfind("(SNMP) ", 0), 0u) << boxes.Calls()[0].Text;
        });
        EXPECT_EQ(Pdus("SET").size(), 1u);
        EXPECT_EQ(List().Items().Count(), before);
        EXPECT_FALSE(ListHas("10.9.8.6"));
    });
}

// The agent creates the row but its answer is lost; the retry meets the row (SNMPv1 badValue, inconsistentValue
// otherwise), which a read of the row status shows to be the one just created.
TEST_F(ListViewPanelTest, AnAddWhoseAnswerWasLostIsReportedCreated) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        ui::MessageBoxRecorder boxes;
        MarkLog();
        ASSERT_EQ(Control(std::string("drop ") + StatusColumnOid + " 1"), "ok");
        InRowDialog(panel_->ButtonPanel->AddButton, [&](ui::Form& form, TSNMPPanel& rowPanel) {
            TypeBinding("lost", "10.9.8.6", "00A0C9112244");
            rowPanel.ButtonPanel->SetCheckedButton->Click();
            EXPECT_EQ(form.ModalResult(), ui::mrCancel);  // closed by its Set
        });
        EXPECT_EQ(Pdus("SET").size(), 2u);  // the first try and the retry
        EXPECT_TRUE(boxes.Calls().empty()) << (boxes.Calls().empty() ? "" : boxes.Calls()[0].Text);
        EXPECT_TRUE(ListHas("10.9.8.6"));
    });
    // The other tests find the table as seeded.
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(Control("remove 1.3.6.1.4.1.32473.12.38.3.3.1." + std::to_string(column) + ".4.108.111.115.116.10.9.8.6"),
                  "ok");
}

// The same for an asynchronous write: the request sends the retry itself and checks the row before reporting.
TEST_F(ListViewPanelTest, AnAsynchronousCreateWhoseAnswerWasLostIsReportedCreated) {
    std::unique_ptr<NxSNMPRequest2Edits> request(NewRequest(nullptr, ExcludedRanges, MVT_UMV, 2));
    request->Mode = NxSNMPRequest2Controls::ModeAsync;
    NxSNMPVarList& vars = request->Request.Vars;
    vars.GetVar(0)->Value = "10.7.7.1";
    vars.GetVar(1)->Value = "10.7.7.9";
    vars.GetVar(2)->Value = "createAndGo";
    NxSNMPError seen;
    seen.Code = 1;
    bool done = false;
    request->OnSetResult = [&](NxSNMPRequest2Controls*, const NxSNMPError& result) {
        seen = result;
        done = true;
    };
    MarkLog();
    ASSERT_EQ(Control("drop 1.3.6.1.4.1.32473.12.38.3.1.1.3 1"), "ok");
    request->Set(false, false);
    ASSERT_TRUE(RunUntil([&] { return done; }));
    EXPECT_EQ(seen.Code, 0) << seen.Message;
    EXPECT_EQ(Pdus("SET").size(), 2u);
    for (int column = 1; column <= 3; ++column)
        EXPECT_EQ(Control("remove 1.3.6.1.4.1.32473.12.38.3.1.1." + std::to_string(column) + ".10.7.7.1.10.7.7.9"), "ok");
}

TEST_F(ListViewPanelTest, EditChangesARowAndNeverOffersCreateOrDestroy) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        const std::vector<std::string> statusItems = ComboItems(4);
        List().SetItemIndex(1);
        List().Click();
        const std::string ip = List().Items()[1]->ColumnText(1);
        MarkLog();
        InRowDialog(panel_->ButtonPanel->EditButton, [&](ui::Form& form, TSNMPPanel& rowPanel) {
            EXPECT_THAT(form.Caption(), HasSubstr("(Edit)"));
            EXPECT_EQ(EditOf(1)->Text(), ip);
            EXPECT_THAT(ComboItems(4), ::testing::ElementsAre("active"));
            // Keys are read-only in Edit.
            EXPECT_FALSE(Rows().Rows[0].CheckBox->Visible());
            EXPECT_FALSE(rowPanel.ButtonPanel->SetCheckedButton->Enabled());
            EditOf(2)->SetText("0000DEADBEEF");
            Rows().Rows[2].CheckBox->SetChecked(true);
            EXPECT_TRUE(rowPanel.ButtonPanel->SetCheckedButton->Enabled());
            ui::MessageBoxRecorder boxes;
            rowPanel.ButtonPanel->SetCheckedButton->Click();
            for (const ui::MessageBoxCall& call : boxes.Calls()) ADD_FAILURE() << call.Text;
        });
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u) << Status();
        const std::vector<std::string> varbinds = Varbinds(sets[0]);
        ASSERT_EQ(varbinds.size(), 1u);
        EXPECT_THAT(varbinds[0], HasSubstr("1.3.6.1.4.1.32473.12.38.3.3.1.3."));
        EXPECT_THAT(varbinds[0], HasSubstr("0000DEADBEEF"));
        // The RowStatus combo is whole again, in its former order.
        EXPECT_EQ(ComboItems(4), statusItems);
        EXPECT_TRUE(ListHas("0000DEADBEEF"));
    });
}

// A value that cannot be sent (not a MAC address): the row dialog says why in a box of its own (the status line is
// behind it, in the table dialog), stays open with what was typed, and nothing is sent.
TEST_F(ListViewPanelTest, AnEditWhoseValueCannotBeSentSaysWhyInItsOwnBoxAndKeepsWhatWasTyped) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        List().SetItemIndex(1);
        List().Click();
        ui::MessageBoxRecorder boxes;
        MarkLog();
        InRowDialog(panel_->ButtonPanel->EditButton, [&](ui::Form& form, TSNMPPanel& rowPanel) {
            QApplication::setActiveWindow(form.Widget());
            TypeOver(EditOf(2), "xyz");
            Rows().Rows[2].CheckBox->SetChecked(true);
            rowPanel.ButtonPanel->SetCheckedButton->Click();
            EXPECT_EQ(form.ModalResult(), ui::mrNone);  // still open
            EXPECT_EQ(EditOf(2)->Text(), "xyz");
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_THAT(boxes.Calls()[0].Text, HasSubstr("Hardware Address"));
            EXPECT_EQ(boxes.Calls()[0].Owner, &form);
            EXPECT_EQ(boxes.Calls()[0].Caption, "QSW2126P");
            EXPECT_THAT(Status(), HasSubstr("Hardware Address"));
        });
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

// An address the row's input rule refuses, typed and sent without leaving its edit: the rule's box says it once,
// and nothing is sent.
TEST_F(ListViewPanelTest, ARefusedAddressIsSaidOnceByItsRuleAndNothingIsSent) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        ui::MessageBoxRecorder boxes;
        MarkLog();
        InRowDialog(panel_->ButtonPanel->AddButton, [&](ui::Form& form, TSNMPPanel& rowPanel) {
            QApplication::setActiveWindow(form.Widget());
            TypeBinding("typed", "10.9.8.6", "00A0C9112244");
            TypeOver(EditOf(1), "10.9.8");
            rowPanel.ButtonPanel->SetCheckedButton->Click();
            EXPECT_EQ(form.ModalResult(), ui::mrNone);
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].Text, " Please enter a valid IP address!");
            EXPECT_EQ(boxes.Calls()[0].Owner, &form);
        });
        EXPECT_TRUE(Pdus("SET").empty());
    });
}

TEST_F(ListViewPanelTest, DeleteAsksFirstThenDestroysTheSelectedRow) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        const int before = List().Items().Count();
        const std::string ip = List().Items()[2]->ColumnText(1);
        List().SetItemIndex(2);
        List().Click();
        MarkLog();
        {
            ui::MessageBoxRecorder boxes;
            boxes.QueueAnswer(ui::mrCancel);
            panel_->ButtonPanel->DeleteButton->Click();
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].Text, "Are you sure to delete it?");
            EXPECT_EQ(boxes.Calls()[0].Type, ui::mtConfirmation);
            EXPECT_EQ(boxes.Calls()[0].Buttons, ui::mbOKCancel);
            EXPECT_TRUE(Pdus("SET").empty());
        }
        const std::vector<int32_t> accesses = [&] {
            std::vector<int32_t> a;
            for (int i = 0; i < request_->Request.Vars.GetCount(); ++i) a.push_back(request_->Request.Vars.GetVar(i)->Access);
            return a;
        }();
        ui::MessageBoxRecorder boxes(ui::mrOk);
        panel_->ButtonPanel->DeleteButton->Click();
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::vector<std::string> varbinds = Varbinds(sets[0]);
        EXPECT_TRUE(std::any_of(varbinds.begin(), varbinds.end(), [](const std::string& v) {
            return v.rfind(std::string(StatusColumnOid) + ".", 0) == 0 && v.find("=INTEGER:6") != std::string::npos;
        })) << sets[0];
        // Read again synchronously, before Delete returns.
        EXPECT_EQ(List().Items().Count(), before - 1);
        EXPECT_FALSE(ListHas(ip));
        EXPECT_EQ(request_->Mode, NxSNMPRequest2Controls::ModeAsync);
        for (int i = 0; i < request_->Request.Vars.GetCount(); ++i)
            EXPECT_EQ(request_->Request.Vars.GetVar(i)->Access, accesses[static_cast<size_t>(i)]);
    });
}

// A list read with fewer keys than its table's index (here the pool name of a pool-and-address index): each row
// keeps the rest of its instance, so Edit and Delete write to the row's whole instance.
TEST_F(ListViewPanelTest, ARowReadWithFewerKeysThanItsIndexIsWrittenAtItsWholeInstance) {
    OpenList(StaticBindings, 1, StaticBindingsStatus);
    RunDialog([&] {
        ASSERT_EQ(List().Items().Count(), 3);
        const std::string row2 = "4.114.111.119.50.10.0.0.2";  // "row2", 10.0.0.2
        ui::MessageBoxRecorder boxes(ui::mrOk);  // answers Delete's question; a refused write shows here too
        List().SetItemIndex(1);
        List().Click();
        MarkLog();
        InRowDialog(panel_->ButtonPanel->EditButton, [&](ui::Form&, TSNMPPanel& rowPanel) {
            EditOf(2)->SetText("0000DEADBEEF");
            Rows().Rows[2].CheckBox->SetChecked(true);
            rowPanel.ButtonPanel->SetCheckedButton->Click();
        });
        std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u) << Status();
        EXPECT_THAT(Varbinds(sets[0]), ::testing::ElementsAre(HasSubstr("1.3.6.1.4.1.32473.12.38.3.3.1.3." + row2 + "=")));
        EXPECT_TRUE(ListHas("0000DEADBEEF"));
        for (const ui::MessageBoxCall& call : boxes.Calls()) ADD_FAILURE() << call.Text;
        // The last row walked is not the one selected: Delete still takes the selected row's instance.
        List().SetItemIndex(1);
        List().Click();
        MarkLog();
        panel_->ButtonPanel->DeleteButton->Click();
        sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u) << Status();
        EXPECT_THAT(Varbinds(sets[0]), ::testing::ElementsAre(std::string(StatusColumnOid) + "." + row2 + "=INTEGER:6"));
        EXPECT_EQ(List().Items().Count(), 2);
        EXPECT_FALSE(ListHas("0000DEADBEEF"));
    });
}

TEST_F(ListViewPanelTest, WhileAWalkIsHeldRefreshIsIgnoredAndStopEndsIt) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        request_->Request.Timeout = 1000;  // held answers must not time out
        ASSERT_EQ(Control("hold 1.3.6.1.4.1.32473.12.38.3.3.1"), "ok");
        MarkLog();
        panel_->ButtonPanel->RefreshButton->Click();
        ASSERT_TRUE(request_->Busy);
        ASSERT_TRUE(RunUntil([&] { return ReadsUnder("1.3.6.1.4.1.32473.12.38.3.3.1") >= 1; }));
        const int reads = ReadsUnder("1.3.6.1.4.1.32473.12.38.3.3.1");
        panel_->ButtonPanel->RefreshButton->Click();
        EXPECT_TRUE(request_->Busy);
        panel_->StopClick(panel_->ButtonPanel->StopButton);
        EXPECT_EQ(request_->Request.Active, 0);
        ASSERT_EQ(Control("clear"), "ok");
        EXPECT_TRUE(WaitIdle(*request_));
        EXPECT_EQ(ReadsUnder("1.3.6.1.4.1.32473.12.38.3.3.1"), reads);
        EXPECT_THAT(Status(), HasSubstr("Stop, SNMP Request is not active."));
    });
}

TEST_F(ListViewPanelTest, EditWaitsUntilARunningWalkHasEnded) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        List().SetItemIndex(0);
        List().Click();
        // Longer than a second, so a one-second wait would open the dialog while the walk still runs.
        request_->Request.Timeout = 1000;  // held answers must not time out
        ASSERT_EQ(Control("hold 1.3.6.1.4.1.32473.12.38.3.3.1 1500"), "ok");
        request_->Request.Active = 1;
        panel_->RefreshClick(panel_->ButtonPanel->RefreshButton);
        ASSERT_TRUE(request_->Busy);
        const auto start = std::chrono::steady_clock::now();
        bool busyInDialog = true;
        InRowDialog(panel_->ButtonPanel->EditButton, [&](ui::Form&, TSNMPPanel&) { busyInDialog = request_->Busy; });
        EXPECT_FALSE(busyInDialog);
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1400));
        ASSERT_EQ(Control("clear"), "ok");
    });
}

TEST_F(ListViewPanelTest, AgentErrorsAndTimeOutsShowInTheStatusBar) {
    OpenList(StaticBindings, 2, StaticBindingsStatus);
    RunDialog([&] {
        ASSERT_EQ(Control("error 1.3.6.1.4.1.32473.12.38.3.3.1 genErr"), "ok");
        panel_->ButtonPanel->RefreshButton->Click();
        EXPECT_TRUE(WaitIdle(*request_));
        EXPECT_THAT(Status(), ::testing::StartsWith("Get: "));
        EXPECT_THAT(Status(), ::testing::Not(HasSubstr("Ok!")));
        const std::string errorLine = Status();
        ASSERT_EQ(Control("clear"), "ok");
        request_->Request.Timeout = 20;
        request_->Request.Retries = 0;
        ASSERT_EQ(Control("drop 1.3.6.1.4.1.32473.12.38.3.3.1 5"), "ok");
        panel_->ButtonPanel->RefreshButton->Click();
        EXPECT_TRUE(WaitIdle(*request_));
        EXPECT_THAT(Status(), HasSubstr("timed out"));
        EXPECT_NE(Status(), errorLine);
    });
}

TEST_F(ListViewPanelTest, WrongRowStatusTextsAreRefused) {
    dialog_ = std::make_unique<TConfigForm>(&ui::Application::Instance());
    request_ = NewRequest(dialog_.get(), StaticBindings, MVT_UMV, 2);
    try {
        dialog_->CreateListViewPanel(request_, StaticBindingsStatus, "createAndWait", -1, "");
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndWait");
    }
}

TEST_F(ListViewPanelTest, AddWithoutDeleteShowsAddOnly) {
    dialog_ = std::make_unique<TConfigForm>(&ui::Application::Instance());
    request_ = NewRequest(dialog_.get(), StaticBindings, MVT_UMV, 2);
    panel_ = dialog_->CreateListViewPanel(request_, StaticBindingsStatus, "createAndGo", -1, "");
    EXPECT_TRUE(panel_->ButtonPanel->AddButton->Visible());
    EXPECT_FALSE(panel_->ButtonPanel->DeleteButton->Visible());
}

}  // namespace
