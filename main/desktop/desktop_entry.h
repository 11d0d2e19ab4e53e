// The desktop module's one exported symbol: the entry points the program looks up by name.
#pragma once

#include "main/desktop_mode.h"

extern "C" const DesktopEntry sdwlan_desktop_entry;
