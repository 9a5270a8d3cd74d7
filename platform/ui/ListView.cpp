#include "ListView.h"
#include "ControlHelpers.h"

#include "Exception.h"
#include "Text.h"

#include <utility>

#include <QAbstractItemDelegate>
#include <QAbstractTableModel>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace ui {

namespace {
using detail::IndexError;
using detail::SyncScope;
}  // namespace

// The widget's view of the items: every column, and the rows handed over so far.
class ListModel : public QAbstractTableModel {
public:
    explicit ListModel(ListView& owner) : owner_(owner) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : shown_; }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : owner_.Columns().Count();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= shown_) return {};
        if (role == Qt::DisplayRole) {
            const std::string text = owner_.Items().items_[static_cast<size_t>(index.row())]->ColumnText(index.column());
            const int charset = owner_.FontCharset();
            return charset == DefaultCharset ? ToQString(text) : ToQString(text, charset, nullptr);
        }
        if (role == Qt::ToolTipRole && owner_.ShowHint() && !owner_.Hint().empty())
            return PlainToolTip(owner_.Hint(), owner_.FontCharset());
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        if (section < 0 || section >= owner_.Columns().Count()) return {};
        return ToQString(owner_.Columns().Item(section)->Caption());
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    int Shown() const { return shown_; }
    bool Pending() const { return shown_ < owner_.Items().Count(); }
    // belowView: the new rows cannot show in the view; the layout that follows need not repaint it.
    void Flush(bool belowView) {
        const int count = owner_.Items().Count();
        if (shown_ >= count) return;
        beginInsertRows(QModelIndex(), shown_, count - 1);
        shown_ = count;
        endInsertRows();
        onlyAppendedBelowView_ = belowView;
    }
    // True once after a hand-over of rows below the view, unless the rows or columns changed otherwise since.
    bool TakeOnlyAppendedBelowView() { return std::exchange(onlyAppendedBelowView_, false); }
    template <class Remove>
    void RemoveRow(int row, Remove remove) {
        onlyAppendedBelowView_ = false;
        if (row >= shown_) {
            remove();
            return;
        }
        beginRemoveRows(QModelIndex(), row, row);
        remove();
        --shown_;
        endRemoveRows();
    }
    template <class Clear>
    void Reset(Clear clear) {
        onlyAppendedBelowView_ = false;
        beginResetModel();
        clear();
        shown_ = 0;
        endResetModel();
    }
    void AllRowsChanged() {
        if (shown_ == 0 || columnCount({}) == 0) return;
        emit dataChanged(index(0, 0), index(shown_ - 1, columnCount({}) - 1), {Qt::DisplayRole});
    }
    void RowChanged(int row) {
        if (row >= shown_ || columnCount({}) == 0) return;
        emit dataChanged(index(row, 0), index(row, columnCount({}) - 1), {Qt::DisplayRole});
    }
    template <class Change>
    void InsertColumn(int column, Change change) {
        onlyAppendedBelowView_ = false;
        beginInsertColumns(QModelIndex(), column, column);
        change();
        endInsertColumns();
    }
    template <class Change>
    void RemoveColumns(int first, int last, Change change) {
        onlyAppendedBelowView_ = false;
        beginRemoveColumns(QModelIndex(), first, last);
        change();
        endRemoveColumns();
    }
    void CaptionChanged(int column) { emit headerDataChanged(Qt::Horizontal, column, column); }

private:
    ListView& owner_;
    int shown_ = 0;
    bool onlyAppendedBelowView_ = false;
};

// The widget. The item layout a row count change starts repaints the whole view; after rows appended below a
// full view only the scroll range changes.
class ListTable : public QTableView {
public:
    // The table keeps a pixel between cells for its grid, but this view fills the grid lines itself.
    ListTable() { setGridStyle(Qt::NoPen); }

    void SetListModel(ListModel* model) {
        listModel_ = model;
        setModel(model);
    }
    // Lays out and repaints now: rows, scroll bars and column widths changed together show in one repaint.
    void LayOutNow() {
        if (listModel_) listModel_->TakeOnlyAppendedBelowView();
        QTableView::doItemsLayout();
        // The scroll area shows or hides a scroll bar in a queued call and lays itself out again after it, which
        // can move the other scroll bar's range and queue another; a scroll bar shown asks for its repaint in a
        // posted event. All taken now: the hand-over repaints once.
        constexpr int passes = 3;  // each scroll bar shown or hidden can queue one more
        for (int pass = 0; pass < passes; ++pass) {
            QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
            QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    }
    void doItemsLayout() override {
        if (listModel_ && listModel_->TakeOnlyAppendedBelowView()) {
            updateGeometries();
            return;
        }
        QTableView::doItemsLayout();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QTableView::paintEvent(event);
        if (showGrid() && gridStyle() == Qt::NoPen) PaintGrid(event->region());
    }

    void changeEvent(QEvent* event) override {
        // Right to left, the table strokes its grid itself.
        if (event->type() == QEvent::LayoutDirectionChange) setGridStyle(isLeftToRight() ? Qt::NoPen : Qt::SolidLine);
        QTableView::changeEvent(event);
    }

private:
    // The lines the table strokes pixel by pixel with its grid pen, filled as one-pixel rectangles: under each row
    // and right of each column, within each painted rectangle and the rows' and columns' extent.
    void PaintGrid(const QRegion& region) {
        const QHeaderView* rows = verticalHeader();
        const QHeaderView* columns = horizontalHeader();
        if (rows->count() == 0 || columns->count() == 0) return;
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const auto colorHint = style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this);
        const QColor color = QColor::fromRgba(static_cast<QRgb>(colorHint));
        const int extentRight = columns->length() - columns->offset() - 1;
        const int extentBottom = rows->length() - rows->offset() - 1;
        QPainter painter(viewport());
        for (QRect area : region) {
            area.setRight(std::min(area.right(), extentRight));
            area.setBottom(std::min(area.bottom(), extentBottom));
            if (!area.isValid()) continue;
            const int top = rows->visualIndexAt(area.top());
            const int bottom = VisualIndexOrLast(*rows, area.bottom());
            if (top == -1 || top > bottom) continue;
            for (int visual = top; visual <= bottom; ++visual) {
                const int row = rows->logicalIndex(visual);
                if (rows->isSectionHidden(row)) continue;
                const int y = rowViewportPosition(row) + rowHeight(row) - 1;
                painter.fillRect(QRect(area.left(), y, area.width(), 1), color);
            }
            const int left = std::max(columns->visualIndexAt(area.left()), 0);
            const int right = VisualIndexOrLast(*columns, area.right());
            for (int visual = left; visual <= right; ++visual) {
                const int column = columns->logicalIndex(visual);
                if (columns->isSectionHidden(column)) continue;
                const int x = columnViewportPosition(column) + columnWidth(column) - 1;
                painter.fillRect(QRect(x, area.top(), 1, area.height()), color);
            }
        }
    }

    static int VisualIndexOrLast(const QHeaderView& header, int position) {
        const int index = header.visualIndexAt(position);
        return index == -1 ? header.count() - 1 : index;
    }

    ListModel* listModel_ = nullptr;
};

// Mouse events land on the view's viewport; the list view reports them in its client coordinates. A handler that
// freed the list (and this bridge with it) consumed the event: it goes no further into the freed view.
class ViewportBridge : public QObject {
public:
    explicit ViewportBridge(ListView& owner) : owner_(owner) {}
    bool eventFilter(QObject*, QEvent* event) override {
        const auto life = owner_.LifeToken();
        owner_.ForwardViewportMouse(event);
        return life.expired();
    }

private:
    ListView& owner_;
};

// ---- sub-items ----

class SubItemStrings : public Strings {
public:
    explicit SubItemStrings(ListItem& item) : item_(item) {}
    int Count() const override { return static_cast<int>(item_.subTexts_.size()); }
    std::string Get(int index) const override {
        if (index < 0 || index >= Count()) throw Exception(IndexError("List", index));
        return item_.subTexts_[static_cast<size_t>(index)];
    }
    void Insert(int index, const std::string& text) override {
        auto& texts = item_.subTexts_;
        texts.insert(texts.begin() + std::clamp(index, 0, Count()), text);
        Changed();
    }
    void Delete(int index) override {
        if (index < 0 || index >= Count()) return;
        item_.subTexts_.erase(item_.subTexts_.begin() + index);
        Changed();
    }
    void Clear() override {
        item_.subTexts_.clear();
        Changed();
    }
    void Put(int index, const std::string& text) override {
        if (index < 0 || index >= Count()) throw Exception(IndexError("List", index));
        item_.subTexts_[static_cast<size_t>(index)] = text;
        Changed();
    }

private:
    void Changed() { item_.owner_->RowChanged(item_); }
    ListItem& item_;
};

// ---- ListItem ----

ListItem::ListItem(ListView* owner) : owner_(owner) {}

const Strings& ListItem::SubItems() const {
    if (!subItems_) subItems_ = std::make_unique<SubItemStrings>(const_cast<ListItem&>(*this));
    return *subItems_;
}

Strings& ListItem::SubItems() { return const_cast<Strings&>(std::as_const(*this).SubItems()); }

void ListItem::SetTexts(std::string caption, std::vector<std::string> subTexts) {
    const bool captionChanged = caption != caption_;
    caption_ = std::move(caption);
    subTexts_ = std::move(subTexts);
    owner_->RowChanged(*this);
    if (captionChanged) owner_->NotifyChange(this, ctText);
}

ListItem::~ListItem() = default;

void ListItem::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    owner_->RowChanged(*this);
    owner_->NotifyChange(this, ctText);
}

std::string ListItem::ColumnText(int column) const {
    if (column == 0) return caption_;
    if (column < 0 || column > static_cast<int>(subTexts_.size())) return {};
    return subTexts_[static_cast<size_t>(column - 1)];
}

void ListItem::SetSelected(bool selected) { owner_->ChangeSelection(this, selected); }

void ListItem::Delete() { owner_->Items().Delete(index_); }

// ---- ListItems ----

ListItem* ListItems::Item(int index) const {
    if (index < 0 || index >= Count()) throw Exception(IndexError("List", index));
    return items_[static_cast<size_t>(index)].get();
}

ListItem* ListItems::Add() {
    std::unique_ptr<ListItem> item(new ListItem(&owner_));
    item->index_ = Count();
    ListItem* added = item.get();
    items_.push_back(std::move(item));
    owner_.RowsAdded();
    owner_.NotifyChange(added, ctState);
    return added;
}

void ListItems::Delete(int index) {
    ListItem* item = Item(index);
    owner_.RowDeleted(index, item);
    for (int i = index; i < Count(); ++i) items_[static_cast<size_t>(i)]->index_ = i;
    owner_.NotifyChange(nullptr, ctState);
}

void ListItems::Clear() {
    if (items_.empty()) return;
    owner_.RowsCleared();
    owner_.NotifyChange(nullptr, ctState);
}

void ListItems::BeginUpdate() { ++owner_.updateLock_; }

void ListItems::EndUpdate() {
    if (owner_.updateLock_ > 0 && --owner_.updateLock_ == 0) owner_.FlushRows();
}

// ---- ListColumn(s) ----

void ListColumn::SetCaption(const std::string& caption) {
    caption_ = caption;
    owner_.model_->CaptionChanged(index_);
    if (width_ == -2) owner_.ApplyColumnWidth(*this);
}

int ListColumn::Width() const { return owner_.View()->horizontalHeader()->sectionSize(index_); }

void ListColumn::SetWidth(int width) {
    width_ = std::max(width, -2);
    owner_.ApplyColumnWidth(*this);
}

ListColumn* ListColumns::Item(int index) const {
    if (index < 0 || index >= Count()) throw Exception(IndexError("Column", index));
    return columns_[static_cast<size_t>(index)].get();
}

ListColumn* ListColumns::Add() {
    std::unique_ptr<ListColumn> column(new ListColumn(owner_));
    column->index_ = Count();
    ListColumn* added = column.get();
    owner_.model_->InsertColumn(Count(), [&] { columns_.push_back(std::move(column)); });
    owner_.ApplyColumnWidth(*added);
    return added;
}

void ListColumns::Delete(int index) {
    Item(index);
    owner_.model_->RemoveColumns(index, index, [&] { columns_.erase(columns_.begin() + index); });
    for (int i = index; i < Count(); ++i) columns_[static_cast<size_t>(i)]->index_ = i;
    owner_.ColumnsChanged();
}

void ListColumns::Clear() {
    if (columns_.empty()) return;
    owner_.model_->RemoveColumns(0, Count() - 1, [&] { columns_.clear(); });
}

// ---- column fit ----

namespace {

// The shaped widths of texts in the font list views last used: a table read again, and the same values in many
// rows and dialogs, are shaped once.
class ShapedWidths {
public:
    static ShapedWidths& In(const QFont& font) {
        static auto* widths = new ShapedWidths;  // kept to the end, past the application's fonts
        if (widths->font_ != font) {
            widths->font_ = font;
            widths->widths_.clear();
        }
        return *widths;
    }

    int Of(const QString& text, const QFontMetrics& metrics) {
        auto known = widths_.constFind(text);
        if (known != widths_.constEnd()) return *known;
        if (widths_.size() >= Limit) widths_.clear();
        return *widths_.insert(text, metrics.horizontalAdvance(text));
    }

private:
    static constexpr qsizetype Limit = 20000;
    QFont font_;
    QHash<QString, int> widths_;
};

// Widths of cell texts in one font, for the column fit. Shaping a text (its exact width) costs about ten times as
// much as summing its characters' own advances, which kerning can exceed by a few percent: a column's texts are
// shaped widest estimate first, until no estimate, with room for kerning, can beat the widest exact width.
// Texts with characters outside the simple range (controls, combining marks, other scripts) are always shaped.
class TextWidths {
public:
    explicit TextWidths(const QFont& font) : font_(font), metrics_(font), charMetrics_(font) { advances_.fill(-1); }

    const QFont& Font() const { return font_; }
    int Exact(const QString& text) const { return ShapedWidths::In(font_).Of(text, metrics_); }

    // Whether the text, shaped, is at most width wide; shaped only when its estimate leaves it open.
    bool Fits(const QString& text, int width) { return SurelyWithin(Estimate(text), width) || Exact(text) <= width; }

    // The widest exact width among the texts.
    int Widest(const std::vector<QString>& texts) {
        std::vector<std::pair<qreal, size_t>> byEstimate;
        byEstimate.reserve(texts.size());
        for (size_t i = 0; i < texts.size(); ++i) byEstimate.emplace_back(Estimate(texts[i]), i);
        // Equal texts side by side: each is shaped once.
        std::sort(byEstimate.begin(), byEstimate.end(), [&](const auto& a, const auto& b) {
            return a.first != b.first ? a.first > b.first : texts[a.second] < texts[b.second];
        });
        int widest = 0;
        const QString* previous = nullptr;
        for (const auto& [estimate, i] : byEstimate) {
            if (SurelyWithin(estimate, widest)) break;
            if (previous && *previous == texts[i]) continue;
            previous = &texts[i];
            widest = std::max(widest, Exact(texts[i]));
        }
        return widest;
    }

private:
    static constexpr qreal Unknown = std::numeric_limits<qreal>::max() / 4;

    // Kerning widens a text by a few percent at most (20 kerned pairs in a row: under 6%).
    static bool SurelyWithin(qreal estimate, int width) { return estimate * 1.1 + 2 <= width; }

    qreal Estimate(const QString& text) {
        qreal sum = 0;
        for (const QChar ch : text) {
            const char16_t code = ch.unicode();
            if (code >= advances_.size() || code < 0x20 || (code >= 0x7f && code < 0xa0)) return Unknown;
            qreal& advance = advances_[code];
            if (advance < 0) advance = charMetrics_.horizontalAdvance(ch);
            sum += advance;
        }
        return sum;
    }

    QFont font_;
    QFontMetrics metrics_;
    QFontMetricsF charMetrics_;
    std::array<qreal, 0x300> advances_;  // -1: not asked yet
};

// Draws a cell as the style's item delegate does (background, selection and focus frame by the style, the text
// in the item's margins, elided when too wide), shaping the text once where the style shapes it three times.
class ListDelegate : public QStyledItemDelegate {
public:
    ListDelegate(QObject* parent, const ListView& owner) : QStyledItemDelegate(parent), owner_(owner) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        // Without the focus the selection keeps its colours, unless HideSelection asks to hide it. (Done here
        // rather than by a palette of the view's own: a palette per view makes the style draw and cache its
        // pixmaps again for every list view made.)
        if (!(cell.state & QStyle::State_Active)) {
            if (owner_.HideSelection()) cell.state &= ~QStyle::State_Selected;
            else cell.state |= QStyle::State_Active;
        }
        const QString text = std::exchange(cell.text, QString());
        const QWidget* widget = cell.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        // A plain cell has nothing but its text on the view's base.
        const bool plain =
            !(cell.state & (QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver)) &&
            cell.backgroundBrush.style() == Qt::NoBrush;
        if (!plain) style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        if (text.isEmpty()) return;

        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect textRect = cell.rect.adjusted(margin, 0, -margin, 0);
        const QFontMetrics& metrics = cell.fontMetrics;
        const bool fits = Widths(cell.font).Fits(text, textRect.width());
        const QString shown = fits ? text : metrics.elidedText(text, cell.textElideMode, textRect.width());
        const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (cell.state & QStyle::State_Active) ? QPalette::Normal
                                                                                 : QPalette::Inactive;
        const QColor color = cell.palette.color(
            group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text);
        const int baseline = textRect.top() + (textRect.height() - metrics.height()) / 2 + metrics.ascent();
        // Only a text that may reach past its cell is clipped; the pen and font are put back either way, which
        // costs less than saving the painter's whole state.
        const bool clip = !fits || metrics.height() > textRect.height();
        if (clip) {
            painter->save();
            painter->setClipRect(textRect, Qt::IntersectClip);
        }
        const QPen pen = painter->pen();
        const QFont font = painter->font();
        painter->setFont(cell.font);
        painter->setPen(color);
        painter->drawText(QPoint(textRect.left(), baseline), shown);
        painter->setPen(pen);
        painter->setFont(font);
        if (clip) painter->restore();
    }

private:
    TextWidths& Widths(const QFont& font) const {
        if (!widths_ || widths_->Font() != font) widths_.emplace(font);
        return *widths_;
    }
    mutable std::optional<TextWidths> widths_;

private:
    const ListView& owner_;
};

}  // namespace

// ---- ListView ----

ListView::ListView(Component* owner)
    : Control(owner, new ListTable),
      columns_(*this),
      items_(*this),
      model_(std::make_unique<ListModel>(*this)),
      flushTimer_(std::make_unique<QTimer>()),
      viewportBridge_(std::make_unique<ViewportBridge>(*this)) {
    QTableView* view = View();
    Table()->SetListModel(model_.get());
    view->setItemDelegate(new ListDelegate(view, *this));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setShowGrid(gridLines_);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    QHeaderView* header = view->horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(viewportBridge_.get());
    view->setFocusPolicy(Qt::StrongFocus);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 250, 150);

    flushTimer_->setSingleShot(true);
    QObject::connect(flushTimer_.get(), &QTimer::timeout, flushTimer_.get(), [this] { FlushRows(); });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, SignalContext(),
                     [this] { UserSelectionChanged(); });
    QObject::connect(header, &QHeaderView::sectionResized, SignalContext(), [this](int index, int, int) {
        if (sizingColumns_ == 0 && index >= 0 && index < columns_.Count()) columns_.Item(index)->userSized_ = true;
    });
}

ListView::~ListView() {
    MarkDestroying();
    HoldFollower(false);
    flushTimer_.reset();
    View()->viewport()->removeEventFilter(viewportBridge_.get());
    Table()->SetListModel(nullptr);
}

QTableView* ListView::View() const { return static_cast<QTableView*>(Widget()); }

QWidget* ListView::ColorWidget() const { return View()->viewport(); }

ListTable* ListView::Table() const { return static_cast<ListTable*>(Widget()); }

int ListView::ShownRowCount() const { return model_->Shown(); }

void ListView::RowsAdded() {
    HoldFollower(true);
    if (updateLock_ > 0 || flushTimer_->isActive()) return;
    // Rows go to the widget one interval after the first of them: a short walk is handed over once, at its end.
    // Rows that land below a full view only move the scroll bar: they are handed over less often.
    flushTimer_->start(RowsLandBelowView() ? BelowViewIntervalMs : BatchIntervalMs);
}

bool ListView::RowsLandBelowView() const {
    const int shown = model_->Shown();
    if (shown == 0) return false;
    const QTableView* view = View();
    const int bottomRow = view->rowAt(view->viewport()->height() - 1);
    return bottomRow >= 0 && bottomRow < shown - 1;
}

void ListView::FlushRows() {
    flushTimer_->stop();
    if (!model_->Pending()) return HoldFollower(false);
    const bool belowView = RowsLandBelowView();
    SyncScope sync(syncing_);
    model_->Flush(belowView);
    const bool widened = fittedRows_ < FitRowCount && FitColumnsToRows();
    if (!belowView || widened) Table()->LayOutNow();
    HoldFollower(false);
}

void ListView::RepaintsWithRows(Control* control) {
    HoldFollower(false);
    follower_ = control ? control->Widget() : nullptr;
    if (model_->Pending()) HoldFollower(true);
}

void ListView::HoldFollower(bool held) {
    if (held == followerHeld_) return;
    followerHeld_ = held;
    if (follower_) follower_->setUpdatesEnabled(!held);
}

void ListView::RowDeleted(int index, ListItem* item) {
    if (item == selectedItem_) selectedItem_ = nullptr;
    SyncScope sync(syncing_);
    model_->RemoveRow(index, [&] { items_.items_.erase(items_.items_.begin() + index); });
}

void ListView::RowsCleared() {
    selectedItem_ = nullptr;
    fittedRows_ = 0;
    flushTimer_->stop();
    HoldFollower(false);
    SyncScope sync(syncing_);
    model_->Reset([&] { items_.items_.clear(); });
}

void ListView::RowChanged(const ListItem& item) { model_->RowChanged(item.index_); }

void ListView::SetFontCharset(int charset) {
    Control::SetFontCharset(charset);
    model_->AllRowsChanged();
}

void ListView::ColumnsChanged() {
    for (int i = 0; i < columns_.Count(); ++i) ApplyColumnWidth(*columns_.Item(i));
}

void ListView::ApplyColumnWidth(const ListColumn& column) {
    QHeaderView* header = View()->horizontalHeader();
    ResizeColumn(column.index_, column.width_ == -2 ? header->sectionSizeHint(column.index_) : std::max(column.width_, 0));
}

void ListView::ResizeColumn(int index, int width) {
    SyncScope sizing(sizingColumns_);
    View()->horizontalHeader()->resizeSection(index, width);
}

// Widens the shown columns to the texts of the rows handed to the widget since the last fit; true when one
// widened. The caller lays the view out once for all of them.
bool ListView::FitColumnsToRows() {
    const int from = fittedRows_;
    fittedRows_ = std::min(model_->Shown(), FitRowCount);
    if (from >= fittedRows_) return false;
    QTableView* view = View();
    QHeaderView* header = view->horizontalHeader();
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.fontMetrics = view->fontMetrics();
    const int gridLine = view->showGrid() ? 1 : 0;
    TextWidths widths(option.font);
    const QSignalBlocker quietHeader(header);
    bool widened = false;
    for (int c = 0; c < columns_.Count(); ++c) {
        ListColumn& column = *columns_.Item(c);
        if (column.width_ == 0 || column.userSized_) continue;
        // As wide as the cell's text, margins included, is drawn without eliding. Cells hold plain text: the
        // delegate's margin around it is measured once per column and pass (one pixel spare for rounding).
        std::vector<QString> texts;
        texts.reserve(static_cast<size_t>(fittedRows_ - from));
        for (int row = from; row < fittedRows_; ++row) texts.push_back(model_->index(row, c).data().toString());
        const QModelIndex first = model_->index(from, c);
        const int textMargin = view->itemDelegate()->sizeHint(option, first).width() - widths.Exact(texts.front()) + 1;
        const int wanted =
            std::min(std::max(header->sectionSizeHint(c), widths.Widest(texts) + textMargin + gridLine), FitWidthLimit);
        if (header->sectionSize(c) < wanted) {
            column.width_ = wanted;
            ResizeColumn(c, wanted);
            widened = true;
        }
    }
    return widened;
}

void ListView::SetHideSelection(bool hideSelection) {
    hideSelection_ = hideSelection;
    View()->viewport()->update();
}


void ListView::SetGridLines(bool gridLines) {
    gridLines_ = gridLines;
    View()->setShowGrid(gridLines);
}

ListItem* ListView::Selected() const { return selectedItem_; }

void ListView::SetSelected(ListItem* item) {
    if (item) {
        ChangeSelection(item, true);
    } else if (selectedItem_) {
        ChangeSelection(selectedItem_, false);
    }
}

int ListView::ItemIndex() const { return selectedItem_ ? selectedItem_->index_ : -1; }

void ListView::SetItemIndex(int index) {
    if (index < 0 || index >= items_.Count())
        SetSelected(nullptr);
    else
        SetSelected(items_.Item(index));
}

void ListView::ChangeSelection(ListItem* item, bool selected) {
    if (!item || item->owner_ != this || item->selected_ == selected) return;
    ListItem* previous = selected ? selectedItem_ : nullptr;
    if (previous) previous->selected_ = false;
    item->selected_ = selected;
    selectedItem_ = selected ? item : nullptr;
    ShowSelectionInWidget();
    if (previous) {
        NotifyChange(previous, ctState);
        NotifySelect(previous, false);
    }
    NotifyChange(item, ctState);
    NotifySelect(item, selected);
}

void ListView::ShowSelectionInWidget() {
    QItemSelectionModel* selection = View()->selectionModel();
    if (selectedItem_ && selectedItem_->index_ >= model_->Shown()) FlushRows();
    SyncScope sync(syncing_);
    if (selectedItem_)
        selection->setCurrentIndex(model_->index(selectedItem_->index_, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selection->clearSelection();
}

void ListView::UserSelectionChanged() {
    if (syncing_ > 0 || Destroying()) return;
    const QModelIndexList rows = View()->selectionModel()->selectedRows();
    ListItem* now = nullptr;
    if (!rows.isEmpty() && rows.first().row() < items_.Count()) now = items_.Item(rows.first().row());
    if (now == selectedItem_) return;
    ListItem* previous = selectedItem_;
    if (previous) previous->selected_ = false;
    if (now) now->selected_ = true;
    selectedItem_ = now;
    FireUser([&] {
        if (previous) {
            NotifyChange(previous, ctState);
            NotifySelect(previous, false);
        }
        if (now) {
            NotifyChange(now, ctState);
            NotifySelect(now, true);
        }
    });
}

void ListView::NotifyChange(ListItem* item, ItemChange change) {
    if (OnChange && !Destroying()) OnChange(this, item, change);
}

void ListView::NotifySelect(ListItem* item, bool selected) {
    if (OnSelectItem && !Destroying()) OnSelectItem(this, item, selected);
}

ListItem* ListView::GetItemAt(int x, int y) {
    QTableView* view = View();
    QWidget* viewport = view->viewport();
    const QPoint point = QPoint(x, y) + view->contentsRect().topLeft() - viewport->pos();
    if (!viewport->rect().contains(point)) return nullptr;
    int row = view->rowAt(point.y());
    if (row < 0 && model_->Pending()) {
        FlushRows();
        row = view->rowAt(point.y());
    }
    return row >= 0 && row < items_.Count() ? items_.Item(row) : nullptr;
}

bool ListView::WidgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // Reported from the viewport; these reach the view only from its border or by propagation.
        return false;
    default:
        return Control::WidgetEvent(event);
    }
}

void ListView::ForwardViewportMouse(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: break;
    default: return;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint client = mouse->position().toPoint() + View()->viewport()->pos() - View()->contentsRect().topLeft();
    QMouseEvent copy(mouse->type(), QPointF(client), mouse->scenePosition(), mouse->globalPosition(), mouse->button(),
                     mouse->buttons(), mouse->modifiers());
    Control::WidgetEvent(&copy);
}

}  // namespace ui
