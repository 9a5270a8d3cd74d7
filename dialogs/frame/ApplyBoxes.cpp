#include "ApplyBoxes.h"

#include "AccessScope.h"
#include "StdCtrls.h"

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
