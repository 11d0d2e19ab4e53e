// The utility in the text mode (--text, and the default): on the real clock without a display,
// printing the window in front (the Status page) as its fields change, until SIGINT or SIGTERM
// close the main window.
#pragma once

#include <ostream>

// Runs the application until it ends; returns the exit status (0).
int RunTextMode(std::ostream& out);
