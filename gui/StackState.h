#pragma once
// The main window's stack state as the port selector and the port helpers read it. The main window
// publishes it through SetStackState; a program without one reads a switch that is not stacked.
#include <string>
#include <vector>

// One row of the main window's stack-unit list.
struct StackUnitRow {
    std::string UnitId;     // the row caption: the unit's number as text
    std::string StartPort;  // sub-item 1
    std::string ModelName;  // sub-item 6
    std::string Presence;   // sub-item 7: "exist" or "no-exist"
};

class StackState {
public:
    virtual ~StackState() = default;
    // "enabled" when the switch is stacked; "disabled", "other", or empty before the first read.
    virtual std::string StackModeText() const = 0;
    // Rows of the unit list after the last unit-table read.
    virtual int StackUnitCount() const = 0;
    // The rows of the unit list as they stand (none before the first successful read).
    virtual std::vector<StackUnitRow> StackUnitRows() const = 0;
};

// Plain values, for a caller that keeps the state itself.
class StackStateValues : public StackState {
public:
    std::string ModeText;
    int UnitCount = 0;
    std::vector<StackUnitRow> Rows;

    std::string StackModeText() const override { return ModeText; }
    int StackUnitCount() const override { return UnitCount; }
    std::vector<StackUnitRow> StackUnitRows() const override { return Rows; }
};

// The state read from now on; null goes back to "not stacked, no units". Not owned.
void SetStackState(const StackState* state);
const StackState& CurrentStackState();

bool StackingEnabled();
