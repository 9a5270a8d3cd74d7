// Report-style list view: rows and sub-items, batched rows, selection and change events, columns, hit tests.
#include "Exception.h"
#include "Form.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QAbstractItemDelegate>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

class ListViewTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form>(nullptr);
        form->SetBounds(0, 0, 500, 400);
        list = new ui::ListView(form.get());
        list->SetParent(form.get());
        list->SetBounds(0, 0, 400, 300);
        form->Show();
        for (const char* caption : {"Port", "State", "Speed"}) {
            ui::ListColumn* column = list->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(80);
        }
    }
    void TearDown() override { form.reset(); }

    ui::ListItem* AddRow(const std::string& caption, std::vector<std::string> subItems) {
        ui::ListItem* item = list->Items().Add();
        item->SetCaption(caption);
        for (const auto& text : subItems) item->SubItems().Add(text);
        return item;
    }
    void AddRows(int count) {
        for (int i = 1; i <= count; ++i) AddRow(std::to_string(i), {"up", "100M"});
    }
    QTableView* View() const { return static_cast<QTableView*>(list->Widget()); }
    QString Shown(int row, int column) const {
        return View()->model()->index(row, column).data().toString();
    }
    // Centre of a row in the list view's client coordinates.
    QPoint ClientCentreOf(int row) const {
        const QRect cell = View()->visualRect(View()->model()->index(row, 0));
        return cell.center() + View()->viewport()->pos() - View()->contentsRect().topLeft();
    }
    QPoint ViewportCentreOf(int row) const { return View()->visualRect(View()->model()->index(row, 0)).center(); }
    // Qt's own measure of the width a cell's text needs, margins included, to show without "...".
    int Needed(int row, int column) const {
        QStyleOptionViewItem option;
        option.initFrom(View());
        option.font = View()->font();
        option.fontMetrics = View()->fontMetrics();
        return View()->itemDelegate()->sizeHint(option, View()->model()->index(row, column)).width();
    }

    std::unique_ptr<ui::Form> form;
    ui::ListView* list = nullptr;
};

struct SelectCall {
    ui::ListItem* item;
    bool selected;
    bool operator==(const SelectCall&) const = default;
};

TEST_F(ListViewTest, RowsShowCaptionAndSubItemsInColumns) {
    AddRow("1", {"up", "100M"});
    AddRow("2", {"down"});
    list->FlushRows();

    ASSERT_EQ(list->Items().Count(), 2);
    EXPECT_EQ(list->Items()[1]->Index(), 1);
    EXPECT_EQ(Shown(0, 0), "1");
    EXPECT_EQ(Shown(0, 1), "up");
    EXPECT_EQ(Shown(0, 2), "100M");
    EXPECT_EQ(Shown(1, 1), "down");
    EXPECT_EQ(Shown(1, 2), "");  // a missing sub-item shows empty
    EXPECT_EQ(View()->model()->headerData(1, Qt::Horizontal).toString(), "State");

    list->Items()[1]->SubItems().Put(0, "testing");
    list->Items()[1]->SetCaption("2b");
    EXPECT_EQ(Shown(1, 1), "testing");
    EXPECT_EQ(Shown(1, 0), "2b");
    EXPECT_THROW(list->Items()[2], Exception);
}

TEST_F(ListViewTest, ReadOnlyWholeRowsGridLinesAndSelectionVisibleWithoutFocus) {
    EXPECT_TRUE(list->ReadOnly());
    EXPECT_EQ(View()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(View()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(View()->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_TRUE(View()->showGrid());
    // The selection keeps its colours without the focus (the cell test below shows it) with the view's palette
    // left alone: a palette of its own would make its header and scroll bars cache the style's pixmaps anew.
    EXPECT_FALSE(View()->testAttribute(Qt::WA_SetPalette));
    list->SetGridLines(false);
    EXPECT_FALSE(View()->showGrid());
}

TEST_F(ListViewTest, RowsAddedByCodeReachTheWidgetInBatches) {
    AddRows(500);
    // The items exist at once; the widget learns of them only when the event loop runs.
    EXPECT_EQ(list->Items().Count(), 500);
    EXPECT_EQ(list->ShownRowCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->ShownRowCount() == 500; }, 5000));
    EXPECT_EQ(Shown(499, 0), "500");

    list->Items().BeginUpdate();
    AddRows(10);
    QTest::qWait(2 * ui::ListView::BatchIntervalMs);
    EXPECT_EQ(list->ShownRowCount(), 500);  // held back while updating
    list->Items().EndUpdate();
    EXPECT_EQ(list->ShownRowCount(), 510);
}

// A control that repaints with the rows (a row count) takes its text at once and paints when the rows reach the
// widget; freed before the list, it is simply left alone.
TEST_F(ListViewTest, AControlRepaintingWithTheRowsPaintsWhenTheyAreHandedOver) {
    auto* count = new ui::StaticText(form.get());
    count->SetParent(form.get());
    list->RepaintsWithRows(count);
    list->OnChange = [&](ui::Component*, ui::ListItem*, ui::ItemChange) {
        count->SetCaption(std::to_string(list->Items().Count()));
    };
    AddRows(300);
    EXPECT_EQ(count->Caption(), "300");
    EXPECT_FALSE(count->Widget()->updatesEnabled());
    list->FlushRows();
    EXPECT_TRUE(count->Widget()->updatesEnabled());

    AddRows(5);
    EXPECT_FALSE(count->Widget()->updatesEnabled());
    list->Items().Clear();
    EXPECT_TRUE(count->Widget()->updatesEnabled());

    AddRows(5);
    delete count;
    list->OnChange = nullptr;
    list->FlushRows();
    AddRows(1);
}

TEST_F(ListViewTest, SelectionEventsNameTheItemAndFlag) {
    AddRows(3);
    list->FlushRows();
    std::vector<SelectCall> calls;
    list->OnSelectItem = [&](ui::Component* sender, ui::ListItem* item, bool selected) {
        EXPECT_EQ(sender, list);
        calls.push_back({item, selected});
    };
    ui::ListItem* first = list->Items()[0];
    ui::ListItem* second = list->Items()[1];

    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, ViewportCentreOf(0));
    EXPECT_EQ(calls, (std::vector<SelectCall>{{first, true}}));
    EXPECT_EQ(list->Selected(), first);

    calls.clear();
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, ViewportCentreOf(1));
    EXPECT_EQ(calls, (std::vector<SelectCall>{{first, false}, {second, true}}));
    EXPECT_FALSE(first->Selected());
    EXPECT_EQ(list->ItemIndex(), 1);

    // Code changes fire the same way and show in the widget.
    calls.clear();
    list->SetItemIndex(2);
    EXPECT_EQ(calls, (std::vector<SelectCall>{{second, false}, {list->Items()[2], true}}));
    EXPECT_EQ(View()->selectionModel()->selectedRows().value(0).row(), 2);

    calls.clear();
    list->ClearSelection();
    EXPECT_EQ(calls, (std::vector<SelectCall>{{list->Items()[2], false}}));
    EXPECT_TRUE(View()->selectionModel()->selectedRows().isEmpty());
    list->ClearSelection();  // nothing selected: no event
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(ListViewTest, SelectingByCodeARowNotYetShownShowsIt) {
    AddRows(5);
    EXPECT_EQ(list->ShownRowCount(), 0);
    list->Items()[4]->SetSelected(true);
    EXPECT_EQ(list->ShownRowCount(), 5);
    EXPECT_EQ(View()->selectionModel()->selectedRows().value(0).row(), 4);
}

TEST_F(ListViewTest, ClickFiresAfterTheSelectionChanged) {
    AddRows(2);
    list->FlushRows();
    ui::ListItem* selectedAtClick = nullptr;
    int clicks = 0;
    list->OnClick = [&](ui::Component*) {
        ++clicks;
        selectedAtClick = list->Selected();
    };
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, ViewportCentreOf(1));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(selectedAtClick, list->Items()[1]);
}

TEST_F(ListViewTest, DoubleClickOnARowFiresOnceWithTheRowSelected) {
    AddRows(2);
    list->FlushRows();
    int doubleClicks = 0;
    list->OnDblClick = [&](ui::Component*) {
        ++doubleClicks;
        EXPECT_EQ(list->Selected(), list->Items()[0]);
    };
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, ViewportCentreOf(0));  // a double click's first click
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, ViewportCentreOf(0));
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ListViewTest, ChangeFollowsAddsDeletesAndCaptions) {
    struct Change {
        ui::ListItem* item;
        ui::ItemChange change;
        int count;  // Items().Count() seen by the handler
    };
    std::vector<Change> changes;
    list->OnChange = [&](ui::Component*, ui::ListItem* item, ui::ItemChange change) {
        changes.push_back({item, change, list->Items().Count()});
    };

    ui::ListItem* added = list->Items().Add();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].item, added);
    EXPECT_EQ(changes[0].count, 1);

    added->SetCaption("x");
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1].change, ui::ctText);
    added->SubItems().Add("sub");  // sub-items do not fire
    EXPECT_EQ(changes.size(), 2u);

    list->Items().Add();
    list->Items().Delete(0);
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[3].item, nullptr);
    EXPECT_EQ(changes[3].count, 1);
    EXPECT_EQ(list->Items()[0]->Index(), 0);

    list->Items().Clear();
    ASSERT_EQ(changes.size(), 5u);
    EXPECT_EQ(changes[4].count, 0);
    list->Items().Clear();  // already empty
    EXPECT_EQ(changes.size(), 5u);
}

TEST_F(ListViewTest, DeletingTheSelectedRowLeavesNothingSelected) {
    AddRows(3);
    list->SetItemIndex(1);
    int selectEvents = 0;
    list->OnSelectItem = [&](ui::Component*, ui::ListItem*, bool) { ++selectEvents; };

    list->Items().Delete(1);
    EXPECT_EQ(list->Selected(), nullptr);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(selectEvents, 0);
    EXPECT_EQ(list->Items()[1]->Caption(), "3");
    EXPECT_EQ(list->Items()[1]->Index(), 1);

    list->SetItemIndex(1);
    list->Items().Clear();
    EXPECT_EQ(list->Selected(), nullptr);
    EXPECT_EQ(list->ShownRowCount(), 0);
}

TEST_F(ListViewTest, ColumnWidthZeroHidesAndMinusTwoFitsTheCaption) {
    list->Columns().Clear();
    ui::ListColumn* hidden = list->Columns().Add();
    hidden->SetCaption("Index");
    hidden->SetWidth(0);
    ui::ListColumn* shortOne = list->Columns().Add();
    shortOne->SetCaption("Id");
    shortOne->SetWidth(-2);
    ui::ListColumn* longOne = list->Columns().Add();
    longOne->SetCaption("Forbidden Egress Ports");
    longOne->SetWidth(-2);

    EXPECT_EQ(hidden->Width(), 0);
    const QFontMetrics metrics(View()->horizontalHeader()->font());
    EXPECT_GE(longOne->Width(), metrics.horizontalAdvance("Forbidden Egress Ports"));
    EXPECT_GE(shortOne->Width(), metrics.horizontalAdvance("Id"));
    EXPECT_LT(shortOne->Width(), longOne->Width());

    // A hidden column keeps its texts.
    AddRow("7", {"a", "b"});
    EXPECT_EQ(list->Items()[0]->ColumnText(0), "7");
    list->FlushRows();
    EXPECT_EQ(Shown(0, 0), "7");

    list->Columns().Delete(0);
    EXPECT_EQ(list->Columns().Count(), 2);
    EXPECT_EQ(list->Columns()[0]->Caption(), "Id");
    EXPECT_EQ(list->Columns()[0]->Index(), 0);
}

TEST_F(ListViewTest, ColumnsWidenToTheFirstRowsTextsButNotBeyondTheLimitOrAUsersDrag) {
    const QFontMetrics metrics(View()->font());
    const std::string address = "192.168.100.200";
    AddRow("1", {address, std::string(200, 'W')});
    list->FlushRows();
    EXPECT_GE(list->Columns()[1]->Width(), metrics.horizontalAdvance(QString::fromStdString(address)));
    EXPECT_EQ(list->Columns()[2]->Width(), ui::ListView::FitWidthLimit);
    EXPECT_EQ(list->Columns()[0]->Width(), 80);  // already wide enough: never narrowed

    // The user narrows column 1 by dragging its right edge; later rows and fills keep that width.
    QHeaderView* header = View()->horizontalHeader();
    const int edge = header->sectionViewportPosition(1) + header->sectionSize(1) - 1;
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(edge - 40, y), header->viewport()->mapToGlobal(QPointF(edge - 40, y)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &move);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge - 40, y));
    const int dragged = list->Columns()[1]->Width();
    ASSERT_LT(dragged, metrics.horizontalAdvance(QString::fromStdString(address)));
    list->Items().Clear();
    AddRow("2", {address + address, "x"});
    list->FlushRows();
    EXPECT_EQ(list->Columns()[1]->Width(), dragged);
}

// Texts whose kerning, accents or script the width of a column must still hold in full (Qt's own measure of the
// cell: no "..."), each in a column of its own.
TEST_F(ListViewTest, EachColumnHoldsItsTextWhateverItsCharacters) {
    const std::vector<std::string> texts = {
        "Q-Q-Q-Q-Q-Q-Q-Q-Q-Q-",                                           // pairs kerned wider
        "AVAVAV To Wo Ty",                                                // pairs kerned narrower
        "00:1e:58:a4:7f:c2",                                              // a MAC address
        "\xc3\x85ngstr\xc3\xb6m \xc3\xa9t\xc3\xa9",                       // Latin-1 letters
        std::string("e\xcc\x81") + "e\xcc\x81 \xe6\xa0\x88\xe7\xae\xa1",  // combining marks, CJK
        "tab\there",                                                      // a control character
    };
    list->Columns().Clear();
    for (size_t c = 0; c <= texts.size(); ++c) list->Columns().Add()->SetWidth(-2);
    AddRow("", texts);
    list->FlushRows();

    for (size_t i = 0; i < texts.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        EXPECT_GE(list->Columns()[column]->Width(), Needed(0, column)) << texts[i];
    }
}

// The widest text of a column is the widest as drawn, not the one whose letters add up widest.
TEST_F(ListViewTest, AColumnHoldsItsWidestTextAsDrawn) {
    const QString kerned = QString("Q-").repeated(20);
    const QFontMetricsF metrics(View()->font());
    auto lettersSum = [&](const QString& text) {
        qreal sum = 0;
        for (const QChar ch : text) sum += metrics.horizontalAdvance(ch);
        return sum;
    };
    QString plain;
    while (lettersSum(plain) <= lettersSum(kerned)) plain += 'l';
    if (metrics.horizontalAdvance(plain) >= metrics.horizontalAdvance(kerned))
        GTEST_SKIP() << "the font kerns \"Q-\" no wider";

    AddRow("1", {plain.toStdString(), ""});
    AddRow("2", {kerned.toStdString(), ""});
    list->FlushRows();
    EXPECT_GE(list->Columns()[1]->Width(), Needed(1, 1));
    EXPECT_GE(list->Columns()[1]->Width(), Needed(0, 1));
}

// Two list views in two fonts fit the same text each in its own font.
TEST_F(ListViewTest, ListViewsInTwoFontsEachFitTheTextInTheirOwn) {
    const std::string text = "Egress Ports 1-24";
    AddRow("1", {text, ""});
    list->FlushRows();
    auto* large = new ui::ListView(form.get());
    large->SetParent(form.get());
    ui::Font font = large->Font();
    font.Size = 16;
    font.Bold = true;
    large->SetFont(font);
    large->Columns().Add()->SetWidth(-2);
    large->Items().Add()->SetCaption("#");
    large->Items().Add()->SetCaption(text);
    large->FlushRows();

    auto* largeView = static_cast<QTableView*>(large->Widget());
    QStyleOptionViewItem option;
    option.initFrom(largeView);
    option.font = largeView->font();
    option.fontMetrics = largeView->fontMetrics();
    const int needed = largeView->itemDelegate()->sizeHint(option, largeView->model()->index(1, 0)).width();
    ASSERT_LT(needed, ui::ListView::FitWidthLimit);
    EXPECT_GE(large->Columns()[0]->Width(), needed);
    EXPECT_GE(list->Columns()[1]->Width(), Needed(0, 1));
}

// A paint of the rows shown costs as much as the rows: a hand-over of rows only repaints when they can show.
TEST_F(ListViewTest, RowsHandedOverBelowAFullViewRepaintOnlyTheScrollBar) {
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } count, barCount;
    QWidget* viewport = View()->viewport();
    viewport->installEventFilter(&count);
    View()->verticalScrollBar()->installEventFilter(&barCount);
    auto handOver = [&](auto addRows) {
        QCoreApplication::processEvents();
        count.paints = 0;
        barCount.paints = 0;
        addRows();
        list->FlushRows();
        for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
        return count.paints;
    };

    // Rows that fill the view, bring the scroll bar and widen a column show in one repaint.
    EXPECT_EQ(handOver([&] {
                  for (int i = 1; i <= 40; ++i) AddRow(std::to_string(i), {"up", "100M"});
                  list->Items()[3]->SubItems().Put(0, std::string(30, 'w'));
              }),
              1);
    EXPECT_GT(View()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(barCount.paints, 1);  // the scroll bar they bring shows in the same repaint

    // More rows below the last one shown: the scroll range grows, the rows shown are not repainted.
    const int range = View()->verticalScrollBar()->maximum();
    EXPECT_EQ(handOver([&] { AddRows(20); }), 0);
    EXPECT_GT(View()->verticalScrollBar()->maximum(), range);
    EXPECT_EQ(barCount.paints, 1);

    // Below the view too, but wider than its column: the wider column shows.
    const int width = list->Columns()[2]->Width();
    EXPECT_EQ(handOver([&] { AddRow("61", {"up", std::string(20, 'M')}); }), 1);
    EXPECT_GT(list->Columns()[2]->Width(), width);
    viewport->removeEventFilter(&count);
    View()->verticalScrollBar()->removeEventFilter(&barCount);
}

// Cells draw their text inside their column (a text too wide is cut short there) and a selected row in the
// highlight colour, with or without the focus.
TEST_F(ListViewTest, CellsDrawInsideTheirColumnAndTheSelectedRowHighlighted) {
    AddRow("1", {std::string(60, 'W'), ""});
    AddRow("2", {"x", ""});
    list->FlushRows();
    list->SetItemIndex(1);
    ASSERT_EQ(list->Columns()[1]->Width(), ui::ListView::FitWidthLimit);
    QImage image;
    auto cell = [&](int row, int column) { return View()->visualRect(View()->model()->index(row, column)); };
    auto colours = [&](const QRect& rect) {
        std::set<QRgb> seen;
        for (int y = rect.top() + 1; y < rect.bottom(); ++y)
            for (int x = rect.left() + 1; x < std::min(rect.right(), image.width()); ++x)
                seen.insert(image.pixel(x, y));
        return seen;
    };

    const QColor base = View()->palette().color(QPalette::Base);
    const QColor highlight = View()->palette().color(QPalette::Active, QPalette::Highlight);
    for (const bool focused : {true, false}) {
        if (focused)
            View()->setFocus();
        else
            View()->clearFocus();
        QCoreApplication::processEvents();
        image = View()->viewport()->grab().toImage();
        EXPECT_EQ(colours(cell(0, 2)), std::set<QRgb>{base.rgb()});  // nothing of the long text beyond its column
        EXPECT_GT(colours(cell(0, 1)).size(), 1u);                   // the long text itself, cut short
        EXPECT_EQ(colours(cell(1, 2)), std::set<QRgb>{highlight.rgb()}) << focused;
        EXPECT_GT(colours(cell(1, 1)).size(), 1u);  // "x" on the highlight
    }
}

// The grid lines lie where the table's own grid pen puts them, pixel for pixel: the whole view or parts of it,
// scrolled either way, and with rows ending above the view's bottom.
TEST_F(ListViewTest, GridLinesLieWhereTheTableDrawsThem) {
    list->Columns()[1]->SetWidth(37);
    list->Columns()[2]->SetWidth(500);  // wider than the view: it scrolls sideways
    QWidget* viewport = View()->viewport();
    auto paint = [&](const QRegion& region) {
        QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        viewport->render(&image, QPoint(), region);
        return image;
    };
    auto drawnByTheTable = [&](const QRegion& region) {
        View()->setGridStyle(Qt::SolidLine);
        const QImage image = paint(region);
        View()->setGridStyle(Qt::NoPen);
        return image;
    };
    struct Case {
        const char* name;
        int rows;
        int scrollX;
        int scrollY;
        QRegion region;
    };
    const QRegion whole(viewport->rect());
    const QRegion parts = QRegion(10, 5, 50, 30) + QRegion(100, 61, 120, 45) + QRegion(0, 200, 3, 3);
    const std::vector<Case> cases = {
        {"whole view", 40, 0, 0, whole},
        {"parts", 40, 0, 0, parts},
        {"scrolled down and right", 40, 130, 7, whole},
        {"parts, scrolled", 40, 130, 7, parts},
        {"rows end above the bottom", 3, 0, 0, whole},
    };
    for (const Case& c : cases) {
        list->Items().Clear();
        AddRows(c.rows);
        list->FlushRows();
        View()->horizontalScrollBar()->setValue(c.scrollX);
        View()->verticalScrollBar()->setValue(c.scrollY);
        QCoreApplication::processEvents();
        EXPECT_EQ(paint(c.region), drawnByTheTable(c.region)) << c.name;
    }
    // Right to left the table strokes its grid itself.
    View()->setLayoutDirection(Qt::RightToLeft);
    const QImage rightToLeft = paint(whole);
    list->SetGridLines(false);
    EXPECT_NE(paint(whole), rightToLeft);
    View()->setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(paint(whole), drawnByTheTable(whole));
}

// Painting splits tall fills (a scroll bar's gradient) among helper threads: one is enough for a dialog's
// widgets, where waking more costs more than the fill.
TEST_F(ListViewTest, PaintingWakesAtMostOneHelperThread) {
    auto threads = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}); };
    form->SetBounds(0, 0, 500, 900);
    list->SetBounds(0, 0, 400, 850);
    AddRows(200);
    list->FlushRows();
    const auto before = threads();
    for (int i = 0; i < 3; ++i) View()->grab();
    EXPECT_LE(threads() - before, 1);
}

TEST_F(ListViewTest, ItemAtPointMatchesMouseCoordinates) {
    AddRows(3);
    list->FlushRows();
    EXPECT_EQ(list->GetItemAt(ClientCentreOf(2).x(), ClientCentreOf(2).y()), list->Items()[2]);
    EXPECT_EQ(list->GetItemAt(ClientCentreOf(0).x(), ClientCentreOf(0).y()), list->Items()[0]);
    EXPECT_EQ(list->GetItemAt(5, 250), nullptr);  // below the last row
    EXPECT_EQ(list->GetItemAt(5, 2), nullptr);    // on the column header

    ui::ListItem* underMouse = nullptr;
    list->OnMouseMove = [&](ui::Component*, int x, int y) { underMouse = list->GetItemAt(x, y); };
    QTest::mouseMove(View()->viewport(), ViewportCentreOf(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return underMouse != nullptr; }, 1000));
    EXPECT_EQ(underMouse, list->Items()[1]);
}

TEST_F(ListViewTest, ItemAtPointFindsRowsNotYetShown) {
    AddRows(2);
    list->FlushRows();
    const QPoint second = ClientCentreOf(1);
    const int rowHeight = View()->rowHeight(0);
    AddRows(1);
    EXPECT_EQ(list->GetItemAt(second.x(), second.y() + rowHeight), list->Items()[2]);
}

TEST_F(ListViewTest, HintShowsOverRowsAsPlainMultiLineText) {
    AddRows(1);
    list->FlushRows();
    list->SetHint("Port\t  <b>1</b>\nState  up\n");
    list->SetShowHint(true);
    const QString tip = View()->model()->index(0, 1).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains("&lt;b&gt;1")) << tip.toStdString();  // shown literally, never as markup
    EXPECT_EQ(tip.count("<br>"), 2) << tip.toStdString();  // one line per column
    EXPECT_TRUE(tip.contains("up")) << tip.toStdString();
    list->SetShowHint(false);
    EXPECT_TRUE(View()->model()->index(0, 1).data(Qt::ToolTipRole).isNull());
}

TEST_F(ListViewTest, DestroyingTheListViewFiresNoHandler) {
    AddRows(3);
    list->SetItemIndex(0);
    AddRows(2);  // a batch still pending
    int events = 0;
    list->OnChange = [&](ui::Component*, ui::ListItem*, ui::ItemChange) { ++events; };
    list->OnSelectItem = [&](ui::Component*, ui::ListItem*, bool) { ++events; };
    delete list;
    list = nullptr;
    EXPECT_EQ(events, 0);
    QTest::qWait(ui::ListView::BatchIntervalMs + 10);  // a pending batch must not outlive the list
}

}  // namespace
