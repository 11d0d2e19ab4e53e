// The Statistics page: frame counts and throughput since the last reset.
#pragma once

#include "pages/utility_page.h"

class CStatistics : public UtilityPage {
  public:
    CStatistics();
};
