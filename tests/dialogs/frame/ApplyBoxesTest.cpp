// Apply boxes that know their editors, on a small dialog of the spanning-tree scalars against the simulator: the
// first ticked box whose editor is empty (in the table's order) stops the write with the caller's message and gets
// the focus when it is enabled, a box's own check runs in its turn, and nothing is sent after a refusal.
#include "DedicatedDialogFixture.h"

#include "ApplyBoxes.h"
#include "DedicatedForm.h"
#include "DialogTable.h"
#include "EditorInput.h"

#include "CatalogTables.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* EmptyText = "Some checked field is empty";
constexpr const char* MaxAgeText = "Max Age out of range";

// The version, Max Age, Hello Time and Forward Delay of the spanning-tree group, each with its apply box; Max Age
// has a range check of its own.
class TApplyBoxForm : public TDedicatedForm {
public:
    explicit TApplyBoxForm(ui::Component* owner) : TDedicatedForm(owner, 500, 300), Group(AddTable()) {
        BuildButtonPanel("StaticText1");
        SetChecked = NewPanelButton("SetButton", "Set Checked", [this] { SetCheckedClick(); });
        BuildTableArea("ListView1", 10, false);
        Version = NewEditorCombo("Version", "STP Version", 60);
        MaxAge = NewEditorEdit("MaxAge", "Max Age", 50);
        HelloTime = NewEditorEdit("HelloTime", "Hello Time", 50);
        ForwardDelay = NewEditorEdit("ForwardDelay", "Forward Delay", 50);
        const auto box = [this](int left) {
            auto* check = new ui::CheckBox(this);
            check->SetParent(EditorPanel);
            check->SetBounds(8 + left, 60, 16, 16);
            return check;
        };
        Boxes = ApplyBoxes({{box(0), 0, Version},
                            {box(20), 1, MaxAge, [this] { return MaxAgeInRange(); }},
                            {box(40), 2, HelloTime},
                            {box(60), 3, ForwardDelay}});
        OnCreate = [this](ui::Component*) {
            Group.Open(Oid_switch::E_12_15_1_A, SVT_SV, 0, [this](DialogRequest& request) {
                request.BindComboBox(0, Version);
                request.BindEdit(1, "%i", MaxAge);
                request.BindEdit(2, "%i", HelloTime);
                request.BindEdit(3, "%i", ForwardDelay);
            });
        };
        DoCreate();
    }
    ui::CheckBox* BoxOf(const ui::Control* editor) const {
        for (const ApplyBox& box : Boxes.Boxes())
            if (box.Editor == editor) return box.Box;
        return nullptr;
    }

    DialogTable& Group;
    ApplyBoxes Boxes;
    ui::ComboBox* Version = nullptr;
    ui::Edit* MaxAge = nullptr;
    ui::Edit* HelloTime = nullptr;
    ui::Edit* ForwardDelay = nullptr;
    ui::Button* SetChecked = nullptr;

private:
    void SetCheckedClick() {
        if (Boxes.NoneChecked() || !Boxes.TickedEditorsPass(this, EmptyText)) return;
        Group.Write([this] { Group.SendChecked(Boxes); });
    }
    bool MaxAgeInRange() {
        if (TextToIntDef(MaxAge->Text(), -1) >= 600) return true;
        RefuseInput(this, MaxAgeText, MaxAge);
        return false;
    }
};

class ApplyBoxesTest : public DedicatedDialogTest {
protected:
    void Show(const std::function<void(TApplyBoxForm&)>& driver) {
        TApplyBoxForm dialog(&ui::Application::Instance());
        ShowWhen<TApplyBoxForm>(
            dialog, [](TApplyBoxForm& form) { return WalkEnded(form.Group); }, driver);
    }
    static void Tick(TApplyBoxForm& form, ui::Control* editor) { form.BoxOf(editor)->SetChecked(true); }
};

TEST_F(ApplyBoxesTest, TheFirstTickedEmptyEditorStopsTheWriteAndGetsTheFocus) {
    using F = TApplyBoxForm;
    struct Case {
        const char* name;
        std::function<void(F&)> prepare;  // after every editor was filled and every box cleared
        const char* message;
        std::function<ui::Control*(F&)> focus;       // null: the focus stays on the button
        std::function<ui::Control*(F&)> firstEmpty;  // FirstEmptyTicked's editor
    };
    const Case cases[] = {
        {"the table's order, not the order of ticking",
         [](F& f) {
             f.HelloTime->SetText("");
             Tick(f, f.HelloTime);
             f.MaxAge->SetText("");
             Tick(f, f.MaxAge);
         },
         EmptyText, [](F& f) -> ui::Control* { return f.MaxAge; }, [](F& f) -> ui::Control* { return f.MaxAge; }},
        {"a combo box without a chosen entry is empty",
         [](F& f) {
             f.Version->SetItemIndex(-1);
             Tick(f, f.Version);
             f.MaxAge->SetText("");
             Tick(f, f.MaxAge);
         },
         EmptyText, [](F& f) -> ui::Control* { return f.Version; }, [](F& f) -> ui::Control* { return f.Version; }},
        {"an empty editor without its tick is passed by",
         [](F& f) {
             f.MaxAge->SetText("");
             f.ForwardDelay->SetText("");
             Tick(f, f.ForwardDelay);
         },
         EmptyText, [](F& f) -> ui::Control* { return f.ForwardDelay; },
         [](F& f) -> ui::Control* { return f.ForwardDelay; }},
        {"a disabled editor gets no focus",
         [](F& f) {
             f.HelloTime->SetText("");
             SetEditorEnabled(f.HelloTime, false);
             Tick(f, f.HelloTime);
         },
         EmptyText, nullptr, [](F& f) -> ui::Control* { return f.HelloTime; }},
        {"a box's own check runs in its turn, before a later empty editor",
         [](F& f) {
             f.MaxAge->SetText("5");
             Tick(f, f.MaxAge);
             f.HelloTime->SetText("");
             Tick(f, f.HelloTime);
         },
         MaxAgeText, [](F& f) -> ui::Control* { return f.MaxAge; }, [](F& f) -> ui::Control* { return f.HelloTime; }},
    };
    ui::MessageBoxRecorder boxes;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        Show([&](TApplyBoxForm& form) {
            form.Boxes.ClearChecks();
            form.MaxAge->SetText("2000");
            form.HelloTime->SetText("200");
            form.ForwardDelay->SetText("1500");
            c.prepare(form);
            const ApplyBox* firstEmpty = form.Boxes.FirstEmptyTicked();
            ASSERT_NE(firstEmpty, nullptr);
            EXPECT_EQ(firstEmpty->Editor, c.firstEmpty(form));
            ASSERT_TRUE(UserClick(form.SetChecked));
            EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{c.message});
            ui::Control* focused = c.focus ? c.focus(form) : form.SetChecked;
            EXPECT_TRUE(focused->Focused()) << focused->Name();
            EXPECT_TRUE(NothingSent());
            EXPECT_TRUE(NoInvalidBits(form.Group));
        });
    }
}

TEST_F(ApplyBoxesTest, TickedFilledEditorsAreWrittenWhateverTheUntickedOnesHold) {
    ui::MessageBoxRecorder boxes;
    Show([&](TApplyBoxForm& form) {
        form.Boxes.ClearChecks();
        form.HelloTime->SetText("");
        form.MaxAge->SetText("2400");
        form.ForwardDelay->SetText("1600");
        Tick(form, form.MaxAge);
        Tick(form, form.ForwardDelay);
        EXPECT_EQ(form.Boxes.FirstEmptyTicked(), nullptr);
        ASSERT_TRUE(UserClick(form.SetChecked));
        ASSERT_TRUE(WaitWalk(form.Group));
        EXPECT_TRUE(boxes.Calls().empty());
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(Varbinds(sets[0]), ElementsAre("1.3.6.1.4.1.32473.12.15.1.3.0=INTEGER:2400",
                                                   "1.3.6.1.4.1.32473.12.15.1.5.0=INTEGER:1600"));
        EXPECT_TRUE(NoInvalidBits(form.Group));
    });
}

}  // namespace
