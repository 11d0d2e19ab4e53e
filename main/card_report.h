// The card report: what the utility reads from the card through the whole stack (driver
// library, request blocks, simulated driver), printed as text.
#pragma once

#include <ostream>

// Runs the report on the current platform (the simulated driver must be installed and the
// platform clock virtual, so the scan and the traffic sample take no real time). Returns the
// process exit code.
int RunCardReport(std::ostream& out);
