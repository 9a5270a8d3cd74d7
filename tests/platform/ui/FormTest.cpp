// Forms: modal loop, posted messages, closing, placement, embedding.
#include "Application.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "Screen.h"
#include "StdCtrls.h"
#include "TestHooks.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr unsigned WM_REFRESH = ui::WM_APP + 1234;  // the generic dialog's deferred first read

class FormTest : public testing::Test {
protected:
    void TearDown() override { ui::TestHooks::ClearModalDrivers(); }
};

TEST_F(FormTest, ShowModalRunsDriverAndReturnsItsResult) {
    auto form = std::make_unique<ui::Form>(nullptr);
    std::vector<std::string> log;
    form->OnCreate = [&](ui::Component*) { log.push_back("create"); };
    form->OnShow = [&](ui::Component*) { log.push_back("show"); };
    form->OnActivate = [&](ui::Component*) { log.push_back("activate"); };
    form->OnClose = [&](ui::Component*, ui::CloseAction& action) {
        log.push_back(action == ui::caHide ? "close hide" : "close other");
    };
    form->OnHide = [&](ui::Component*) { log.push_back("hide"); };
    ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
        log.push_back(std::string("driver ") + (shown.Visible() && shown.Modal() ? "modal" : "not modal"));
        shown.SetModalResult(ui::mrOk);
    });

    EXPECT_EQ(form->ShowModal(), ui::mrOk);

    EXPECT_EQ(log, (std::vector<std::string>{"create", "show", "activate", "driver modal", "close hide", "hide"}));
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
    EXPECT_FALSE(form->Widget()->isVisible());
}

TEST_F(FormTest, MessagePostedBeforeShowModalArrivesInFirstPass) {
    auto form = std::make_unique<ui::Form>(nullptr);
    std::vector<std::string> log;
    form->OnMessage = [&](ui::Component*, ui::Message& m) {
        log.push_back("message " + std::to_string(m.Msg) + " " + std::to_string(m.WParam) + " " + std::to_string(m.LParam));
    };
    ASSERT_TRUE(ui::PostMessage(form.get(), WM_REFRESH, 7, -3));
    ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
        log.push_back("driver");
        shown.Close();
    });
    EXPECT_EQ(form->ShowModal(), ui::mrCancel);
    EXPECT_EQ(log, (std::vector<std::string>{"message " + std::to_string(WM_REFRESH) + " 7 -3", "driver"}));
}

TEST_F(FormTest, PostedCloseEndsModalLoop) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->OnActivate = [&](ui::Component*) { ui::PostMessage(form.get(), ui::WM_CLOSE); };
    EXPECT_EQ(form->ShowModal(), ui::mrCancel);
}

TEST_F(FormTest, CloseActionNoneKeepsFormOpen) {
    auto form = std::make_unique<ui::Form>(nullptr);
    int attempts = 0;
    form->OnClose = [&](ui::Component*, ui::CloseAction& action) {
        if (++attempts == 1) action = ui::caNone;
    };
    ui::TestHooks::RunInNextModal([](ui::Form& shown) {
        shown.Close();
        ui::PostMessage(&shown, ui::WM_CLOSE);  // handled after the first refusal
    });
    EXPECT_EQ(form->ShowModal(), ui::mrCancel);
    EXPECT_EQ(attempts, 2);
}

TEST_F(FormTest, CloseQueryCanRefuse) {
    auto form = std::make_unique<ui::Form>(nullptr);
    bool allow = false;
    form->OnCloseQuery = [&](ui::Component*, bool& canClose) { canClose = allow; };
    int closes = 0;
    form->OnClose = [&](ui::Component*, ui::CloseAction&) { ++closes; };
    ui::TestHooks::RunInNextModal([&](ui::Form& shown) {
        shown.Close();
        ui::Form* f = &shown;
        ui::detail::Post(f, [&allow, f] {
            EXPECT_TRUE(f->Visible());
            allow = true;
            f->Close();
        });
    });
    form->ShowModal();
    EXPECT_EQ(closes, 1);
}

TEST_F(FormTest, ButtonModalResultEndsModalLoop) {
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* ok = new ui::Button(form.get());
    ok->SetParent(form.get());
    ok->SetModalResult(ui::mrOk);
    int clicks = 0;
    ok->OnClick = [&](ui::Component*) { ++clicks; };
    ui::TestHooks::RunInNextModal([&](ui::Form&) { ok->Click(); });
    EXPECT_EQ(form->ShowModal(), ui::mrOk);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormTest, NestedModalReactivatesOuterForm) {
    auto outer = std::make_unique<ui::Form>(nullptr);
    auto inner = std::make_unique<ui::Form>(nullptr);
    int outerActivations = 0;
    outer->OnActivate = [&](ui::Component*) { ++outerActivations; };
    ui::Form* innerForm = inner.get();
    ui::TestHooks::RunInNextModal([innerForm](ui::Form& shown) {
        ui::TestHooks::RunInNextModal([](ui::Form& nested) { nested.SetModalResult(ui::mrYes); });
        EXPECT_EQ(innerForm->ShowModal(), ui::mrYes);
        EXPECT_TRUE(shown.Active());
        shown.SetModalResult(ui::mrNo);
    });
    EXPECT_EQ(outer->ShowModal(), ui::mrNo);
    EXPECT_EQ(outerActivations, 2);
}

TEST_F(FormTest, ShowModalOfVisibleFormIsRefused) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->Show();
    EXPECT_THROW(form->ShowModal(), Exception);
    form->Hide();
}

TEST_F(FormTest, CaFreeReleasesTheForm) {
    auto* form = new ui::Form(nullptr);
    auto life = form->LifeToken();
    form->OnClose = [](ui::Component*, ui::CloseAction& action) { action = ui::caFree; };
    ui::TestHooks::RunInNextModal([](ui::Form& shown) { shown.Close(); });
    form->ShowModal();
    EXPECT_FALSE(life.expired());  // freed only once the pending events are handled
    ui::Application::Instance().ProcessMessages();
    EXPECT_TRUE(life.expired());
}

TEST_F(FormTest, MessageToFreedFormIsDropped) {
    auto* form = new ui::Form(nullptr);
    bool handled = false;
    form->OnMessage = [&](ui::Component*, ui::Message&) { handled = true; };
    ui::PostMessage(form, ui::WM_APP);
    delete form;
    ui::Application::Instance().ProcessMessages();
    EXPECT_FALSE(handled);
    EXPECT_FALSE(ui::PostMessage(nullptr, ui::WM_APP));
}

TEST_F(FormTest, NextControlMessageMovesFocusInTabOrder) {
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* first = new ui::Edit(form.get());
    first->SetParent(form.get());
    auto* skipped = new ui::Edit(form.get());
    skipped->SetParent(form.get());
    skipped->SetEnabled(false);
    auto* second = new ui::Edit(form.get());
    second->SetParent(form.get());
    form->Show();
    first->SetFocus();
    ASSERT_TRUE(first->Focused());
    ui::PostMessage(form.get(), ui::WM_NEXTDLGCTL, 0, 0);
    ui::Application::Instance().ProcessMessages();
    EXPECT_TRUE(second->Focused());
    ui::PostMessage(form.get(), ui::WM_NEXTDLGCTL, 1, 0);
    ui::Application::Instance().ProcessMessages();
    EXPECT_TRUE(first->Focused());
    form->Hide();
}

TEST_F(FormTest, CentredOnMainForm) {
    auto& app = ui::Application::Instance();
    auto main = std::make_unique<ui::Form>(nullptr);
    main->SetBounds(100, 50, 600, 400);
    app.SetMainForm(main.get());
    auto dialog = std::make_unique<ui::Form>(nullptr);
    dialog->SetPosition(ui::poMainFormCenter);
    dialog->SetBounds(0, 0, 201, 101);
    ui::TestHooks::RunInNextModal([](ui::Form& shown) { shown.SetModalResult(ui::mrOk); });
    dialog->ShowModal();
    app.SetMainForm(nullptr);
    EXPECT_EQ(dialog->Left(), 100 + (600 - 201) / 2);
    EXPECT_EQ(dialog->Top(), 50 + (400 - 101) / 2);
}

TEST_F(FormTest, FrameDependsOnBorderStyle) {
    struct Case {
        ui::BorderStyle style;
        int frameWidth, frameHeight;
    };
    for (const Case& c : {Case{ui::bsSizeable, 8, 27}, Case{ui::bsDialog, 6, 25}, Case{ui::bsSingle, 6, 25},
                          Case{ui::bsNone, 0, 0}, Case{ui::bsToolWindow, 6, 21}}) {
        auto form = std::make_unique<ui::Form>(nullptr);
        form->SetBorderStyle(c.style);
        form->SetBounds(0, 0, 400, 300);
        EXPECT_EQ(form->ClientWidth(), 400 - c.frameWidth) << c.style;
        EXPECT_EQ(form->ClientHeight(), 300 - c.frameHeight) << c.style;
        EXPECT_EQ(form->Widget()->size(), QSize(400 - c.frameWidth, 300 - c.frameHeight));
    }
}

TEST_F(FormTest, BorderlessFormEmbedsInPanel) {
    auto dialog = std::make_unique<ui::Form>(nullptr);
    dialog->SetClientWidth(300);
    dialog->SetClientHeight(200);
    auto* host = new ui::Panel(dialog.get());
    host->SetParent(dialog.get());
    host->SetAlign(ui::alClient);
    host->SetBevelOuter(ui::bvNone);

    auto* picker = new ui::Form(dialog.get());
    picker->SetBorderStyle(ui::bsNone);
    picker->SetParent(host);
    picker->SetAlign(ui::alClient);
    picker->Show();
    auto* box = new ui::CheckBox(picker);
    box->SetParent(picker);

    EXPECT_FALSE(picker->Widget()->isWindow());
    EXPECT_EQ(picker->Widget()->parentWidget(), host->Widget());
    EXPECT_EQ(picker->BoundsRect(), (ui::Rect{0, 0, 300, 200}));
    EXPECT_EQ(picker->ClientWidth(), 300);
    EXPECT_EQ(box->ParentForm(), dialog.get());

    dialog->Show();
    EXPECT_TRUE(picker->Showing());
    EXPECT_TRUE(box->Widget()->isVisible());
    dialog->Hide();
}

}  // namespace

namespace {

TEST(FormMenu, MenuBarSitsAboveClientAreaWhichKeepsItsSize) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    auto* status = new ui::Panel(form.get());
    status->SetHeight(20);
    status->SetParent(form.get());
    status->SetAlign(ui::alBottom);
    auto bar = std::make_unique<QWidget>();
    bar->setFixedHeight(22);

    form->SetMenuWidget(bar.get());
    EXPECT_EQ(form->ClientHeight(), 200);
    EXPECT_EQ(form->Height(), 200 + 27 + bar->sizeHint().height());
    EXPECT_EQ(bar->parentWidget(), form->Widget());
    EXPECT_EQ(status->Widget()->parentWidget(), form->ClientWidget());
    EXPECT_EQ(form->ClientWidget()->geometry().top(), bar->sizeHint().height());
    EXPECT_EQ(status->BoundsRect(), (ui::Rect{0, 180, 300, 200}));

    form.reset();  // the form never deletes the menu bar
    EXPECT_EQ(bar->parentWidget(), nullptr);
}

}  // namespace
