// The generic dialog: builder rules, the deferred first read, paged dialogs, closing, and assembly from one
// command's description (caption, sizes, extras).
#include "GUIGenericDialog.h"
#include "ListView.h"
#include "SimDialogFixture.h"

#include "Exception.h"

#include <gmock/gmock.h>

namespace {

using namespace simdialog;
using ::testing::HasSubstr;

class ConfigFormTest : public SimDialogTest {
protected:
    void TearDown() override {
        ui::TestHooks::SetPixelsPerInch(0);
        SimDialogTest::TearDown();
    }
    int ReadsUnder(const std::string& prefix) {
        int count = 0;
        for (const std::string& line : Pdus())
            if (line.rfind("SET ", 0) != 0 && line.find(prefix) != std::string::npos) ++count;
        return count;
    }
};

void ExpectRaises(const std::function<void()>& action, const std::string& message) {
    try {
        action();
        ADD_FAILURE() << "no exception, expected " << message;
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, message);
    }
}

TEST_F(ConfigFormTest, TheTypeIsSetOnceAndPagesNeedAPagedForm) {
    TConfigForm editor(&ui::Application::Instance());
    EXPECT_EQ(editor.Caption(), "ConfigForm");
    EXPECT_EQ(editor.FormType, TConfigForm::ftNone);
    ExpectRaises([&] { editor.AddEditorPage("x", nullptr); }, "Can not add editor page to a none-page pannel!");
    ExpectRaises([&] { editor.AddListViewPage("x", nullptr, -1, "", -1, ""); },
                 "Can not add listview page to a none-page pannel!");
    editor.CreateEditorPanel(NewRequest(&editor, StpGroup, SVT_SV, 0));
    EXPECT_EQ(editor.FormType, TConfigForm::ftEditor);
    ExpectRaises([&] { editor.CreatePageControl(); }, "Can not change Type of a Config Form!");
    EXPECT_EQ(editor.FormType, TConfigForm::ftEditor);
    EXPECT_EQ(editor.Requests.size(), 1u);
}

TEST_F(ConfigFormTest, TheFirstReadWaitsForTheModalLoop) {
    TConfigForm dialog(&ui::Application::Instance());
    NxSNMPRequest2Edits* request = NewRequest(&dialog, StpGroup, SVT_SV, 0);
    dialog.CreateEditorPanel(request);
    // Settings changed after the builder call are in force for the first read.
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    EXPECT_TRUE(Pdus().empty());
    bool readInLoop = false;
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        readInLoop = !Pdus("GET").empty() && !request->Busy;
        form.Close();
    });
    dialog.ShowModal();
    EXPECT_TRUE(readInLoop);
    // Closing stopped and freed every request.
    EXPECT_TRUE(dialog.Requests.empty());
}

TEST_F(ConfigFormTest, AnEmptyDialogAndAnEmptyPagedDialogReadNothing) {
    for (bool paged : {false, true}) {
        TConfigForm dialog(&ui::Application::Instance());
        if (paged) dialog.CreatePageControl();
        ui::TestHooks::RunInNextModal([](ui::Form& form) { form.Close(); });
        dialog.ShowModal();
        EXPECT_TRUE(Pdus().empty());
    }
}

TEST_F(ConfigFormTest, APagedDialogReadsEachPageWhenShownAndNothingAfterClosing) {
    TConfigForm dialog(&ui::Application::Instance());
    dialog.SetCaption("DHCP Server: 127.0.0.1");
    dialog.CreatePageControl();
    dialog.AddEditorPage("Spanning Tree", NewRequest(&dialog, StpGroup, SVT_SV, 0));
    TSNMPListViewPanel* list = dialog.AddListViewPage("Static Binding", NewRequest(&dialog, StaticBindings, MVT_UMV, 2),
                                                      StaticBindingsStatus, "createAndGo", StaticBindingsStatus,
                                                      "destroy");
    ui::PageControl& pages = *dialog.PageControl;
    ASSERT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(pages.Pages(1)->Tag(), 1);
    EXPECT_EQ(dialog.Requests[1].get(), list->Request);
    // Nothing shrinks: the page control holds its largest page, the form the page control.
    EXPECT_GE(pages.Width(), pages.Pages(1)->Width());
    EXPECT_GE(dialog.ClientWidth(), list->Width());
    EXPECT_EQ(list->RowDialogCaption(" (Add)"), "Static Binding: 127.0.0.1 (Add)");
    const std::string table = "1.3.6.1.4.1.32473.12.38.3.3.1";
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        EXPECT_TRUE(WaitIdle(*dialog.Requests[0]));
        EXPECT_EQ(ReadsUnder(table), 0);
        pages.SetActivePageIndex(1);
        pages.OnChange(&pages);
        EXPECT_TRUE(WaitIdle(*dialog.Requests[1]));
        EXPECT_EQ(list->ListViewPanel->ListView->Items().Count(), 3);
        const int firstReads = ReadsUnder(table);
        EXPECT_GT(firstReads, 0);
        pages.OnChange(&pages);  // shown again: read again
        EXPECT_TRUE(WaitIdle(*dialog.Requests[1]));
        EXPECT_GT(ReadsUnder(table), firstReads);
        form.Close();
    });
    dialog.ShowModal();
    EXPECT_TRUE(dialog.Requests.empty());
    // A page change that arrives after the requests are gone reads nothing.
    MarkLog();
    pages.SetActivePageIndex(0);
    EXPECT_NO_THROW(pages.OnChange(&pages));
    EXPECT_TRUE(Pdus().empty());
}

TEST_F(ConfigFormTest, ClosingDuringALongWalkWaitsForItsLastAnswer) {
    TConfigForm dialog(&ui::Application::Instance());
    NxSNMPRequest2Edits* request = NewRequest(&dialog, StaticBindings, MVT_UMV, 2);
    dialog.CreateListViewPanel(request, -1, "", -1, "");
    ASSERT_EQ(Control("hold 1.3.6.1.4.1.32473.12.38.3.3.1 300"), "ok");
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        EXPECT_TRUE(request->Busy);
        form.Close();
    });
    dialog.ShowModal();
    EXPECT_TRUE(dialog.Requests.empty());
}

// A blocking walk lets events run between its rows; closing the dialog then ends the walk, which could otherwise
// hold the dialog open for ever (an agent whose table never ends).
TEST_F(ConfigFormTest, ClosingDuringABlockingWalkStopsIt) {
    TConfigForm dialog(&ui::Application::Instance());
    NxSNMPRequest2Edits* request = NewRequest(&dialog, StaticBindings, MVT_UMV, 2);
    dialog.CreateListViewPanel(request, -1, "", -1, "");
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    ui::Component alive(nullptr);
    // Queued as the read starts: it arrives while the walk runs.
    request->OnBeforeGet = [&] { ui::detail::Post(&alive, [&dialog] { dialog.Close(); }); };
    dialog.ShowModal();
    EXPECT_EQ(ReadsUnder(StaticBindings), 1);
    EXPECT_TRUE(dialog.Requests.empty());
}

TEST_F(ConfigFormTest, AssemblyFromACommandSetsCaptionAndScaledSizes) {
    GenericDialogRecipe recipe;
    recipe.Caption = "Static Binding: 127.0.0.1";
    recipe.Kind = GenericDialogKind::TableListAddDelete;
    recipe.Table = {FindCatalogTable(StaticBindings), MVT_UMV, 2, {}};
    recipe.Extras.RowStatusColumn = StaticBindingsStatus;
    recipe.Extras.Height = 450;
    recipe.Extras.NoEdit = true;
    {
        std::unique_ptr<TConfigForm> dialog = BuildGenericDialog(recipe);
        EXPECT_EQ(dialog->Caption(), "Static Binding: 127.0.0.1");
        EXPECT_EQ(dialog->Height(), 450);
        EXPECT_EQ(dialog->FormType, TConfigForm::ftListView);
    }
    ui::TestHooks::SetPixelsPerInch(120);
    std::unique_ptr<TConfigForm> dialog = BuildGenericDialog(recipe);
    EXPECT_EQ(dialog->Height(), 562);
}

TEST_F(ConfigFormTest, ShowGenericDialogReadsAndFreesEverything) {
    GenericDialogRecipe recipe;
    recipe.Caption = "Spanning Tree: 127.0.0.1";
    recipe.Kind = GenericDialogKind::ScalarsEditor;
    recipe.Table = {FindCatalogTable(StpGroup), SVT_SV, 0, {}};
    recipe.Extras.EditWidthPlus = 50;
    recipe.Extras.OptionalRows = {1};
    bool hookRan = false;
    recipe.Extras.OnClose = [&](TConfigForm& dialog) { hookRan = dialog.Requests.empty(); };
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        auto& dialog = dynamic_cast<TConfigForm&>(form);
        EXPECT_TRUE(WaitIdle(*dialog.Requests[0]));
        EXPECT_EQ(form.Caption(), "Spanning Tree: 127.0.0.1");
        form.Close();
    });
    ShowGenericDialog(recipe);
    EXPECT_TRUE(hookRan);
    EXPECT_FALSE(Pdus("GET").empty());
}

}  // namespace
