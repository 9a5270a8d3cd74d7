// Page controls with tab sheets, status bars and progress bars.
#include "ComCtrls.h"
#include "Exception.h"
#include "Form.h"
#include "StdCtrls.h"

#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class PageControlTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form>(nullptr);
        form->SetBounds(0, 0, 500, 400);
        pages = new ui::PageControl(form.get());
        pages->SetParent(form.get());
        pages->SetBounds(0, 0, 400, 300);
        pages->OnChange = [this](ui::Component* sender) {
            EXPECT_EQ(sender, pages);
            ++changes;
        };
        form->Show();
    }
    void TearDown() override { form.reset(); }

    ui::TabSheet* AddPage(const std::string& caption) {
        auto* sheet = new ui::TabSheet(pages);
        sheet->SetCaption(caption);
        sheet->SetTag(pages->PageCount());
        sheet->SetPageControl(pages);
        return sheet;
    }
    QTabBar* Tabs() const { return pages->Widget()->findChild<QTabBar*>(); }
    QStringList TabTexts() const {
        QStringList texts;
        for (int i = 0; i < Tabs()->count(); ++i) texts << Tabs()->tabText(i);
        return texts;
    }
    void ClickTab(int index) {
        QTest::mouseClick(Tabs(), Qt::LeftButton, {}, Tabs()->tabRect(index).center());
    }

    std::unique_ptr<ui::Form> form;
    ui::PageControl* pages = nullptr;
    int changes = 0;
};

TEST_F(PageControlTest, AddingPagesAndSettingActivePageByCodeFireNoChange) {
    ui::TabSheet* first = AddPage("Egress Ports");
    ui::TabSheet* second = AddPage("Untagged Ports");
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(second->Tag(), 1);
    EXPECT_EQ(second->PageIndex(), 1);
    EXPECT_EQ(pages->ActivePage(), first);  // the first page added becomes active
    EXPECT_TRUE(first->Showing());
    EXPECT_FALSE(second->Showing());
    EXPECT_EQ(TabTexts(), (QStringList{"Egress Ports", "Untagged Ports"}));

    pages->SetActivePage(second);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(second->Showing());
    EXPECT_FALSE(first->Showing());
    EXPECT_EQ(Tabs()->currentIndex(), 1);
    EXPECT_EQ(changes, 0);
}

// Tabs follow their pages through shown, hidden, renamed and moved pages, in page order.
TEST_F(PageControlTest, TabsFollowTheirPagesWhateverChanges) {
    ui::TabSheet* a = AddPage("A");
    ui::TabSheet* b = AddPage("B");
    ui::TabSheet* c = AddPage("C");
    EXPECT_EQ(TabTexts(), QStringList({"A", "B", "C"}));
    b->SetTabVisible(false);
    EXPECT_EQ(TabTexts(), QStringList({"A", "C"}));
    a->SetTabVisible(false);
    c->SetCaption("C2");
    EXPECT_EQ(TabTexts(), QStringList({"C2"}));
    b->SetTabVisible(true);
    a->SetTabVisible(true);
    EXPECT_EQ(TabTexts(), QStringList({"A", "B", "C2"}));
    c->SetPageControl(nullptr);
    EXPECT_EQ(TabTexts(), QStringList({"A", "B"}));
    c->SetPageControl(pages);
    b->SetCaption("B2");
    EXPECT_EQ(TabTexts(), QStringList({"A", "B2", "C2"}));
}

TEST_F(PageControlTest, UserPickingATabFiresChange) {
    ui::TabSheet* first = AddPage("One");
    AddPage("Two");
    ui::TabSheet* activeAtChange = nullptr;
    pages->OnChange = [&](ui::Component*) {
        ++changes;
        activeAtChange = pages->ActivePage();
    };

    ClickTab(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(activeAtChange, pages->Pages(1));
    ClickTab(1);  // the tab already shown
    EXPECT_EQ(changes, 1);
    ClickTab(0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(pages->ActivePage(), first);
}

TEST_F(PageControlTest, HiddenTabPageShowsItsContentWhenMadeActiveByCode) {
    ui::TabSheet* first = AddPage("Unit1");
    ui::TabSheet* second = AddPage("Unit2");
    auto* content = new ui::CheckBox(second);
    content->SetParent(second);
    second->SetTabVisible(false);
    EXPECT_EQ(TabTexts(), (QStringList{"Unit1"}));

    pages->SetActivePage(second);
    EXPECT_TRUE(second->Showing());
    EXPECT_TRUE(content->Widget()->isVisible());
    EXPECT_FALSE(first->Showing());
    EXPECT_EQ(pages->TabIndex(), -1);
    EXPECT_EQ(changes, 0);

    // The tab of the other page still switches to it.
    ClickTab(0);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, SinglePageWithoutTabShowsItsContent) {
    // One unit page whose tab is hidden, then shown, then hidden again and the sheet made visible.
    ui::TabSheet* unit = AddPage("Unit1");
    unit->SetTabVisible(false);
    unit->SetCaption("Unit1 QSW-2126P");
    unit->SetTabVisible(true);
    unit->SetTabVisible(false);
    unit->SetVisible(true);
    EXPECT_EQ(Tabs()->count(), 0);
    EXPECT_EQ(pages->ActivePage(), unit);
    EXPECT_TRUE(unit->Showing());
    EXPECT_EQ(changes, 0);
}

TEST_F(PageControlTest, ShowingATabWhileTheActivePageHasNoneMakesItActive) {
    // Twelve unit pages, every tab hidden; then the tabs of the present units are shown.
    std::vector<ui::TabSheet*> units;
    for (int n = 1; n <= 12; ++n) {
        units.push_back(AddPage("Unit" + std::to_string(n)));
        units.back()->SetTabVisible(false);
    }
    units[1]->SetTabVisible(true);
    units[2]->SetTabVisible(true);
    EXPECT_EQ(pages->ActivePage(), units[1]);
    EXPECT_EQ(TabTexts(), (QStringList{"Unit2", "Unit3"}));
    EXPECT_EQ(Tabs()->currentIndex(), 0);

    units[1]->SetTabVisible(false);  // the active page's tab goes: the next tab's page takes over
    EXPECT_EQ(pages->ActivePage(), units[2]);
    EXPECT_EQ(changes, 0);
}

TEST_F(PageControlTest, PagesFillTheDisplayAreaBelowTheTabs) {
    ui::TabSheet* page = AddPage("Page");
    const ui::Rect area = pages->AlignRect();
    EXPECT_EQ(page->BoundsRect(), area);
    EXPECT_EQ(area.Top, pages->TabRowHeight() + 4);
    pages->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(page->Width(), 300 - 8);
    EXPECT_EQ(page->Height(), 200 - 8 - pages->TabRowHeight());
}

TEST_F(PageControlTest, RemovingPagesAndDestroyingFireNoChange) {
    ui::TabSheet* first = AddPage("One");
    ui::TabSheet* second = AddPage("Two");
    delete first;
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_TRUE(second->Showing());
    second->SetPageControl(nullptr);
    EXPECT_EQ(pages->PageCount(), 0);
    EXPECT_EQ(pages->ActivePage(), nullptr);
    second->SetPageControl(pages);
    AddPage("Three");
    EXPECT_THROW(pages->Pages(5), Exception);

    form.reset();  // destroys the page control with its pages
    EXPECT_EQ(changes, 0);
}

TEST(StatusBar, PanelsShowTextsSideBySideAndTheLastReachesTheEdge) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    auto* bar = new ui::StatusBar(form.get());
    bar->SetParent(form.get());
    EXPECT_EQ(bar->BoundsRect(), (ui::Rect{0, 181, 300, 200}));  // aligned to the bottom

    ui::StatusPanel* first = bar->Panels().Add();
    first->SetWidth(50);
    ui::StatusPanel* second = bar->Panels().Add();
    second->SetWidth(80);
    first->SetText("Get: Ok! Receive at 10:00:00.");
    EXPECT_EQ(bar->Panels()[0]->Text(), "Get: Ok! Receive at 10:00:00.");
    EXPECT_EQ(bar->PanelRect(0), (ui::Rect{0, 0, 50, 19}));
    EXPECT_EQ(bar->PanelRect(1), (ui::Rect{50, 0, 300, 19}));
    EXPECT_THROW(bar->Panels()[2], Exception);

    bar->SetSimplePanel(true);
    bar->SetSimpleText("<b>literal</b>");
    EXPECT_EQ(bar->SimpleText(), "<b>literal</b>");
    EXPECT_FALSE(bar->Widget()->grab().isNull());  // paints without trouble
}

TEST(ProgressBar, PositionStaysInRangeAndStepItStartsAgain) {
    ui::ProgressBar bar(nullptr);
    bar.SetRange(0, 600);
    bar.SetStep(20);
    for (int i = 0; i < 29; ++i) bar.StepIt();
    EXPECT_EQ(bar.Position(), 580);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 600);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 0);

    bar.SetPosition(700);
    EXPECT_EQ(bar.Position(), 600);
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetPosition(50);
    bar.SetMax(40);
    EXPECT_EQ(bar.Position(), 40);
    bar.StepBy(-100);
    EXPECT_EQ(bar.Position(), 0);
}

}  // namespace
