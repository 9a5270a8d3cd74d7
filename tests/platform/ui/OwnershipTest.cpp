// Owner (lifetime) and parent (where it shows) are separate.
#include "Exception.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "ListView.h"
#include "Splitter.h"
#include "StdCtrls.h"

#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts its destructions, to show that each control is freed exactly once.
class CountedPanel : public ui::Panel {
public:
    explicit CountedPanel(ui::Component* owner, int& deaths) : ui::Panel(owner), deaths_(deaths) {}
    ~CountedPanel() override { ++deaths_; }

private:
    int& deaths_;
};

// A handler may free its own control (a Close that frees the form): the event goes no further into the freed
// widget. ASan reports the use after free without the guard.
TEST(Ownership, AHandlerMayFreeTheControlItRunsFor) {
    struct Case {
        const char* what;
        void (*connect)(ui::Panel*, std::function<void()>);
        void (*send)(QWidget*);
    };
    const Case cases[] = {
        {"mouse down", [](ui::Panel* p, std::function<void()> f) { p->OnMouseDown = [f](auto...) { f(); }; },
         [](QWidget* w) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5)); }},
        {"mouse up", [](ui::Panel* p, std::function<void()> f) { p->OnMouseUp = [f](auto...) { f(); }; },
         [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }},
        {"click", [](ui::Panel* p, std::function<void()> f) { p->OnClick = [f](auto...) { f(); }; },
         [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }},
        {"double click", [](ui::Panel* p, std::function<void()> f) { p->OnDblClick = [f](auto...) { f(); }; },
         [](QWidget* w) { QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }},
    };
    for (const Case& c : cases) {
        auto form = std::make_unique<ui::Form>(nullptr);
        int deaths = 0;
        auto* panel = new CountedPanel(form.get(), deaths);
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 40, 40);
        form->Show();
        QPointer<QWidget> widget = panel->Widget();
        c.connect(panel, [panel] { delete panel; });
        c.send(widget);
        EXPECT_EQ(deaths, 1) << c.what;
        EXPECT_TRUE(widget.isNull()) << c.what;
    }
}

// The paths where a handler runs in the middle of the layer's own event handling: a handler that frees its control,
// or the form it is on, ends the event there. ASan reports the use after free without the guards.
TEST(Ownership, AHandlerMayFreeItsControlOrItsFormOnTheLayersOwnPaths) {
    enum class Frees { Control, Form };
    struct Path {
        const char* what;
        // Builds the control on form, hands it free to run from its handler, and gives the widget to watch.
        QWidget* (*build)(ui::Form* form, std::function<void()> free);
        void (*send)(QWidget* watched);
    };
    const Path paths[] = {
        {"key down",
         [](ui::Form* form, std::function<void()> free) -> QWidget* {
             auto* edit = new ui::Edit(form);
             edit->SetParent(form);
             edit->OnKeyDown = [free](auto...) { free(); };
             edit->OnKeyPress = [](auto...) { ADD_FAILURE() << "a key press after the control was freed"; };
             return edit->Widget();
         },
         [](QWidget* w) { QTest::keyPress(w, Qt::Key_A); }},
        {"splitter moved",
         [](ui::Form* form, std::function<void()> free) -> QWidget* {
             auto* left = new ui::Panel(form);
             left->SetParent(form);
             left->SetAlign(ui::alLeft);
             left->SetWidth(100);
             auto* splitter = new ui::Splitter(form);
             splitter->SetLeft(left->Width());
             splitter->SetParent(form);
             EXPECT_EQ(splitter->ResizedControl(), left);
             splitter->OnMoved = [free](auto...) { free(); };
             return splitter->Widget();
         },
         [](QWidget* bar) {
             const QPoint start(1, 1), end(41, 1);
             QTest::mousePress(bar, Qt::LeftButton, {}, start);
             QMouseEvent move(QEvent::MouseMove, QPointF(end), bar->mapToGlobal(QPointF(end)), Qt::NoButton,
                              Qt::LeftButton, {});
             QCoreApplication::sendEvent(bar, &move);
             QTest::mouseRelease(bar, Qt::LeftButton, {}, end);
         }},
        {"list mouse down",
         [](ui::Form* form, std::function<void()> free) -> QWidget* {
             auto* list = new ui::ListView(form);
             list->SetParent(form);
             list->OnMouseDown = [free](auto...) { free(); };
             return static_cast<QTableView*>(list->Widget())->viewport();
         },
         [](QWidget* viewport) { QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10)); }},
        {"list click",
         [](ui::Form* form, std::function<void()> free) -> QWidget* {
             auto* list = new ui::ListView(form);
             list->SetParent(form);
             list->OnClick = [free](auto...) { free(); };
             return static_cast<QTableView*>(list->Widget())->viewport();
         },
         [](QWidget* viewport) { QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, 10)); }},
        {"list double click",
         [](ui::Form* form, std::function<void()> free) -> QWidget* {
             auto* list = new ui::ListView(form);
             list->SetParent(form);
             list->OnDblClick = [free](auto...) { free(); };
             return static_cast<QTableView*>(list->Widget())->viewport();
         },
         [](QWidget* viewport) { QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(10, 10)); }},
    };
    for (const Path& path : paths) {
        for (Frees frees : {Frees::Control, Frees::Form}) {
            SCOPED_TRACE(std::string(path.what) + (frees == Frees::Form ? ", frees the form" : ", frees the control"));
            auto* form = new ui::Form(nullptr);
            form->SetBounds(0, 0, 300, 200);
            form->Show();
            QPointer<QWidget> formWidget = form->Widget();
            ui::Component* control = nullptr;
            QPointer<QWidget> watched = path.build(form, [&] {
                if (frees == Frees::Form)
                    delete form;
                else
                    delete control;
            });
            control = form->Components(form->ComponentCount() - 1);
            path.send(watched);
            EXPECT_TRUE(watched.isNull());
            EXPECT_EQ(formWidget.isNull(), frees == Frees::Form);
            if (!formWidget.isNull()) delete form;
        }
    }
}

TEST(Ownership, ReparentingKeepsWidgetAndState) {
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* left = new ui::Panel(form.get());
    left->SetParent(form.get());
    auto* right = new ui::Panel(form.get());
    right->SetParent(form.get());
    auto* edit = new ui::Edit(form.get());
    edit->SetParent(left);
    edit->SetBounds(3, 4, 50, 21);
    edit->SetText("kept");
    edit->SetEnabled(false);
    QWidget* widget = edit->Widget();

    edit->SetParent(right);

    EXPECT_EQ(edit->Widget(), widget);
    EXPECT_EQ(widget->parentWidget(), right->Widget());
    EXPECT_EQ(edit->Text(), "kept");
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Left(), 3);
    EXPECT_EQ(edit->Owner(), form.get());
    EXPECT_EQ(left->ControlCount(), 0);
    ASSERT_EQ(right->ControlCount(), 1);
    EXPECT_EQ(right->Controls(0), edit);
    EXPECT_FALSE(widget->isHidden());

    edit->SetParent(nullptr);  // no parent: kept, but not shown
    EXPECT_EQ(edit->Text(), "kept");
    EXPECT_TRUE(widget->isHidden());
    EXPECT_TRUE(edit->Visible());
}

TEST(Ownership, OwnerFreesControlShownElsewhereOnce) {
    int deaths = 0;
    auto host = std::make_unique<ui::Form>(nullptr);
    auto* hostPanel = new ui::Panel(host.get());
    hostPanel->SetParent(host.get());
    auto* owner = new ui::Form(nullptr);
    auto* guest = new CountedPanel(owner, deaths);
    guest->SetParent(hostPanel);
    QPointer<QWidget> widget = guest->Widget();

    delete owner;

    EXPECT_EQ(deaths, 1);
    EXPECT_TRUE(widget.isNull());
    EXPECT_EQ(hostPanel->ControlCount(), 0);
    host.reset();  // nothing left to free twice
    EXPECT_EQ(deaths, 1);
}

TEST(Ownership, ParentDestroysChildOwnedElsewhere) {
    int deaths = 0;
    auto owner = std::make_unique<ui::Form>(nullptr);
    auto* host = new ui::Form(nullptr);
    auto* child = new CountedPanel(owner.get(), deaths);
    child->SetParent(host);
    const int owned = owner->ComponentCount();

    delete host;

    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(owner->ComponentCount(), owned - 1);
    owner.reset();
    EXPECT_EQ(deaths, 1);
}

TEST(Ownership, OwnerFreesItsTreeAndTimers) {
    int deaths = 0;
    auto* form = new ui::Form(nullptr);
    auto* outer = new CountedPanel(form, deaths);
    outer->SetParent(form);
    auto* inner = new CountedPanel(form, deaths);
    inner->SetParent(outer);
    auto* timer = new ui::Timer(form);
    timer->SetInterval(5);
    EXPECT_EQ(form->ComponentCount(), 3);

    delete form;
    EXPECT_EQ(deaths, 2);
}

TEST(Ownership, ControlCannotBecomeItsOwnAncestor) {
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* outer = new ui::Panel(form.get());
    outer->SetParent(form.get());
    auto* inner = new ui::Panel(form.get());
    inner->SetParent(outer);
    EXPECT_THROW(outer->SetParent(inner), Exception);
    EXPECT_THROW(outer->SetParent(outer), Exception);
    EXPECT_EQ(outer->Parent(), form.get());
}

TEST(Ownership, InsertComponentMovesOwnership) {
    auto first = std::make_unique<ui::Form>(nullptr);
    auto second = std::make_unique<ui::Form>(nullptr);
    auto* panel = new ui::Panel(first.get());
    second->InsertComponent(panel);
    EXPECT_EQ(panel->Owner(), second.get());
    EXPECT_EQ(first->ComponentCount(), 0);
    EXPECT_EQ(second->ComponentCount(), 1);
}

}  // namespace
