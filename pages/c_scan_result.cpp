#include "pages/c_scan_result.h"

#include "res/resource_ids.h"

CScanResult::CScanResult() : UtilityPage(IDD_SITE_SURVEY, OnDestroyAction::Nothing) {}
