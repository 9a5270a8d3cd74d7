#include "AccessScope.h"

#include "NxSNMPVarList.h"

#include <algorithm>

AccessScope::AccessScope(NxSNMPVarList& vars, Restore restore) : vars_(vars), restore_(restore) {
    if (restore_ != SavedBits) return;
    for (int i = 0; i < vars_.GetCount(); ++i) saved_.push_back(vars_.GetVar(i)->Access);
}

AccessScope::~AccessScope() { RestoreNow(); }

void AccessScope::LeaveOut(int column) {
    if (column < 0 || column >= vars_.GetCount()) return;
    vars_.GetVar(column)->Access |= invalid;
    if (std::find(marked_.begin(), marked_.end(), column) == marked_.end()) marked_.push_back(column);
}

void AccessScope::LeaveOut(const std::vector<int>& columns) {
    for (int column : columns) LeaveOut(column);
}

void AccessScope::LeaveOutAllBut(const std::vector<int>& keep) {
    for (int i = 0; i < vars_.GetCount(); ++i) {
        if (i < vars_.KeyCount || (vars_.GetVar(i)->Access & notaccess)) continue;  // an index column
        if (std::find(keep.begin(), keep.end(), i) == keep.end()) LeaveOut(i);
    }
}

void AccessScope::RestoreNow() {
    if (done_) return;
    done_ = true;
    switch (restore_) {
    case SavedBits:
        for (size_t i = 0; i < saved_.size() && static_cast<int>(i) < vars_.GetCount(); ++i)
            vars_.GetVar(static_cast<int>(i))->Access = saved_[i];
        break;
    case Readwrite:
        for (int column : marked_) vars_.GetVar(column)->Access = readwrite;
        break;
    case ClearInvalid:
        for (int column : marked_) vars_.GetVar(column)->Access &= ~invalid;
        break;
    }
}
