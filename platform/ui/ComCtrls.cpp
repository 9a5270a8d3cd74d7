#include "ComCtrls.h"
#include "ControlHelpers.h"

#include "Exception.h"
#include "Text.h"

#include <QPainter>
#include <QProgressBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {
constexpr int pageBorder = 4;

using detail::IndexError;
using detail::SyncScope;

// The frame around the pages' display area.
class PageFrame : public QWidget {
public:
    int tabRowHeight = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.rect = rect().adjusted(0, tabRowHeight, 0, 0);
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    }
};

Qt::Alignment ToQtAlignment(Alignment alignment) {
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}
}  // namespace

// ---- TabSheet ----

TabSheet::TabSheet(Component* owner) : Control(owner, new QWidget) {
    SetColor(clBtnFace);
    SetBounds(0, 0, 281, 165);
}

TabSheet::~TabSheet() {
    if (pageControl_) pageControl_->RemovePage(this);
}

void TabSheet::SetPageControl(ui::PageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_) {
        pageControl_->RemovePage(this);
        SetParent(nullptr);
    }
    if (pageControl) pageControl->InsertPage(this);
}

int TabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TabSheet::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (pageControl_) pageControl_->RebuildTabs();
}

void TabSheet::SetTabVisible(bool tabVisible) {
    if (tabVisible == tabVisible_) return;
    tabVisible_ = tabVisible;
    if (pageControl_) pageControl_->TabVisibilityChanged(this);
}

// ---- PageControl ----

PageControl::PageControl(Component* owner) : Control(owner, new PageFrame) {
    tabBar_ = new QTabBar(Widget());
    tabBar_->setUsesScrollButtons(true);
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(false);
    {
        // The height of a row of tabs, measured once so it does not change with the tabs.
        SyncScope sync(syncing_);
        tabBar_->addTab(QStringLiteral("X"));
        naturalTabHeight_ = tabBar_->sizeHint().height();
        tabBar_->removeTab(0);
    }
    tabBar_->show();
    SetColor(clBtnFace);
    QObject::connect(tabBar_, &QTabBar::tabBarClicked, SignalContext(), [this](int index) { UserPickedTab(index); });
    QObject::connect(tabBar_, &QTabBar::currentChanged, SignalContext(), [this](int index) { UserPickedTab(index); });
    SetBounds(0, 0, 289, 193);
    LayoutTabBar();
}

PageControl::~PageControl() {
    MarkDestroying();
    for (TabSheet* page : pages_) page->pageControl_ = nullptr;
    pages_.clear();
    tabPages_.clear();
    activePage_ = nullptr;
}

QTabBar* PageControl::TabBar() const { return tabBar_; }

TabSheet* PageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount()) throw Exception(IndexError("Page", index));
    return pages_[static_cast<size_t>(index)];
}

int PageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void PageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

int PageControl::TabIndex() const {
    auto it = std::find(tabPages_.begin(), tabPages_.end(), activePage_);
    return it == tabPages_.end() ? -1 : static_cast<int>(it - tabPages_.begin());
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page && page->pageControl_ != this) return;
    if (page == activePage_) return;
    TabSheet* previous = activePage_;
    activePage_ = page;
    ShowActivePage(previous);
}

void PageControl::SetMultiLine(bool multiLine) { multiLine_ = multiLine; }

void PageControl::SetTabHeight(int height) {
    tabHeight_ = std::max(height, 0);
    BoundsChanged();
    Realign();
}

int PageControl::TabRowHeight() const { return tabHeight_ > 0 ? tabHeight_ : naturalTabHeight_; }

Rect PageControl::AlignRect() const {
    return {pageBorder, TabRowHeight() + pageBorder, ClientWidth() - pageBorder, ClientHeight() - pageBorder};
}

void PageControl::BoundsChanged() {
    LayoutTabBar();
    for (TabSheet* page : pages_) FitPage(page);
}

void PageControl::LayoutTabBar() {
    static_cast<PageFrame*>(Widget())->tabRowHeight = TabRowHeight();
    tabBar_->setGeometry(2, 0, std::max(0, Width() - 4), TabRowHeight());
    Widget()->update();
}

void PageControl::FitPage(TabSheet* page) {
    const Rect area = AlignRect();
    page->SetBounds(area.Left, area.Top, std::max(0, area.Width()), std::max(0, area.Height()));
}

void PageControl::InsertPage(TabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    page->SetParent(this);
    FitPage(page);
    TabSheet* previous = activePage_;
    const bool activeHasNoTab = activePage_ && !activePage_->tabVisible_;
    if (!activePage_ || (page->tabVisible_ && activeHasNoTab)) activePage_ = page;
    if (page != activePage_) page->SetVisible(false);
    RebuildTabs();
    ShowActivePage(previous);
}

void PageControl::RemovePage(TabSheet* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    pages_.erase(it);
    page->pageControl_ = nullptr;
    TabSheet* previous = activePage_;
    if (page == activePage_) {
        activePage_ = FirstPageWithTab(page);
        if (!activePage_ && !pages_.empty()) activePage_ = pages_.front();
    }
    RebuildTabs();
    if (previous != activePage_ && !page->Destroying()) page->SetVisible(false);
    ShowActivePage(previous == page ? nullptr : previous);
}

TabSheet* PageControl::FirstPageWithTab(const TabSheet* except) const {
    // The next page after except that shows a tab, else the nearest one before it.
    auto from = std::find(pages_.begin(), pages_.end(), except);
    if (from != pages_.end())
        for (auto it = from + 1; it != pages_.end(); ++it)
            if ((*it)->tabVisible_) return *it;
    for (auto it = pages_.rbegin(); it != pages_.rend(); ++it)
        if (*it != except && (*it)->tabVisible_) return *it;
    return nullptr;
}

void PageControl::TabVisibilityChanged(TabSheet* page) {
    TabSheet* previous = activePage_;
    if (page->tabVisible_) {
        if (!activePage_ || !activePage_->tabVisible_) activePage_ = page;
    } else if (page == activePage_) {
        if (TabSheet* next = FirstPageWithTab(page)) activePage_ = next;
    }
    RebuildTabs();
    ShowActivePage(previous);
}

// Changes only the tabs whose pages changed (a tab bar rebuilt whole costs a layout per tab).
void PageControl::RebuildTabs() {
    SyncScope sync(syncing_);
    size_t tab = 0;
    for (TabSheet* page : pages_) {
        if (!page->tabVisible_) continue;
        const auto at = std::find(tabPages_.begin() + static_cast<long>(tab), tabPages_.end(), page);
        if (at == tabPages_.end()) {
            tabBar_->insertTab(static_cast<int>(tab), ToQString(page->caption_));
            tabPages_.insert(tabPages_.begin() + static_cast<long>(tab), page);
        } else {
            // The tabs before it belong to pages no longer shown there.
            for (auto gone = at - tabPages_.begin(); gone > static_cast<long>(tab); --gone)
                tabBar_->removeTab(static_cast<int>(tab));
            tabPages_.erase(tabPages_.begin() + static_cast<long>(tab), at);
            const QString caption = ToQString(page->caption_);
            if (tabBar_->tabText(static_cast<int>(tab)) != caption) tabBar_->setTabText(static_cast<int>(tab), caption);
        }
        ++tab;
    }
    while (tabPages_.size() > tab) {
        tabBar_->removeTab(static_cast<int>(tabPages_.size() - 1));
        tabPages_.pop_back();
    }
    if (const int index = TabIndex(); index >= 0) tabBar_->setCurrentIndex(index);
}

void PageControl::ShowActivePage(TabSheet* previous) {
    if (previous && previous != activePage_) previous->SetVisible(false);
    if (activePage_) {
        activePage_->SetVisible(true);
        activePage_->BringToFront();
    }
    SyncScope sync(syncing_);
    if (const int index = TabIndex(); index >= 0) tabBar_->setCurrentIndex(index);
}

void PageControl::UserPickedTab(int tabIndex) {
    if (syncing_ > 0 || Destroying() || tabIndex < 0 || tabIndex >= static_cast<int>(tabPages_.size())) return;
    TabSheet* page = tabPages_[static_cast<size_t>(tabIndex)];
    if (page == activePage_) return;
    TabSheet* previous = activePage_;
    activePage_ = page;
    FireUser([&] {
        ShowActivePage(previous);
        if (OnChange) OnChange(this);
    });
}

// ---- StatusBar ----

class StatusBarWidget : public QWidget {
public:
    StatusBar* owner = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!owner) return;
        QPainter painter(this);
        const bool simple = owner->simplePanel_ || owner->panels_.Count() == 0;
        if (simple) {
            DrawText(painter, rect(), owner->simpleText_, taLeftJustify);
            return;
        }
        for (int i = 0; i < owner->panels_.Count(); ++i) {
            const StatusPanel* panel = owner->panels_.Item(i);
            const Rect r = owner->PanelRect(i);
            const QRect box(r.Left, r.Top, r.Width(), r.Height());
            if (panel->Bevel() != pbNone) {
                QStyleOptionFrame option;
                option.initFrom(this);
                option.rect = box.adjusted(0, 1, -2, 0);
                option.lineWidth = 1;
                option.state |= panel->Bevel() == pbLowered ? QStyle::State_Sunken : QStyle::State_Raised;
                style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
            }
            DrawText(painter, box, panel->Text(), panel->Alignment());
        }
    }

private:
    void DrawText(QPainter& painter, const QRect& box, const std::string& text, Alignment alignment) {
        painter.save();
        painter.setClipRect(box.adjusted(1, 1, -3, -1));
        painter.drawText(box.adjusted(3, 0, -4, 0), static_cast<int>(ToQtAlignment(alignment) | Qt::AlignVCenter | Qt::TextSingleLine),
                         ToQString(text));
        painter.restore();
    }
};

void StatusPanel::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    owner_.Changed();
}

void StatusPanel::SetWidth(int width) {
    width_ = std::max(width, 0);
    owner_.Changed();
}

void StatusPanel::SetAlignment(ui::Alignment alignment) {
    alignment_ = alignment;
    owner_.Changed();
}

void StatusPanel::SetBevel(StatusPanelBevel bevel) {
    bevel_ = bevel;
    owner_.Changed();
}

StatusPanel* StatusPanels::Item(int index) const {
    if (index < 0 || index >= Count()) throw Exception(IndexError("Panel", index));
    return panels_[static_cast<size_t>(index)].get();
}

StatusPanel* StatusPanels::Add() {
    std::unique_ptr<StatusPanel> panel(new StatusPanel(owner_));
    panel->index_ = Count();
    panels_.push_back(std::move(panel));
    owner_.Changed();
    return panels_.back().get();
}

void StatusPanels::Delete(int index) {
    Item(index);
    panels_.erase(panels_.begin() + index);
    for (int i = index; i < Count(); ++i) panels_[static_cast<size_t>(i)]->index_ = i;
    owner_.Changed();
}

void StatusPanels::Clear() {
    panels_.clear();
    owner_.Changed();
}

StatusBar::StatusBar(Component* owner) : Control(owner, new StatusBarWidget), panels_(*this) {
    static_cast<StatusBarWidget*>(Widget())->owner = this;
    SetColor(clBtnFace);
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

StatusBar::~StatusBar() { static_cast<StatusBarWidget*>(Widget())->owner = nullptr; }

void StatusBar::SetSimplePanel(bool simplePanel) {
    simplePanel_ = simplePanel;
    Changed();
}

void StatusBar::SetSimpleText(const std::string& text) {
    if (text == simpleText_) return;
    simpleText_ = text;
    Changed();
}

Rect StatusBar::PanelRect(int index) const {
    panels_.Item(index);
    int left = 0;
    for (int i = 0; i < index; ++i) left += panels_.Item(i)->Width();
    const bool last = index == panels_.Count() - 1;
    const int right = last ? std::max(left, ClientWidth()) : left + panels_.Item(index)->Width();
    return {left, 0, right, ClientHeight()};
}

void StatusBar::Changed() { Widget()->update(); }

// ---- ProgressBar ----

ProgressBar::ProgressBar(Component* owner) : Control(owner, new QProgressBar) {
    Bar()->setTextVisible(false);
    Apply();
    SetBounds(0, 0, 150, 16);
}

QProgressBar* ProgressBar::Bar() const { return static_cast<QProgressBar*>(Widget()); }

void ProgressBar::SetMin(int min) { SetRange(min, std::max(min, max_)); }

void ProgressBar::SetMax(int max) { SetRange(std::min(min_, max), max); }

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

void ProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    Apply();
}

void ProgressBar::StepIt() {
    const long long next = static_cast<long long>(position_) + step_;
    position_ = next > max_ || next < min_ ? min_ : static_cast<int>(next);
    Apply();
}

void ProgressBar::StepBy(int delta) {
    SetPosition(static_cast<int>(std::clamp<long long>(static_cast<long long>(position_) + delta, min_, max_)));
}

void ProgressBar::Apply() {
    Bar()->setRange(min_, max_);
    Bar()->setValue(position_);
}

}  // namespace ui
