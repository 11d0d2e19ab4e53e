#include "diagnostics/c_bbcr.h"

#include "res/resource_ids.h"

CBBCR::CBBCR() : UtilityPage(IDD_BBCR, OnDestroyAction::EndMainDialog) {}
