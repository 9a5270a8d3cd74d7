#pragma once
// Apply check boxes beside a dialog's editors ("Set Checked"): the table of box, column and editor is declared once
// and drives the checks of a write, Check All, Clear Checks and the marking of the unchecked columns for one SET.
//
// Rules a caller must know:
// - The boxes keep the table's order; the checks of a write run in that order and stop at the first refusal.
// - A box without an editor has nothing to check (its column still follows the box).
#include <functional>
#include <string>
#include <vector>

class AccessScope;
namespace ui {
class CheckBox;
class Control;
}  // namespace ui

struct ApplyBox {
    ui::CheckBox* Box;
    int Column;                        // the variable the box lets into the SET
    ui::Control* Editor = nullptr;     // the editor the box stands for
    std::function<bool()> Check = {};  // the editor's own check of a value (shows its message), once it is not empty
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

    // The first ticked box whose editor is empty (an edit without text, a combo box without a chosen entry), else
    // null.
    const ApplyBox* FirstEmptyTicked() const;
    // The checks of a write, box by box: a ticked box's editor must not be empty, else emptyMessage in a plain
    // message box (owner's) and the focus to that editor when it is enabled; then the box's own Check. True when
    // every ticked box passed.
    bool TickedEditorsPass(ui::Control* owner, const std::string& emptyMessage) const;

private:
    std::vector<ApplyBox> boxes_;
};
