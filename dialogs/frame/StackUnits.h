#pragma once
// Stack units as the dedicated dialogs see them, over the main window's stack state (StackState.h): the present
// units with their model and port count, the stack's global port numbers, and whether a port selector has a ticked
// port of a present unit.
//
// Rules a caller must know:
// - Global ports count from 1, 64 per unit: port p of unit u is (u - 1) x 64 + p, so 65 is unit 2 port 1 and unit 3
//   port 5 is 133 (the bit of the port lists and the check box of the selector are one less). A number outside
//   1..768, a unit outside 1..12 or a port outside 1..64 is no port: unit 0 port 0 one way, global port 0 the other.
// - A switch that is not stacked is one unit: unit 1, a QSW-2126P, as the port selector shows it.
// - Stacked, the units are the first StackUnitCount rows of the unit list less the absent ones; the dialog names how
//   its switch marks an absent unit (AbsentUnit). A row whose caption is not a unit number 1..12 is no unit.
// - PresentStackUnits reads the unit table again (blocking, through the main window) when no unit is counted; call
//   it before AddPortPage so that the pages follow the rows read. A failed read answers from the rows as they stand
//   (the main window's status line says why). PresentUnitPortTicked reads nothing.
#include "StackingPortUitFormUnit.h"

#include <cstdint>
#include <string>
#include <vector>

// How the unit list marks a unit that is not there.
enum class AbsentUnit : uint8_t {
    PresenceNoExist,  // the presence column reads "no-exist"
    ModelNotExist,    // the model name reads "Not_Exist"
};

struct StackUnit {
    int Number = 0;  // 1..12
    std::string Model;
    int PortCount = 0;  // front ports of the model (GetPortCountOfModel); 0 for a model it does not know
};

inline constexpr int StackPortCount = MaxStackUnits * PortsPerUnit;  // 768

// The present units in the unit list's order; read again first when stacked and no unit is counted.
std::vector<StackUnit> PresentStackUnits(AbsentUnit absent);
// The unit numbered number among units; null when none is.
const StackUnit* FindStackUnit(const std::vector<StackUnit>& units, int number);

struct UnitPort {
    int Unit = 0;
    int Port = 0;
    friend bool operator==(const UnitPort&, const UnitPort&) = default;
};

// Global port 65 is {2, 1}; 0, negative and past 768 give {0, 0}.
UnitPort UnitPortOf(int globalPort);
// {2, 1} is 65; a unit outside 1..12 or a port outside 1..64 gives 0.
int GlobalPortOf(int unit, int port);

// Whether selector has a ticked box of a present unit within its model's port count. Boxes of absent units, past a
// unit's ports or of units the selector holds no boxes for (only unit 1 when not stacked) do not count.
bool PresentUnitPortTicked(const TStackingPortUitForm& selector, AbsentUnit absent);
