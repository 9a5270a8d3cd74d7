#pragma once
// TBasicForm: a base for dialogs that switch groups of input controls on and off as options change.
// It scales itself on screens not at 96 dots per inch, centres on the main form, and keeps two lists
// of the derived dialog's controls for the helpers below.
#include "Form.h"

#include <initializer_list>
#include <string>
#include <vector>

class TBasicForm : public ui::Form {
public:
    // The derived dialog's design size, scaled by 1.25 (truncated) on a screen not at 96 dots per inch.
    explicit TBasicForm(ui::Component* owner, int designWidth = 320, int designHeight = 240);

    // An edit or combo box: disabled, menu-coloured. A check box or radio button: unticked, disabled.
    void DisableControl(ui::Control* control);
    // DisableControl for the first count controls given, each edit also emptied. The first control is
    // handled even for a count of 0; a count beyond the controls given stops at the last one.
    void DisableControls(int count, std::initializer_list<ui::Control*> controls);
    // An edit or combo box: enabled, window-coloured. A check box or radio button: enabled, tick kept.
    void EnableControl(ui::Control* control);
    // Every combo box selects its first item, every edit is emptied; empty entries are skipped.
    void ResetControls(const std::vector<ui::Control*>& list);
    // Every check box is unticked; empty entries and other controls are skipped.
    void UncheckControls(const std::vector<ui::Control*>& list);

    std::vector<ui::Control*> CheckBoxList;      // filled by the derived dialog
    std::vector<ui::Control*> ValueControlList;  // edits and combo boxes, one per variable index; may hold nulls
    // Entries of the lists the derived dialog uses. (Hides Control::ControlCount on this class.)
    int ControlCount = 0;
    std::string AllPortsText;  // "0,1,...,63": the bit numbers of one unit's ports

private:
    void DisableOne(ui::Control* control, bool emptyEdit);
};
