#pragma once
// ListView: a report-style list of rows (an item's caption in the first column, its sub-items in the
// next ones), read-only, with whole-row single selection that stays visible without the focus, and
// grid lines.
//
// Rows added by code reach the widget in batches: the items exist at once (Count, captions,
// sub-items, events), but the widget is told about new rows 50 ms after the first of them (250 ms
// while they land below a full view, where they only move the scroll bar), so a table walk that
// adds one row per answer does not repaint per row. Anything that needs the widget's rows
// (selecting by code, GetItemAt) brings them up to date first; FlushRows hands them over now.
//
// Column widths: 0 hides a column (its texts stay, for hints and reading back); -2 sizes it to its
// caption. Reading Width back gives pixels. As the first FitRowCount rows after a clear reach the
// widget, every shown column widens to its widest text among them (caption included, up to
// FitWidthLimit pixels); columns never narrow, and a column the user has dragged keeps its width.
//
// Coordinates of mouse events and GetItemAt are client coordinates: inside the border, with the
// column header at the top.
//
// Event rules:
//   OnChange (item, change)        code and user: an item added (ctState), deleted or all cleared
//                                  (item null, Count already without it), a caption changed (ctText),
//                                  a selection state changed (ctState). Sub-item changes do not fire.
//   OnSelectItem (item, selected)  code and user, once per item whose selection state changes: the
//                                  item that loses the selection first, then the one that gains it.
//                                  Deleting or clearing items fires no selection event.
//   OnClick, OnDblClick, OnMouseMove: as every control (user only).
// Handlers fired by code run inside the call; none run while the list view is destroyed.
#include "Control.h"
#include "ListViewEvents.h"
#include "Strings.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTableView;
class QTimer;

namespace ui {

class ListView;
class ListModel;
class ListTable;

class ListItem {
public:
    ListItem(const ListItem&) = delete;
    ListItem& operator=(const ListItem&) = delete;
    ~ListItem();

    ListView* Owner() const { return owner_; }
    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The texts of the second and later columns.
    Strings& SubItems();
    const Strings& SubItems() const;
    // The caption and every sub-item in one change.
    void SetTexts(std::string caption, std::vector<std::string> subTexts);
    // The text shown in column: the caption for 0, a sub-item after it, empty beyond them.
    std::string ColumnText(int column) const;
    bool Selected() const { return selected_; }
    void SetSelected(bool selected);
    void Delete();

private:
    friend class ListView;
    friend class ListItems;
    friend class SubItemStrings;
    explicit ListItem(ListView* owner);
    ListView* owner_;
    int index_ = 0;
    std::string caption_;
    std::vector<std::string> subTexts_;
    mutable std::unique_ptr<Strings> subItems_;  // made on first use: most rows are never asked
    bool selected_ = false;
};

class ListItems {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises Exception for an index outside 0 .. Count - 1.
    ListItem* Item(int index) const;
    ListItem* operator[](int index) const { return Item(index); }
    ListItem* Add();
    void Delete(int index);
    void Clear();
    // Holds new rows back from the widget until the matching EndUpdate.
    void BeginUpdate();
    void EndUpdate();

private:
    friend class ListView;
    friend class ListModel;
    explicit ListItems(ListView& owner) : owner_(owner) {}
    ListView& owner_;
    std::vector<std::unique_ptr<ListItem>> items_;
};

class ListColumn {
public:
    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Width() const;
    // Pixels; 0 hides the column, -2 fits it to its caption.
    void SetWidth(int width);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }

private:
    friend class ListColumns;
    friend class ListView;
    explicit ListColumn(ListView& owner) : owner_(owner) {}
    ListView& owner_;
    int index_ = 0;
    std::string caption_;
    int width_ = 50;
    bool autoSize_ = false;
    bool userSized_ = false;
};

class ListColumns {
public:
    int Count() const { return static_cast<int>(columns_.size()); }
    ListColumn* Item(int index) const;  // raises Exception outside 0 .. Count - 1
    ListColumn* operator[](int index) const { return Item(index); }
    ListColumn* Add();
    void Delete(int index);
    void Clear();

private:
    friend class ListView;
    explicit ListColumns(ListView& owner) : owner_(owner) {}
    ListView& owner_;
    std::vector<std::unique_ptr<ListColumn>> columns_;
};

class ListView : public Control {
public:
    explicit ListView(Component* owner);
    ~ListView() override;

    ListColumns& Columns() { return columns_; }
    const ListColumns& Columns() const { return columns_; }
    ListItems& Items() { return items_; }
    const ListItems& Items() const { return items_; }

    // The selected item, or null. Setting null clears the selection.
    ListItem* Selected() const;
    void SetSelected(ListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int index);  // -1 clears the selection
    void ClearSelection() { SetSelected(nullptr); }
    ListItem* GetItemAt(int x, int y);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool rowSelect) { rowSelect_ = rowSelect; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hideSelection);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool gridLines);

    // Rows the widget shows now; lags behind Items().Count() by at most one batch.
    int ShownRowCount() const;
    // Hands every pending row to the widget at once.
    void FlushRows();
    // control (a row count beside the list, say) repaints with the rows: while added rows wait for their
    // hand-over, its repaints wait too, so a walk repaints both once per batch. Its texts change at once. Null: none.
    void RepaintsWithRows(Control* control);

    LVChangeEvent OnChange;
    LVSelectItemEvent OnSelectItem;

    static constexpr int BatchIntervalMs = 50;
    static constexpr int BelowViewIntervalMs = 250;
    static constexpr int FitWidthLimit = 300;
    static constexpr int FitRowCount = 100;

protected:
    bool WidgetEvent(QEvent* event) override;
    bool ColorPaintsBase() const override { return true; }
    QWidget* ColorWidget() const override;
    void SetFontCharset(int charset) override;

private:
    friend class ListItem;
    friend class ListItems;
    friend class ListColumn;
    friend class ListColumns;
    friend class SubItemStrings;
    friend class ViewportBridge;

    QTableView* View() const;
    ListTable* Table() const;
    void RowsAdded();
    void HoldFollower(bool held);
    bool RowsLandBelowView() const;
    void RowDeleted(int index, ListItem* item);
    void RowsCleared();
    void RowChanged(const ListItem& item);
    void ColumnsChanged();
    void ApplyColumnWidth(const ListColumn& column);
    void ResizeColumn(int index, int width);
    bool FitColumnsToRows();
    void ChangeSelection(ListItem* item, bool selected);
    void ShowSelectionInWidget();
    void UserSelectionChanged();
    void NotifyChange(ListItem* item, ItemChange change);
    void NotifySelect(ListItem* item, bool selected);
    void ForwardViewportMouse(QEvent* event);

    ListColumns columns_;
    ListItems items_;
    std::unique_ptr<ListModel> model_;
    std::unique_ptr<QTimer> flushTimer_;
    QPointer<QWidget> follower_;  // the control that repaints with the rows
    bool followerHeld_ = false;
    std::unique_ptr<QObject> viewportBridge_;
    ListItem* selectedItem_ = nullptr;
    int updateLock_ = 0;
    int syncing_ = 0;
    int sizingColumns_ = 0;
    int fittedRows_ = 0;  // rows since the last clear that the column widths have seen
    bool readOnly_ = true;
    bool rowSelect_ = true;
    bool hideSelection_ = false;
    bool gridLines_ = true;
};

}  // namespace ui
