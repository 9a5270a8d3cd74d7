#pragma once
// Publishes a stack state for one test and takes it back afterwards.
#include "StackState.h"

#include <string>
#include <vector>

class StackStateScope {
public:
    StackStateScope(std::string modeText, std::vector<StackUnitRow> rows = {}) {
        values.ModeText = std::move(modeText);
        values.UnitCount = static_cast<int>(rows.size());
        values.Rows = std::move(rows);
        SetStackState(&values);
    }
    ~StackStateScope() { SetStackState(nullptr); }
    StackStateScope(const StackStateScope&) = delete;
    StackStateScope& operator=(const StackStateScope&) = delete;

    StackStateValues values;
};
