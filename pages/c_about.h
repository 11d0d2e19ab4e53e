// The About page: driver and utility versions.
#pragma once

#include "pages/utility_page.h"

class CAbout : public UtilityPage {
  public:
    CAbout();
};
