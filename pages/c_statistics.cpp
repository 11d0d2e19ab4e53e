#include "pages/c_statistics.h"

#include "res/resource_ids.h"

CStatistics::CStatistics() : UtilityPage(IDD_STATISTICS, OnDestroyAction::EndMainDialog) {}
