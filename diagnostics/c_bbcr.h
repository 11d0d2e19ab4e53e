// The baseband register page: reads, writes and dumps the radio chip's 128 baseband registers.
#pragma once

#include "pages/utility_page.h"

class CBBCR : public UtilityPage {
  public:
    CBBCR();
};
