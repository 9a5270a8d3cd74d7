#include "ApplyBoxes.h"

#include "AccessScope.h"
#include "EditorInput.h"
#include "StdCtrls.h"

namespace {

bool TickedAndEmpty(const ApplyBox& box) { return box.Box->Checked() && box.Editor && EditorEmpty(box.Editor); }

}  // namespace

bool ApplyBoxes::NoneChecked() const {
    for (const ApplyBox& box : boxes_)
        if (box.Box->Checked()) return false;
    return true;
}

void ApplyBoxes::CheckAll(bool enabledOnly) {
    for (const ApplyBox& box : boxes_)
        if (!enabledOnly || box.Box->Enabled()) box.Box->SetChecked(true);
}

void ApplyBoxes::ClearChecks(bool enabledOnly) {
    for (const ApplyBox& box : boxes_)
        if (!enabledOnly || box.Box->Enabled()) box.Box->SetChecked(false);
}

void ApplyBoxes::LeaveOutUnchecked(AccessScope& scope) const {
    for (const ApplyBox& box : boxes_)
        if (!box.Box->Checked()) scope.LeaveOut(box.Column);
}

const ApplyBox* ApplyBoxes::FirstEmptyTicked() const {
    for (const ApplyBox& box : boxes_)
        if (TickedAndEmpty(box)) return &box;
    return nullptr;
}

bool ApplyBoxes::TickedEditorsPass(ui::Control* owner, const std::string& emptyMessage) const {
    for (const ApplyBox& box : boxes_) {
        if (!box.Box->Checked() || !box.Editor) continue;
        if (TickedAndEmpty(box)) {
            RefuseInput(owner, emptyMessage, box.Editor);
            return false;
        }
        if (box.Check && !box.Check()) return false;
    }
    return true;
}
