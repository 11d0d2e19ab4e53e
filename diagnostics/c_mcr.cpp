#include "diagnostics/c_mcr.h"

#include "res/resource_ids.h"

CMCR::CMCR() : UtilityPage(IDD_MCR, OnDestroyAction::EndMainDialog) {}
