#pragma once
// Apply check boxes beside a dialog's editors ("Set Checked"): the table of box and column is declared once and
// drives the empty check, Check All, Clear Checks and the marking of the unchecked columns for one SET.
#include <vector>

class AccessScope;
namespace ui {
class CheckBox;
}

struct ApplyBox {
    ui::CheckBox* Box;
    int Column;  // the variable the box lets into the SET
};

class ApplyBoxes {
public:
    ApplyBoxes() = default;
    explicit ApplyBoxes(std::vector<ApplyBox> boxes) : boxes_(std::move(boxes)) {}

    const std::vector<ApplyBox>& Boxes() const { return boxes_; }
    bool NoneChecked() const;
    // Ticks (or clears) every box; enabledOnly leaves disabled boxes as they are.
    void CheckAll(bool enabledOnly = false);
    void ClearChecks(bool enabledOnly = false);
    // Marks the column of every unchecked box invalid in scope.
    void LeaveOutUnchecked(AccessScope& scope) const;

private:
    std::vector<ApplyBox> boxes_;
};
