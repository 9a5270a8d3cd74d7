// What a user meets typing into the landed dialogs, against the simulator: a refused or empty field sends nothing
// and keeps the edit form open, a refusal puts back the value of the row shown (not one typed for another row), the
// boxes and the modal edit form stand over the form that opened them, and a static text shows its widest value
// whole.
#include "DedicatedDialogFixture.h"
#include "MSTPPortStateEditFormUnit.h"
#include "MSTPPortStateFormUnit.h"
#include "VLanCurrentTableFormUnit.h"
#include "VlanStaticFormUnit.h"

#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::EndsWith;
using ::testing::HasSubstr;

// The user clicks into edit, selects its whole text (Ctrl+A) and types keys over it.
void TypeOver(ui::Edit* edit, const std::string& keys) {
    edit->Widget()->setFocus(Qt::MouseFocusReason);
    QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(edit->Widget(), &selectAll);
    TypeText(edit, keys);
}

// A click as the mouse gives it to a button that takes the focus: the press moves the focus to the button (the edit
// left runs its exit check). When the edit takes the focus back (a refusal, whose box took the mouse's release) the
// click never arrives: false.
bool ClickTakingFocus(ui::Button* button) {
    if (!UserCanReach(button, "click")) return false;
    button->Widget()->setFocus(Qt::MouseFocusReason);
    return button->Widget()->hasFocus() && UserClick(button);
}

// Lets the modal form become the active window, so focus moves inside it reach its controls.
bool ActivateModal(ui::Form& form) {
    QApplication::setActiveWindow(form.Widget());
    return QApplication::activeWindow() == form.Widget();
}

// ------------------------------------------------------------------------------------------------ MSTP edit form

constexpr const char* MstpHandler = "PortStateInformation1Click";
const std::string PortEntry = "1.3.6.1.4.1.32473.12.15.2.4.1";
const std::string Version = "1.3.6.1.4.1.32473.12.15.1.2.0";
const std::string PathCost = PortEntry + ".5";

class MstpEditInputTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window.Address = "127.0.0.1";
        SetDeviceWindow(&window);
        SeedRows(PortEntry, "1-6");
        ASSERT_EQ(Control("set-rw " + Version + " int 2"), "ok");  // mstp: Admin HelloTime is sent
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    void Open(const std::function<void(TMSTPPortStateForm&)>& driver) {
        OpenWhenWalked<TMSTPPortStateForm>(
            MstpHandler, [](TMSTPPortStateForm& form) -> DialogTable& { return form.PortStateRequest; }, driver);
    }
    // Selects port's row and opens the edit form on it; editor runs inside the form's modal loop, once the form is
    // the active window.
    static void EditPort(TMSTPPortStateForm& form, int port,
                         const std::function<void(TMSTPPortStateEditForm&)>& editor) {
        form.lvMSTPPortState->SetItemIndex(port - 1);
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form&) {
            shown = true;
            ASSERT_TRUE(ActivateModal(*form.EditForm));
            editor(*form.EditForm);
        });
        ASSERT_TRUE(UserClick(form.btnEdit));
        EXPECT_TRUE(shown);
    }
    static std::string Shown(TMSTPPortStateForm& form, int port, int column) {
        return form.lvMSTPPortState->Items()[port - 1]->ColumnText(column);
    }

    DeviceWindowValues window;
};

// "abc" typed over Admin Hello Time empties it: Set says why in a box of the edit form, sends nothing, and the form
// stays open with what was typed.
TEST_F(MstpEditInputTest, AnEmptyFieldSendsNothingAndTheFormStaysOpenSayingWhy) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMSTPPortStateForm& form) {
        EditPort(form, 1, [&](TMSTPPortStateEditForm& edit) {
            TypeOver(edit.edtAdminHelloTime, "abc");
            ASSERT_EQ(edit.edtAdminHelloTime->Text(), "");
            TypeOver(edit.edtExtPathCost, "50000");
            MarkLog();
            ASSERT_TRUE(ClickTakingFocus(edit.btnEdit));
            EXPECT_TRUE(NothingSent());
            EXPECT_EQ(edit.ModalResult(), ui::mrNone);  // still open
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_THAT(boxes.Calls()[0].Text, HasSubstr("Admin HelloTime"));
            EXPECT_EQ(boxes.Calls()[0].Owner, &edit);
            EXPECT_EQ(edit.edtExtPathCost->Text(), "50000");
            EXPECT_TRUE(UserClick(edit.btnClose));
        });
        EXPECT_TRUE(NothingSent("SET"));
    });
}

// Port 5's cost is set to 300000; on port 6 a cost out of range is refused, whether Set is reached by a click that
// takes the focus or by one that does not (as a key does): the edit shows port 6's own cost again, nothing is sent,
// and a valid cost then goes to port 6 alone.
TEST_F(MstpEditInputTest, ARefusedCostOnPort6SendsNothingAndAValidOneGoesToPort6Only) {
    ui::MessageBoxRecorder boxes;
    Open([&](TMSTPPortStateForm& form) {
        EditPort(form, 5, [&](TMSTPPortStateEditForm& edit) {
            TypeOver(edit.edtExtPathCost, "300000");
            EXPECT_TRUE(ClickTakingFocus(edit.btnEdit));
        });
        ASSERT_TRUE(WaitWalk(form.PortStateRequest));
        ASSERT_EQ(Shown(form, 5, 4), "300000");
        const std::string port6Cost = Shown(form, 6, 4);
        ASSERT_NE(port6Cost, "300000");
        EXPECT_TRUE(boxes.Calls().empty());

        EditPort(form, 6, [&](TMSTPPortStateEditForm& edit) {
            ASSERT_EQ(edit.edtExtPathCost->Text(), port6Cost);
            MarkLog();
            const std::function<bool(ui::Button*)> clicks[] = {ClickTakingFocus, UserClick};
            for (const auto& click : clicks) {
                boxes.Clear();
                TypeOver(edit.edtExtPathCost, "99999999999");
                click(edit.btnEdit);
                EXPECT_EQ(BoxTexts(boxes),
                          std::vector<std::string>{" Please enter a number between 0 and 4294967295!"});
                EXPECT_EQ(edit.edtExtPathCost->Text(), port6Cost);
                EXPECT_TRUE(NothingSent());
                EXPECT_EQ(edit.ModalResult(), ui::mrNone);
            }

            TypeOver(edit.edtExtPathCost, "70000");
            EXPECT_TRUE(ClickTakingFocus(edit.btnEdit));
        });
        ASSERT_TRUE(WaitWalk(form.PortStateRequest));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        for (const std::string& varbind : Varbinds(sets[0]))
            EXPECT_THAT(varbind.substr(0, varbind.find('=')), EndsWith(".6"));
        EXPECT_THAT(Varbinds(sets[0]), ::testing::Contains(PathCost + ".6=INTEGER:70000"));
        EXPECT_EQ(Shown(form, 6, 4), "70000");
        EXPECT_EQ(Shown(form, 5, 4), "300000");
    });
}

// Without a test hook the range box is a real window: it stands over the modal edit form, the edit form over the
// list dialog, and the list dialog is not activated while the edit form is modal.
TEST_F(MstpEditInputTest, TheRangeBoxStandsOverTheModalEditFormWhichStandsOverTheList) {
    Open([&](TMSTPPortStateForm& form) {
        int listActivations = 0;
        struct ActivationCount : QObject {
            int& count;
            explicit ActivationCount(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::WindowActivate) ++count;
                return false;
            }
        } counter(listActivations);
        QWindow* boxParent = nullptr;
        bool boxSeen = false;
        EditPort(form, 2, [&](TMSTPPortStateEditForm& edit) {
            EXPECT_EQ(edit.Widget()->windowHandle()->transientParent(), form.Widget()->windowHandle());
            form.Widget()->installEventFilter(&counter);
            TypeOver(edit.edtExtPathCost, "99999999999");
            // Real boxes for this step; the box is answered once it is up (inside its own loop).
            const ui::TestHooks::MessageBoxHook recording = ui::TestHooks::MessageBoxHookFn();
            ui::TestHooks::SetMessageBoxHook({});
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                poll.stop();
                boxSeen = true;
                boxParent = box->windowHandle()->transientParent();
                box->button(QMessageBox::Ok)->click();
            });
            poll.start(0);
            EXPECT_FALSE(ClickTakingFocus(edit.btnEdit));  // refused: the focus stays in the edit
            ui::TestHooks::SetMessageBoxHook(recording);
            for (int i = 0; i < 20; ++i) ui::Application::Instance().ProcessMessages();
            EXPECT_TRUE(boxSeen);
            EXPECT_EQ(boxParent, edit.Widget()->windowHandle());
            EXPECT_EQ(listActivations, 0);
            form.Widget()->removeEventFilter(&counter);
            EXPECT_TRUE(UserClick(edit.btnClose));
        });
    });
}

// ------------------------------------------------------------------------------------------------ static VLAN

constexpr const char* StaticHandler = "StaticForm1Click";
const std::string StaticEntry = "1.3.6.1.2.1.17.7.1.4.3.1";

class VlanStaticInputTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SeedRows(StaticEntry, "1-3");
    }
    void Open(const std::function<void(TVlanStaticForm&)>& driver) {
        OpenWhen<TVlanStaticForm>(
            StaticHandler, [](TVlanStaticForm& form) { return form.StaticTable.Complete(); }, driver);
    }
};

// VLAN 30 added, then 9999 typed: the refusal puts back the emptied VLAN ID, not the 30 typed for the Add, and
// nothing is sent, whether Add is reached by a click that takes the focus or by one that does not (as a key does).
TEST_F(VlanStaticInputTest, ARefusedVlanIdGoesBackToTheEmptiedEditNotToAnEarlierEntry) {
    ui::MessageBoxRecorder boxes;
    Open([&](TVlanStaticForm& form) {
        ASSERT_TRUE(ActivateModal(form));
        TypeOver(form.ED_VLANID, "30");
        TypeOver(form.ED_VLANName, "v30");
        ASSERT_TRUE(ClickTakingFocus(form.AddBtn));
        ASSERT_TRUE(WaitWalk(form.StaticTable));
        ASSERT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 4);
        ASSERT_EQ(form.ED_VLANID->Text(), "");
        EXPECT_TRUE(boxes.Calls().empty());

        MarkLog();
        const std::function<bool(ui::Button*)> clicks[] = {ClickTakingFocus, UserClick};
        for (const auto& click : clicks) {
            boxes.Clear();
            TypeOver(form.ED_VLANName, "v9999");
            TypeOver(form.ED_VLANID, "99999");
            ASSERT_EQ(form.ED_VLANID->Text(), "9999");  // four characters at most
            click(form.AddBtn);
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{" Please enter a number between 1 and 4094!"});
            EXPECT_EQ(form.ED_VLANID->Text(), "");
            EXPECT_TRUE(NothingSent());
        }
        EXPECT_EQ(form.LV_dot1qVlanStaticEntry->Items().Count(), 4);
    });
}

// ------------------------------------------------------------------------------------------------ value texts

// A static text of a dialog, the value the simulator gives it (its widest), and how the dialog is opened.
struct ValueTextCase {
    const char* Name;
    const char* Handler;
    const char* Control;  // the static text's name
    const char* Object;   // the scalar it shows
    const char* Value;    // "TYPE VALUE" for the simulator
    const char* Shown;
    std::function<const DialogTable&(TDedicatedForm&)> Table;  // the dialog's table, read before it closes
};

void PrintTo(const ValueTextCase& c, std::ostream* os) { *os << c.Name; }

// The application font for a test: the default, or one as large as a 9-point font at 144 dpi.
class AppFontScope {
public:
    explicit AppFontScope(int pixelSize) : saved_(QApplication::font()) {
        if (pixelSize <= 0) return;
        QFont font = saved_;
        font.setPixelSize(pixelSize);
        QApplication::setFont(font);
    }
    ~AppFontScope() { QApplication::setFont(saved_); }
    AppFontScope(const AppFontScope&) = delete;
    AppFontScope& operator=(const AppFontScope&) = delete;

private:
    QFont saved_;
};

class ValueTextTest : public DedicatedDialogTest, public ::testing::WithParamInterface<ValueTextCase> {};

// The text's own room: its contents less the indent a framed label gives its text (half an "x").
int TextRoom(const QLabel& label) {
    const QFontMetrics metrics(label.font());
    const int indent = label.indent() >= 0      ? label.indent()
                       : label.frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                                                : 0;
    return label.contentsRect().width() - 2 * label.margin() - indent;
}

// The widest value of each static text is drawn whole, in the default font and in a large one.
TEST_P(ValueTextTest, TheWidestValueIsDrawnWhole) {
    const ValueTextCase& c = GetParam();
    ASSERT_EQ(Control(std::string("set ") + c.Object + " " + c.Value), "ok");
    for (int pixelSize : {0, 18}) {
        SCOPED_TRACE(pixelSize);
        AppFontScope font(pixelSize);
        OpenWhenWalked<TDedicatedForm>(c.Handler, c.Table, [&](TDedicatedForm& form) {
            ui::StaticText* text = nullptr;
            for (int i = 0; i < form.ComponentCount() && !text; ++i)
                if (form.Components(i)->Name() == c.Control) text = dynamic_cast<ui::StaticText*>(form.Components(i));
            ASSERT_NE(text, nullptr) << c.Control;
            ASSERT_TRUE(RunUntil([&] { return text->Caption() == c.Shown; })) << text->Caption();
            const auto& label = *static_cast<QLabel*>(text->Widget());
            EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(QString::fromLatin1(c.Shown)), TextRoom(label));
        });
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, ValueTextTest,
    ::testing::Values(ValueTextCase{"NextFreeLocalVlanIndex", StaticHandler, "NextFreeLocalVlanIndex",
                                    "1.3.6.1.2.1.17.7.1.4.4.0", "int 4096", "4096",
                                    [](TDedicatedForm& form) -> const DialogTable& {
                                        return dynamic_cast<TVlanStaticForm&>(form).StaticTable;
                                    }},
                      ValueTextCase{"VlanNumDeletes", "CurrentForm1Click", "VlanNumDeletes", "1.3.6.1.2.1.17.7.1.4.1.0",
                                    "counter 4294967295", "4294967295",
                                    [](TDedicatedForm& form) -> const DialogTable& {
                                        return dynamic_cast<TVLanCurrentTableForm&>(form).CurrentTable;
                                    }}),
    [](const ::testing::TestParamInfo<ValueTextCase>& info) { return std::string(info.param.Name); });

}  // namespace
