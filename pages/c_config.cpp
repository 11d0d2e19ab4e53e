#include "pages/c_config.h"

#include "res/resource_ids.h"

CConfig::CConfig() : UtilityPage(IDD_STATUS, OnDestroyAction::EndMainDialog) {}
