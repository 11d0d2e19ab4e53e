// The MAC register page: reads, writes and dumps the chip's 32-bit MAC registers.
#pragma once

#include "pages/utility_page.h"

class CMCR : public UtilityPage {
  public:
    CMCR();
};
