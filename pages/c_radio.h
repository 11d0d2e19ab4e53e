// The Radio page: software radio switch and power-saving mode.
#pragma once

#include "pages/utility_page.h"

class CRadio : public UtilityPage {
  public:
    CRadio();
};
