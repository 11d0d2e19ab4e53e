// The Site Survey page: the networks in range after a rescan.
#pragma once

#include "pages/utility_page.h"

class CScanResult : public UtilityPage {
  public:
    CScanResult();
};
