#pragma once
// The SNMP agent around the simulator's MIB, built on net-snmp's agent library (which only Agent.cpp includes).
#include "SimMib.h"
#include "SimOptions.h"
#include "TestControls.h"

namespace sim {

// Listens on 127.0.0.1 and serves the MIB until SIGTERM or SIGINT. Returns the exit status.
int RunAgent(const SimOptions& options, SimMib& mib, TestControls& controls);

} // namespace sim
