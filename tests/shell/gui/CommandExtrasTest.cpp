// The command extras that go beyond sizes and buttons, opened for real against the switch simulator: the state
// read before the Q-in-Q port table, the Shift-JIS page elements, and the one-off rules of single rows.
#include "CommandDialogFixture.h"
#include "GUIConfigForm.h"
#include "GenericCommand.h"
#include "ListView.h"
#include "Text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace {

using namespace commandtest;

constexpr const char* QinQState = "1.3.6.1.4.1.32473.12.57.1.1";
constexpr const char* QinQOffMessage = "You should enable Q-in-Q before an edit action!";
constexpr const char* PageTitleColumn = "1.3.6.1.4.1.32473.12.39.4.2.1.2";
const std::string Nihon = "\x93\xfa\x96\x7b";  // 日本 in Shift-JIS

QTableView* ViewOf(ui::ListView& list) { return static_cast<QTableView*>(list.Widget()); }

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& at) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Double-clicks a list row as the mouse does: press, release, double click, release.
void DoubleClickRow(ui::ListView& list, int row) {
    QTableView* view = ViewOf(list);
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                    QEvent::MouseButtonRelease})
        SendMouse(view->viewport(), type, centre);
}

// Types text as the keyboard would, one key event per character.
void Type(ui::Control& control, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control.Widget(), &press);
    }
}

TSNMPPanel* RowDialogPanel(ui::Form& dialog) {
    for (int i = 0; i < dialog.ControlCount(); ++i)
        if (auto* panel = dynamic_cast<TSNMPPanel*>(dialog.Controls(i))) return panel;
    return nullptr;
}

int ColumnCaptioned(const ui::ListView& list, const std::string& caption) {
    for (int i = 0; i < list.Columns().Count(); ++i)
        if (list.Columns().Item(i)->Caption() == caption) return i;
    return -1;
}

class CommandExtrasTest : public CommandDialogTest {
protected:

    // Runs the command; inside its dialog, once the first read has ended, runs check.
    void InDialog(const char* handler, const std::function<void(TConfigForm&)>& check) {
        const MenuCommand* command = FindMenuCommand(handler);
        ASSERT_NE(command, nullptr) << handler;
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            shown = true;
            auto& dialog = dynamic_cast<TConfigForm&>(form);
            EXPECT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy; }));
            check(dialog);
            dialog.Close();
        });
        RunMenuCommand(*command, DeviceContext());
        EXPECT_TRUE(shown) << handler;
    }

    static std::string Snmp(const std::string& tool, const std::vector<std::string>& args) {
        std::vector<std::string> argv = {"/usr/bin/" + tool, "-On", "-Oq", "-t", "5", "-r", "1", "-v2c", "-c",
                                         tool == "snmpset" ? "harbour" : "tundra", sim_->Endpoint()};
        argv.insert(argv.end(), args.begin(), args.end());
        const simtest::ToolResult result = simtest::RunProgram(argv);
        EXPECT_EQ(result.status, 0) << result.err;
        return result.out;
    }
};

// ---- Q-in-Q port table: the state read before the dialog ----

struct StateCase {
    const char* Name;
    const char* Control;  // simulator control command that sets the state up
    bool EditOffered;
};

TEST_F(CommandExtrasTest, TheQinQPortTableOffersEditOnlyWhenTheStateDoesNotReadDisabled) {
    const std::string state = std::string(QinQState) + ".0";
    const StateCase cases[] = {
        {"enabled", "set-rw 1.3.6.1.4.1.32473.12.57.1.1.0 int 1", true},
        {"disabled", "set-rw 1.3.6.1.4.1.32473.12.57.1.1.0 int 2", false},
        {"no answer", "drop 1.3.6.1.4.1.32473.12.57.1.1 4", true},
        {"error answer", "error 1.3.6.1.4.1.32473.12.57.1.1 genErr", true},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_EQ(Control("clear"), "ok");
        ASSERT_EQ(Control(c.Control), "ok");
        MarkLog();
        ui::MessageBoxRecorder boxes;
        size_t boxesBeforeShow = 0;
        bool rowDialogOpened = false;
        InDialog("QinQPortTable1Click", [&](TConfigForm& dialog) {
            boxesBeforeShow = boxes.Calls().size();
            EXPECT_EQ(dialog.Caption(), "Q-in-Q Port Table: 127.0.0.1");
            EXPECT_EQ(dialog.Height(), 450);
            ASSERT_EQ(dialog.Requests.size(), 1u);  // the state request is not the dialog's
            auto* panel = FindOwned<TSNMPListViewPanel>(dialog);
            ASSERT_NE(panel, nullptr);
            EXPECT_EQ(panel->ButtonPanel->EditButton->Visible(), c.EditOffered);
            ui::ListView& list = *panel->ListViewPanel->ListView;
            ASSERT_GT(list.Items().Count(), 0);
            ui::TestHooks::RunInNextModal([&](ui::Form& rowDialog) {
                rowDialogOpened = true;
                rowDialog.Close();
            });
            DoubleClickRow(list, 0);
            ui::TestHooks::ClearModalDrivers();

            // Refresh reads the port table again, never the state.
            MarkLog();
            panel->ButtonPanel->RefreshButton->Click();
            EXPECT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy; }));
            EXPECT_FALSE(Pdus("GETNEXT").empty());
            for (const std::string& pdu : Pdus()) EXPECT_EQ(pdu.find(state), std::string::npos) << pdu;
        });
        EXPECT_EQ(rowDialogOpened, c.EditOffered);
        const size_t expectedBoxes = c.EditOffered ? 0 : 1;
        EXPECT_EQ(boxesBeforeShow, expectedBoxes);
        ASSERT_EQ(boxes.Calls().size(), expectedBoxes);
        if (!c.EditOffered) {
            EXPECT_EQ(boxes.Calls()[0].Text, QinQOffMessage);
            EXPECT_EQ(boxes.Calls()[0].Type, ui::mtCustom);
            EXPECT_EQ(boxes.Calls()[0].Caption, ApplicationTitle);
        }
    }
}

// ---- ZEMO page elements in Shift-JIS ----

TEST_F(CommandExtrasTest, ThePageElementTableShowsAShiftJisValueAsItsCharacters) {
    if (!ui::CharsetAvailable(ui::ShiftJisCharset)) GTEST_SKIP() << "no Shift_JIS converter in this Qt";
    // The first row's instance, then its Page Title set to Shift-JIS octets.
    const std::string next = Snmp("snmpgetnext", {PageTitleColumn});
    const std::string oid = next.substr(0, next.find(' '));
    ASSERT_EQ(oid.rfind(std::string(".") + PageTitleColumn + ".", 0), 0u) << next;
    Snmp("snmpset", {oid, "x", "93FA967B"});

    InDialog("PageElementTable1Click", [&](TConfigForm& dialog) {
        EXPECT_EQ(dialog.Height(), 300);
        auto* panel = FindOwned<TSNMPListViewPanel>(dialog);
        ASSERT_NE(panel, nullptr);
        ui::ListView& list = *panel->ListViewPanel->ListView;
        EXPECT_EQ(list.Font().Charset, ui::ShiftJisCharset);
        const int column = ColumnCaptioned(list, "Page Title");
        ASSERT_GE(column, 0);
        int row = -1;
        for (int i = 0; i < list.Items().Count() && row < 0; ++i)
            if (list.Items()[i]->ColumnText(column) == Nihon) row = i;
        ASSERT_GE(row, 0) << "the seeded value is not listed";
        list.FlushRows();
        EXPECT_EQ(ViewOf(list)->model()->index(row, column).data().toString(), QString::fromUtf8("日本"));

        // Rows 1 to 5 of the row editor write Shift-JIS and may stay empty; the others keep the default.
        TEditsPanel& rows = *panel->EditsPanel;
        for (int i = 0; i < rows.RowCount(); ++i) {
            SCOPED_TRACE(i);
            const bool shiftJis = i >= 1 && i <= 5;
            EXPECT_EQ(rows.Rows[static_cast<size_t>(i)].Editor->Font().Charset,
                      shiftJis ? ui::ShiftJisCharset : ui::DefaultCharset);
            EXPECT_EQ(rows.Rows[static_cast<size_t>(i)].Editor->Tag() == OptionalRowTag, shiftJis);
        }
        list.SetItemIndex(row);
        list.Click();
        auto* title = dynamic_cast<ui::Edit*>(rows.Rows[1].Editor);
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(static_cast<QLineEdit*>(title->Widget())->text(), QString::fromUtf8("日本"));
        EXPECT_EQ(title->Text(), Nihon);

        // Edit writes the title back as its own bytes and typed Japanese as Shift-JIS.
        MarkLog();
        bool edited = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& form) {
            TSNMPPanel* rowPanel = RowDialogPanel(form);
            ASSERT_NE(rowPanel, nullptr);
            auto* login = dynamic_cast<ui::Edit*>(rows.Rows[2].Editor);
            ASSERT_NE(login, nullptr);
            login->SetText("");
            Type(*login, QString::fromUtf8("ログ한"));  // the Hangul syllable has no Shift-JIS form: refused
            rows.Rows[1].CheckBox->SetChecked(true);
            rows.Rows[2].CheckBox->SetChecked(true);
            ui::MessageBoxRecorder boxes;
            rowPanel->ButtonPanel->SetCheckedButton->Click();
            for (const ui::MessageBoxCall& call : boxes.Calls()) ADD_FAILURE() << call.Text;
            edited = true;
            if (form.Visible() && form.ModalResult() == ui::mrNone) form.Close();
        });
        panel->ButtonPanel->EditButton->Click();
        EXPECT_TRUE(edited);
        EXPECT_TRUE(RunUntil([&] { return !dialog.Requests[0]->Busy; }));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string instance = oid.substr(std::string(".").size() + std::string(PageTitleColumn).size());
        const std::vector<std::string> varbinds = simdialog::Varbinds(sets[0]);
        const std::string titleVarbind = std::string(PageTitleColumn) + instance + "=HEX:93FA967B";
        const std::string loginVarbind = "1.3.6.1.4.1.32473.12.39.4.2.1.3" + instance + "=HEX:838D834F";
        EXPECT_NE(std::find(varbinds.begin(), varbinds.end(), titleVarbind), varbinds.end()) << sets[0];
        EXPECT_NE(std::find(varbinds.begin(), varbinds.end(), loginVarbind), varbinds.end()) << sets[0];
    });
}

// ---- one-off rules of single rows ----

// Every rule a row states in words is one the engine builds; a new one fails here until it is built.
TEST(CommandOtherRules, EveryRuleInWordsIsOneTheEngineBuilds) {
    const std::set<std::string> built = {
        "Q-in-Q state precondition: when the state reads \"disabled\", message and no Edit",  // StateTable
        "the caption has a blank before \": \"",  // the title ends in a blank
        "the scalars fill one list row",          // a table list over SVT_SV
    };
    std::set<std::string> seen;
    for (const MenuCommand& command : AllMenuCommands())
        for (const char* rule : command.Extras.Other) {
            SCOPED_TRACE(command.Handler);
            EXPECT_TRUE(built.count(rule)) << rule;
            seen.insert(rule);
            if (std::string(rule).find("blank before") != std::string::npos) {
                EXPECT_EQ(std::string(command.Title).back(), ' ');
            } else if (std::string(rule).find("one list row") != std::string::npos) {
                EXPECT_EQ(command.Kind, CommandKind::TableList);
                EXPECT_EQ(command.Table.ListKind, SVT_SV);
            } else {
                EXPECT_NE(command.Extras.StateTable.Label(), nullptr);
                EXPECT_NE(command.Extras.StateOffMessage, nullptr);
            }
        }
    EXPECT_EQ(seen, built);
}

TEST_F(CommandExtrasTest, CaptionsWithABlankBeforeTheColonKeepIt) {
    const std::pair<const char*, const char*> captions[] = {
        {"FilterDHCPServerLogManagement1Click", "DHCP Server Filter Log Management : 127.0.0.1"},
        {"FilterNetBios1Click", "Filter NetBIOS Table : 127.0.0.1"},
        {"FilterExternNetBIOSTable1Click", "Filter Extensive NetBIOS Table : 127.0.0.1"},
        {"FilterLayer3ControlPacketTable1Click", "Filter Layer3 Control Packet Table : 127.0.0.1"},
    };
    for (const auto& [handler, caption] : captions) {
        SCOPED_TRACE(handler);
        InDialog(handler, [&](TConfigForm& dialog) { EXPECT_EQ(dialog.Caption(), caption); });
    }
}

TEST_F(CommandExtrasTest, LldpStatisticsScalarsFillOneListRow) {
    InDialog("Statistics3Click", [&](TConfigForm& dialog) {
        EXPECT_EQ(dialog.FormType, TConfigForm::ftListView);
        auto* panel = FindOwned<TSNMPListViewPanel>(dialog);
        ASSERT_NE(panel, nullptr);
        ui::ListView& list = *panel->ListViewPanel->ListView;
        ASSERT_EQ(list.Items().Count(), 1);
        const NxSNMPVarList& vars = dialog.Requests[0]->Request.Vars;
        ASSERT_EQ(vars.GetCount(), 5);
        for (int i = 0; i < vars.GetCount(); ++i) {
            const int column = ColumnCaptioned(list, vars.GetVar(i)->Caption);
            ASSERT_GE(column, 0) << i;
            EXPECT_FALSE(list.Items()[0]->ColumnText(column).empty()) << i;
        }
        const std::vector<std::string> gets = Pdus("GET");
        ASSERT_EQ(gets.size(), 1u);  // one GET of the five scalars
        EXPECT_EQ(simdialog::Varbinds(gets[0]).size(), 5u);
    });
}

}  // namespace
