#include "diagnostics/c_eep_rom_access.h"

#include "res/resource_ids.h"

CEEPRomAccess::CEEPRomAccess() : UtilityPage(IDD_EEPROM, OnDestroyAction::EndMainDialog) {}
