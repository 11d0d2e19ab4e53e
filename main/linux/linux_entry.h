// The Linux driver module's one exported symbol: the entry points the program looks up by name.
#pragma once

#include "main/linux_backend.h"

extern "C" const LinuxBackendEntry sdwlan_linux_entry;
