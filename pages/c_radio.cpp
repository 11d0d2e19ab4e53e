#include "pages/c_radio.h"

#include "res/resource_ids.h"

CRadio::CRadio() : UtilityPage(IDD_RADIO, OnDestroyAction::Nothing) {}
