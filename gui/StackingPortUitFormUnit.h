#pragma once
// The stack-unit port selector and its port helpers. Check box k of a selector stands for bit k of
// a port-list mask: unit u, port p is check box (u - 1) * 64 + p - 1, port number (u - 1) * 64 + p.
#include "Form.h"

#include <string>
#include <vector>

namespace ui {
class CheckBox;
class PageControl;
class TabSheet;
}  // namespace ui

extern const std::string DefaultModelName;  // "QSW-2126P": the model of a switch that is not stacked
inline constexpr int StackPortColumns = 12;  // check boxes per row on a unit page
inline constexpr int PortsPerUnit = 64;
inline constexpr int MaxStackUnits = 12;

// "0,1,...,count - 1".
std::string BitNumbersText(int count);
// Front ports of a model (fewer when stacked: the stacking ports are taken); 0 for an unknown name.
int GetPortCountOfModel(const std::string& modelName);
// "0,1,...,767" when stacked, else "0,1,...,63": the bit numbers the selector's check boxes stand for.
std::string GetAllPortList();

// A borderless form that a dialog embeds in one of its panels or tab sheets: one page per stack unit,
// each with 64 check boxes of which only the unit's real ports show.
class TStackingPortUitForm : public ui::Form {
public:
    explicit TStackingPortUitForm(ui::Component* owner);

    ui::PageControl* UnitPageControl;
    std::vector<ui::CheckBox*> PortCheckBoxes;  // every port check box in creation order
    std::vector<ui::TabSheet*> UnitTabs;        // entry u - 1 for unit u

    void FormCreate(ui::Component* sender);
    // Adds a hidden unit page of portCount hidden check boxes captioned from 1, in rows of columns
    // (of StackPortColumns when "DeviceInfo.ini" is in the current directory). firstPort and
    // singlePage are carried for the callers' sake.
    void AddUnitPage(const std::string& title, int firstPort, int portCount, int columns, int singlePage);
    void BuildPortCheckBoxes(ui::Control* scrollBox, int count, int columns);
    // Shows unit unitIdText's page, its caption followed by a blank and modelName, and its first
    // portCount check boxes; not stacked, the page shows without a tab. A unit ID that is not a number
    // or has no page leaves the selector as it was. startPort and columns are carried, not used.
    void ShowUnitPage(const std::string& unitIdText, const std::string& modelName, int startPort, int portCount,
                      int columns);
    // Every check box, visible or not.
    void UncheckAllPorts();
    void EnableAllPorts();
    void DisableAllPorts();
};

// Puts selector on sheet, filling it, and builds its unit pages from the main window's stack state.
// Raises Exception when a present unit's start port is not a number (later units stay hidden).
void FillStackPortPicker(TStackingPortUitForm* selector, ui::TabSheet* sheet);
// Adds a tab captioned caption to pageControl and fills it with selector.
void AddStackPortTab(const std::string& caption, TStackingPortUitForm* selector, ui::PageControl* pageControl);
