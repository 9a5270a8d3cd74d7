// Splitters resize their neighbour; scroll boxes scroll content larger than themselves.
#include "ExtCtrls.h"
#include "Form.h"
#include "ScrollBox.h"
#include "Splitter.h"
#include "StdCtrls.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class SplitterTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form>(nullptr);
        form->SetClientWidth(400);
        form->SetClientHeight(300);
        form->Show();
    }
    void TearDown() override { form.reset(); }
    ui::Panel* AddPanel(ui::Align align, int size) {
        auto* panel = new ui::Panel(form.get());
        panel->SetBounds(0, 0, size, size);
        panel->SetParent(form.get());
        panel->SetAlign(align);
        return panel;
    }
    void Drag(ui::Splitter* splitter, QPoint by) {
        QWidget* bar = splitter->Widget();
        const QPoint start(1, 1);
        QTest::mousePress(bar, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start + by), bar->mapToGlobal(QPointF(start + by)), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, start + by);
    }
    std::unique_ptr<ui::Form> form;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourOnItsSide) {
    ui::Panel* buttons = AddPanel(ui::alRight, 100);
    auto* splitter = new ui::Splitter(form.get());
    splitter->SetParent(form.get());
    splitter->SetAlign(ui::alRight);
    ui::Panel* content = AddPanel(ui::alClient, 10);
    EXPECT_EQ(splitter->Width(), 3);
    EXPECT_EQ(splitter->Left(), 297);
    EXPECT_EQ(splitter->ResizedControl(), buttons);
    int moved = 0;
    splitter->OnMoved = [&](ui::Component*) { ++moved; };

    Drag(splitter, QPoint(-50, 0));
    EXPECT_EQ(buttons->Width(), 150);
    EXPECT_EQ(content->Width(), 400 - 150 - 3);
    EXPECT_EQ(moved, 1);

    Drag(splitter, QPoint(500, 0));  // not below the minimum size
    EXPECT_EQ(buttons->Width(), splitter->MinSize());
    Drag(splitter, QPoint(-1000, 0));  // leaves the client neighbour its minimum
    EXPECT_EQ(content->Width(), splitter->MinSize());
}

TEST_F(SplitterTest, TopSplitterResizesTheControlAbove) {
    ui::Panel* list = AddPanel(ui::alTop, 120);
    auto* splitter = new ui::Splitter(form.get());
    splitter->SetParent(form.get());
    splitter->SetAlign(ui::alTop);
    splitter->SetHeight(3);
    EXPECT_EQ(splitter->Top(), 120);
    EXPECT_EQ(splitter->ResizedControl(), list);
    Drag(splitter, QPoint(0, 30));
    EXPECT_EQ(list->Height(), 150);
    EXPECT_EQ(splitter->Top(), 150);
}

TEST(ScrollBox, ScrollBarsAppearWhenTheContentIsLarger) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    auto* box = new ui::ScrollBox(form.get());
    box->SetParent(form.get());
    box->SetAlign(ui::alClient);
    box->SetBorderStyle(ui::bsNone);
    form->Show();
    EXPECT_FALSE(box->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(box->ClientHeight(), 200);

    // Views stacked top to bottom: the fifth reaches below the box.
    std::vector<ui::Panel*> views;
    for (int i = 0; i < 5; ++i) {
        auto* view = new ui::Panel(form.get());
        view->SetParent(box);
        view->SetBounds(0, i * 90, 280, 90);
        views.push_back(view);
    }
    EXPECT_TRUE(box->VertScrollBar().IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar().IsScrollBarVisible());
    EXPECT_EQ(box->VertScrollBar().Range(), 450);
    EXPECT_LT(box->ClientWidth(), 300);
    EXPECT_EQ(views[4]->Widget()->parentWidget(), box->ClientWidget());

    box->VertScrollBar().SetPosition(1000);  // kept within the range
    EXPECT_EQ(box->VertScrollBar().Position(), 450 - 200);
    EXPECT_EQ(views[4]->Top(), 360);  // positions stay those in the content
    EXPECT_EQ(views[4]->Widget()->mapTo(box->Widget(), QPoint(0, 0)).y(), 360 - 250);
    box->VertScrollBar().SetPosition(0);

    for (int i = 2; i < 5; ++i) views[i]->Hide();
    EXPECT_FALSE(box->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(box->ClientWidth(), 300);

    views[0]->SetWidth(500);  // now too wide
    EXPECT_TRUE(box->HorzScrollBar().IsScrollBarVisible());
    box->SetAutoScroll(false);
    EXPECT_FALSE(box->HorzScrollBar().IsScrollBarVisible());
}

}  // namespace
