#include "StackState.h"

namespace {
const StackState* published = nullptr;

const StackState& NotStacked() {
    static const StackStateValues none;
    return none;
}
}  // namespace

void SetStackState(const StackState* state) { published = state; }

const StackState& CurrentStackState() { return published ? *published : NotStacked(); }

bool StackingEnabled() { return CurrentStackState().StackModeText() == "enabled"; }
