// Names of the OIDs the utility sends, for the request trace.
#pragma once

#include "platform/core/win_types.h"

// The OID's name, or null when it has none.
const char* OidName(DWORD oid);
