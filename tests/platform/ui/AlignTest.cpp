// The Align engine: each row builds children in order and checks every child's pixel rectangle.
#include "ExtCtrls.h"
#include "Form.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ui {
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.Left << "," << r.Top << " " << r.Width() << "x" << r.Height() << ")";
}
}  // namespace ui

namespace {

struct ChildLayout {
    ui::Align align;
    int left, top, width, height;
    bool visible;
    ui::Rect expected;  // Left, Top, Right, Bottom
};

struct AlignCase {
    std::string name;
    ui::BevelCut bevel;  // of the 200 x 100 parent panel
    std::vector<ChildLayout> children;
};

void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.name; }

ui::Rect R(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

class AlignTable : public testing::TestWithParam<AlignCase> {};

TEST_P(AlignTable, PlacesChildren) {
    const AlignCase& c = GetParam();
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* parent = new ui::Panel(form.get());
    parent->SetBevelOuter(c.bevel);
    parent->SetBounds(0, 0, 200, 100);
    parent->SetParent(form.get());
    std::vector<ui::Panel*> children;
    for (const ChildLayout& recipe : c.children) {
        auto* child = new ui::Panel(form.get());
        child->SetBevelOuter(ui::bvNone);
        child->SetBounds(recipe.left, recipe.top, recipe.width, recipe.height);
        child->SetVisible(recipe.visible);
        child->SetParent(parent);
        child->SetAlign(recipe.align);
        children.push_back(child);
    }
    for (size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE("child " + std::to_string(i));
        EXPECT_EQ(children[i]->BoundsRect(), c.children[i].expected);
        const ui::Rect& e = c.children[i].expected;
        if (c.children[i].visible && e.Width() >= 0 && e.Height() >= 0) {
            const QRect g = children[i]->Widget()->geometry();
            EXPECT_EQ(ui::Rect(g.left(), g.top(), g.left() + g.width(), g.top() + g.height()), c.children[i].expected);
        }
    }
}

const ui::Align T = ui::alTop, B = ui::alBottom, L = ui::alLeft, Rt = ui::alRight, C = ui::alClient, N = ui::alNone;

INSTANTIATE_TEST_SUITE_P(
    Layouts, AlignTable,
    testing::Values(
        AlignCase{"TopOnly", ui::bvNone, {{T, 5, 5, 50, 20, true, R(0, 0, 200, 20)}}},
        AlignCase{"TopBottomClient",
                  ui::bvNone,
                  {{T, 0, 0, 10, 20, true, R(0, 0, 200, 20)},
                   {B, 0, 0, 10, 10, true, R(0, 90, 200, 10)},
                   {C, 0, 0, 10, 10, true, R(0, 20, 200, 70)}}},
        AlignCase{"LeftRightClient",
                  ui::bvNone,
                  {{L, 0, 0, 30, 5, true, R(0, 0, 30, 100)},
                   {Rt, 0, 0, 40, 5, true, R(160, 0, 40, 100)},
                   {C, 0, 0, 5, 5, true, R(30, 0, 130, 100)}}},
        AlignCase{"AllFiveSidesFirstTopAndBottom",
                  ui::bvNone,
                  {{L, 0, 0, 30, 5, true, R(0, 20, 30, 70)},
                   {T, 0, 0, 5, 20, true, R(0, 0, 200, 20)},
                   {Rt, 0, 0, 40, 5, true, R(160, 20, 40, 70)},
                   {B, 0, 0, 5, 10, true, R(0, 90, 200, 10)},
                   {C, 0, 0, 5, 5, true, R(30, 20, 130, 70)}}},
        AlignCase{"NewTopAtTopEdgeGoesAbove",
                  ui::bvNone,
                  {{T, 0, 0, 5, 20, true, R(0, 15, 200, 20)}, {T, 0, 0, 5, 15, true, R(0, 0, 200, 15)}}},
        AlignCase{"NewTopBelowGoesBelow",
                  ui::bvNone,
                  {{T, 0, 0, 5, 20, true, R(0, 0, 200, 20)}, {T, 0, 50, 5, 15, true, R(0, 20, 200, 15)}}},
        AlignCase{"NewBottomAboveStaysAbove",
                  ui::bvNone,
                  {{B, 0, 0, 5, 20, true, R(0, 80, 200, 20)}, {B, 0, 0, 5, 15, true, R(0, 65, 200, 15)}}},
        AlignCase{"NewBottomAtBottomEdgeGoesBelow",
                  ui::bvNone,
                  {{B, 0, 0, 5, 20, true, R(0, 65, 200, 20)}, {B, 0, 90, 5, 15, true, R(0, 85, 200, 15)}}},
        AlignCase{"SecondRightSitsLeftOfFirst",
                  ui::bvNone,
                  {{Rt, 0, 0, 116, 5, true, R(84, 0, 116, 100)}, {Rt, 0, 0, 3, 5, true, R(81, 0, 3, 100)}}},
        AlignCase{"HiddenTakesNoSpace",
                  ui::bvNone,
                  {{T, 0, 0, 5, 20, false, R(0, 0, 5, 20)}, {C, 0, 0, 5, 5, true, R(0, 0, 200, 100)}}},
        AlignCase{"UnalignedKeepsItsPlace",
                  ui::bvNone,
                  {{N, 7, 8, 9, 10, true, R(7, 8, 9, 10)}, {C, 0, 0, 5, 5, true, R(0, 0, 200, 100)}}},
        AlignCase{"ClientInsideRaisedBevel", ui::bvRaised, {{C, 0, 0, 5, 5, true, R(1, 1, 198, 98)}}},
        AlignCase{"TopInsideRaisedBevel",
                  ui::bvRaised,
                  {{T, 0, 0, 5, 20, true, R(1, 1, 198, 20)}, {B, 0, 0, 5, 20, true, R(1, 79, 198, 20)}}},
        AlignCase{"OverfullClientGetsNothing",
                  ui::bvNone,
                  {{T, 0, 0, 5, 60, true, R(0, 0, 200, 60)},
                   {B, 0, 0, 5, 60, true, R(0, 40, 200, 60)},
                   {C, 0, 0, 5, 5, true, R(0, 60, 200, -20)}}}),
    [](const testing::TestParamInfo<AlignCase>& info) { return info.param.name; });

TEST(Align, ParentResizeRealigns) {
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* parent = new ui::Panel(form.get());
    parent->SetBevelOuter(ui::bvNone);
    parent->SetParent(form.get());
    parent->SetBounds(0, 0, 200, 100);
    auto* top = new ui::Panel(form.get());
    top->SetHeight(20);
    top->SetParent(parent);
    top->SetAlign(ui::alTop);
    auto* client = new ui::Panel(form.get());
    client->SetParent(parent);
    client->SetAlign(ui::alClient);

    parent->SetBounds(0, 0, 300, 150);
    EXPECT_EQ(top->BoundsRect(), R(0, 0, 300, 20));
    EXPECT_EQ(client->BoundsRect(), R(0, 20, 300, 130));

    top->SetHeight(50);  // an aligned child that changes size moves its neighbours
    EXPECT_EQ(client->BoundsRect(), R(0, 50, 300, 100));

    top->Hide();
    EXPECT_EQ(client->BoundsRect(), R(0, 0, 300, 150));
}

TEST(Align, FormClientAreaIsTheAlignArea) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->SetBorderStyle(ui::bsSizeable);
    form->SetClientWidth(400);
    form->SetClientHeight(300);
    EXPECT_EQ(form->Width(), 408);
    EXPECT_EQ(form->Height(), 327);
    auto* status = new ui::Panel(form.get());
    status->SetHeight(20);
    status->SetParent(form.get());
    status->SetAlign(ui::alBottom);
    EXPECT_EQ(status->BoundsRect(), R(0, 280, 400, 20));
    EXPECT_EQ(form->Widget()->size(), QSize(400, 300));
}

TEST(Align, DisableAlignDefersPlacing) {
    auto form = std::make_unique<ui::Form>(nullptr);
    form->SetClientWidth(100);
    form->SetClientHeight(100);
    form->DisableAlign();
    auto* client = new ui::Panel(form.get());
    client->SetParent(form.get());
    client->SetAlign(ui::alClient);
    EXPECT_EQ(client->Width(), 185);
    form->EnableAlign();
    EXPECT_EQ(client->BoundsRect(), R(0, 0, 100, 100));
}

}  // namespace
