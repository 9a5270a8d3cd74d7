#pragma once
// Page controls with tab sheets, status bars and progress bars.
#include "Control.h"

#include <memory>
#include <string>
#include <vector>

class QProgressBar;
class QTabBar;

namespace ui {

class PageControl;

// One page of a page control. Its tab shows while TabVisible; its content shows while the sheet is
// Visible, which the page control keeps true for the active page only. A page whose tab is hidden
// can still be made active (or Visible) by code and then shows its content without a tab.
class TabSheet : public Control {
public:
    explicit TabSheet(Component* owner);
    ~TabSheet() override;

    ui::PageControl* PageControl() const { return pageControl_; }
    // Appends the sheet to pageControl's pages (and makes it the sheet's parent); null takes it out.
    void SetPageControl(ui::PageControl* pageControl);
    int PageIndex() const;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool tabVisible);

private:
    friend class PageControl;
    ui::PageControl* pageControl_ = nullptr;
    std::string caption_;
    bool tabVisible_ = true;
};

// Tabs along the top, the active page's content below them.
//
// OnChange fires when the user picks another tab, and only then: not when pages are added or
// removed, not when ActivePage is set by code, not while the control is destroyed.
//
// The active page: the first page added becomes active; a page whose tab becomes visible becomes
// active when the active page has no visible tab; a page whose tab is hidden stays active when no
// other page has a visible tab, else the next page with a visible tab becomes active. None of
// these fire OnChange.
//
// Pages fill the display area (below the tabs, inside a 4-pixel border) when added and whenever the
// page control is resized; a page aligned to the client fills it too.
class PageControl : public Control {
public:
    explicit PageControl(Component* owner);
    ~PageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet* Pages(int index) const;  // raises Exception outside 0 .. PageCount - 1
    TabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TabSheet* page);  // no OnChange
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // Index of the active page's tab among the visible tabs; -1 when it has none.
    int TabIndex() const;

    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine);  // kept; tabs stay in one row that scrolls
    // Height of the tab row: the setting when above 0, else the tabs' own height.
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int height);
    int TabRowHeight() const;

    Rect AlignRect() const override;  // the display area of the pages

    NotifyEvent OnChange;

protected:
    void BoundsChanged() override;

private:
    friend class TabSheet;
    QTabBar* TabBar() const;
    void InsertPage(TabSheet* page);
    void RemovePage(TabSheet* page);
    void TabVisibilityChanged(TabSheet* page);
    void RebuildTabs();
    void ShowActivePage(TabSheet* previous);
    void FitPage(TabSheet* page);
    void LayoutTabBar();
    TabSheet* FirstPageWithTab(const TabSheet* except) const;
    void UserPickedTab(int tabIndex);

    QTabBar* tabBar_ = nullptr;
    std::vector<TabSheet*> pages_;
    std::vector<TabSheet*> tabPages_;  // the pages whose tabs show, in tab order
    TabSheet* activePage_ = nullptr;
    int tabHeight_ = 0;
    int naturalTabHeight_ = 0;
    int syncing_ = 0;
    bool multiLine_ = false;
};

enum StatusPanelBevel { pbNone, pbLowered, pbRaised };

class StatusBar;

class StatusPanel {
public:
    int Index() const { return index_; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    ui::Alignment Alignment() const { return alignment_; }
    void SetAlignment(ui::Alignment alignment);
    StatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(StatusPanelBevel bevel);

private:
    friend class StatusPanels;
    explicit StatusPanel(StatusBar& owner) : owner_(owner) {}
    StatusBar& owner_;
    int index_ = 0;
    std::string text_;
    int width_ = 50;
    ui::Alignment alignment_ = taLeftJustify;
    StatusPanelBevel bevel_ = pbLowered;
};

class StatusPanels {
public:
    int Count() const { return static_cast<int>(panels_.size()); }
    StatusPanel* Item(int index) const;  // raises Exception outside 0 .. Count - 1
    StatusPanel* operator[](int index) const { return Item(index); }
    StatusPanel* Add();
    void Delete(int index);
    void Clear();

private:
    friend class StatusBar;
    explicit StatusPanels(StatusBar& owner) : owner_(owner) {}
    StatusBar& owner_;
    std::vector<std::unique_ptr<StatusPanel>> panels_;
};

// A bar at the bottom of a form: either one simple text, or panels side by side, each as wide as
// its Width except the last, which reaches the right edge. Texts show as plain text.
class StatusBar : public Control {
public:
    explicit StatusBar(Component* owner);
    ~StatusBar() override;

    StatusPanels& Panels() { return panels_; }
    const StatusPanels& Panels() const { return panels_; }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simplePanel);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    // Where panel index is drawn, in the bar's coordinates.
    Rect PanelRect(int index) const;

private:
    friend class StatusPanel;
    friend class StatusPanels;
    friend class StatusBarWidget;
    void Changed();

    StatusPanels panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
};

// Position stays within Min .. Max. StepIt advances by Step and starts again at Min when it would
// pass Max; StepBy adds and stops at the ends.
class ProgressBar : public Control {
public:
    explicit ProgressBar(Component* owner);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int min);
    void SetMax(int max);
    void SetRange(int min, int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    void StepIt();
    void StepBy(int delta);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool smooth) { smooth_ = smooth; }

private:
    QProgressBar* Bar() const;
    void Apply();
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    bool smooth_ = false;
};

}  // namespace ui
